#include "kreator/core/tabele.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kreator;

namespace {

void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

// A result made by hand: N nodes, base 115,5 kV and 100 MVA, empty matrix.
WynikRozplywu Wynik(int n) {
  WynikRozplywu w;
  w.baza.NapiecieBazowe = 115.5;
  w.baza.MocBazowa = 100;
  w.URe.assign(size_t(n), 1.0);
  w.UIm.assign(size_t(n), 0.0);
  w.SRe.assign(size_t(n), 0.0);
  w.SIm.assign(size_t(n), 0.0);
  w.MacierzY = MacierzAdmitancji(n);
  return w;
}

}  // namespace

TEST(Tabele, LineTableCellsAndExplanations) {
  Przypadek p;
  p.LiczbaLinii = 1;
  WynikRozplywu w = Wynik(2);
  w.parametry.RLinii = {3};
  w.parametry.XLinii = {12};
  w.parametry.BLinii = {140};
  const auto t = TabelaLinii(p, w);
  EXPECT_EQ(t.tytul, "Rezystancja, reaktancja i susceptancja linii");
  EXPECT_EQ(t.kolumny, 7);
  EXPECT_EQ(t.wiersze, 2);
  EXPECT_EQ(t.szerokosc(3), 134);
  EXPECT_EQ(t.komorka(3, 0), "Susceptancja linii B [µS]");
  EXPECT_EQ(t.komorka(0, 1), "L1");
  EXPECT_EQ(t.komorka(1, 1), "3");
  EXPECT_EQ(t.komorka(2, 1), "j12");
  EXPECT_EQ(t.komorka(3, 1), "j140");
  EXPECT_EQ(t.komorka(4, 1), "j140");  // the admittance column repeats the susceptance
  EXPECT_EQ(t.komorka(5, 1), "3 + j12");
  // 1/Z: 3/(3² + 12²) = 3/153 = 0,019608; 12/153 = 0,078431
  EXPECT_EQ(t.komorka(6, 1), "0,0196 - j0,0784");

  EXPECT_EQ(ObjasnienieKomorki(t, 1, 1, p, 1), "Rezystancja linii L1  R = 3 om");
  EXPECT_EQ(ObjasnienieKomorki(t, 2, 1, p, 1), "Reaktancja linii L1  X = j12 om");
  EXPECT_EQ(ObjasnienieKomorki(t, 4, 1, p, 1), "Admitancja linii L1  Y = j140 µS");
  EXPECT_EQ(ObjasnienieKomorki(t, 5, 1, p, 1), "Impedancja linii L1  Z = (3 + j12)om");
  EXPECT_EQ(ObjasnienieKomorki(t, 6, 1, p, 1), "");
}

TEST(Tabele, TransformerTable) {
  Przypadek p;
  p.LiczbaTransformatorow = 0;
  WynikRozplywu w = Wynik(2);
  EXPECT_FALSE(TabelaTrafo(p, w).has_value());
  p.LiczbaTransformatorow = 1;
  // 110/15 kV, 16 MVA, 96 kW, 10,5 %, 20 kW, 0,8 % by hand: R 4,5375, Z 79,40625, X 79,276501,
  // G 1,652893 µS, Y 10,578512 µS, B 10,448582 µS, t 7,333333;
  // 1/Z: R/Z² = 4,5375/6305,3525 = 0,00071963, X/Z² = 0,01257289.
  w.parametry.RTrafo = {4.5375};
  w.parametry.ZTrafo = {79.40625};
  w.parametry.XTrafo = {79.276501};
  w.parametry.GTrafo = {1.652893e-6};
  w.parametry.BTrafo = {10.448582e-6};
  w.parametry.YTrafo = {10.578512e-6};
  w.parametry.PrzekladniaTrafo = {110.0 / 15.0};
  const auto t = *TabelaTrafo(p, w);
  const char* oczekiwane[] = {"T1", "4,538", "79,277", "79,406", "1,653", "10,449", "10,579", "7,333", "0,0007 - j0,0126"};
  for (int c = 0; c < 9; ++c) EXPECT_EQ(t.komorka(c, 1), oczekiwane[c]) << c;
  EXPECT_EQ(t.komorka(7, 0), "Przekładnia");
  EXPECT_EQ(ObjasnienieKomorki(t, 3, 1, p, 0), "Impedancja transformatora T1  |Z| = 79,406 om");
  EXPECT_EQ(ObjasnienieKomorki(t, 7, 1, p, 0), "Przekładnia transformatora T1  7,333");
  EXPECT_EQ(ObjasnienieKomorki(t, 8, 1, p, 0), "");
}

