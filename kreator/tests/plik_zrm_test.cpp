#include "kreator/core/plik_zrm.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace kreator;

namespace {

// Lines 3 to 30 of a 3-node case: two lines, no transformer, one generator
// node and one load node. Their characters: 1+1+1 +4+4+8+10+10+8+7+4
// +9*0 +1+2+4+2 +1+2+3+3 = 76.
std::vector<std::string> Wiersze3Do30() {
  return {"3", "2", "0", "1;2;", "2;3;", "110;110;", "0,08;0,08;", "0,38;0,38;", "1,8;1,8;", "100;50;",
          "1;1;", "", "", "", "", "", "", "", "", "", "1", "1;", "115;", "0;", "1", "3;", "50;", "20;"};
}

std::string Polacz(std::vector<std::string> wiersze, const std::string& lamanie, bool naKoncu) {
  std::string t;
  for (size_t i = 0; i < wiersze.size(); ++i) t += wiersze[i] + (i + 1 < wiersze.size() || naKoncu ? lamanie : "");
  return t;
}

// The case file with the given lines 1 and 2 in front of `reszta`.
std::string Plik(const char* l1, const char* l2, std::vector<std::string> reszta, const std::string& lamanie = "\r\n",
                 bool naKoncu = true) {
  reszta.insert(reszta.begin(), {l1, l2});
  return Polacz(reszta, lamanie, naKoncu);
}

// 76 + "30" (2) + "141" (3) + 30 line breaks as CR LF (60) = 141.
std::string PlikA() { return Plik("141", "30", Wiersze3Do30()); }

// Lines 3..30 with line `nr` replaced; built with correct lines 1 and 2.
std::string Zmieniony(std::vector<std::pair<int, std::string>> zmiany) {
  auto w = Wiersze3Do30();
  for (auto& [nr, tekst] : zmiany) w[static_cast<size_t>(nr - 3)] = tekst;
  return ZbudujZrm(w);
}

bool DanePuste(const Przypadek& p) {
  for (const auto* g : {&p.LinieSG, &p.TrafoSG, &p.WElSG, &p.WObcSG})
    for (int w = 1; w < g->rowCount(); ++w)
      for (int k = 1; k < g->colCount(); ++k)
        if (!g->cell(k, w).empty()) return false;
  return true;
}

bool Wyzerowany(const Przypadek& p) {
  return p.Krok == 0 && p.LiczbaWezlow == -1 && p.LiczbaLinii == -1 && p.LiczbaTransformatorow == -1 &&
         p.WezelBilansujacy == -1 && p.NapiecieBilansujace == -1 && p.LiczbaWezlowElektrownianych == -1 &&
         p.LiczbaWezlowObciazeniowych == -1 && DanePuste(p);
}

// Loads `plik` over a case already filled from PlikA; a refusal must leave nothing of either.
bool WczytajPoPoprzednim(const std::string& plik, Przypadek& p) {
  EXPECT_TRUE(WczytajZrm(PlikA(), p));
  p.Krok = 10;
  p.WezelBilansujacy = 1;
  p.NapiecieBilansujace = 115;
  const bool dobry = WczytajZrm(plik, p);
  if (!dobry) {
    EXPECT_TRUE(Wyzerowany(p)) << plik.substr(0, 60);
  }
  return dobry;
}

}  // namespace

TEST(PlikZrm, SplitsLinesAndCountsBreaksAsCrLf) {
  struct {
    std::string bajty;
    std::vector<std::string> wiersze;
    size_t dlugosc;
  } const przypadki[] = {
      {"", {}, 0},
      {"a", {"a"}, 1},
      {"a\r\n", {"a"}, 3},
      {"a\r\nb", {"a", "b"}, 4},
      {"a\rb\nc\r\n", {"a", "b", "c"}, 9},  // 3 letters + 3 breaks * 2
      {"a\n\r", {"a", ""}, 5},              // LF then a lone CR: two breaks
      {"a\r\n\r\n", {"a", ""}, 5},
      {"\n\n\n", {"", "", ""}, 6},
  };
  for (const auto& c : przypadki) {
    EXPECT_EQ(PodzielNaWiersze(c.bajty), c.wiersze) << c.bajty;
    EXPECT_EQ(DlugoscZCrLf(c.bajty), c.dlugosc) << c.bajty;
  }
}

