// Branch flows, the balance and the voltage band of a solved load flow,
// checked against the same physics written in kilovolts, ohms and siemens
// (three-phase power S = √3 U conj(I) with line voltages), not per unit.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>

#include "kreator/core/rozplyw.h"
#include "kreator/tests/przypadki.h"

using namespace kreator;
using namespace kreator::testy;
using C = std::complex<double>;

namespace {

const double kPierwiastek3 = std::sqrt(3.0);

// The line voltage of node k as a phasor, kV.
C U(const WynikRozplywu& w, int k) { return std::polar(w.UkV(k), w.KatRad(k)); }

// The power entering a branch at `a` through impedance z (Ω) towards the
// voltage `b` seen at its far end, with the shunt admittance ysh (S) at `a`:
// I = (Ua − Ub)/(√3 z) + ysh Ua/√3, S = √3 Ua conj(I), in MVA.
C Wplywajaca(C a, C b, C z, C ysh) {
  const C I = (a - b) / (kPierwiastek3 * z) + ysh * a / kPierwiastek3;
  return kPierwiastek3 * a * std::conj(I);
}

void Blisko(C a, C b, const std::string& co) {
  EXPECT_NEAR(a.real(), b.real(), 0.005) << co;
  EXPECT_NEAR(a.imag(), b.imag(), 0.005) << co;
}

}  // namespace

TEST(Przeplywy, TwoLevelsAgreeWithThePhysicsInOhms) {
  const Przypadek p = DwaPoziomy();
  const WynikRozplywu w = ObliczRozplyw(p);
  ASSERT_TRUE(w.zbiezny) << w.blad;
  ASSERT_EQ(w.przeplywy.size(), 3u);

  // L1 220 kV, 100 km: Z = (0,0552 + j0,412) · 100 = 5,52 + j41,2 Ω, B = 276 µS, half at each end.
  const C z1(5.52, 41.2), b1(0, 138e-6);
  // L2 110 kV, 50 km: Z = 4 + j19 Ω, B = 90 µS.
  const C z2(4.0, 19.0), b2(0, 45e-6);
  // T1 231/110 kV, 160 MVA, 920 kW, 260 kW, 12 %, 0,6 %, on the 231 kV side:
  // R = 920 · 231² / 1000 / 160² = 1,917633 Ω, Z = 12 · 231² / 100 / 160 = 40,0208 Ω,
  // X = √(Z² − R²) = 39,97483 Ω; G = 260 / 231² / 1000 = 4,87247 µS,
  // Y = 0,6 · 160 / 231² / 100 = 17,99066 µS, B = √(Y² − G²) = 17,31867 µS (inductive: −jB).
  const double R = 920.0 * 231 * 231 / 1000 / 160 / 160, Z = 12.0 * 231 * 231 / 100 / 160;
  const double G = 260.0 / 231 / 231 / 1000, Y = 0.6 * 160 / 231 / 231 / 100;
  const C zt(R, std::sqrt(Z * Z - R * R)), ym(G, -std::sqrt(Y * Y - G * G));
  const double t = 231.0 / 110.0;
  const C U1 = U(w, 1), U2 = U(w, 2), U3 = U(w, 3), U4 = U(w, 4);
  // The lower node seen on the upper side is t·U3; the ideal transformer passes the power on.
  const C oczekiwane[3][2] = {{Wplywajaca(U1, U2, z1, b1), Wplywajaca(U2, U1, z1, b1)},
                              {Wplywajaca(U3, U4, z2, b2), Wplywajaca(U4, U3, z2, b2)},
                              {Wplywajaca(U2, t * U3, zt, ym / 2.0), Wplywajaca(t * U3, U2, zt, ym / 2.0)}};
  const C napiecia[3][2] = {{U1, U2}, {U3, U4}, {U2, U3}};
  for (size_t i = 0; i < 3; ++i) {
    const PrzeplywGalezi& g = w.przeplywy[i];
    Blisko(g.Sod, oczekiwane[i][0], g.element + " od");
    Blisko(g.Sdo, oczekiwane[i][1], g.element + " do");
    Blisko(g.straty(), oczekiwane[i][0] + oczekiwane[i][1], g.element + " straty");
    // The current in the conductor at each end: |S| / (√3 |U|).
    EXPECT_NEAR(g.Iod, std::abs(oczekiwane[i][0]) / (kPierwiastek3 * std::abs(napiecia[i][0])), 1e-4) << g.element;
    EXPECT_NEAR(g.Ido, std::abs(oczekiwane[i][1]) / (kPierwiastek3 * std::abs(napiecia[i][1])), 1e-4) << g.element;
  }
  EXPECT_EQ(w.przeplywy[0].element, "L1");
  EXPECT_EQ(w.przeplywy[2].element, "T1");
  EXPECT_EQ(w.przeplywy[2].od, 2);
  EXPECT_EQ(w.przeplywy[2].do_, 3);
  EXPECT_FALSE(w.przeplywy[0].obciazenie.has_value());
  ASSERT_TRUE(w.przeplywy[2].obciazenie.has_value());
  EXPECT_NEAR(*w.przeplywy[2].obciazenie,
              std::max(std::abs(oczekiwane[2][0]), std::abs(oczekiwane[2][1])) / 160 * 100, 1e-3);

  // Kirchhoff: what leaves a node through its branches is what the node injects.
  for (int k = 1; k <= 4; ++k) {
    C wyplywa = 0;
    for (const PrzeplywGalezi& g : w.przeplywy) {
      if (g.od == k) wyplywa += g.Sod;
      if (g.do_ == k) wyplywa += g.Sdo;
    }
    Blisko(wyplywa, -C(w.PMW(k), w.QMvar(k)), "węzeł " + std::to_string(k));
  }
  // Generators 1 and 3 deliver; node 4 (80 + j30) and the untyped node 2 take.
  Blisko(w.bilans.wytwarzana, -C(w.PMW(1) + w.PMW(3), w.QMvar(1) + w.QMvar(3)), "wytwarzana");
  Blisko(w.bilans.odbierana, C(80, 30) + C(w.PMW(2), w.QMvar(2)), "odbierana");
  Blisko(w.bilans.wytwarzana - w.bilans.odbierana, w.bilans.straty, "straty");
  EXPECT_TRUE(w.ostrzezenia.empty());
}