TEST(Tabele, MatrixSignsAndBlanks) {
  WynikRozplywu w = Wynik(3);
  auto& Y = w.MacierzY;
  Y.dodaj(1, 2, {-0.7847, 3.1389});
  Y.dodaj(2, 1, {-0.7847, 3.1389});
  Y.dodaj(1, 1, {0.7847, -3.1389});
  Y.dodaj(2, 2, {2, 0});
  const auto t = TabelaMacierzy(w);
  EXPECT_EQ(t.kolumny, 4);
  EXPECT_EQ(t.wiersze, 4);
  EXPECT_EQ(t.szerokosc(0), 45);
  EXPECT_EQ(t.szerokosc(3), 95);
  EXPECT_EQ(t.komorka(0, 0), "");
  EXPECT_EQ(t.komorka(2, 0), "2");
  EXPECT_EQ(t.komorka(0, 3), "3");
  EXPECT_EQ(t.komorka(2, 1), "-0,7847 + j3,1389");
  EXPECT_EQ(t.komorka(1, 1), " 0,7847 - j3,1389");
  EXPECT_EQ(t.komorka(2, 2), " 2,0000 - j0,0000");
  EXPECT_EQ(t.komorka(3, 1), "0");
}

TEST(Tabele, MatrixExplanationsFindTheJoiningElement) {
  Przypadek p;
  p.LiczbaLinii = 2;
  p.LiczbaTransformatorow = 4;
  PrzygotujTabele(p, Tabela::Linie, 2);
  PrzygotujTabele(p, Tabela::Trafo, 4);
  Wiersz(p.LinieSG, 1, {"1", "2"});
  Wiersz(p.LinieSG, 2, {"1", "3"});
  Wiersz(p.TrafoSG, 1, {"4", "5"});
  Wiersz(p.TrafoSG, 2, {"5", "6"});
  Wiersz(p.TrafoSG, 3, {"6", "7"});
  Wiersz(p.TrafoSG, 4, {"7", "2"});
  WynikRozplywu w = Wynik(7);
  w.MacierzY.dodaj(3, 1, {-1, 2});
  const auto t = TabelaMacierzy(w);
  // Column 3, row 1: line L2 from 1 to 3 matches in the reversed direction.
  EXPECT_EQ(ObjasnienieKomorki(t, 3, 1, p, 2), "Linia L2  Y[3,1] = -1,0000 + j2,0000      Y[1,3] = 0");
  EXPECT_EQ(ObjasnienieKomorki(t, 2, 7, p, 2), "Transformator T4  Y[2,7] = 0      Y[7,2] = 0");
  EXPECT_EQ(ObjasnienieKomorki(t, 4, 1, p, 2),
            "Brak jakiegokolwiek połączenia między węzłami 1 i 4  Y[1,4] = 0      Y[4,1] = 0");
  EXPECT_EQ(ObjasnienieKomorki(t, 5, 5, p, 2), "Admitancja własna węzła 5  Y[5,5] = 0      Y[5,5] = 0");
  // With the line count the table was built with: 1 line only, so L2 is not searched.
  EXPECT_EQ(ObjasnienieKomorki(t, 3, 1, p, 1).rfind("Brak jakiegokolwiek", 0), 0u);
}

