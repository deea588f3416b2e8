#include "zwarcia/core/wspolczynniki.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace zwarcia;

namespace {

// I″ of the two-node example with the fault at node 2, as its box shows it.
const char* kPrPocz = "8,8516";

const char* kKomunikatUdaru =
    "Podano nieprawidłową wartość współczynnika udaru.\nWspółczynnik ten ma zawierać się w przedziale od 1,0 do 2,0";
const char* kKomunikatM =
    "Podano nieprawidłową wartość współczynnika uwzględniającego wpływ cieplny składowej nieokresowej prądu "
    "zwarciowego.\nWspółczynnik ten ma być większy od 0 i mniejszy od 2.";

}  // namespace

TEST(Wspolczynniki, PeakFactorGivesThePeakCurrent) {
  struct {
    const char* kappa;
    std::optional<std::string> prZwUdar;  // nothing: the box keeps its text
    bool aktywne;
    bool blad;
  } const przypadki[] = {
      {"1,8", "22,5325", true, false},   // √2·1,8·8,8516 = 2,5455844·8,8516 = 22,53250
      {"1", "12,5181", true, false},     // √2·8,8516 = 12,51805
      {"1,0", "12,5181", true, false},
      {"2", "25,0361", true, false},     // 2·√2·8,8516 = 25,03611
      {"1,25", "15,6476", true, false},  // √2·1,25·8,8516 = 15,64757
      {"0,99", "", false, true},
      {"2,01", "", false, true},
      {"0", "", false, true},
      {"", std::nullopt, false, false},   // erased: ip stays, m is locked
      {",", std::nullopt, false, false},  // unreadable: silently the same
      {"1,8,1", std::nullopt, false, false},
  };
  for (const auto& c : przypadki) {
    const ZmianaUdaru z = ZmienWspolczynnikUdaru(c.kappa, kPrPocz);
    EXPECT_EQ(z.prZwUdar, c.prZwUdar) << c.kappa;
    EXPECT_EQ(z.wspMAktywne, c.aktywne) << c.kappa;
    EXPECT_EQ(z.blad.has_value(), c.blad) << c.kappa;
    if (z.blad) {
      EXPECT_EQ(*z.blad, kKomunikatUdaru);
    }
  }
}

TEST(Wspolczynniki, ThermalFactorGivesTheThermalCurrent) {
  struct {
    const char* m;
    const char* prZwCieplny;
    bool blad;
  } const przypadki[] = {
      {"0,5", "10,8410", false},  // 8,8516·√1,5 = 8,8516·1,2247449 = 10,840952
      {"0", "8,8516", false},     // 8,8516·√1
      {"2", "15,3314", false},    // 8,8516·√3 = 8,8516·1,7320508 = 15,331421
      {"1", "12,5181", false},    // 8,8516·√2
      {"2,01", "", true},
      {"-0,01", "", true},
      {"", "", false},
      {"abc", "", false},
  };
  for (const auto& c : przypadki) {
    const ZmianaM z = ZmienWspolczynnikM(c.m, kPrPocz);
    EXPECT_EQ(z.prZwCieplny, c.prZwCieplny) << c.m;
    EXPECT_EQ(z.blad.has_value(), c.blad) << c.m;
    if (z.blad) {
      EXPECT_EQ(*z.blad, kKomunikatM);
    }
  }
  EXPECT_STREQ(kTytulBleduWspolczynnika, "BŁĄD !!!");
}

// The currents come from I″ as shown, not from the unrounded result.
TEST(Wspolczynniki, InitialCurrentIsUsedAsShown) {
  const double nieZaokraglony = 8.85157015;  // I″ of the example before rounding
  const std::string pokazany = TekstPradu(nieZaokraglony);
  EXPECT_EQ(pokazany, "8,8516");
  // From 8,8516: 10,840952 → 10,8410; from 8,85157015 it would be 10,840921 → 10,8409.
  EXPECT_EQ(ZmienWspolczynnikM("0,5", pokazany).prZwCieplny, "10,8410");
  EXPECT_EQ(PradWylaczeniowySymetryczny(pokazany), "8,8516");
}
