#include "zwarcia/core/zwarcie.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using namespace zwarcia;

namespace {

using Wiersze = std::vector<std::vector<std::string>>;

struct Dane {
  int wezly;
  Wiersze systemy, generatory, trafo, linie;
  int wezelZwarcia;
  double kV;
};

void Wypelnij(Przypadek& p, Tabela t, int& licznik, const Wiersze& wiersze) {
  licznik = int(wiersze.size());
  PrzygotujTabele(p, t, licznik);
  for (size_t w = 0; w < wiersze.size(); ++w)
    for (size_t k = 0; k < wiersze[w].size(); ++k) p.siatka(t).setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
}

Przypadek Zbuduj(const Dane& d) {
  Przypadek p;
  p.LiczbaWezlow = d.wezly;
  p.WezelZwarcia = d.wezelZwarcia;
  p.NapiecieZwarcia = d.kV;
  p.CzasZwarcia = 0.1;
  Wypelnij(p, Tabela::Systemy, p.LiczbaWezlowSystemow, d.systemy);
  Wypelnij(p, Tabela::Generatory, p.LiczbaWezlowGeneratorow, d.generatory);
  Wypelnij(p, Tabela::Trafo, p.LiczbaTransformatorow, d.trafo);
  Wypelnij(p, Tabela::Linie, p.LiczbaLinii, d.linie);
  return p;
}

// The two-node example network at 110 kV: system S1 (2500 MVA) at node 1,
// generator G1 (100 MVA, 20 %) at node 2, transformer T1 1-2 (100 MVA,
// 300 kW, 10 %) and a two-circuit line L1 1-2 (0,12 / 0,4 Ω/km, 50 km).
// Branch admittances, per unit on 100 MVA and 115,5 kV:
//   y1 = 1 / j0,04 = −j25
//   y2 = 1 / (0,01 + j0,2) = (0,01 − j0,2) / 0,0401 = 0,2493766 − j4,9875312
//   y3 = 1 / (0,003 + j0,0999550) = 0,3 − j9,9954990           (|y3| = 1 / 0,1 = 10)
//   y4 = 133,4025 / (3 + j10) = 133,4025·(3 − j10) / 109 = 3,6716284 − j12,2387615
Przypadek SiecPrzykladowa(int wezelZwarcia) {
  return Zbuduj({2,
                 {{"1", "2500"}},
                 {{"2", "100", "20", "1"}},
                 {{"1", "2", "100", "300", "10", "1"}},
                 {{"1", "2", "110", "0,12", "0,4", "50", "2"}},
                 wezelZwarcia,
                 110});
}

MacierzZespolona Z(std::initializer_list<std::initializer_list<Zespolona>> wiersze) {
  MacierzZespolona m(int(wiersze.size()), int(wiersze.size()));
  int w = 0;
  for (const auto& wiersz : wiersze) {
    int k = 0;
    for (const Zespolona& x : wiersz) m(w, k++) = x;
    ++w;
  }
  return m;
}

void ExpectNear(Zespolona a, Zespolona b, double tol) {
  EXPECT_NEAR(a.real(), b.real(), tol);
  EXPECT_NEAR(a.imag(), b.imag(), tol);
}

}  // namespace

TEST(OdwrocMacierz, InvertsWithRowPivoting) {
  const Zespolona j{0, 1};
  struct Przyklad {
    const char* nazwa;
    MacierzZespolona w, odwrotna;
  };
  const Przyklad przyklady[] = {
      // |3| > |1|: row 2 is the pivot. det = 4 − 6 = −2; inverse = [[4, −2], [−3, 1]] / −2.
      {"2x2", Z({{1, 2}, {3, 4}}), Z({{-2, 1}, {1.5, -0.5}})},
      // A zero in the first pivot place: only the row swap can go on. The swap is its own inverse.
      {"zamiana", Z({{0, 1}, {1, 0}}), Z({{0, 1}, {1, 0}})},
      // 1 / 2j = −0,5j, without any elimination step.
      {"1x1", Z({{2.0 * j}}), Z({{-0.5 * j}})},
      // 1 / (1 + j) = (1 − j) / 2.
      {"przekatna", Z({{1.0 + j, 0}, {0, 2.0 * j}}), Z({{0.5 - 0.5 * j, 0}, {0, -0.5 * j}})},
      // det = 0·0 − 2·(1·1 − 0) + 1·(1·1 − 0) = −1; the cofactors give the
      // adjugate [[0, −1, 0], [−1, 0, 1], [1, 0, −2]], divided by −1.
      // Zeros on the diagonal at both elimination steps force two swaps.
      {"3x3", Z({{0, 2, 1}, {1, 0, 0}, {0, 1, 1}}), Z({{0, 1, 0}, {1, 0, -1}, {-1, 0, 2}})},
  };
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.nazwa);
    const auto v = OdwrocMacierz(d.w);
    ASSERT_TRUE(v.has_value());
    ASSERT_EQ(v->wiersze, d.w.wiersze);
    for (size_t i = 0; i < d.odwrotna.dane.size(); ++i) ExpectNear(v->dane[i], d.odwrotna.dane[i], 1e-15);
  }
}