TEST(Tabele, VoltagesWithTheTrueAngle) {
  WynikRozplywu w = Wynik(4);
  // Base 115,5 kV: 1 − j6,2/115,5 pu is 115,5 − j6,2 kV.
  w.UIm[0] = -6.2 / 115.5;
  w.UIm[1] = 6.2 / 115.5;
  w.URe[2] = -0.5;  // third quadrant test: −0,5 + j0,5 pu lies at 3π/4 = 2,35619 rad
  w.UIm[2] = 0.5;
  w.URe[3] = 0;     // on the imaginary axis: π/2 = 1,5708
  w.UIm[3] = 1;
  const auto t = TabelaNapiec(w);
  EXPECT_EQ(t.komorka(1, 0), "Uk [kV]");
  EXPECT_EQ(t.komorka(1, 1), "115,5000 - j6,200");
  EXPECT_EQ(t.komorka(1, 2), "115,500 + j6,200");
  // atan(6,2/115,5) = 0,053629
  EXPECT_EQ(t.komorka(2, 1), "-0,0536");
  EXPECT_EQ(t.komorka(2, 3), "2,3562");
  EXPECT_EQ(t.komorka(2, 4), "1,5708");
  EXPECT_EQ(ObjasnienieKomorki(t, 1, 1, Przypadek(), 0), "");
}

TEST(Tabele, PowersTakenWithTheirBlanks) {
  WynikRozplywu w = Wynik(3);
  // Injected −0,402 − j0,123 pu is 40,2 MW + 12,3 Mvar taken; injected 0,402 + j0,123 is −40,2, −12,3 taken.
  w.SRe = {-0.402, 0.402, 0.0};
  w.SIm = {-0.123, 0.123, 0.0};
  const auto t = TabelaMocy(w);
  EXPECT_EQ(t.tytul, "Moce odbierane w węzłach");
  const char* oczekiwane[3][3] = {{" 40,200 + j12,300", " 40,200", " 12,300"},
                                  {"-40,200 - j12,300", "-40,200", "-12,300"},
                                  {" 0,000 + j0,000", "0,000", "0,000"}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(t.komorka(c, r), oczekiwane[r - 1][c - 1]) << r << "," << c;
}

TEST(Tabele, BranchFlowsAndTheirExplanations) {
  WynikRozplywu w = Wynik(3);
  PrzeplywGalezi l{"L1", 1, 2, {12.3456, -4.0004}, {-12.0, 3.5}, 0.0654, 0.0649, std::nullopt};
  PrzeplywGalezi tr{"T1", 2, 3, {5.4321, 2.1}, {-5.4, -1.9}, 0.0287, 0.21, 36.75};
  w.przeplywy = {l, tr};
  const auto t = TabelaPrzeplywow(w);
  EXPECT_EQ(t.tytul, "Przepływy mocy w gałęziach");
  EXPECT_EQ(t.kolumny, 12);
  EXPECT_EQ(t.wiersze, 3);
  // Losses are the sum of what enters at both ends: 12,3456 − 12 = 0,3456; −4,0004 + 3,5 = −0,5004;
  // 5,4321 − 5,4 = 0,0321; 2,1 − 1,9 = 0,2.
  const char* oczekiwane[3][12] = {
      {"Gałąź", "Od węzła", "Do węzła", "P od [MW]", "Q od [Mvar]", "P do [MW]", "Q do [Mvar]", "ΔP [MW]",
       "ΔQ [Mvar]", "I od [kA]", "I do [kA]", "Obciążenie [%]"},
      {"L1", "1", "2", "12,346", "-4,000", "-12,000", "3,500", "0,346", "-0,500", "0,065", "0,065", ""},
      {"T1", "2", "3", "5,432", "2,100", "-5,400", "-1,900", "0,032", "0,200", "0,029", "0,210", "36,750"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 12; ++c) EXPECT_EQ(t.komorka(c, r), oczekiwane[r][c]) << r << "," << c;

  struct Wpis { int c, r; const char* objasnienie; };
  const Wpis objasnienia[] = {
      {0, 1, ""},
      {1, 2, "Węzeł górnego napięcia transformatora T1  2"},
      {3, 1, "Moc czynna wpływająca do linii L1 od węzła 1  P = 12,346 MW"},
      {6, 2, "Moc bierna wpływająca do transformatora T1 od węzła 3  Q = -1,900 Mvar"},
      {8, 1, "Straty mocy biernej w linii L1  ΔQ = -0,500 Mvar"},
      {10, 2, "Prąd transformatora T1 przy węźle 3  I = 0,210 kA"},
      {11, 1, ""},
      {11, 2, "Obciążenie transformatora T1  S/Sn = 36,750 %"},
  };
  for (const auto& o : objasnienia) EXPECT_EQ(ObjasnienieKomorki(t, o.c, o.r, Przypadek(), 0), o.objasnienie) << o.c;
}
