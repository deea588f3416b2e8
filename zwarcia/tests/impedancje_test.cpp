#include "zwarcia/core/impedancje.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zwarcia;

namespace {

using Wiersze = std::vector<std::vector<std::string>>;

void Wypelnij(Przypadek& p, Tabela t, int& licznik, const Wiersze& wiersze) {
  licznik = int(wiersze.size());
  PrzygotujTabele(p, t, licznik);
  for (size_t w = 0; w < wiersze.size(); ++w)
    for (size_t k = 0; k < wiersze[w].size(); ++k) p.siatka(t).setCell(int(k) + 1, int(w) + 1, wiersze[w][k]);
}

// One element of each kind, the data of the examples worked by hand below.
Przypadek Elementy(double kV) {
  Przypadek p;
  p.LiczbaWezlow = 2;
  p.NapiecieZwarcia = kV;
  Wypelnij(p, Tabela::Systemy, p.LiczbaWezlowSystemow, {{"1", "2500"}});
  Wypelnij(p, Tabela::Generatory, p.LiczbaWezlowGeneratorow, {{"2", "100", "20", "2"}});
  Wypelnij(p, Tabela::Trafo, p.LiczbaTransformatorow, {{"1", "2", "100", "300", "10", "1"}});
  Wypelnij(p, Tabela::Linie, p.LiczbaLinii, {{"1", "2", "110", "0,12", "0,4", "50", "2"}});
  return p;
}

}  // namespace

TEST(WielkosciBazowe, TheFaultLevelSetsTheBase) {
  struct Przyklad {
    double kV, napiecie, impedancja, prad;
  };
  // Ub = 1,05·Un; Zb = Ub² / 100; Ib = 100 / (√3·Ub), √3 = 1,7320508:
  // 110: 115,5 kV, 13340,25 / 100 = 133,4025 Ω, 100 / 200,05187 = 0,4998704 kA
  // 220: 231 kV, 53361 / 100 = 533,61 Ω, 100 / 400,10374 = 0,2499352 kA
  // 400: 420 kV, 176400 / 100 = 1764 Ω, 100 / 727,46134 = 0,1374643 kA
  // 15: 15,75 kV, 248,0625 / 100 = 2,480625 Ω, 100 / 27,279800 = 3,6657160 kA
  const Przyklad przyklady[] = {
      {110, 115.5, 133.4025, 0.4998704},
      {220, 231, 533.61, 0.2499352},
      {400, 420, 1764, 0.1374643},
      {15, 15.75, 2.480625, 3.6657160},
  };
  for (const Przyklad& p : przyklady) {
    SCOPED_TRACE(p.kV);
    const WielkosciBazowe b = UstalWielkosciBazowe(p.kV);
    EXPECT_DOUBLE_EQ(b.MocBazowa, 100);
    EXPECT_NEAR(b.NapiecieBazowe, p.napiecie, 1e-9);
    EXPECT_NEAR(b.ImpedancjaBazowa, p.impedancja, 1e-9);
    EXPECT_NEAR(b.PradBazowy, p.prad, 5e-8);
    // c·Un / (1,05·Un) = 1,1 / 1,05 = 1,0476190 at every level.
    EXPECT_NEAR(b.NapiecieZrodla, 1.0476190, 5e-8);
  }
}

TEST(ObliczImpedancje, OhmsFollowTheFaultVoltagePerUnitDoesNot) {
  struct Przyklad {
    double kV;
    double xs, rg, xg, rt, xt;  // Ω referred to the fault voltage
  };
  // Un² = 12100 at 110 kV, 48400 at 220 kV.
  // System Sz 2500: Xs = Un² / Sz = 4,84 / 19,36 Ω.
  // Generator 100 MVA, 20 %, 2 units: Xg = Un²·0,2 / 100 / 2 = 12,1 / 48,4 Ω;
  //   Rg = Un² / 100 / 100 / 2 = 0,605 / 2,42 Ω.
  // Transformer 100 MVA, 300 kW, 10 %: Rt = Un²·0,3 / 100² = 0,363 / 1,452 Ω;
  //   Zt = Un²·0,1 / 100 = 12,1 / 48,4; Xt = √(146,41 − 0,131769) = 12,094554,
  //   √(2342,56 − 2,108304) = 48,378215 Ω.
  const Przyklad przyklady[] = {
      {110, 4.84, 0.605, 12.1, 0.363, 12.094554},
      {220, 19.36, 2.42, 48.4, 1.452, 48.378215},
  };
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.kV);
    const Przypadek p = Elementy(d.kV);
    const ImpedancjeElementow e = ObliczImpedancje(p, UstalWielkosciBazowe(d.kV));
    ASSERT_EQ(e.blad, "");
    EXPECT_NEAR(e.XSystemow[0], d.xs, 1e-9);
    EXPECT_NEAR(e.RGeneratorow[0], d.rg, 1e-9);
    EXPECT_NEAR(e.XGeneratorow[0], d.xg, 1e-9);
    EXPECT_NEAR(e.RTrafo[0], d.rt, 1e-9);
    EXPECT_NEAR(e.XTrafo[0], d.xt, 5e-7);
    // The line keeps its own ohms: 0,12·50 / 2 = 3 Ω, 0,4·50 / 2 = 10 Ω.
    EXPECT_NEAR(e.RLinii[0], 3, 1e-12);
    EXPECT_NEAR(e.XLinii[0], 10, 1e-12);

    // Per unit on 100 MVA, the same at either fault voltage:
    // system 100 / 2500 = 0,04; generator 0,2·100 / 100 / 2 = 0,1 and 1 % / 2 = 0,005;
    // transformer uR = 300 / 100 / 10 = 0,3 % -> 0,003, uX = √(100 − 0,09) = 9,995499 % -> 0,09995499;
    // the 110 kV line on 133,4025 Ω: 3 / 133,4025 = 0,02248833, 10 / 133,4025 = 0,07496111.
    EXPECT_DOUBLE_EQ(e.wzgSystemow.R[0], 0);
    EXPECT_NEAR(e.wzgSystemow.X[0], 0.04, 1e-15);
    EXPECT_NEAR(e.wzgGeneratorow.R[0], 0.005, 1e-15);
    EXPECT_NEAR(e.wzgGeneratorow.X[0], 0.1, 1e-15);
    EXPECT_NEAR(e.wzgTrafo.R[0], 0.003, 1e-15);
    EXPECT_NEAR(e.wzgTrafo.X[0], 0.09995499, 5e-9);
    EXPECT_NEAR(e.wzgLinii.R[0], 0.02248833, 5e-9);
    EXPECT_NEAR(e.wzgLinii.X[0], 0.07496111, 5e-9);
  }
}