TEST(OdwrocMacierz, DenseComplexMatrixTimesItsInverseIsIdentity) {
  const Zespolona j{0, 1};
  const MacierzZespolona przyklady[] = {
      Z({{4.0 - 30.0 * j, -1.0 + 10.0 * j, 0, -3.0 + 20.0 * j},
         {-1.0 + 10.0 * j, 2.0 - 25.0 * j, -1.0 + 15.0 * j, 0},
         {0, -1.0 + 15.0 * j, 5.0 - 40.0 * j, -4.0 + 25.0 * j},
         {-3.0 + 20.0 * j, 0, -4.0 + 25.0 * j, 7.5 - 46.0 * j}}),
      Z({{0.1, 7.0 * j, 2.0, -1.0}, {3.0, 1.0 + j, 0, 0}, {-2.0 * j, 0, 4.0, 1.0}, {1.0, 1.0, 1.0, 5.0 - j}}),
  };
  for (const MacierzZespolona& a : przyklady) {
    const auto v = OdwrocMacierz(a);
    ASSERT_TRUE(v.has_value());
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) {
        Zespolona suma = 0;
        for (int s = 0; s < 4; ++s) suma += a(r, s) * (*v)(s, c);
        ExpectNear(suma, r == c ? 1.0 : 0.0, 1e-13);
      }
  }
}

TEST(OdwrocMacierz, RefusesAZeroPivot) {
  const MacierzZespolona przyklady[] = {
      Z({{0}}),
      Z({{1, 2}, {2, 4}}),  // row 2 pivots; 2 − 0,5·4 = 0 exactly in the last place
      Z({{0, 1}, {0, 3}}),  // the first column is all zero
      Z({{1, 2, 3}, {2, 4, 6}, {1, 1, 1}}),  // rows 1 and 2 proportional: a zero last pivot
  };
  for (const MacierzZespolona& a : przyklady) EXPECT_FALSE(OdwrocMacierz(a).has_value());
}