TEST(PlikZrm, ValidFileFillsTablesAndCounts) {
  Przypadek p;
  p.Epsilon = 0.001;
  ASSERT_TRUE(WczytajZrm(PlikA(), p));
  EXPECT_EQ(p.LiczbaWezlow, 3);
  EXPECT_EQ(p.LiczbaLinii, 2);
  EXPECT_EQ(p.LiczbaTransformatorow, 0);
  EXPECT_EQ(p.LiczbaWezlowElektrownianych, 1);
  EXPECT_EQ(p.LiczbaWezlowObciazeniowych, 1);
  EXPECT_EQ(p.LinieSG.rowCount(), 3);
  EXPECT_EQ(p.LinieSG.colCount(), 9);
  EXPECT_EQ(p.LinieSG.cell(0, 2), "L2");
  EXPECT_EQ(p.LinieSG.cell(2, 2), "3");
  EXPECT_EQ(p.LinieSG.cell(4, 1), "0,08");
  EXPECT_EQ(p.LinieSG.cell(7, 2), "50");
  EXPECT_EQ(p.TrafoSG.rowCount(), 1);
  EXPECT_EQ(p.TrafoSG.colCount(), 10);
  EXPECT_EQ(p.WElSG.cell(0, 1), "W. el. 1");
  EXPECT_EQ(p.WElSG.cell(2, 1), "115");
  EXPECT_EQ(p.WObcSG.cell(0, 1), "W. obc. 1");
  EXPECT_EQ(p.WObcSG.cell(3, 0), "Moc bierna odbierana w węźle [Mvar]");
  EXPECT_EQ(p.WObcSG.cell(3, 1), "20");
  EXPECT_EQ(p.Epsilon, 0.001);
}

TEST(PlikZrm, IntegrityLines) {
  auto poTrzydziestym = Wiersze3Do30();
  poTrzydziestym.insert(poTrzydziestym.end(), {"", "xyz"});
  struct {
    const char* opis;
    std::string plik;
    bool dobry;
  } const przypadki[] = {
      {"CR LF, final break", PlikA(), true},
      // The final break's two characters are gone, the line count stays: 141 - 2.
      {"no final break", Plik("139", "30", Wiersze3Do30(), "\r\n", false), true},
      {"no final break, length as with it", Plik("141", "30", Wiersze3Do30(), "\r\n", false), false},
      {"length one too small", Plik("140", "30", Wiersze3Do30()), false},
      {"line count one too big", Plik("141", "31", Wiersze3Do30()), false},
      {"lone LF counts as CR LF", Plik("141", "30", Wiersze3Do30(), "\n"), true},
      {"lone CR counts as CR LF", Plik("141", "30", Wiersze3Do30(), "\r"), true},
      // 76 + "143,0" (5) + "30" (2) + 60 = 143: right length, but not an integer.
      {"length with a decimal part", Plik("143,0", "30", Wiersze3Do30()), false},
      // 76 + "xyz" (3) + "32" (2) + "148" (3) + 32 breaks (64) = 148.
      {"lines after 30 count", Plik("148", "32", poTrzydziestym), true},
      {"lines after 30 left out of line 2", Plik("148", "30", poTrzydziestym), false},
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    EXPECT_EQ(WczytajPoPoprzednim(c.plik, p), c.dobry) << c.opis;
  }
}