TEST(Przeplywy, VoltageOutsideTheBandIsListedWithItsRatedVoltage) {
  // The worked two-node case with a heavier load: 90 MW + j40 Mvar over 6 + j20 Ω. Without the
  // charging, 110² = (U2 + (6·90 + 20·40)/U2)² + ((20·90 − 6·40)/U2)² gives U2 ≈ 94,8 kV
  // (U2 = 94,8: 1340/94,8 = 14,135, 1560/94,8 = 16,456; 108,935² + 16,456² = 12138 ≈ 110²),
  // below 0,9 · 110 = 99 kV; node 1 stays at 110.
  Przypadek p = DwaWezly();
  p.WObcSG.setCell(2, 1, "90");
  p.WObcSG.setCell(3, 1, "40");
  const WynikRozplywu w = ObliczRozplyw(p);
  ASSERT_TRUE(w.zbiezny) << w.blad;
  ASSERT_EQ(w.ostrzezenia.size(), 1u);
  EXPECT_EQ(w.ostrzezenia[0].wezel, 2);
  EXPECT_DOUBLE_EQ(w.ostrzezenia[0].znamionowe, 110.0);
  EXPECT_NEAR(w.ostrzezenia[0].UkV, 94.8, 0.3);
}

TEST(Rozplyw, ConvergedMeansBalanced) {
  // A chain of 400 nodes and 399 lines of 1 km at 110 kV, every node but the slack taking
  // 0,2 MW + j0,1 Mvar: the voltage changes between sweeps become tiny long before the far
  // end is reached. The run must either balance every node to within epsilon · 100 MVA
  // or say that it does not converge: it may not report 399 · 0,2 = 79,8 MW as less.
  const int n = 400;
  Budowniczy b(n, n - 1, 0);
  for (int i = 1; i < n; ++i) {
    const std::string s = std::to_string(i), e = std::to_string(i + 1);
    Wiersz(b.p.LinieSG, i, {s.c_str(), e.c_str(), "110", "0,08", "0,38", "1,8", "1", "1"});
  }
  b.generatory({{"1", "115", "0"}});
  std::vector<std::string> numery;
  for (int i = 2; i <= n; ++i) numery.push_back(std::to_string(i));
  b.p.LiczbaWezlowObciazeniowych = n - 1;
  PrzygotujTabele(b.p, Tabela::WObc, n - 1);
  for (int i = 2; i <= n; ++i) Wiersz(b.p.WObcSG, i - 1, {numery[size_t(i - 2)].c_str(), "0,2", "0,1"});
  b.p.WezelBilansujacy = 1;
  b.p.NapiecieBilansujace = 115;
  b.p.Epsilon = 0.0001;
  const WynikRozplywu w = ObliczRozplyw(b.p);
  if (!w.zbiezny) {
    EXPECT_NE(w.blad.find("niezbilansowanie mocy"), std::string::npos) << w.blad;
    return;
  }
  double odbior = 0;
  for (int k = 2; k <= n; ++k) {
    EXPECT_NEAR(w.PMW(k), 0.2, 0.01) << k;
    odbior += w.PMW(k);
  }
  EXPECT_NEAR(odbior, 79.8, 0.01 * (n - 1));
  EXPECT_LT(w.niezbilansowanie, 0.01);
}