TEST(ZbudujMacierze, ExampleNetwork) {
  const Przypadek p = SiecPrzykladowa(2);
  const WielkosciBazowe baza = UstalWielkosciBazowe(110);
  const MacierzeSieci s = ZbudujMacierze(p, ObliczImpedancje(p, baza), baza.NapiecieZrodla);
  ASSERT_EQ(s.blad, "");

  const Zespolona y[] = {{0, -25}, {0.2493766, -4.9875312}, {0.3, -9.9954990}, {3.6716284, -12.2387615}};
  ASSERT_EQ(s.MacierzYg.size(), 4u);
  for (int b = 0; b < 4; ++b)
    for (int c = 0; c < 4; ++c) ExpectNear(s.Yg(b, c), b == c ? y[b] : 0.0, 5e-8);

  // Systems and generators to ground (+1); transformer +1 upper, −1 lower; line +1 start, −1 end.
  const int a[4][2] = {{1, 0}, {0, 1}, {1, -1}, {1, -1}};
  for (int b = 0; b < 4; ++b)
    for (int j = 0; j < 2; ++j) EXPECT_EQ(s.A(b, j), a[b][j]) << b << "," << j;

  // Yw11 = y1 + y3 + y4 = 3,9716284 − j47,2342605; Yw12 = −(y3 + y4) = −3,9716284 + j22,2342605;
  // Yw22 = y2 + y3 + y4 = 4,2210050 − j27,2217916.
  ExpectNear(s.Yw(0, 0), {3.9716284, -47.2342605}, 5e-7);
  ExpectNear(s.Yw(0, 1), {-3.9716284, 22.2342605}, 5e-7);
  ExpectNear(s.Yw(1, 0), {-3.9716284, 22.2342605}, 5e-7);
  ExpectNear(s.Yw(1, 1), {4.2210050, -27.2217916}, 5e-7);

  // E = 1,1 / 1,05 = 1,0476190: J1 = E·y1 = −j26,1904762; J2 = E·y2 = 0,2612516 − j5,2250327.
  ExpectNear(s.PradyZrodel[0], {0, -26.1904762}, 5e-8);
  ExpectNear(s.PradyZrodel[1], {0.2612516, -5.2250327}, 5e-8);
  ExpectNear(s.PradyZrodel[2], 0.0, 0);
  ExpectNear(s.PradyZrodel[3], 0.0, 0);
  ExpectNear(s.WymuszeniaWezlowe[0], {0, -26.1904762}, 5e-8);
  ExpectNear(s.WymuszeniaWezlowe[1], {0.2612516, -5.2250327}, 5e-8);
}

TEST(ObliczZwarcie, ExampleNetwork) {
  struct Przyklad {
    int wezel;
    double ik, rx, xr, tolXR;
    Zespolona zk;
    std::vector<double> prady;  // branch current moduli, per unit
  };
  // With the Yw above, det = Yw11·Yw22 − Yw12² = −790,44843 − j130,87845.
  // Fault at 2: Zk = Yw11 / det = 0,0047397 + j0,0589715, |Zk| = 0,0591617;
  //   I" = E / |Zk| · Ib = 1,0476190 / 0,0591617 · 0,4998704 = 17,707731 · 0,4998704 = 8,8516 kA;
  //   R/X = 0,0047397 / 0,0589715 = 0,080372, X/R = 12,4421.
  //   Node 1 keeps U1 = E − Zw12·If = 0,5505878 − j0,0462954, |U1| = 0,5525307; U2 = 0.
  //   Branches: |J1 − y1·U1| = |y1|·|E − U1| = 12,4796; G1 sees U2 = 0: |J2| = E·|y2| =
  //   1,0476190 / 0,2002498 = 5,2316; T1 |y3|·|U1| = 10·0,5525307 = 5,5253;
  //   L1 |y4|·|U1| = 12,7776421·0,5525307 = 7,0600.
  // Fault at 1: Zk = Yw22 / det = 0,00035246 + j0,0343801, |Zk| = 0,0343819;
  //   I" = 1,0476190 / 0,0343819 · 0,4998704 = 15,2311 kA; X/R = 0,0343801 / 0,00035246 = 97,542.
  const Przyklad przyklady[] = {
      {2, 8.8516, 0.080372, 12.4421, 5e-5, {0.0047397, 0.0589715}, {12.4796, 5.2316, 5.5253, 7.0600}},
      {1, 15.2311, 0.0102519, 97.542, 5e-4, {0.00035246, 0.0343801}, {}},
  };
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.wezel);
    const WynikZwarcia w = ObliczZwarcie(SiecPrzykladowa(d.wezel));
    ASSERT_TRUE(w.poprawny) << w.blad;
    EXPECT_NEAR(w.PradPoczatkowy, d.ik, 5e-5);
    EXPECT_NEAR(w.StosunekRdoX, d.rx, 5e-7);
    EXPECT_NEAR(1 / w.StosunekRdoX, d.xr, d.tolXR);
    ExpectNear(w.ImpedancjaZwarciowa, d.zk, 5e-8);
    // The same current from If itself: |If|·Ib.
    EXPECT_NEAR(std::abs(w.PradZwarciowy) * w.baza.PradBazowy, d.ik, 5e-5);
    // A sound network stands at E everywhere before the fault, and the faulted node at 0 during it.
    for (const Zespolona& v : w.NapieciaPrzedZwarciem) ExpectNear(v, 1.1 / 1.05, 1e-12);
    ExpectNear(w.NapieciaWezlowe[size_t(d.wezel - 1)], 0.0, 0);
    for (size_t b = 0; b < d.prady.size(); ++b) EXPECT_NEAR(std::abs(w.PradyGaleziowe[b]), d.prady[b], 5e-5) << b;
  }
}