// Line 6 holds the start nodes of the two lines.
TEST(PlikZrm, ColumnLineIntoCells) {
  struct {
    std::string wiersz6;
    bool dobry;
    const char* komorka2;
  } const przypadki[] = {
      {"1;2;", true, "2"},    {"1;2", true, "2"},  {"1;2;3;4", true, "2"}, {"1;2,0", true, "2,0"},
      {"1;", false, ""},      {";2;", false, ""},  {"1;;2", false, ""},    {"1;abc", false, ""},
      {"1;\xB3", false, ""},  // the CP1250 letter 'ł'
      {"", false, ""},
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    ASSERT_EQ(WczytajPoPoprzednim(Zmieniony({{6, c.wiersz6}}), p), c.dobry) << c.wiersz6;
    if (!c.dobry) continue;
    EXPECT_EQ(p.LinieSG.cell(1, 1), "1");
    EXPECT_EQ(p.LinieSG.cell(1, 2), c.komorka2);
    p.LinieSG.setRowCount(5);  // values beyond row 2 were not kept as hidden cells
    EXPECT_EQ(p.LinieSG.cell(1, 3), "") << c.wiersz6;
    EXPECT_EQ(p.LinieSG.cell(1, 4), "") << c.wiersz6;
  }
}

TEST(PlikZrm, CountsAreWholeNumbersWithinLimits) {
  struct {
    int nr;
    const char* tekst;
    bool dobry;
  } const przypadki[] = {
      {4, "2,0", false}, {4, "", false},         {4, "dwa", false},        {4, "-1", false},
      {3, "-3", false},  {3, "5000", true},      {3, "5001", false},       {4, "2000000000", false},
      {5, "10001", false}, {23, "5001", false},  {27, "99999999999", false},
      {23, "2", false},  // the generator lines hold one value: row 2 stays empty
      {5, "1", false},   // a transformer with empty lines 14..22
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    EXPECT_EQ(WczytajPoPoprzednim(Zmieniony({{c.nr, c.tekst}}), p), c.dobry) << c.nr << " '" << c.tekst << "'";
  }
}

// The largest tables a file may ask for load; one row more is refused.
TEST(PlikZrm, LargestTablesAtTheLimit) {
  struct {
    int nrLiczby, pierwszaKolumna, kolumny, n;
    bool dobry;
  } const przypadki[] = {
      {4, 6, 8, 10000, true},  {4, 6, 8, 10001, false}, {5, 14, 9, 10000, true},
      {5, 14, 9, 10001, false}, {23, 24, 3, 5000, true}, {27, 28, 3, 5001, false},
  };
  for (const auto& c : przypadki) {
    std::string jedynki;  // "1;" n times
    for (int i = 0; i < c.n; ++i) jedynki += "1;";
    std::vector<std::pair<int, std::string>> zmiany = {{c.nrLiczby, std::to_string(c.n)}};
    for (int k = 0; k < c.kolumny; ++k) zmiany.push_back({c.pierwszaKolumna + k, jedynki});
    Przypadek p;
    ASSERT_EQ(WczytajPoPoprzednim(Zmieniony(zmiany), p), c.dobry) << c.nrLiczby << " " << c.n;
    if (c.nrLiczby == 5 && c.dobry) {
      EXPECT_EQ(p.TrafoSG.cell(9, 10000), "1");
    }
  }
}

TEST(PlikZrm, ALongLineIsReadToItsEnd) {
  // "1;" (2) + 4093 zeros + "2" = 4096 characters, then the tail: the second
  // cell holds all of it, so a tail that is no number refuses the file.
  const std::string poczatek = "1;" + std::string(4093, '0') + "2";
  struct {
    std::string ogon;
    bool dobry;
  } const przypadki[] = {{"", true}, {"5", true}, {std::string(904, 'x'), false}};
  for (const auto& c : przypadki) {
    Przypadek p;
    ASSERT_EQ(WczytajPoPoprzednim(Zmieniony({{6, poczatek + c.ogon}}), p), c.dobry) << c.ogon.size();
    if (c.dobry) {
      EXPECT_EQ(p.LinieSG.cell(1, 2), poczatek.substr(2) + c.ogon);
    }
  }
}

