#include "kreator/core/rozplyw.h"

#include <gtest/gtest.h>

#include <cmath>

#include "kreator/tests/przypadki.h"

using namespace kreator;
using namespace kreator::testy;

TEST(Parametry, LinesAndTransformers) {
  Budowniczy b(3, 2, 1);
  // Two circuits of 50 km, R' 0,12: R = 0,12·50/2 = 3 Ω; B = 2,8·50·2 = 280 µS.
  Wiersz(b.p.LinieSG, 1, {"1", "2", "110", "0,12", "0,4", "2,8", "50", "2"});
  // One circuit: R = R'·l = 0,08·10 = 0,8; X = 0,38·10 = 3,8; B = 1,8·10 = 18.
  Wiersz(b.p.LinieSG, 2, {"2", "3", "110", "0,08", "0,38", "1,8", "10", "1"});
  Wiersz(b.p.TrafoSG, 1, {"1", "3", "110", "15", "16", "96", "20", "10,5", "0,8"});
  const ParametryElementow e = ObliczParametry(b.p);
  EXPECT_DOUBLE_EQ(e.RLinii[0], 3.0);
  EXPECT_NEAR(e.XLinii[0], 10.0, 1e-12);
  EXPECT_NEAR(e.BLinii[0], 280.0, 1e-12);
  EXPECT_NEAR(e.RLinii[1], 0.8, 1e-12);
  EXPECT_NEAR(e.XLinii[1], 3.8, 1e-12);
  EXPECT_NEAR(e.BLinii[1], 18.0, 1e-12);
  // 110/15 kV, 16 MVA, 96 kW, 10,5 %, 20 kW, 0,8 %:
  // R = 96·110²/1000/16² = 4,5375 Ω; Z = 10,5·110²/100/16 = 79,40625 Ω; X = √(Z² − R²) = 79,27650 Ω
  // G = 20/110²/1000 = 1,652893 µS; Y = 0,8·16/110²/100 = 10,578512 µS; B = √(Y² − G²) = 10,448584 µS
  EXPECT_NEAR(e.RTrafo[0], 4.5375, 1e-12);
  EXPECT_NEAR(e.ZTrafo[0], 79.40625, 1e-12);
  EXPECT_NEAR(e.XTrafo[0], 79.27650, 1e-5);
  EXPECT_NEAR(e.GTrafo[0], 1.652893e-6, 1e-12);
  EXPECT_NEAR(e.YTrafo[0], 10.578512e-6, 1e-12);
  EXPECT_NEAR(e.BTrafo[0], 10.448584e-6, 1e-11);
  EXPECT_NEAR(e.PrzekladniaTrafo[0], 110.0 / 15.0, 1e-12);
}

TEST(Baza, MostFrequentLevelTiesToTheLower) {
  struct Wpis { int a, b, c, poziom; };
  for (Wpis w : {Wpis{3, 3, 0, 110}, Wpis{1, 0, 2, 400}, Wpis{0, 0, 0, 110}, Wpis{0, 2, 2, 220}, Wpis{1, 2, 0, 220}})
    EXPECT_EQ(NajczestszyPoziomNapiecia(w.a, w.b, w.c), w.poziom);
  Budowniczy b(2, 3, 0);
  Wiersz(b.p.LinieSG, 1, {"1", "2", "400"});
  Wiersz(b.p.LinieSG, 2, {"1", "2", "400"});
  Wiersz(b.p.LinieSG, 3, {"1", "2", "110,0"});  // counts for no level
  const WielkosciBazowe baza = UstalWielkosciBazowe(b.p);
  EXPECT_DOUBLE_EQ(baza.NapiecieBazowe, 420.0);  // 1,05 · 400
  EXPECT_DOUBLE_EQ(baza.ImpedancjaBazowa, 1764.0);  // 420² / 100
  EXPECT_EQ(OdwrotnoscZespolona(0.5, 0.0), "2;0");
  // 1/(3 + j4) = (3 − j4)/25 = 0,12 − j0,16
  EXPECT_EQ(OdwrotnoscZespolona(3, 4), "0,12;-0,16");
}

