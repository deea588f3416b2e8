#include "zwarcia/core/plik_zrz.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace zwarcia;

namespace {

// Lines 2 to 25 of the two-node example: system S1 (node 1, 2500 MVA),
// generator G1 (node 2, 100 MVA, 20 %, 1 unit), transformer T1 1-2 (100 MVA,
// 300 kW, 10 %, 1 unit), line L1 1-2 (110 kV, 0,12 / 0,4 Ω/km, 50 km, 2
// circuits). Their characters: 1+1+2+5 +1+2+4+3+2 +1+2+2+4+4+3+2 +1+2+2+4+5+4+3+2 = 62.
std::vector<std::string> Wiersze2Do25() {
  return {"2",  "1",    "1;",  "2500;", "1",   "2;",    "100;", "20;",  "1;", "1",  "1;",  "2;",
          "100;", "300;", "10;", "1;",    "1",   "1;",    "2;",   "110;", "0,12;", "0,4;", "50;", "2;"};
}

std::string Polacz(const std::vector<std::string>& wiersze, const std::string& lamanie, bool naKoncu) {
  std::string t;
  for (size_t i = 0; i < wiersze.size(); ++i) t += wiersze[i] + (i + 1 < wiersze.size() || naKoncu ? lamanie : "");
  return t;
}

// The case file with the given lines 0 and 1 in front of `reszta`.
std::string Plik(const char* l0, const char* l1, std::vector<std::string> reszta,
                 const std::string& lamanie = "\r\n", bool naKoncu = true) {
  reszta.insert(reszta.begin(), {l0, l1});
  return Polacz(reszta, lamanie, naKoncu);
}

// 26 lines; 62 + "26" (2) + "119" (3) + 26 line ends as CR LF (52) = 119.
std::string PlikA() { return Plik("26", "119", Wiersze2Do25()); }

// Lines 2..25 with the given lines replaced, built with matching lines 0 and 1.
std::string Zmieniony(const std::vector<std::pair<int, std::string>>& zmiany) {
  auto w = Wiersze2Do25();
  for (const auto& [nr, tekst] : zmiany) w[static_cast<size_t>(nr - 2)] = tekst;
  return ZbudujZrz(w);
}

bool DanePuste(const Przypadek& p) {
  for (const auto* g : {&p.SystemySG, &p.GeneratorySG, &p.TrafoSG, &p.LinieSG})
    for (int w = 1; w < g->rowCount(); ++w)
      for (int k = 1; k < g->colCount(); ++k)
        if (!g->cell(k, w).empty()) return false;
  return true;
}

bool Wyzerowany(const Przypadek& p) {
  return p.Krok == 0 && p.LiczbaWezlow == -1 && p.LiczbaWezlowSystemow == -1 && p.LiczbaWezlowGeneratorow == -1 &&
         p.LiczbaTransformatorow == -1 && p.LiczbaLinii == -1 && p.WezelZwarcia == -1 &&
         p.NapiecieZwarcia == -1.0 && DanePuste(p);
}

// Loads `plik` over a case already filled from PlikA with fault data; a
// refusal must leave nothing of either.
bool WczytajPoPoprzednim(const std::string& plik, Przypadek& p) {
  EXPECT_TRUE(WczytajZrz(PlikA(), p));
  p.Krok = 12;
  p.WezelZwarcia = 2;
  p.NapiecieZwarcia = 110;
  const bool dobry = WczytajZrz(plik, p);
  if (!dobry) {
    EXPECT_TRUE(Wyzerowany(p)) << plik.substr(0, 60);
  }
  return dobry;
}

}  // namespace

