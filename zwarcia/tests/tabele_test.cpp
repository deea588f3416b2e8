#include "zwarcia/core/tabele.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zwarcia;
using common::TabelaWynikow;

namespace {

void Wiersz(Przypadek& p, Tabela t, int& licznik, std::vector<std::vector<const char*>> wiersze) {
  licznik = int(wiersze.size());
  PrzygotujTabele(p, t, licznik);
  for (size_t w = 0; w < wiersze.size(); ++w)
    for (size_t k = 0; k < wiersze[w].size(); ++k) p.siatka(t).setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
}

// The two-node example at 110 kV, fault at node 2: system S1 (2500 MVA) at
// node 1, generator G1 (100 MVA, 20 %) at node 2, transformer T1 1-2
// (100 MVA, 300 kW, 10 %), two-circuit line L1 1-2 (0,12 / 0,4 Ω/km, 50 km).
Przypadek Przyklad() {
  Przypadek p;
  p.LiczbaWezlow = 2;
  p.WezelZwarcia = 2;
  p.NapiecieZwarcia = 110;
  p.CzasZwarcia = 0.25;
  Wiersz(p, Tabela::Systemy, p.LiczbaWezlowSystemow, {{"1", "2500"}});
  Wiersz(p, Tabela::Generatory, p.LiczbaWezlowGeneratorow, {{"2", "100", "20", "1"}});
  Wiersz(p, Tabela::Trafo, p.LiczbaTransformatorow, {{"1", "2", "100", "300", "10", "1"}});
  Wiersz(p, Tabela::Linie, p.LiczbaLinii, {{"1", "2", "110", "0,12", "0,4", "50", "2"}});
  return p;
}

struct Komorka {
  const TabelaWynikow* t;
  int c, r;
  const char* tekst;
};

void Sprawdz(const std::vector<Komorka>& komorki) {
  for (const Komorka& k : komorki)
    EXPECT_EQ(k.t->komorka(k.c, k.r), k.tekst) << k.t->tytul << " [" << k.c << "," << k.r << "]";
}

MacierzRzadka Kwadratowa(int n) { return MacierzRzadka(n, n); }

}  // namespace