TEST(MacierzY, WorkedExampleLine) {
  const Przypadek p = DwaWezly();
  const ParametryElementow e = ObliczParametry(p);
  const WielkosciBazowe baza = UstalWielkosciBazowe(p);
  const MacierzAdmitancji Y = ZbudujMacierzY(p, e, baza);
  // Zb = 115,5²/100 = 133,4025 Ω; r = 6/Zb = 0,0449766, x = 20/Zb = 0,1499222
  // g = r/(r²+x²) = 1,835814; b = −x/(r²+x²) = −6,119381; B/2 = 70 µS · Zb = 0,0093382
  EXPECT_NEAR(Y.re(1, 1), 1.835814, 1e-6);
  EXPECT_NEAR(Y.im(1, 1), -6.110043, 1e-6);
  EXPECT_NEAR(Y.re(2, 2), 1.835814, 1e-6);
  EXPECT_NEAR(Y.im(2, 2), -6.110043, 1e-6);
  EXPECT_NEAR(Y.re(1, 2), -1.835814, 1e-6);
  EXPECT_NEAR(Y.im(1, 2), 6.119381, 1e-6);
  EXPECT_EQ(Y.re(1, 2), Y.re(2, 1));
  EXPECT_EQ(Y.im(1, 2), Y.im(2, 1));
}

TEST(MacierzY, TransformerWithRatioAndInductiveMagnetising) {
  Budowniczy b(2, 1, 1);
  Wiersz(b.p.LinieSG, 1, {"1", "2", "220", "0,0552", "0,412", "2,76", "100", "1"});  // sets the base 231 kV
  Wiersz(b.p.TrafoSG, 1, {"1", "2", "231", "110", "160", "920", "260", "12", "0,6"});
  const ParametryElementow e = ObliczParametry(b.p);
  const WielkosciBazowe baza = UstalWielkosciBazowe(b.p);
  Przypadek bezLinii = b.p;
  bezLinii.LiczbaLinii = 0;  // the transformer alone
  const MacierzAdmitancji Y = ZbudujMacierzY(bezLinii, e, baza);
  // On the base 100 MVA with Ug equal to the base voltage the series impedance is
  // (uR + j·uX)/Sn: uR = 920/(10·160) = 0,575 %, uX = √(12² − 0,575²) = 11,986216 %,
  // z = (0,575 + j11,986216)/160 = 0,00359375 + j0,07491385, |z|² = (12/160)² = 0,005625,
  // y = 1/z = 0,638889 − j13,318018. t = 231/110 = 2,1, t² = 4,41.
  // G = 260/231²/1000 = 4,872473 µS, Y = 0,6·160/231²/100 = 17,990667 µS, B = √(Y² − G²) = 17,318286 µS,
  // ym/2 = (G − jB)·Zb/2 with Zb = 533,61 Ω: 0,0013000 − j0,0046206 (inductive).
  EXPECT_NEAR(Y.re(1, 1), 0.638889 + 0.0013000, 2e-6);
  EXPECT_NEAR(Y.im(1, 1), -13.318018 - 0.0046206, 2e-6);
  EXPECT_NEAR(Y.re(1, 2), -2.1 * 0.638889, 2e-6);
  EXPECT_NEAR(Y.im(1, 2), 2.1 * 13.318018, 2e-6);
  EXPECT_NEAR(Y.re(2, 1), Y.re(1, 2), 0);
  EXPECT_NEAR(Y.re(2, 2), 4.41 * (0.638889 + 0.0013000), 1e-5);
  EXPECT_NEAR(Y.im(2, 2), 4.41 * (-13.318018 - 0.0046206), 1e-5);
}