TEST(PlikZrz, ValidFileFillsTablesAndCounts) {
  Przypadek p;
  ASSERT_TRUE(WczytajZrz(PlikA(), p));
  EXPECT_EQ(p.LiczbaWezlow, 2);
  EXPECT_EQ(p.LiczbaWezlowSystemow, 1);
  EXPECT_EQ(p.LiczbaWezlowGeneratorow, 1);
  EXPECT_EQ(p.LiczbaTransformatorow, 1);
  EXPECT_EQ(p.LiczbaLinii, 1);
  EXPECT_EQ(p.SystemySG.colCount(), 3);
  EXPECT_EQ(p.SystemySG.cell(0, 1), "S1");
  EXPECT_EQ(p.SystemySG.cell(2, 1), "2500");
  EXPECT_EQ(p.GeneratorySG.colCount(), 5);
  EXPECT_EQ(p.GeneratorySG.cell(3, 1), "20");
  EXPECT_EQ(p.TrafoSG.colCount(), 7);
  EXPECT_EQ(p.TrafoSG.cell(0, 1), "T1");
  EXPECT_EQ(p.TrafoSG.cell(4, 1), "300");
  EXPECT_EQ(p.LinieSG.colCount(), 8);
  EXPECT_EQ(p.LinieSG.rowCount(), 2);
  EXPECT_EQ(p.LinieSG.cell(0, 0), "Linia nr");
  EXPECT_EQ(p.LinieSG.cell(4, 1), "0,12");
  EXPECT_EQ(p.LinieSG.cell(7, 1), "2");
}

TEST(PlikZrz, IntegrityLines) {
  auto poDwudziestymPiatym = Wiersze2Do25();
  poDwudziestymPiatym.insert(poDwudziestymPiatym.end(), {"", "uwagi"});
  auto bezOstatnich = Wiersze2Do25();
  bezOstatnich.resize(16);  // lines 2 to 17
  struct {
    const char* opis;
    std::string plik;
    bool dobry;
  } const przypadki[] = {
      {"CR LF, final break", PlikA(), true},
      {"no final break: the last line still counts two", Plik("26", "119", Wiersze2Do25(), "\r\n", false), true},
      {"no final break, length of the bytes", Plik("26", "117", Wiersze2Do25(), "\r\n", false), false},
      {"LF ends counted as two characters", Plik("26", "119", Wiersze2Do25(), "\n"), true},
      {"LF ends counted as one character", Plik("26", "93", Wiersze2Do25(), "\n"), false},
      {"lone CR ends", Plik("26", "119", Wiersze2Do25(), "\r"), true},
      {"length one too small", Plik("26", "118", Wiersze2Do25()), false},
      {"line count one too big", Plik("27", "119", Wiersze2Do25()), false},
      {"lines in place of length", Plik("119", "26", Wiersze2Do25()), false},
      // 62 + "26,0" (4) + "121" (3) + 52 = 121: right length, but not a whole number of lines.
      {"line count with a decimal part", Plik("26,0", "121", Wiersze2Do25()), false},
      // 62 + "uwagi" (5) + "28" (2) + "128" (3) + 28 line ends (56) = 128.
      {"lines after 25 count", Plik("28", "128", poDwudziestymPiatym), true},
      {"lines after 25 left out of line 0", Plik("26", "128", poDwudziestymPiatym), false},
      {"lines 18 to 25 missing, counted right", ZbudujZrz(bezOstatnich), false},
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    EXPECT_EQ(WczytajPoPoprzednim(c.plik, p), c.dobry) << c.opis;
  }
}