TEST(ObliczZwarcie, TwoLevelRadialFeederAgreesWithTheOhmicSeriesSum) {
  // System S1 (10000 MVA) at node 1 of the 220 kV level, line L1 1-2 at
  // 220 kV (0,06 / 0,4 Ω/km, 100 km, 2 circuits: 3 + j20 Ω), transformer T1
  // 220/110 kV from 2 to 3 (250 MVA, 750 kW, 11 %), line L2 3-4 at 110 kV
  // (0,12 / 0,4 Ω/km, 25 km: 3 + j10 Ω). No generator: one source, so the
  // fault loop is the series sum of the elements, referred in ohms to the
  // fault's level with the ratio 220/110 = 2, the system and the
  // transformer on the base voltage 1,05·Un of that level:
  //   at 220 kV: Zs = j231² / 10000 = j5,3361 Ω
  //   at 110 kV: Zs = j5,3361 / 4 = j1,334025, ZL1 = (3 + j20) / 4 = 0,75 + j5 Ω,
  //     Zt = (0,003 + j0,1099591)·115,5² / 250 = (0,003 + j0,1099591)·53,361
  //        = 0,160083 + j5,867527 Ω (uR = 750 / 250 / 10 = 0,3 %, uX = √(121 − 0,09) = 10,995908 %),
  //     ZL2 = 3 + j10 Ω.
  // Fault at 4 (110 kV): Zk = 3,910083 + j22,201552 Ω, |Zk| = 22,543239 Ω,
  //   I" = 1,1·110 / (√3·22,543239) = 121 / 39,045659 = 3,0989 kA, R/X = 0,176118.
  // Fault at 2 (220 kV): Zk = 3 + j25,3361 Ω, |Zk| = 25,513094 Ω,
  //   I" = 1,1·220 / (√3·25,513094) = 242 / 44,190045 = 5,4764 kA, R/X = 0,118408.
  // Branch order S1, T1, L1, L2. A fault at 2 leaves T1 and L2 without current.
  struct Przyklad {
    int wezel;
    double kV, ik, rx, zkOm;
    std::vector<bool> wPetli;
  };
  const Przyklad przyklady[] = {{4, 110, 3.0989, 0.176118, 22.543239, {true, true, true, true}},
                                {2, 220, 5.4764, 0.118408, 25.513094, {true, false, true, false}}};
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.wezel);
    const WynikZwarcia w = ObliczZwarcie(Zbuduj({4,
                                                 {{"1", "10000"}},
                                                 {},
                                                 {{"2", "3", "250", "750", "11", "1"}},
                                                 {{"1", "2", "220", "0,06", "0,4", "100", "2"},
                                                  {"3", "4", "110", "0,12", "0,4", "25", "1"}},
                                                 d.wezel,
                                                 d.kV}));
    ASSERT_TRUE(w.poprawny) << w.blad;
    EXPECT_NEAR(w.PradPoczatkowy, d.ik, 5e-5);
    EXPECT_NEAR(w.StosunekRdoX, d.rx, 5e-7);
    EXPECT_NEAR(std::abs(w.ImpedancjaZwarciowa) * w.baza.ImpedancjaBazowa, d.zkOm, 5e-6);
    // Radial: every branch between the source and the fault carries the whole fault current.
    for (size_t b = 0; b < 4; ++b)
      EXPECT_NEAR(std::abs(w.PradyGaleziowe[b]) * w.baza.PradBazowy, d.wPetli[b] ? d.ik : 0.0, 5e-5) << b;
  }
}