TEST(Rozplyw, WorkedExampleConverges) {
  const WynikRozplywu w = ObliczRozplyw(DwaWezly());
  ASSERT_TRUE(w.zbiezny) << w.blad;
  EXPECT_GT(w.iteracje, 1);
  // Solved independently by Newton's method: U2 = 103,0134 kV at −0,07813 rad; taken powers
  // node 1: −51,623 MW, −23,821 Mvar (it delivers), node 2: +50 MW, +20 Mvar.
  EXPECT_DOUBLE_EQ(w.UkV(1), 110.0);
  EXPECT_EQ(w.UIm[0], 0.0);
  EXPECT_NEAR(w.UkV(2), 103.0134, 5e-5);
  EXPECT_NEAR(w.KatRad(2), -0.07813, 5e-6);
  EXPECT_NEAR(w.PMW(1), -51.623, 5e-4);
  EXPECT_NEAR(w.QMvar(1), -23.821, 5e-4);
  EXPECT_NEAR(w.PMW(2), 50.000, 5e-4);
  EXPECT_NEAR(w.QMvar(2), 20.000, 5e-4);
}

TEST(Rozplyw, TwoLevelsWithGeneratorHoldingItsVoltage) {
  const WynikRozplywu w = ObliczRozplyw(DwaPoziomy());
  ASSERT_TRUE(w.zbiezny) << w.blad;
  // One 220 kV and one 110 kV line: the tie gives the base 115,5 kV, and the
  // 110 kV side still settles near 110 kV because the ratio is in the matrix.
  EXPECT_DOUBLE_EQ(w.baza.NapiecieBazowe, 115.5);
  EXPECT_NEAR(w.UkV(1), 231.0, 1e-9);
  EXPECT_NEAR(w.UkV(2), 232.995, 5e-4);
  EXPECT_NEAR(w.KatRad(2), -0.05058, 5e-6);
  EXPECT_NEAR(w.UkV(3), 112.0, 1e-9);  // held by the generator
  EXPECT_NEAR(w.UkV(4), 102.574, 5e-4);
  EXPECT_NEAR(w.KatRad(4), -0.21943, 5e-6);
  EXPECT_NEAR(w.PMW(3), -20.0, 1e-6);
  EXPECT_NEAR(w.QMvar(3), -60.047, 5e-4);
  EXPECT_NEAR(w.PMW(1), -63.632, 5e-4);
  EXPECT_NEAR(w.QMvar(1), 25.403, 5e-4);
  EXPECT_NEAR(w.PMW(4), 80.0, 1e-6);
  EXPECT_NEAR(w.QMvar(4), 30.0, 1e-6);
}

TEST(Rozplyw, RelaxationAndEpsilonShapeTheIteration) {
  // The same case with another r takes another number of sweeps to the same voltages.
  Przypadek p = DwaWezly();
  p.ParametrRelaksacji = 1.1;
  const WynikRozplywu a = ObliczRozplyw(p);
  p.ParametrRelaksacji = 1.6;
  const WynikRozplywu b = ObliczRozplyw(p);
  ASSERT_TRUE(a.zbiezny && b.zbiezny);
  EXPECT_NE(a.iteracje, b.iteracje);
  EXPECT_NEAR(a.UkV(2), b.UkV(2), 1e-6);
  // A coarser epsilon stops earlier, yet within what epsilon promises: the power
  // mismatch at node 2 is below 0,01 per unit. A voltage error δ there changes the
  // injection U2·conj(Y21·U1 + Y22·U2) by δ·conj(I2) + U2·conj(Y22·δ) (+ |Y22|·|δ|²),
  // at least (|U2|·|Y22| − |I2|)·|δ| in size. |Y22| = |1,835814 − j6,110043| = 6,379878,
  // |U2| = 103,0134/115,5 = 0,891891, |I2| = |0,5 + j0,2|/|U2| = 0,538516/0,891891 = 0,603791:
  // 6,379878·0,891891 − 0,603791 = 5,086365, so |δ| < 0,01/5,086365 = 0,0019660 pu,
  // 0,0019660·115,5 = 0,2271 kV (the square term adds 6,38·0,00197² = 0,000025 pu, 0,003 kV)
  // from the Newton solution 103,0134 kV.
  p.Epsilon = 0.01;
  const WynikRozplywu c = ObliczRozplyw(p);
  ASSERT_TRUE(c.zbiezny);
  EXPECT_LT(c.iteracje, b.iteracje);
  EXPECT_NEAR(c.UkV(2), 103.0134, 0.23);
}