// Two systems; line 5 holds their short-circuit powers.
TEST(PlikZrz, ColumnLineIntoCells) {
  struct {
    std::string wiersz5;
    bool dobry;
    const char* komorka2;
  } const przypadki[] = {
      {"2500;3000;", true, "3000"},  {"2500;3000", true, "3000"},  {"2500;3000;4000;5", true, "3000"},
      {"2500;1,5E3", true, "1,5E3"}, {"2500;;3000", false, ""},    {"2500;", false, ""},
      {";3000", false, ""},          {"2500;abc", false, ""},      {"2500;3000.5", false, ""},
      {"2500;\xB3", false, ""},  // the CP1250 letter 'ł'
      {"", false, ""},
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    ASSERT_EQ(WczytajPoPoprzednim(Zmieniony({{3, "2"}, {4, "1;1;"}, {5, c.wiersz5}}), p), c.dobry) << c.wiersz5;
    if (!c.dobry) continue;
    EXPECT_EQ(p.SystemySG.cell(0, 2), "S2");
    EXPECT_EQ(p.SystemySG.cell(2, 1), "2500");
    EXPECT_EQ(p.SystemySG.cell(2, 2), c.komorka2);
    p.SystemySG.setRowCount(5);  // values beyond row 2 were not kept as hidden cells
    EXPECT_EQ(p.SystemySG.cell(2, 3), "") << c.wiersz5;
  }
}

TEST(PlikZrz, CountsAreWholeNumbersWithinLimits) {
  struct {
    int nr;
    const char* tekst;
    bool dobry;
  } const przypadki[] = {
      {2, "2,0", false},  {2, "", false},     {2, "dwa", false},   {2, "-2", false},
      {2, "1", true},     // the wizard refuses one node, not the loader
      {6, "0", true},     // no generator row: the cells of lines 7..10 are ignored
      {2, "5000", true},  {2, "5001", false}, {3, "5001", false},  {6, "5001", false},
      {11, "10001", false}, {18, "99999999999", false},
      {11, "2", false},   // the transformer lines hold one value: row 2 stays empty
  };
  for (const auto& c : przypadki) {
    Przypadek p;
    EXPECT_EQ(WczytajPoPoprzednim(Zmieniony({{c.nr, c.tekst}}), p), c.dobry) << c.nr << " '" << c.tekst << "'";
  }
}

// The largest tables a file may ask for load; one row more is refused.
TEST(PlikZrz, LargestTablesAtTheLimit) {
  struct {
    int nrLiczby, pierwszaKolumna, kolumny, n;
    bool dobry;
  } const przypadki[] = {
      {3, 4, 2, 5000, true},    {3, 4, 2, 5001, false},    {6, 7, 4, 5000, true},
      {11, 12, 6, 10000, true}, {11, 12, 6, 10001, false}, {18, 19, 7, 10000, true}, {18, 19, 7, 10001, false},
  };
  for (const auto& c : przypadki) {
    std::string wartosci;
    for (int i = 0; i < c.n; ++i) wartosci += "10,5;";
    std::vector<std::pair<int, std::string>> zmiany = {{c.nrLiczby, std::to_string(c.n)}};
    for (int k = 0; k < c.kolumny; ++k) zmiany.push_back({c.pierwszaKolumna + k, wartosci});
    Przypadek p;
    ASSERT_EQ(WczytajPoPoprzednim(Zmieniony(zmiany), p), c.dobry) << c.nrLiczby << " " << c.n;
    if (c.dobry && c.nrLiczby == 18) {
      EXPECT_EQ(p.LinieSG.cell(7, 10000), "10,5");
    }
  }
}

// A network at every limit written as real data is: 5000 nodes, 5000
// system and generator rows, 10 000 transformers and 10 000 lines, each
// column line up to some 69 000 characters long. Cell (k, w) holds "w,k", so a lost
// or shifted cell shows.
TEST(PlikZrz, NetworkAtTheLimitsWithRealisticCellsLoads) {
  struct {
    Tabela tabela;
    int kolumny, n;
  } const tabele[] = {{Tabela::Systemy, 2, 5000}, {Tabela::Generatory, 4, 5000}, {Tabela::Trafo, 6, 10000},
                      {Tabela::Linie, 7, 10000}};
  std::vector<std::string> w = {"5000"};  // line 2: the nodes; then each table's count and columns
  for (const auto& t : tabele) {
    w.push_back(std::to_string(t.n));
    for (int k = 1; k <= t.kolumny; ++k) {
      std::string kolumna;
      for (int i = 1; i <= t.n; ++i) kolumna += std::to_string(i) + "," + std::to_string(k) + ";";
      w.push_back(kolumna);
    }
  }
  ASSERT_EQ(w.size(), 24u);  // lines 2..25
  Przypadek p;
  ASSERT_TRUE(WczytajZrz(ZbudujZrz(w), p));
  for (const auto& t : tabele)
    for (int k = 1; k <= t.kolumny; ++k)
      for (int wiersz : {1, t.n / 2, t.n})
        EXPECT_EQ(p.siatka(t.tabela).cell(k, wiersz), std::to_string(wiersz) + "," + std::to_string(k));
}

