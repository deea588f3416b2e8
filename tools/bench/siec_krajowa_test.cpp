// The synthetic national grid: the file has the rows the network has, the
// network is one piece with its levels and its one slack, the same seed
// gives the same file, and MATPOWER's own power-flow model of it solves by
// Newton-Raphson with every voltage within 0,9–1,1 pu.
#include "tools/bench/siec_krajowa.h"

#include <gtest/gtest.h>

#include <Eigen/SparseLU>
#include <complex>
#include <numbers>
#include <set>
#include <sstream>

using namespace bench;
using Zespolona = std::complex<double>;

namespace {

// The data rows of one matrix of the file ("mpc.bus = [" to "];").
int Wiersze(const std::string& tekst, const std::string& macierz) {
  std::istringstream w(tekst.substr(tekst.find(macierz + " = [")));
  std::string linia;
  std::getline(w, linia);
  int n = 0;
  while (std::getline(w, linia) && linia != "];") n += !linia.empty() && linia.back() == ';';
  return n;
}

// A polar Newton-Raphson on MATPOWER's branch model, independent of the
// programs: ys = 1/(r + jx), t = τ·e^{jφ} (τ = 1 for a line),
// Yff = (ys + jb/2)/τ², Ytt = ys + jb/2, Yft = −ys/t*, Ytf = −ys/t; loads and
// generators per unit of 100 MVA; PV buses hold Vg. Returns the voltages,
// empty when it does not converge to 1e-8 pu in 20 iterations.
std::vector<Zespolona> Rozplyw(const SiecKrajowa& s) {
  const int n = static_cast<int>(s.szyny.size());
  std::vector<std::vector<std::pair<int, Zespolona>>> Y(static_cast<size_t>(n));
  auto dodaj = [&](int i, int j, Zespolona y) { Y[size_t(i)].push_back({j, y}); };
  for (const GalazMatpower& g : GalezieMatpower(s)) {
    const Zespolona ys = 1.0 / Zespolona(g.r, g.x), ytt = ys + Zespolona(0, g.b / 2);
    const double tau = g.ratio == 0 ? 1 : g.ratio;
    const Zespolona t = std::polar(tau, g.kat * std::numbers::pi / 180);
    dodaj(g.od - 1, g.od - 1, ytt / (tau * tau));
    dodaj(g.do_ - 1, g.do_ - 1, ytt);
    dodaj(g.od - 1, g.do_ - 1, -ys / std::conj(t));
    dodaj(g.do_ - 1, g.od - 1, -ys / t);
  }
  std::vector<Zespolona> S(static_cast<size_t>(n));
  std::vector<double> Vm(static_cast<size_t>(n), 1.0), Va(static_cast<size_t>(n), 0.0);
  for (int k = 0; k < n; ++k) S[size_t(k)] = -Zespolona(s.szyny[size_t(k)].Pd, s.szyny[size_t(k)].Qd) / 100.0;
  for (const auto& g : s.generatory) {
    S[size_t(g.szyna - 1)] += g.Pg / 100.0;
    Vm[size_t(g.szyna - 1)] = g.Vg;
  }
  // Unknowns: the angle of every bus but the slack, then |V| of the PQ buses.
  std::vector<int> kat(static_cast<size_t>(n), -1), modul(static_cast<size_t>(n), -1);
  int m = 0;
  for (int k = 0; k < n; ++k)
    if (s.szyny[size_t(k)].typ != 3) kat[size_t(k)] = m++;
  for (int k = 0; k < n; ++k)
    if (s.szyny[size_t(k)].typ == 1) modul[size_t(k)] = m++;
  for (int iteracja = 0; iteracja < 20; ++iteracja) {
    std::vector<Zespolona> V(static_cast<size_t>(n)), I(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) V[size_t(k)] = std::polar(Vm[size_t(k)], Va[size_t(k)]);
    for (int k = 0; k < n; ++k)
      for (auto [j, y] : Y[size_t(k)]) I[size_t(k)] += y * V[size_t(j)];
    Eigen::VectorXd F(m);
    double najwieksze = 0;
    for (int k = 0; k < n; ++k) {
      const Zespolona dS = V[size_t(k)] * std::conj(I[size_t(k)]) - S[size_t(k)];
      if (kat[size_t(k)] >= 0) F[kat[size_t(k)]] = dS.real(), najwieksze = std::max(najwieksze, std::abs(dS.real()));
      if (modul[size_t(k)] >= 0)
        F[modul[size_t(k)]] = dS.imag(), najwieksze = std::max(najwieksze, std::abs(dS.imag()));
    }
    if (najwieksze < 1e-8) return V;
    // dS_k/dθ_j = j V_k (δ_kj I_k − Y_kj V_j)*,  dS_k/d|V_j| = V_k (Y_kj V_j/|V_j|)* + δ_kj I_k* V_k/|V_k|.
    // The δ_kj terms once per bus, as the entry of a bus with itself.
    std::vector<Eigen::Triplet<double>> J;
    auto wpisz = [&](int k, int j, Zespolona dKat, Zespolona dModul) {
      for (auto [wiersz, czesc] : {std::pair{kat[size_t(k)], 0}, std::pair{modul[size_t(k)], 1}}) {
        if (wiersz < 0) continue;
        if (kat[size_t(j)] >= 0) J.push_back({wiersz, kat[size_t(j)], czesc ? dKat.imag() : dKat.real()});
        if (modul[size_t(j)] >= 0) J.push_back({wiersz, modul[size_t(j)], czesc ? dModul.imag() : dModul.real()});
      }
    };
    const Zespolona jedn(0, 1);
    for (int k = 0; k < n; ++k) {
      const Zespolona Vk = V[size_t(k)];
      wpisz(k, k, jedn * Vk * std::conj(I[size_t(k)]), std::conj(I[size_t(k)]) * Vk / std::abs(Vk));
      for (auto [j, y] : Y[size_t(k)]) {
        const Zespolona Vj = V[size_t(j)];
        wpisz(k, j, jedn * Vk * std::conj(-y * Vj), Vk * std::conj(y * Vj / std::abs(Vj)));
      }
    }
    Eigen::SparseMatrix<double> A(m, m);
    A.setFromTriplets(J.begin(), J.end());  // duplicates (parallel entries) are summed
    Eigen::SparseLU<Eigen::SparseMatrix<double>> lu(A);
    if (lu.info() != Eigen::Success) return {};
    const Eigen::VectorXd dx = lu.solve(-F);
    for (int k = 0; k < n; ++k) {
      if (kat[size_t(k)] >= 0) Va[size_t(k)] += dx[kat[size_t(k)]];
      if (modul[size_t(k)] >= 0) Vm[size_t(k)] += dx[modul[size_t(k)]];
    }
  }
  return {};
}

}  // namespace