// Ohms at Un = 110 kV (Un² = 12100):
//   S1: X = 12100 / 2500 = 4,84; 1/X = 0,2066116
//   G1: X = 12100·20/100/100 = 24,2; R = 12100/100/100 = 1,21
//   T1: R = 12100·300/1000/100² = 0,363; Z = 12100·10/100/100 = 12,1;
//       X = √(146,41 − 0,131769) = 12,0945538 → 12,0946;
//       from the rounded texts R² + X² = 0,131769 + 146,2793492 = 146,4111182,
//       G = 0,363 / 146,4111182 = 0,0024793, B = 12,0946 / 146,4111182 = 0,0826075
//   L1: R = 0,12·50/2 = 3, X = 0,4·50/2 = 10; 1/Z = (3 − j10)/109 = 0,0275229 − j0,0917431
// Per unit (100 MVA, 115,5 kV, Zb = 133,4025 Ω):
//   y1 = −j25; y2 = (0,01 − j0,2)/0,0401 = 0,2493766 − j4,9875312;
//   y3 = (0,003 − j0,0999550)/0,01 = 0,3 − j9,9954990; y4 = 133,4025·(3 − j10)/109 = 3,6716284 − j12,2387615
//   Yw11 = y1 + y3 + y4 = 3,9716284 − j47,2342605; Yw12 = −(y3 + y4) = −3,9716284 + j22,2342605;
//   Yw22 = y2 + y3 + y4 = 4,2210050 − j27,2217917
// Currents for the fault at node 2, E = 1,1/1,05 = 1,0476190, U2 = 0:
//   U1 = E·(Yw11 + Yw12)/Yw11 = E·y1/Yw11, |U1| = 1,0476190·25/47,4009408 = 0,5525307
//   |I1| = |y1|·|E − U1| = 25·E·|y3 + y4|/|Yw11| = 26,190476·22,5861942/47,4009408 = 12,4795663
//   |I2| = |y2|·E = 1,0476190/0,2002498 = 5,2315599
//   |I3| = |y3|·|U1| = 10·0,5525307 = 5,5253072
//   |I4| = |y4|·|U1| = (133,4025/√109)·0,5525307 = 12,7776953·0,5525307 = 7,0600398
TEST(TabeleZwarcia, WorkedCaseEveryCell) {
  const Przypadek p = Przyklad();
  const WynikZwarcia w = ObliczZwarcie(p);
  ASSERT_TRUE(w.poprawny) << w.blad;
  const TabelaWynikow s = TabelaSystemow(w), g = TabelaGeneratorow(w), l = TabelaLinii(w);
  const auto t = TabelaTrafo(w);
  ASSERT_TRUE(t.has_value());
  const TabelaWynikow yg = TabelaYg(w), a = TabelaStrukturalna(w), yw = TabelaYw(w), ik = TabelaPradow(w);
  Sprawdz({
      {&s, 0, 0, "Nr"}, {&s, 1, 0, "Reaktancja systemu Xs [om]"}, {&s, 2, 0, "1/Xs [S]"},
      {&s, 0, 1, "S1"}, {&s, 1, 1, " j4,8400"}, {&s, 2, 1, "-j0,2066"},
      {&g, 0, 0, "Nr"}, {&g, 1, 0, "Rezystncja gen. Rg [om]"}, {&g, 2, 0, "Reaktancja gen. Xg [om]"},
      {&g, 3, 0, "Impedancja gen. Zg [om]"},
      {&g, 0, 1, "G1"}, {&g, 1, 1, "1,2100"}, {&g, 2, 1, "j24,2000"}, {&g, 3, 1, "1,2100 + j24,2000"},
      {&*t, 0, 0, "Tr nr"}, {&*t, 1, 0, "Rezystancja tr R [om]"}, {&*t, 2, 0, "Reaktancja tr X [om]"},
      {&*t, 3, 0, "Impedancja tr Z [om]"}, {&*t, 4, 0, "1/Zt [S]"},
      {&*t, 0, 1, "T1"}, {&*t, 1, 1, "0,3630"}, {&*t, 2, 1, "12,0946"}, {&*t, 3, 1, "0,3630 + j12,0946"},
      {&*t, 4, 1, "0,0025 - j0,0826"},
      {&l, 0, 0, "Linia nr"}, {&l, 1, 0, "Rezystancja linii R [om]"}, {&l, 2, 0, "Reaktancja linii X [om]"},
      {&l, 3, 0, "Impedancja linii Z [om]"}, {&l, 4, 0, "1/Z [S]"},
      {&l, 0, 1, "L1"}, {&l, 1, 1, "3,000"}, {&l, 2, 1, "10,000"}, {&l, 3, 1, "3,000 + j10,000"},
      {&l, 4, 1, "0,0275 - j0,0917"},
      {&yg, 0, 0, ""}, {&yg, 4, 0, "4"}, {&yg, 0, 3, "3"},
      {&yg, 1, 1, " 0,0000 - j25,0000"}, {&yg, 2, 2, " 0,2494 - j4,9875"}, {&yg, 3, 3, " 0,3000 - j9,9955"},
      {&yg, 4, 4, " 3,6716 - j12,2388"}, {&yg, 2, 1, "0"}, {&yg, 1, 4, "0"},
      {&a, 0, 0, "[i,j]"}, {&a, 4, 0, "4"}, {&a, 0, 2, "2"},
      {&a, 1, 1, "  1"}, {&a, 1, 2, "  0"}, {&a, 2, 1, "  0"}, {&a, 2, 2, "  1"},
      {&a, 3, 1, "  1"}, {&a, 3, 2, " -1"}, {&a, 4, 1, "  1"}, {&a, 4, 2, " -1"},
      {&yw, 0, 0, ""}, {&yw, 2, 0, "2"}, {&yw, 0, 1, "1"},
      {&yw, 1, 1, "3,9716 - j47,2343"}, {&yw, 2, 1, "-3,9716 + j22,2343"}, {&yw, 1, 2, "-3,9716 + j22,2343"},
      {&yw, 2, 2, "4,2210 - j27,2218"},
      {&ik, 0, 0, "Gałąź"}, {&ik, 1, 0, "Ik [j.w.]"}, {&ik, 0, 1, "S1 (węzeł 1)"}, {&ik, 0, 2, "G1 (węzeł 2)"},
      {&ik, 0, 3, "T1 (węzły 1-2)"}, {&ik, 0, 4, "L1 (węzły 1-2)"},
      {&ik, 1, 1, "12,4796"}, {&ik, 1, 2, "5,2316"}, {&ik, 1, 3, "5,5253"}, {&ik, 1, 4, "7,0600"},
  });
}