TEST(PlikZrz, RefusalClearsCellsLoadedEarlierInTheSameFile) {
  Przypadek p;
  EXPECT_FALSE(WczytajZrz(Zmieniony({{25, "abc;"}}), p));  // the last cell of the file
  EXPECT_TRUE(Wyzerowany(p));
  EXPECT_EQ(p.SystemySG.rowCount(), 2);  // the system table was filled before the refusal
  EXPECT_EQ(p.CzasZwarcia, -1.0);
}

TEST(PlikZrz, OldRowsAreEmptiedBeforeTheTableShrinks) {
  Przypadek p;
  PrzygotujTabele(p, Tabela::Trafo, 4);
  for (int w = 1; w <= 4; ++w) p.TrafoSG.setCell(3, w, "7");
  ASSERT_TRUE(WczytajZrz(PlikA(), p));
  p.TrafoSG.setRowCount(5);
  EXPECT_EQ(p.TrafoSG.cell(3, 1), "100");
  EXPECT_EQ(p.TrafoSG.cell(3, 2), "");
  EXPECT_EQ(p.TrafoSG.cell(3, 4), "");
}

TEST(PlikZrz, GarbageIsRefusedWithoutACrash) {
  const std::string smieci[] = {
      std::string(),
      std::string("\0\0\0\0", 4),
      std::string("\xff\xfe\0\x01zrz\x81\x98", 9),
      std::string(10000, ';'),
      "\r\r\n\n\r",
      "26\r\n119\r\n",
      "-1\r\n-1\r\n",
      "99999999999999999999\r\n2\r\n",
      ZbudujZrz(std::vector<std::string>(24, "2147483647")),
      ZbudujZrz(std::vector<std::string>(40, std::string(5000, ';'))),
      Zmieniony({{22, "0,1\x81\x98;"}}),  // bytes the code page leaves undefined
  };
  for (const auto& s : smieci) {
    Przypadek p;
    EXPECT_FALSE(WczytajPoPoprzednim(s, p)) << s.substr(0, 40);
  }
  // Random damage to a valid file: every outcome is a whole case or none.
  std::mt19937 los(7);
  const std::string wzor = PlikA();
  for (int proba = 0; proba < 3000; ++proba) {
    std::string plik = wzor;
    for (int n = 1 + int(los() % 4); n > 0; --n) plik[los() % plik.size()] = static_cast<char>(los() % 256);
    Przypadek p;
    if (!WczytajZrz(plik, p)) {
      ASSERT_TRUE(Wyzerowany(p)) << proba;
    }
  }
}

TEST(PlikZrz, BuiltFileHasMatchingIntegrityLines) {
  EXPECT_EQ(ZbudujZrz(Wiersze2Do25()), PlikA());
  // One line of k characters: "3" (1) + 2 + 2 + k + 2 = k + 7 besides line 1's digits.
  struct {
    size_t k;
    const char* wiersz1;
  } const przypadki[] = {{0, "8"}, {2, "11"}, {90, "99"}, {91, "101"}};  // 7+1; 9+2; 97+2; 98+3
  for (const auto& c : przypadki)
    EXPECT_EQ(ZbudujZrz({std::string(c.k, '7')}), "3\r\n" + std::string(c.wiersz1) + "\r\n" + std::string(c.k, '7') + "\r\n");
}