TEST(SiecKrajowa, ZgodnaZKrajowaIRozwiazywalna) {
  // For 2383 buses the national grid's 2896 branches; elsewhere the same ratio.
  const struct {
    int n;
    std::uint64_t ziarno;
    int galezie;
  } przypadki[] = {{2383, 1, 2896}, {2383, 2, 2896}, {400, 7, 486}, {5000, 3, 6076}};
  for (const auto& c : przypadki) {
    SCOPED_TRACE(c.n);
    const SiecKrajowa s = ZbudujSiecKrajowa(c.n, c.ziarno);
    const std::string tekst = TekstMatpower(s, "siec");
    EXPECT_EQ(tekst.rfind("function mpc = siec\n", 0), 0u);
    EXPECT_EQ(Wiersze(tekst, "mpc.bus"), c.n);
    EXPECT_EQ(Wiersze(tekst, "mpc.branch"), c.galezie);
    EXPECT_EQ(Wiersze(tekst, "mpc.gen"), static_cast<int>(s.generatory.size()));
    EXPECT_GT(s.generatory.size(), size_t(c.n / 10));

    // One slack, on 400 kV, at a whole number of kV; the levels and the units' buses.
    std::multiset<double> poziomy;
    int bilansujace = 0;
    for (const auto& sz : s.szyny) poziomy.insert(sz.kV), bilansujace += sz.typ == 3;
    EXPECT_EQ(bilansujace, 1);
    EXPECT_EQ(s.szyny[size_t(s.bilansujacy - 1)].kV, 400);
    const double kV = s.generatory.front().Vg * 400;
    EXPECT_NEAR(kV, std::round(kV), 1e-9);
    for (double u : {400.0, 220.0, 110.0, 21.0, 15.75, 10.5}) EXPECT_GT(poziomy.count(u), 0u) << u;
    int przesuwniki = 0;
    for (const auto& t : s.trafa) {
      EXPECT_TRUE(t.przekladnia >= 0.95 && t.przekladnia <= 1.05) << t.przekladnia;
      przesuwniki += t.kat != 0;
    }
    EXPECT_GE(przesuwniki, 1);

    // Every bus reached from the slack through the branches.
    std::vector<std::vector<int>> sasiedzi(s.szyny.size() + 1);
    for (const GalazMatpower& g : GalezieMatpower(s))
      sasiedzi[size_t(g.od)].push_back(g.do_), sasiedzi[size_t(g.do_)].push_back(g.od);
    std::vector<int> kolejka = {s.bilansujacy};
    std::set<int> osiagniete = {s.bilansujacy};
    for (size_t i = 0; i < kolejka.size(); ++i)
      for (int m : sasiedzi[size_t(kolejka[i])])
        if (osiagniete.insert(m).second) kolejka.push_back(m);
    EXPECT_EQ(osiagniete.size(), s.szyny.size());

    const std::vector<Zespolona> V = Rozplyw(s);
    ASSERT_EQ(V.size(), s.szyny.size()) << "Newton-Raphson nie jest zbieżny";
    for (size_t k = 0; k < V.size(); ++k)
      EXPECT_TRUE(std::abs(V[k]) > 0.9 && std::abs(V[k]) < 1.1) << k + 1 << ": " << std::abs(V[k]);
  }
  // The seed alone decides the file.
  EXPECT_EQ(TekstMatpower(ZbudujSiecKrajowa(300, 5), "a"), TekstMatpower(ZbudujSiecKrajowa(300, 5), "a"));
  EXPECT_NE(TekstMatpower(ZbudujSiecKrajowa(300, 5), "a"), TekstMatpower(ZbudujSiecKrajowa(300, 6), "a"));
}