TEST(ObliczImpedancje, EachLineIsPerUnitOnItsOwnLevel) {
  struct Przyklad {
    const char* kV;
    double zb, r, x;
  };
  // Every line is 0,3 / 1 Ω/km over 10 km, 3 + j10 Ω, and the fault is at
  // 110 kV, the level most of them carry. Zb = (1,05·Un)² / 100:
  // 110 -> 133,4025: 3 / 133,4025 = 0,02248833, 10 / 133,4025 = 0,07496111
  // 220 -> 533,61:   0,005622084, 0,01874028
  // 400 -> 1764:     0,001700680, 0,005668934
  // 15  -> 2,480625: 1,209373, 4,031242
  // "110,0" is the number 110, so it is on the 110 kV base as well.
  const Przyklad przyklady[] = {
      {"110", 133.4025, 0.02248833, 0.07496111},   {"110", 133.4025, 0.02248833, 0.07496111},
      {"220", 533.61, 0.005622084, 0.01874028},    {"110", 133.4025, 0.02248833, 0.07496111},
      {"400", 1764, 0.001700680, 0.005668934},     {"15", 2.480625, 1.209373, 4.031242},
      {"110,0", 133.4025, 0.02248833, 0.07496111},
  };
  Przypadek p = Elementy(110);
  p.LiczbaWezlow = 8;
  Wiersze linie;
  for (size_t i = 0; i < std::size(przyklady); ++i)
    linie.push_back({std::to_string(i + 1), std::to_string(i + 2), przyklady[i].kV, "0,3", "1", "10", "1"});
  Wypelnij(p, Tabela::Linie, p.LiczbaLinii, linie);

  const ImpedancjeElementow e = ObliczImpedancje(p, UstalWielkosciBazowe(110));
  ASSERT_EQ(e.blad, "");
  for (size_t i = 0; i < std::size(przyklady); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_NEAR(e.ImpedancjaBazowaLinii[i], przyklady[i].zb, 1e-9);
    EXPECT_NEAR(e.wzgLinii.R[i], przyklady[i].r, przyklady[i].r * 5e-7);
    EXPECT_NEAR(e.wzgLinii.X[i], przyklady[i].x, przyklady[i].x * 5e-7);
  }
}

TEST(ObliczImpedancje, CopperLossesUpToTheShortCircuitVoltage) {
  struct Przyklad {
    const char* pcu;
    bool przyjety;
    double r, x;  // per unit
  };
  // Sn 100 MVA, uz 1 %: uR = PCu / 100 / 10.
  // 1000 kW: uR = 1 % = uz, so uX = 0: R = 0,01, X = 0 (a purely resistive transformer).
  // 800 kW: uR = 0,8 %, uX = √(1 − 0,64) = 0,6 %: R = 0,008, X = 0,006.
  // 1000,1 kW: uR = 1,0001 % > uz, no real uX: refused.
  const Przyklad przyklady[] = {
      {"1000", true, 0.01, 0},
      {"800", true, 0.008, 0.006},
      {"1000,1", false, 0, 0},
  };
  for (const Przyklad& d : przyklady) {
    SCOPED_TRACE(d.pcu);
    Przypadek p = Elementy(110);
    Wypelnij(p, Tabela::Trafo, p.LiczbaTransformatorow, {{"1", "2", "100", d.pcu, "1", "1"}});
    const ImpedancjeElementow e = ObliczImpedancje(p, UstalWielkosciBazowe(110));
    if (!d.przyjety) {
      EXPECT_NE(e.blad.find("straty w miedzi transformatora T1"), std::string::npos) << e.blad;
      continue;
    }
    ASSERT_EQ(e.blad, "");
    EXPECT_NEAR(e.wzgTrafo.R[0], d.r, 1e-15);
    EXPECT_NEAR(e.wzgTrafo.X[0], d.x, 1e-15);
  }
}