TEST(TabeleZwarcia, TitlesSizesAndWidths) {
  const Przypadek p = Przyklad();
  const WynikZwarcia w = ObliczZwarcie(p);
  ASSERT_TRUE(w.poprawny) << w.blad;
  struct Oczekiwana {
    TabelaWynikow t;
    const char* tytul;
    int kolumny, wiersze;
    std::vector<int> szerokosci;  // columns 0, 1, ... as far as given; the last also for column kolumny - 1
  };
  // M = 4 branches, N = 2 nodes.
  const Oczekiwana tabele[] = {
      {TabelaSystemow(w), "Reaktancja systemów", 3, 2, {30, 140, 60}},
      {TabelaGeneratorow(w), "Rezystancja, reaktancja i impedancja generatorów", 4, 2, {30, 130, 130, 130}},
      {*TabelaTrafo(w), "Rezystancja, reaktancja i impedancja transformatorów", 5, 2, {45, 109, 104, 104, 117}},
      {TabelaLinii(w), "Rezystancja, reaktancja i impedancja linii", 5, 2, {50, 117, 114, 134, 117}},
      {TabelaYg(w), "Macierz admitancji gałęziowych Yg (w jednostach względnych)", 5, 5, {45, 95}},
      {TabelaStrukturalna(w), "Gałęziowo-węzłowa macierz strukturalna układu", 5, 3, {25}},
      {TabelaYw(w), "Macierz admitancji węzłowych Yw (w jednostach względnych)", 3, 3, {45, 95}},
      {TabelaPradow(w), "Wektor prądów gałęziowych", 2, 5, {130, 110}},
  };
  for (const Oczekiwana& o : tabele) {
    SCOPED_TRACE(o.tytul);
    EXPECT_EQ(o.t.tytul, o.tytul);
    EXPECT_EQ(o.t.kolumny, o.kolumny);
    EXPECT_EQ(o.t.wiersze, o.wiersze);
    for (size_t c = 0; c < o.szerokosci.size(); ++c) EXPECT_EQ(o.t.szerokosc(int(c)), o.szerokosci[c]) << c;
    EXPECT_EQ(o.t.szerokosc(o.kolumny - 1), o.szerokosci.back());
  }
}

// Sign, leading blank and orientation of every number format, on arrays made by hand.
TEST(TabeleZwarcia, NumberFormats) {
  WynikZwarcia w;
  // Line 0,0004 + j0,0104 Ω shows 0,000 and 0,010; 1/Z from those texts is
  // (0 − j0,010)/0,0001 = −j100, where the unrounded values would give 3,69 − j96,01.
  w.impedancje.RLinii = {0.0004};
  w.impedancje.XLinii = {0.0104};
  w.sieci.MacierzYg = {{0, -25}, {0.00001, 0}, {1.5, 2}};  // Yg is diagonal: the third entry shows in column 3, row 3
  w.sieci.MacierzYw = Kwadratowa(2);
  w.sieci.MacierzYw.insert(0, 0) = {0, -25};
  w.sieci.MacierzYw.insert(1, 0) = {1.5, 2};  // column 2, row 1
  w.sieci.MacierzYw.insert(0, 1) = {0, -0.0};
  w.sieci.MacierzYw.insert(1, 1) = {0.00001, 0};
  // Branch 1 from node 3 to node 1, branch 2 at node 2.
  w.sieci.galezie = {{RodzajGalezi::Linia, 1, 1, 3, {}}, {RodzajGalezi::System, 1, 2, 0, {}}};
  w.sieci.LiczbaWezlow = 3;
  w.PradyGaleziowe = {{3, -4}, {-0.00004, 0}};  // |3 − j4| = 5
  const TabelaWynikow l = TabelaLinii(w), yg = TabelaYg(w), yw = TabelaYw(w),
                      a = TabelaStrukturalna(w), ik = TabelaPradow(w);
  EXPECT_EQ(a.kolumny, 3);  // branches across
  EXPECT_EQ(a.wiersze, 4);  // nodes down
  Sprawdz({
      {&l, 1, 1, "0,000"}, {&l, 2, 1, "0,010"}, {&l, 3, 1, "0,000 + j0,010"}, {&l, 4, 1, "0,0000 - j100,0000"},
      {&yg, 1, 1, " 0,0000 - j25,0000"}, {&yg, 3, 3, "1,5000 + j2,0000"}, {&yg, 1, 2, "0"},
      {&yg, 2, 2, " 0,0000 - j0,0000"},
      {&yw, 1, 1, "0,0000 - j25,0000"}, {&yw, 2, 1, "1,5000 + j2,0000"}, {&yw, 1, 2, "0"},
      {&yw, 2, 2, "0,0000 - j0,0000"},
      {&a, 1, 1, "  1"}, {&a, 1, 2, "  0"}, {&a, 1, 3, " -1"}, {&a, 2, 2, "  1"}, {&a, 2, 3, "  0"},
      {&ik, 1, 1, "5,0000"}, {&ik, 1, 2, "0,0000"},
  });
  EXPECT_FALSE(TabelaTrafo(w).has_value());
}