// A network at every limit written as real data is: 5000 nodes, 10 000
// lines and 10 000 transformers, each column line some 69 000 characters long.
// Cell (k, w) holds "w,k", so a lost or shifted cell shows.
TEST(PlikZrm, NetworkAtTheLimitsWithRealisticCellsLoads) {
  struct {
    Tabela tabela;
    const char* licznik;  // its count line, for the tables whose count is not among lines 3..5
    int kolumny, n;
  } const tabele[] = {{Tabela::Linie, "", 8, 10000}, {Tabela::Trafo, "", 9, 10000},
                      {Tabela::WEl, "5000", 3, 5000}, {Tabela::WObc, "5000", 3, 5000}};
  std::vector<std::string> w = {"5000", "10000", "10000"};  // lines 3..5
  for (const auto& t : tabele) {
    if (*t.licznik) w.push_back(t.licznik);
    for (int k = 1; k <= t.kolumny; ++k) {
      std::string kolumna;
      for (int i = 1; i <= t.n; ++i) kolumna += std::to_string(i) + "," + std::to_string(k) + ";";
      w.push_back(kolumna);
    }
  }
  ASSERT_EQ(w.size(), 28u);  // lines 3..30
  Przypadek p;
  ASSERT_TRUE(WczytajZrm(ZbudujZrm(w), p));
  for (const auto& t : tabele)
    for (int k = 1; k <= t.kolumny; ++k)
      for (int wiersz : {1, t.n / 2, t.n})
        EXPECT_EQ(p.siatka(t.tabela).cell(k, wiersz), std::to_string(wiersz) + "," + std::to_string(k));
}

TEST(PlikZrm, RefusalClearsCellsLoadedEarlierInTheSameFile) {
  Przypadek p;
  p.Epsilon = 0.001;
  EXPECT_FALSE(WczytajZrm(Zmieniony({{30, "abc;"}}), p));  // the last cell of the file
  EXPECT_TRUE(Wyzerowany(p));
  EXPECT_EQ(p.LinieSG.rowCount(), 3);  // the line table was filled before the refusal
  EXPECT_EQ(p.Epsilon, 0.001);
}

TEST(PlikZrm, OldRowsAreEmptiedBeforeTheTableShrinks) {
  Przypadek p;
  PrzygotujTabele(p, Tabela::Linie, 5);
  for (int w = 1; w <= 5; ++w) p.LinieSG.setCell(1, w, "7");
  ASSERT_TRUE(WczytajZrm(PlikA(), p));
  p.LinieSG.setRowCount(6);
  EXPECT_EQ(p.LinieSG.cell(1, 2), "2");
  EXPECT_EQ(p.LinieSG.cell(1, 4), "");
  EXPECT_EQ(p.LinieSG.cell(1, 5), "");
}

TEST(PlikZrm, GarbageIsRefusedWithoutACrash) {
  const std::string smieci[] = {
      std::string(),
      std::string("\0\0\0\0", 4),
      std::string("\xff\xfe\0\x01zrm\x81\x98", 9),
      std::string(10000, ';'),
      "\r\r\n\n\r",
      "141\r\n30\r\n",
      "-1\r\n-1\r\n",
      "99999999999999999999\r\n2\r\n",
      ZbudujZrm({"3", "2000000000"}),
      ZbudujZrm({"2147483647", "2147483647", "2147483647"}),
      ZbudujZrm(std::vector<std::string>(40, std::string(5000, ';'))),
      Zmieniony({{6, "1;\x81\x98"}}),  // bytes the code page leaves undefined
  };
  for (const auto& s : smieci) {
    Przypadek p;
    EXPECT_FALSE(WczytajPoPoprzednim(s, p)) << s.substr(0, 40);
  }
}

TEST(PlikZrm, BuiltFileHasMatchingIntegrityLines) {
  EXPECT_EQ(ZbudujZrm(Wiersze3Do30()), PlikA());
  // One line of k characters: 2 + "3" (1) + 2 + k + 2 = k + 7 besides line 1's digits.
  struct {
    size_t k;
    const char* wiersz1;
  } const przypadki[] = {{0, "8"}, {2, "11"}, {90, "99"}, {91, "101"}};  // 7+1; 9+2; 97+2; 98+3
  for (const auto& c : przypadki) {
    const std::string t = ZbudujZrm({std::string(c.k, '7')});
    EXPECT_EQ(t, std::string(c.wiersz1) + "\r\n3\r\n" + std::string(c.k, '7') + "\r\n");
  }
}