TEST(ObliczZwarcie, RefusesWhatCannotBeComputed) {
  struct Przyklad {
    const char* oczekiwany;  // a part of the message
    std::function<void(Przypadek&)> zmiana;
  };
  const auto komorka = [](Tabela t, int kolumna, const char* tekst) {
    return [=](Przypadek& p) { p.siatka(t).setCell(kolumna, 1, tekst); };
  };
  const Przyklad przyklady[] = {
      {"wartość \"Moc zwarciowa Sz [MVA]\" systemu S1 musi być większa od zera, a wpisano 0",
       komorka(Tabela::Systemy, 2, "0")},
      {"'2500,5' is not a valid integer value", komorka(Tabela::Systemy, 2, "2500,5")},
      {"\"Moc znamionowa Sn [MVA]\" generatora G1 musi być większa od zera", komorka(Tabela::Generatory, 2, "0")},
      {"\"Reaktancja przejściowa Xd\" [%]\" generatora G1 nie może być ujemna",
       komorka(Tabela::Generatory, 3, "-20")},
      {"\"L. generatorów\" generatora G1 musi być większa od zera", komorka(Tabela::Generatory, 4, "0")},
      {"\"Moc znamionowa pozorna [MVA]\" transformatora T1 musi", komorka(Tabela::Trafo, 3, "0")},
      {"\"Straty w miedzi PCu [kW]\" transformatora T1 nie może być ujemna", komorka(Tabela::Trafo, 4, "-1")},
      {"\"Napięcie zwarcia [%]\" transformatora T1 musi", komorka(Tabela::Trafo, 5, "0")},
      {"\"L. trans.\" transformatora T1 musi", komorka(Tabela::Trafo, 6, "0")},
      // 20000 / 100 / 10 = 20 % against uz = 10 %.
      {"uR = PCu / (10·Sn) = 20 % przekracza uz = 10 %", komorka(Tabela::Trafo, 4, "20000")},
      {"\"Napięcie znamionowe [kV]\" linii L1 musi", komorka(Tabela::Linie, 3, "0")},
      {"\"Długość linii [km]\" linii L1 musi", komorka(Tabela::Linie, 6, "0")},
      {"\"L. torów\" linii L1 musi", komorka(Tabela::Linie, 7, "0")},
      {"impedancja linii L1 jest równa zeru",
       [](Przypadek& p) {
         p.LinieSG.setCell(4, 1, "0");
         p.LinieSG.setCell(5, 1, "0");
       }},
      // 1E300 Ω/km over 1E300 km is beyond any double.
      {"impedancja linii L1 nie jest liczbą skończoną",
       [](Przypadek& p) {
         p.LinieSG.setCell(4, 1, "1E300");
         p.LinieSG.setCell(6, 1, "1E300");
       }},
      {"napięcie znamionowe sieci w miejscu zwarcia musi być większe od zera",
       [](Przypadek& p) { p.NapiecieZwarcia = 0; }},
      {"węzeł zwarcia nr 3 nie istnieje (sieć ma węzły od 1 do 2)", [](Przypadek& p) { p.WezelZwarcia = 3; }},
      {"węzeł nr 3, do którego podłączono linię L1, nie istnieje", komorka(Tabela::Linie, 2, "3")},
      {"węzeł nr 0, do którego podłączono generator G1, nie istnieje", komorka(Tabela::Generatory, 1, "0")},
      {"oba końce transformatora T1 są w tym samym węźle nr 1", komorka(Tabela::Trafo, 2, "1")},
      // Nodes 3 and 4 joined only to each other: no source, so Yw is singular.
      {"macierz admitancji węzłowych Yw jest osobliwa, bo węzeł nr 3",
       [](Przypadek& p) {
         p.LiczbaWezlow = 4;
         p.LiczbaLinii = 2;
         PrzygotujTabele(p, Tabela::Linie, 2);
         int k = 1;
         for (const char* c : {"3", "4", "110", "0,1", "2,9", "10", "1"}) p.LinieSG.setCell(k++, 2, c);
       }},
      // No system; the generator, the line and the transformer (uR = 1000 / 100 / 10 = 1 % = uz)
      // are purely resistive, so the loop has no reactance and R/X has no value.
      {"reaktancja obwodu zwarciowego w węźle nr 2 jest równa zeru",
       [](Przypadek& p) {
         p.LiczbaWezlowSystemow = 0;
         p.GeneratorySG.setCell(3, 1, "0");
         p.TrafoSG.setCell(4, 1, "1000");
         p.TrafoSG.setCell(5, 1, "1");
         p.LinieSG.setCell(5, 1, "0");
       }},
  };
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.oczekiwany);
    Przypadek p = SiecPrzykladowa(2);
    d.zmiana(p);
    const WynikZwarcia w = ObliczZwarcie(p);
    EXPECT_FALSE(w.poprawny);
    EXPECT_NE(w.blad.find(d.oczekiwany), std::string::npos) << w.blad;
    // No results to show.
    EXPECT_TRUE(w.PradyGaleziowe.empty());
    EXPECT_EQ(w.sieci.MacierzYw.size(), 0);
    EXPECT_EQ(w.PradPoczatkowy, 0);
  }
}