TEST(Rozplyw, ALoadBeyondWhatTheLineCarriesFailsWithAMessage) {
  // 6 + j20 Ω at 110 kV carries at most about U²/(2|Z|) ≈ 110²/(2·20,9) ≈ 290 MW: 900 MW has no solution.
  Przypadek p = DwaWezly();
  p.WObcSG.setCell(2, 1, "900");
  const WynikRozplywu w = ObliczRozplyw(p);
  EXPECT_FALSE(w.zbiezny);
  EXPECT_EQ(w.blad.rfind("Obliczenia nie są zbieżne", 0), 0u) << w.blad;
}

TEST(Rozplyw, NodeReachedOnlyThroughATransformer) {
  // 220 kV line 1-2, transformer 2-3 231/110 kV, load 3 of 30 MW + 10 Mvar: node 3 starts
  // at 110 kV / base and settles near it; the slack covers the load and the losses.
  Budowniczy b(3, 1, 1);
  Wiersz(b.p.LinieSG, 1, {"1", "2", "220", "0,0552", "0,412", "2,76", "100", "1"});
  Wiersz(b.p.TrafoSG, 1, {"2", "3", "231", "110", "160", "920", "260", "12", "0,6"});
  b.generatory({{"1", "231", "0"}});
  b.odbiory({{"3", "30", "10"}});
  b.p.WezelBilansujacy = 1;
  b.p.NapiecieBilansujace = 231;
  const WynikRozplywu w = ObliczRozplyw(b.p);
  ASSERT_TRUE(w.zbiezny) << w.blad;
  EXPECT_GT(w.UkV(3), 100.0);
  EXPECT_LT(w.UkV(3), 112.0);
  EXPECT_NEAR(w.PMW(3), 30.0, 1e-6);
  const double straty = -(w.PMW(1) + w.PMW(2) + w.PMW(3));
  EXPECT_GT(straty, 0.0);      // losses are positive ...
  EXPECT_LT(straty, 1.0);      // ... and small for 30 MW over 100 km
  EXPECT_NEAR(w.PMW(2), 0.0, 1e-6);  // an untyped node takes nothing
}

TEST(MacierzY, ParallelLinesAddUpInOneCell) {
  // Two lines 1-2 and one line 2-3, each the worked example's line: y = 1,835814 − j6,119381,
  // B/2 = j0,0093382, so a line adds y + B/2 = 1,835814 − j6,110043 at each end.
  Budowniczy b(3, 3, 0);
  for (int i : {1, 2}) Wiersz(b.p.LinieSG, i, {"1", "2", "110", "0,12", "0,4", "2,8", "50", "1"});
  Wiersz(b.p.LinieSG, 3, {"2", "3", "110", "0,12", "0,4", "2,8", "50", "1"});
  const MacierzAdmitancji Y = ZbudujMacierzY(b.p, ObliczParametry(b.p), UstalWielkosciBazowe(b.p));
  struct Komorka { int w, k; double re, im; };
  for (const Komorka c : {Komorka{1, 2, -3.671628, 12.238762}, Komorka{2, 1, -3.671628, 12.238762},
                          Komorka{2, 3, -1.835814, 6.119381}, Komorka{1, 1, 3.671628, -12.220086},
                          Komorka{2, 2, 5.507442, -18.330129}, Komorka{3, 3, 1.835814, -6.110043},
                          Komorka{1, 3, 0, 0}, Komorka{3, 1, 0, 0}}) {
    EXPECT_NEAR(Y.re(c.w, c.k), c.re, 2e-6) << c.w << "," << c.k;
    EXPECT_NEAR(Y.im(c.w, c.k), c.im, 2e-6) << c.w << "," << c.k;
  }
}
