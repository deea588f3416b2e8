#include "kreator/core/zadanie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "kreator/core/kreator.h"
#include "kreator/core/okno_wynikow.h"
#include "kreator/core/plik_zrm.h"

using namespace kreator;
namespace fs = std::filesystem;

namespace {

class Zadanie : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("kreator_zadanie_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  std::string plik(const std::string& nazwa, const std::string& tresc = "x") {
    std::ofstream(folder / nazwa, std::ios::binary) << tresc;
    return (folder / nazwa).string();
  }
  fs::path folder;
};

const std::string kDwaWezly = ZbudujZrm({"2", "1", "0", "1;", "2;", "110;", "0,12;", "0,4;", "2,8;", "50;", "1;", "",
                                         "", "", "", "", "", "", "", "", "1", "1;", "110;", "0;", "1", "2;", "50;",
                                         "20;"});

}  // namespace

TEST_F(Zadanie, KindsOfArguments) {
  struct Wpis { std::string nazwa; bool utworz; RodzajZadania rodzaj; };
  const Wpis przypadki[] = {
      {"a.ZRM", true, RodzajZadania::Dane},      {"b.zrm", true, RodzajZadania::Dane},
      {"c.SRM", true, RodzajZadania::BezDanych}, {"d.srm", true, RodzajZadania::BezDanych},
      {"e.TXT", true, RodzajZadania::Zaden},     {"f.ZRM", false, RodzajZadania::Zaden},
  };
  for (const auto& p : przypadki) {
    const std::string sciezka = p.utworz ? plik(p.nazwa) : (folder / p.nazwa).string();
    EXPECT_EQ(Rozpoznaj(sciezka), p.rodzaj) << p.nazwa;
  }
  EXPECT_EQ(Rozpoznaj(""), RodzajZadania::Zaden);
}

TEST_F(Zadanie, CompanionFilesIgnoringCase) {
  const std::string zrm = plik("zad1.zrm");
  EXPECT_FALSE(PlikTowarzyszacy(zrm, ".URM"));  // no picture yet
  plik("zad1.urm");                             // only a lower-case picture: found ignoring case
  EXPECT_EQ(PlikTowarzyszacy(zrm, ".URM"), (folder / "zad1.urm").string());
  plik("ZAD1.URM");                             // the exact name wins
  EXPECT_EQ(PlikTowarzyszacy(zrm, ".URM"), (folder / "ZAD1.URM").string());
  plik("Zad1.Drm");
  plik("zad1.DRM");
  plik("zad1.drM");  // three candidates, none exact: none is taken
  fs::remove(folder / "zad1.DRM");
  EXPECT_FALSE(PlikTowarzyszacy(zrm, ".DRM"));
  EXPECT_FALSE(PlikTowarzyszacy((folder / "brak.zrm").string(), ".URM"));  // the argument must exist
}

TEST_F(Zadanie, OpeningFromTheCommandLine) {
  common::RecordingDialogService d;
  Przypadek p;
  Kreator k(p, d);
  // A task without data: the pictures become available, the wizard stays empty.
  k.OtworzZadanie(plik("zad.srm"));
  EXPECT_TRUE(k.widok().sbSchemat);
  EXPECT_TRUE(k.widok().sbDaneElementow);
  EXPECT_TRUE(k.widok().zapiszSchemat);
  EXPECT_EQ(p.Krok, 0);

  Przypadek p2;
  Kreator k2(p2, d);
  k2.OtworzZadanie(plik("zad.zrm", kDwaWezly));
  EXPECT_EQ(p2.Krok, 10);
  EXPECT_TRUE(k2.widok().sbSchemat);
  EXPECT_FALSE(k2.widok().sbDaneElementow);  // until Start over
  d.odpowiedzi = {true};
  k2.NowyBBClick();
  EXPECT_TRUE(k2.widok().sbDaneElementow);

  // Another extension is ignored; a missing file too.
  Przypadek p3;
  Kreator k3(p3, d);
  d.wpisy.clear();
  k3.OtworzZadanie(plik("zad.txt", kDwaWezly));
  k3.OtworzZadanie((folder / "brak.ZRM").string());
  EXPECT_TRUE(d.wpisy.empty());
  EXPECT_FALSE(k3.widok().sbSchemat);
  EXPECT_EQ(p3.Krok, 0);
}

// "Treść zadania" is offered when the task statement lies beside the
// exercise, and stays through Start over.
TEST_F(Zadanie, TaskStatementButtonFollowsTheTaskFile) {
  struct Wpis { const char* argument; const char* tresc; bool sbTresc; };
  const Wpis przypadki[] = {
      {"a.zrm", nullptr, false},
      {"b.zrm", "B.SRM", true},  // the name in capitals, as the exercises are written
      {"c.ZRM", "c.srm", true},
      {"d.srm", nullptr, true},  // the task itself
  };
  for (const auto& c : przypadki) {
    if (c.tresc) plik(c.tresc, "Zadanie.");
    common::RecordingDialogService d;
    Przypadek p;
    Kreator k(p, d);
    k.OtworzZadanie(plik(c.argument, kDwaWezly));
    EXPECT_EQ(k.widok().sbTresc, c.sbTresc) << c.argument;
    d.odpowiedzi = {true};
    k.NowyBBClick();
    EXPECT_EQ(k.widok().sbTresc, c.sbTresc) << c.argument;
  }
}

TEST_F(Zadanie, SavingTheSchemePicture) {
  common::RecordingDialogService d;
  OknoWynikow o(d);
  const std::string zrm = plik("zad.ZRM", kDwaWezly);
  // No scheme picture beside the exercise.
  EXPECT_FALSE(o.ZapiszSchemat(zrm));
  EXPECT_EQ(d.ostatni(), kBrakSchematu);
  EXPECT_FALSE(o.ZapiszSchemat(""));
  EXPECT_TRUE(d.dialogiZapisu.empty());

  const std::string bmp("BM\x10\0\0\0\xff\x01", 8);
  plik("zad.URM", bmp);
  d.nazwyPlikow = {(folder / "kopia.png").string(), std::nullopt, (folder / "Kopia.Bmp").string()};
  EXPECT_FALSE(o.ZapiszSchemat(zrm));
  EXPECT_EQ(d.ostatni(), "Plik nie został zapisany, ponieważ podano nieprawidłowe rozszerzenie !!!");
  EXPECT_EQ(d.dialogiZapisu[0].tytul, "Zapisz schemat jako");
  EXPECT_EQ(d.dialogiZapisu[0].filtr, "Mapa bitowa systemu Windows (*.bmp)");
  EXPECT_EQ(d.dialogiZapisu[0].nazwa, "Symulowany schemat");
  EXPECT_FALSE(o.ZapiszSchemat(zrm));  // cancelled
  EXPECT_TRUE(o.ZapiszSchemat(zrm));
  std::ifstream kopia(folder / "Kopia.Bmp", std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kopia)), std::istreambuf_iterator<char>()), bmp);
  EXPECT_EQ(o.PlikSchematu, (folder / "Kopia.Bmp").string());
  // The next dialog offers the name used last.
  o.ZapiszSchemat(zrm);
  EXPECT_EQ(d.dialogiZapisu.back().nazwa, (folder / "Kopia.Bmp").string());
}