TEST(ObliczZwarcie, ALongChainOfLinesIsTheSeriesSum) {
  // A system of 2000 MVA at node 1 (x = 100/2000 = 0,05 pu) feeding a chain of
  // 299 identical 1 km lines (0,12 + j0,4 Ω each, 110 kV) to node 300, where the
  // fault is. Zb = 115,5²/100 = 133,4025 Ω:
  //   R = 299·0,12/133,4025 = 0,2689605; X = 0,05 + 299·0,4/133,4025 = 0,9465349
  //   |Zk| = 0,9840061; I″ = (1,1/1,05)/|Zk| · 100/(√3·115,5) = 0,532185 kA.
  // It also keeps the matrix products to the branches: 300 nodes compute at once.
  Dane d{300, {{"1", "2000"}}, {}, {}, {}, 300, 110};
  std::vector<std::string> poczatki, konce;
  for (int i = 1; i < 300; ++i) {
    poczatki.push_back(std::to_string(i));
    konce.push_back(std::to_string(i + 1));
  }
  for (size_t i = 0; i < poczatki.size(); ++i)
    d.linie.push_back({poczatki[i].c_str(), konce[i].c_str(), "110", "0,12", "0,4", "1", "1"});
  const WynikZwarcia w = ObliczZwarcie(Zbuduj(d));
  ASSERT_TRUE(w.poprawny) << w.blad;
  EXPECT_NEAR(w.ImpedancjaZwarciowa.real(), 0.2689605, 1e-6);
  EXPECT_NEAR(w.ImpedancjaZwarciowa.imag(), 0.9465349, 1e-6);
  EXPECT_NEAR(w.PradPoczatkowy, 0.532185, 1e-6);
}

TEST(ObliczZwarcie, RefusesMoreBranchesThanTheLimit) {
  // 30 000 lines between two nodes, besides the system: 30 001 branches, one
  // more than every table full (5000 + 5000 sources, 10 000 + 10 000 elements).
  Dane d{2, {{"1", "2000"}}, {}, {}, {}, 2, 110};
  for (int i = 0; i < 30000; ++i) d.linie.push_back({"1", "2", "110", "0,12", "0,4", "1", "1"});
  const WynikZwarcia w = ObliczZwarcie(Zbuduj(d));
  EXPECT_FALSE(w.poprawny);
  EXPECT_EQ(w.blad.rfind("Sieć ma 30001 gałęzi; program oblicza sieci o najwyżej 30000 gałęziach", 0), 0u) << w.blad;
}

namespace {

// Solves a·x = b by plain Gaussian elimination with partial pivoting, at
// extended precision so that its own rounding stays far below the
// tolerance: the dense reference for the program's sparse solution.
std::vector<Zespolona> RozwiazGesto(std::vector<std::vector<std::complex<long double>>> a,
                                    std::vector<std::complex<long double>> b) {
  const size_t n = b.size();
  for (size_t k = 0; k < n; ++k) {
    size_t q = k;
    for (size_t r = k + 1; r < n; ++r)
      if (std::abs(a[r][k]) > std::abs(a[q][k])) q = r;
    std::swap(a[k], a[q]);
    std::swap(b[k], b[q]);
    for (size_t r = k + 1; r < n; ++r) {
      if (a[r][k] == 0.0L) continue;
      const std::complex<long double> l = a[r][k] / a[k][k];
      for (size_t c = k; c < n; ++c) a[r][c] -= l * a[k][c];
      b[r] -= l * b[k];
    }
  }
  std::vector<Zespolona> x(n);
  std::vector<std::complex<long double>> y(n);
  for (size_t k = n; k-- > 0;) {
    std::complex<long double> s = b[k];
    for (size_t c = k + 1; c < n; ++c) s -= a[k][c] * y[c];
    y[k] = s / a[k][k];
    x[k] = {double(y[k].real()), double(y[k].imag())};
  }
  return x;
}

}  // namespace

