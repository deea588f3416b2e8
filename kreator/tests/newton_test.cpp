#include "kreator/core/newton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "kreator/tests/przypadki.h"

using namespace kreator;
using namespace kreator::testy;

namespace {

// The benchmark's network generator (tools/bench/siec_testowa.cpp) as a
// model built in code, past the node limit of the wizard if need be: a
// grid 25 nodes wide of 10 km 110 kV lines (0,12 / 0,4 / 2,8 per km), the
// rows first, then `linie` minus those downward, spread evenly, then
// diagonals; the slack at node 1 (115 kV), a generator of 40 MW at 112 kV
// every 50 nodes, 1 MW + 0,3 Mvar at every other node.
SiecRozplywu SiecTestowa(int n, int linie) {
  SiecRozplywu s;
  s.N = n;
  const auto linia = [&](int a, int b) { s.linie.push_back({a, b, 110, 110, 0.12, 0.4, 2.8, 10, 1}); };
  for (int i = 1; i < n; ++i)
    if (i % 25 != 0) linia(i, i + 1);
  const int kandydaci = std::max(0, n - 25);
  const int wDol = std::clamp(linie - int(s.linie.size()), std::min(kandydaci, (n - 1) / 25 * 2), kandydaci);
  for (int k = 1; k <= kandydaci; ++k)
    if (long(k) * wDol / kandydaci != long(k - 1) * wDol / kandydaci) linia(k, k + 25);
  for (int k = 1; k + 26 <= n && int(s.linie.size()) < linie; ++k) linia(k, k + 26);
  for (int k = 1; k <= n; ++k)
    if (k == 1 || k % 50 == 0) s.elektrownie.push_back({k, k == 1 ? 115.0 : 112.0, k == 1 ? 0.0 : 40.0});
    else s.odbiory.push_back({k, 1, 0.3});
  s.bilansujacy = 1;
  s.napiecieBilansujace = 115;
  return s;
}

}  // namespace

TEST(Zbieznosc, FirstStepOfEachMethodWorkedByHand) {
  // The two-node case: U1 = 110/115,5 = 0,952381 (slack), node 2 starts at the same value (its
  // line's rated voltage) and takes S2 = −0,5 − j0,2 pu. y = 1/(r + jx) = 1,835814 − j6,119381,
  // B/2 = 0,009338, Y22 = 1,835814 − j6,110043, Y21 = −y.
  //
  // Gauss-Seidel, r = 1,5: conj(S2)/conj(U2) = (−0,5 + j0,2)/0,952381 = −0,525 + j0,21;
  // Y21·U1 = −1,748394 + j5,827982; their difference 1,223394 − j5,617982 divided by Y22
  // gives 0,898513 − j0,069739; relaxed, U2 = 0,952381 + 1,5·(−0,053868 − j0,069739)
  // = 0,871579 − j0,104609, a change of 1,5·0,088121 = 0,132181 pu. Then
  // I2 = Y21·U1 + Y22·U2 = −0,787500 + j0,310553, U2·conj(I2) = −0,718855 − j0,188292,
  // less S2: −0,218855 + j0,011708, |ΔS| = 0,219168 pu = 21,9168 MVA.
  //
  // Newton-Raphson: at the start I2 = j(B/2)·V0, so U2·conj(I2) = −j0,008470 and
  // f = (ΔP, ΔQ) = (0,5, 0,191530). The Jacobian with V0 = 0,952381:
  //   ∂P/∂θ = V0²·6,119381 = 5,550459   ∂P/∂V = V0·1,835814 = 1,748394
  //   ∂Q/∂θ = −V0²·1,835814 = −1,665138 ∂Q/∂V = V0·(6,110043 − 0,009338) = 5,810195
  // det = 35,160563; J·(dθ, dV) = −f gives dθ = −0,073100 rad, dV = −0,053914, so
  // U2 = 0,898467·e^(−j0,073100) = 0,896067 − j0,065619, a change of 0,086470 pu. Then
  // U2·conj(I2) = −0,467159 − j0,175249, less S2: 0,032841 + j0,024751, |ΔS| = 4,1124 MVA.
  struct Wpis {
    MetodaRozplywu metoda;
    double zmiana, niezbilansowanie;
  };
  const SiecRozplywu s = ZbudujSiec(DwaWezly());
  for (const Wpis& t :
       {Wpis{MetodaRozplywu::GaussSeidel, 0.132181, 21.9168}, Wpis{MetodaRozplywu::NewtonRaphson, 0.086470, 4.1124}}) {
    SCOPED_TRACE(t.metoda == MetodaRozplywu::GaussSeidel ? "Gauss-Seidel" : "Newton-Raphson");
    std::vector<double> uslyszane;
    const WynikRozplywu w = ObliczRozplyw(s, {t.metoda, true}, [&](int krok, double zmiana) {
      EXPECT_EQ(krok, int(uslyszane.size()) + 1);
      uslyszane.push_back(zmiana);
    });
    ASSERT_TRUE(w.zbiezny) << w.blad;
    EXPECT_EQ(w.metoda, t.metoda);
    ASSERT_EQ(w.zbieznosc.size(), size_t(w.iteracje));
    ASSERT_EQ(uslyszane.size(), size_t(w.iteracje));
    EXPECT_NEAR(w.zbieznosc[0].zmiana, t.zmiana, 1e-6);
    EXPECT_NEAR(w.zbieznosc[0].niezbilansowanie, t.niezbilansowanie, 1e-4);
    // The last step is the run's own figures.
    EXPECT_EQ(w.zbieznosc.back().zmiana, w.ostatniaZmiana);
    EXPECT_EQ(uslyszane.back(), w.ostatniaZmiana);
    EXPECT_EQ(w.zbieznosc.back().niezbilansowanie, w.niezbilansowanie);
    EXPECT_LT(w.niezbilansowanie, 1e-10 * 100);
  }
}