TEST(TabeleZwarcia, ExplanationsOfTheWorkedCase) {
  const Przypadek p = Przyklad();
  const WynikZwarcia w = ObliczZwarcie(p);
  ASSERT_TRUE(w.poprawny) << w.blad;
  const TabelaWynikow s = TabelaSystemow(w), g = TabelaGeneratorow(w), t = *TabelaTrafo(w), l = TabelaLinii(w),
                      yg = TabelaYg(w), a = TabelaStrukturalna(w), yw = TabelaYw(w), ik = TabelaPradow(w);
  struct Oczekiwany {
    const TabelaWynikow* t;
    int c, r;
    const char* opis;
  };
  const Oczekiwany przypadki[] = {
      {&s, 1, 1, "Reaktancja systemu S1  X =  j4,8400 om"},
      {&s, 2, 1, "Admitancja systemu S1  Y = -j0,2066 S"},
      {&s, 0, 1, ""},
      {&g, 1, 1, "Rezystancja generatora G1  R = 1,2100 om"},
      {&g, 2, 1, "Reaktancja generatora G1  X = j24,2000 om"},
      {&g, 3, 1, "Impedancja generatora G1  Z = 1,2100 + j24,2000 om"},
      {&t, 1, 1, "Rezystancja transformatora T1  R = 0,3630 om"},
      {&t, 2, 1, "Reaktancja transformatora T1  X = 12,0946 om"},
      {&t, 3, 1, "Impedancja transformatora T1  Z = 0,3630 + j12,0946 om"},
      {&t, 4, 1, "Admitancja transformatora T1  Y = 0,0025 - j0,0826 S"},
      {&l, 1, 1, "Rezystancja linii L1  R = 3,000 om"},
      {&l, 2, 1, "Reaktancja linii L1  X = 10,000 om"},
      {&l, 3, 1, "Impedancja linii L1  Z = 3,000 + j10,000 om"},
      {&l, 4, 1, "Admitancja linii L1  Y = 0,0275 - j0,0917 S"},
      {&l, 0, 1, ""},
      {&yg, 1, 1, "Admitancja systemu S1   Y =  0,0000 - j25,0000  S"},
      {&yg, 2, 2, "Admitancja generatora G1   Y =  0,2494 - j4,9875  S"},
      {&yg, 3, 3, "Admitancja transformatora T1   Y =  0,3000 - j9,9955  S"},
      {&yg, 4, 4, "Admitancja linii L1   Y =  3,6716 - j12,2388  S"},
      {&yg, 2, 1, ""},
      {&a, 1, 1, "Do węzła nr 1 wpływa prąd I1"},
      {&a, 3, 2, "Z węzła nr 2 wypływa prąd I3"},
      {&a, 1, 2, ""},
      {&yw, 1, 1, "Admitancja własna węzła 1    Yw = 3,9716 - j47,2343"},
      {&yw, 2, 1, "Admitancja wzajemna między węzłem 1 i 2    Yw = -3,9716 + j22,2343"},
      {&ik, 1, 1, ""},
      {&s, 1, 0, ""},  // header row
  };
  for (const Oczekiwany& d : przypadki)
    EXPECT_EQ(ObjasnienieKomorki(*d.t, d.c, d.r, p), d.opis) << d.t->tytul << " [" << d.c << "," << d.r << "]";
}

// The branch kind follows the column, the element number the row minus the
// branches of the kinds before it: S = 2, G = 1, T = 1, L = 2.
TEST(TabeleZwarcia, BranchAdmittanceExplanationsFollowTheBranchOrder) {
  Przypadek p;
  p.LiczbaWezlowSystemow = 2;
  p.LiczbaWezlowGeneratorow = 1;
  p.LiczbaTransformatorow = 1;
  p.LiczbaLinii = 2;
  WynikZwarcia w;
  w.sieci.MacierzYg.assign(6, {0, -1});
  const TabelaWynikow yg = TabelaYg(w);
  const char* opisy[] = {"systemu S1", "systemu S2", "generatora G1", "transformatora T1", "linii L1", "linii L2"};
  for (int b = 1; b <= 6; ++b)
    EXPECT_EQ(ObjasnienieKomorki(yg, b, b, p), std::string("Admitancja ") + opisy[b - 1] + "   Y =  0,0000 - j1,0000  S");
}

// Row 2, column 3 of a three-node matrix: a connection names the row's node
// first, a "0" cell names the column's node first.
TEST(TabeleZwarcia, NodalExplanationsNameTheNodesInTheirOrder) {
  struct Oczekiwany {
    Zespolona y;
    const char* opis;
  };
  const Oczekiwany przypadki[] = {
      {{-2, 10}, "Admitancja wzajemna między węzłem 2 i 3    Yw = -2,0000 + j10,0000"},
      {{0, 0}, "Brak jakiegokolwiek połączenia między węzłami 3 i 2"},
  };
  for (const Oczekiwany& d : przypadki) {
    WynikZwarcia w;
    w.sieci.MacierzYw = Kwadratowa(3);
    w.sieci.MacierzYw.insert(2, 1) = d.y;  // entry [3][2]: column 3, row 2
    const TabelaWynikow yw = TabelaYw(w);
    EXPECT_EQ(ObjasnienieKomorki(yw, 3, 2, Przypadek{}), d.opis);
  }
}
