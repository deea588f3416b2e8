#include "zwarcia/core/zadanie.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/core/limity.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/plik_zrz.h"

using namespace zwarcia;
using common::Lampa;
namespace fs = std::filesystem;

namespace {

// The two-node example (see plik_zrz_test.cpp) from line 2 on, with the
// given lines replaced.
std::string Przyklad(const std::vector<std::pair<int, std::string>>& zmiany = {}) {
  std::vector<std::string> w = {"2",    "1",    "1;",  "2500;", "1",   "2;",   "100;", "20;",
                                "1;",   "1",    "1;",  "2;",    "100;", "300;", "10;",  "1;",
                                "1",    "1;",   "2;",  "110;",  "0,12;", "0,4;", "50;", "2;"};
  for (const auto& [nr, tekst] : zmiany) w[static_cast<size_t>(nr - 2)] = tekst;
  return ZbudujZrz(w);
}

class ZadanieZwarc : public ::testing::Test {
 protected:
  ZadanieZwarc() : k(p, d) {}
  void SetUp() override {
    folder = fs::temp_directory_path() / ("zwarcia_zadanie_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  std::string plik(const std::string& nazwa, const std::string& tresc = "x") {
    std::ofstream(folder / nazwa, std::ios::binary) << tresc;
    return (folder / nazwa).string();
  }

  common::RecordingDialogService d;
  Przypadek p;
  Kreator k;
  fs::path folder;
};

}  // namespace

TEST_F(ZadanieZwarc, LoadReplaysToTheFaultNodePage) {
  k.WczytajPlikZrz(Przyklad());
  EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
  EXPECT_EQ(p.Krok, 10);
  EXPECT_EQ(k.widok().L1, Zacheta(10));
  EXPECT_TRUE(k.widok().daneEWidoczne);
  EXPECT_EQ(k.widok().daneE, "");  // the fault node is not in the file
  for (int l = 1; l <= 13; ++l) {
    const Lampa oczekiwana = l <= 10 ? Lampa::Wykonana : l == 11 ? Lampa::Biezaca : Lampa::Neutralna;
    EXPECT_EQ(k.widok().lampy[size_t(l - 1)], oczekiwana) << "PP" << l;
  }
  EXPECT_TRUE(k.widok().wsteczBB);
  EXPECT_TRUE(k.widok().nowyBB);
  EXPECT_TRUE(k.widok().sbSchemat);
  EXPECT_TRUE(k.widok().zapiszSchemat);

  // Back shows the line table with the loaded data.
  k.WsteczBBClick();
  EXPECT_EQ(k.widok().panel, Panel::LinieP);
  EXPECT_EQ(p.LinieSG.cell(5, 1), "0,4");
  // and the user goes on from the fault-node page.
  k.DalejBBClick("");
  k.DalejBBClick("2");
  EXPECT_EQ(p.WezelZwarcia, 2);
  EXPECT_TRUE(d.wpisy.empty()) << d.ostatni();
}

TEST_F(ZadanieZwarc, RefusedFileEmptiesTheWizard) {
  k.WczytajPlikZrz(Przyklad());
  k.WczytajPlikZrz(Przyklad() + "x");  // a line that lines 0 and 1 do not count
  ASSERT_EQ(d.wpisy.size(), 1u);
  EXPECT_EQ(d.wpisy[0].tytul, "Błąd !!!");
  EXPECT_EQ(d.wpisy[0].tekst, kZlyPlikZrz);
  EXPECT_EQ(p.Krok, 0);
  EXPECT_EQ(p.LiczbaWezlow, -1);
  EXPECT_EQ(p.LinieSG.cell(4, 1), "");
  EXPECT_EQ(k.widok().L1, Zacheta(0));
  EXPECT_FALSE(k.widok().daneEWidoczne);
  EXPECT_FALSE(k.widok().wsteczBB);
  EXPECT_EQ(k.widok().lampy[0], Lampa::Biezaca);
  EXPECT_EQ(k.widok().lampy[1], Lampa::Neutralna);
  EXPECT_TRUE(k.widok().sbSchemat);  // the pictures belong to the exercise, not to its data
}

// Counts the wizard refuses load, and the replay stops on the page that
// refuses, its message shown once.
TEST_F(ZadanieZwarc, ReplayStopsOnTheFirstRefusedPage) {
  struct {
    std::vector<std::pair<int, std::string>> zmiany;
    int strona;
    const char* komunikat;
  } const przypadki[] = {
      {{{2, "1"}}, 1, "Podano nieprawidłową liczbę węzłów !!!"},
      {{{3, "3"}, {4, "1;1;1"}, {5, "1;1;1"}}, 2, "Podano nieprawidłową liczbę węzłów zasilanych z systemów !!!"},
      {{{6, "0"}}, 4, "Podano nieprawidłową liczbę węzłów zasilanych z generatorów !!!"},
      {{{11, "0"}}, 6, "Podano nieprawidłową liczbę transformatorów !!!"},
      {{{18, "0"}}, 8, "Podano nieprawidłową liczbę linii !!!"},
      {{{2, std::to_string(common::kMaksLiczbaWezlow)}}, 10, nullptr},
  };
  for (const auto& c : przypadki) {
    common::RecordingDialogService dialogi;
    Przypadek przypadek;
    Kreator kreator(przypadek, dialogi);
    kreator.WczytajPlikZrz(Przyklad(c.zmiany));
    EXPECT_EQ(przypadek.Krok, c.strona);
    EXPECT_EQ(kreator.widok().L1, Zacheta(c.strona));
    ASSERT_EQ(dialogi.wpisy.size(), c.komunikat ? 1u : 0u) << c.strona;
    if (c.komunikat) {
      EXPECT_EQ(dialogi.ostatni(), c.komunikat);
    }
  }
}

// "Treść zadania" is offered when the task statement lies beside the
// exercise, and stays through Start over.
TEST_F(ZadanieZwarc, TaskStatementButtonFollowsTheTaskFile) {
  struct Wpis { const char* argument; const char* tresc; bool sbTresc; };
  const Wpis przypadki[] = {
      {"a.zrz", nullptr, false},
      {"b.ZRZ", "b.SRZ", true},
      {"c.zrz", "C.SRZ", true},  // the name in capitals, as the exercises are written
      {"d.srz", nullptr, true},  // the task itself
  };
  for (const auto& c : przypadki) {
    if (c.tresc) plik(c.tresc, "Zadanie.");
    common::RecordingDialogService dialogi;
    Przypadek przypadek;
    Kreator kreator(przypadek, dialogi);
    kreator.OtworzZadanie(plik(c.argument, Przyklad()));
    EXPECT_EQ(kreator.widok().sbTresc, c.sbTresc) << c.argument;
    dialogi.odpowiedzi = {true};
    kreator.NowyBBClick();
    EXPECT_EQ(kreator.widok().sbTresc, c.sbTresc) << c.argument;
  }
}

TEST_F(ZadanieZwarc, OpeningFromTheCommandLine) {
  // A task without data: the pictures become available, the wizard stays empty.
  const std::string srz = plik("zad.srz", "Oblicz prąd zwarcia w węźle 2.");
  k.OtworzZadanie(srz);
  EXPECT_EQ(k.argument(), srz);
  EXPECT_TRUE(k.widok().sbSchemat);
  EXPECT_TRUE(k.widok().sbDaneElementow);
  EXPECT_TRUE(k.widok().zapiszSchemat);
  EXPECT_EQ(p.Krok, 0);

  common::RecordingDialogService d2;
  Przypadek p2;
  Kreator k2(p2, d2);
  k2.OtworzZadanie(plik("zad.Zrz", Przyklad()));
  EXPECT_EQ(p2.Krok, 10);
  EXPECT_TRUE(k2.widok().sbSchemat);
  EXPECT_TRUE(k2.widok().zapiszSchemat);
  EXPECT_FALSE(k2.widok().sbDaneElementow);  // until Start over
  d2.odpowiedzi = {true};
  k2.NowyBBClick();
  EXPECT_TRUE(k2.widok().sbDaneElementow);

  // Another extension and a missing file are ignored.
  common::RecordingDialogService d3;
  Przypadek p3;
  Kreator k3(p3, d3);
  k3.OtworzZadanie(plik("zad.txt", Przyklad()));
  k3.OtworzZadanie((folder / "brak.ZRZ").string());
  EXPECT_TRUE(d3.wpisy.empty());
  EXPECT_FALSE(k3.widok().sbSchemat);
  EXPECT_EQ(p3.Krok, 0);

  // A file too large to be an exercise: the reader's message, once.
  const fs::path duzy = folder / "duzy.ZRZ";
  std::ofstream(duzy).put('2');
  fs::resize_file(duzy, static_cast<std::uintmax_t>(common::kMaksRozmiarPliku) + 1);
  k3.OtworzZadanie(duzy.string());
  ASSERT_EQ(d3.wpisy.size(), 1u);
  EXPECT_EQ(d3.ostatni().rfind("Plik \"" + duzy.string() + "\" jest za duży", 0), 0u) << d3.ostatni();
  EXPECT_EQ(p3.Krok, 0);
}