TEST(ObliczZwarcie, AMeshedNetworkOf200NodesAgreesWithADenseSolution) {
  // A 110 kV ring of 200 lines (0,12 + j0,4 Ω/km, 2 to 8 km, every third
  // with two circuits), 19 lines across it from node i to i + 17, and five
  // transformers from k to k + 50 (160 MVA, 500 kW, 11 %); systems of 5000
  // and 3000 MVA at nodes 1 and 101, two-unit generators of 200 MVA,
  // x″d 15 % at nodes 60 and 150. Per unit on 100 MVA and 115,5 kV:
  //   system j100/Sz; generator (0,01 + j0,15)·(100/200)/2;
  //   transformer (uR + juX)/100·100/160 with uR = 500/160/10 = 0,3125 %,
  //   uX = √(11² − uR²); line (0,12 + j0,4)·l/n / (115,5²/100).
  // Yw stamped from these by hand, Zk = (Yw⁻¹)[f][f] from a dense solve
  // of Yw·z = e_f, and I″k = (1,1/1,05)/|Zk|·100/(√3·115,5).
  constexpr int N = 200;
  using Z = std::complex<long double>;
  Dane d{N, {{"1", "5000"}, {"101", "3000"}}, {{"60", "200", "15", "2"}, {"150", "200", "15", "2"}}, {}, {}, 1, 110};
  std::vector<std::vector<Z>> Yw(N, std::vector<Z>(N));
  const auto galaz = [&Yw](int a, int b, Z z) {
    const Z y = 1.0L / z;
    Yw[size_t(a - 1)][size_t(a - 1)] += y;
    if (b == 0) return;
    Yw[size_t(b - 1)][size_t(b - 1)] += y;
    Yw[size_t(a - 1)][size_t(b - 1)] -= y;
    Yw[size_t(b - 1)][size_t(a - 1)] -= y;
  };
  galaz(1, 0, Z(0, 100.0L / 5000));
  galaz(101, 0, Z(0, 100.0L / 3000));
  for (int g : {60, 150}) galaz(g, 0, Z(0.01L, 0.15L) * (100.0L / 200) / 2.0L);
  const long double uR = 500.0L / 160 / 10, uX = std::sqrt(121.0L - uR * uR);
  for (int k = 10; k <= 130; k += 30) {
    d.trafo.push_back({std::to_string(k), std::to_string(k + 50), "160", "500", "11", "1"});
    galaz(k, k + 50, Z(uR, uX) / 100.0L * (100.0L / 160));
  }
  const auto linia = [&](int a, int b, int i) {
    const int l = 2 + i % 7, n = i % 3 == 0 ? 2 : 1;
    d.linie.push_back(
        {std::to_string(a), std::to_string(b), "110", "0,12", "0,4", std::to_string(l), std::to_string(n)});
    galaz(a, b, Z(0.12L, 0.4L) * (long double)(l) / (long double)(n) / (115.5L * 115.5L / 100));
  };
  for (int i = 1; i <= N; ++i) linia(i, i % N + 1, i);
  for (int i = 3; i <= 183; i += 10) linia(i, i + 17, i);

  for (const int f : {1, 77, 150, 200}) {
    SCOPED_TRACE(f);
    std::vector<Z> e(N);
    e[size_t(f - 1)] = 1;
    const Zespolona zk = RozwiazGesto(Yw, e)[size_t(f - 1)];
    const double ik = 1.1 / 1.05 / std::abs(zk) * 100 / (std::sqrt(3.0) * 115.5);
    d.wezelZwarcia = f;
    const WynikZwarcia w = ObliczZwarcie(Zbuduj(d));
    ASSERT_TRUE(w.poprawny) << w.blad;
    EXPECT_NEAR(w.PradPoczatkowy, ik, 1e-12 * ik);
    EXPECT_NEAR(std::abs(w.ImpedancjaZwarciowa - zk), 0, 1e-12 * std::abs(zk));
  }
}