TEST(NewtonRaphson, ThousandNodeGridGivesTheVoltagesOfGaussSeidel) {
  // The benchmark's 1000-node exercise of 2000 lines: the full 25 × 40 mesh and 65 diagonals.
  // Gauss-Seidel settles on it within its 1000 sweeps only near the best r.
  SiecRozplywu s = SiecTestowa(1000, 2000);
  s.epsilon = 1e-8;
  s.relaksacja = 1.9775;
  const WynikRozplywu gs = ObliczRozplyw(s, {MetodaRozplywu::GaussSeidel, false});
  const WynikRozplywu nr = ObliczRozplyw(s, {MetodaRozplywu::NewtonRaphson, false});
  ASSERT_TRUE(gs.zbiezny) << gs.blad;
  ASSERT_TRUE(nr.zbiezny) << nr.blad;
  EXPECT_LE(nr.iteracje, 6);
  // Both stop with every node's mismatch below ε = 1e-8 pu; what that leaves in the voltages
  // is J⁻¹ times it. A row of J⁻¹ sums to at most about N times the largest reactance between
  // the slack and a node (corner to corner of a mesh of 0,0302 pu lines, some 0,2 pu):
  // 1000 · 0,2 · 1e-8 = 2e-6 pu = 2,3e-4 kV.
  double najwieksza = 0;
  for (int k = 1; k <= s.N; ++k)
    najwieksza = std::max(najwieksza, std::abs(gs.U(k) - nr.U(k)) * gs.baza.NapiecieBazowe);
  EXPECT_LT(najwieksza, 2.3e-4);
  // The same tail of the run: the flows and the balance.
  ASSERT_EQ(nr.przeplywy.size(), gs.przeplywy.size());
  EXPECT_NEAR(nr.bilans.straty.real(), gs.bilans.straty.real(), 1e-3);
}

TEST(NewtonRaphson, FailuresSayWhyInTheirOwnWords) {
  struct Wpis {
    const char* co;
    const char* obciazenie;  // MW at node 2 of the two-node case
    double napiecieLinii;    // kV, the start value of node 2
    const char* poczatek;
  };
  // 250 MW: at 20 Mvar the line carries at most about 210 MW (the nose of U2 over P2).
  // A line rated 0 kV starts node 2 at 0: no angle moves any power, the angle column is zero.
  for (const Wpis& t :
       {Wpis{"przeciążenie", "250", 110,
             "Obliczenia nie są zbieżne: po 50 iteracjach metody Newtona-Raphsona największa zmiana "
             "napięcia węzłowego wynosi "},
        Wpis{"osobliwy", "50", 0,
             "Obliczenia przerwane: w iteracji nr 1 metody Newtona-Raphsona macierz Jacobiego jest "
             "osobliwa, więc nie można wyznaczyć poprawek napięć węzłowych.\nSprawdź dane układu !!!"}}) {
    SCOPED_TRACE(t.co);
    Przypadek p = DwaWezly();
    p.WObcSG.setCell(2, 1, t.obciazenie);
    SiecRozplywu s = ZbudujSiec(p);
    s.linie[0].napiecie = t.napiecieLinii;
    const WynikRozplywu w = ObliczRozplyw(s, {MetodaRozplywu::NewtonRaphson, false});
    EXPECT_FALSE(w.zbiezny);
    EXPECT_EQ(w.blad.rfind(t.poczatek, 0), 0u) << w.blad;
    EXPECT_EQ(w.blad.find("relaksacji"), std::string::npos);  // r plays no part
    EXPECT_TRUE(w.URe.empty());                               // no results
  }
}
