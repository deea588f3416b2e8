#include "kreator/core/eksport_matpower.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "common/core/liczby.h"
#include "kreator/core/macierz.h"
#include "kreator/core/parametry.h"

namespace kreator {

namespace {

constexpr double kDuzo = 9999;  // generator limits MATPOWER's load flow does not use

// What the iteration starts from, per unit: the rated voltage of a node's
// lines, else of its transformer winding; the held magnitude of a
// generator node; the slack voltage.
std::vector<double> NapieciaStartowe(const SiecRozplywu& s, double Vb) {
  std::vector<double> u(size_t(s.N), 1.0);
  std::vector<bool> linia(size_t(s.N), false);
  for (const auto& l : s.linie)
    for (int k : {l.poczatek, l.koniec}) {
      u[size_t(k - 1)] = l.napiecie / Vb;
      linia[size_t(k - 1)] = true;
    }
  for (const auto& t : s.trafa)
    for (auto [k, kv] : {std::pair{t.gorny, t.Ug}, std::pair{t.dolny, t.Ud}})
      if (!linia[size_t(k - 1)]) u[size_t(k - 1)] = kv / Vb;
  for (const auto& g : s.elektrownie) u[size_t(g.wezel - 1)] = g.napiecie / Vb;
  u[size_t(s.bilansujacy - 1)] = s.napiecieBilansujace / Vb;
  return u;
}

}  // namespace

PrzypadekMatpower SiecJakoMatpower(const SiecRozplywu& s, const WynikRozplywu* wynik, const std::string& nazwa) {
  const ParametryElementow e = ObliczParametry(s);
  const WielkosciBazowe b = UstalWielkosciBazowe(s);
  const double Vb = b.NapiecieBazowe, S = b.MocBazowa, Zb = b.ImpedancjaBazowa;
  const bool rozwiazanie = wynik && wynik->zbiezny && wynik->N() == s.N;

  PrzypadekMatpower c;
  c.nazwa = nazwa;
  c.komentarz = {
      " Przypadek zapisany przez program Kreator: węzły " + std::to_string(s.N) + ", linie " +
          std::to_string(s.linie.size()) + ", transformatory " + std::to_string(s.trafa.size()) + ".",
      " Napięcie bazowe " + common::LiczbaNaTekst(Vb) + " kV we wszystkich węzłach: Vm × baseKV to napięcie w kV.",
      rozwiazanie ? std::string(" Vm i Va: rozwiązanie obliczone przez program (metoda ") +
                        (wynik->metoda == MetodaRozplywu::NewtonRaphson ? "Newtona-Raphsona)." : "Gaussa-Seidla).")
                  : " Vm i Va: wartości początkowe (obliczenia nie były zbieżne albo ich nie wykonano)."};
  c.baseMVA = S;

  const std::vector<double> start = NapieciaStartowe(s, Vb);
  for (int k = 1; k <= s.N; ++k) {
    PrzypadekMatpower::Szyna sz;
    sz.numer = k;
    sz.baseKV = Vb;
    sz.Vm = rozwiazanie ? std::abs(wynik->U(k)) : start[size_t(k - 1)];
    sz.Va = rozwiazanie ? wynik->KatRad(k) * 180 / std::numbers::pi : 0.0;
    c.szyny.push_back(sz);
  }
  const auto szyna = [&](int k) -> PrzypadekMatpower::Szyna& { return c.szyny[size_t(k - 1)]; };
  for (const auto& o : s.odbiory) {
    szyna(o.wezel).Pd += o.P;
    szyna(o.wezel).Qd += o.Q;
  }

  // The generator's output: the power the node injects in the solution.
  const auto generator = [&](int wezel, double kv, double P) {
    PrzypadekMatpower::Generator g;
    g.szyna = wezel;
    g.Pg = rozwiazanie ? wynik->SRe[size_t(wezel - 1)] * S : P;
    g.Qg = rozwiazanie ? wynik->SIm[size_t(wezel - 1)] * S : 0.0;
    g.Qmax = kDuzo, g.Qmin = -kDuzo, g.Pmax = kDuzo, g.Pmin = -kDuzo;
    g.Vg = kv / Vb;
    g.mBase = S;
    c.generatory.push_back(g);
  };
  szyna(s.bilansujacy).typ = 3;
  generator(s.bilansujacy, s.napiecieBilansujace, 0.0);
  for (const auto& g : s.elektrownie) {
    if (g.wezel == s.bilansujacy) continue;
    szyna(g.wezel).typ = 2;
    generator(g.wezel, g.napiecie, g.P);
  }

  for (size_t i = 0; i < s.linie.size(); ++i) {
    PrzypadekMatpower::Galaz g;
    g.od = s.linie[i].poczatek;
    g.do_ = s.linie[i].koniec;
    g.r = e.RLinii[i] / Zb;
    g.x = e.XLinii[i] / Zb;
    g.b = e.BLinii[i] * 1e-6 * Zb;
    c.galezie.push_back(g);
  }
  for (size_t i = 0; i < s.trafa.size(); ++i) {
    const ModelTransformatora m = ModelTrafo(e, b, int(i) + 1);
    // MATPOWER's tap stands at the "from" end: Yff = y/τ², Ytt = y,
    // Yft = −y/τ; with τ = 1/t from the lower node that is Kreator's
    // Ydd = t²y, Yaa = y, Yad = −t y.
    PrzypadekMatpower::Galaz g;
    g.od = s.trafa[i].dolny;
    g.do_ = s.trafa[i].gorny;
    const std::complex<double> z = 1.0 / m.y;
    g.r = z.real();
    g.x = z.imag();
    g.ratio = 1 / m.t;
    c.galezie.push_back(g);
    // The magnetising branch, ym/2 at each end (the lower one seen through
    // the ratio), in MW and Mvar at 1 pu.
    const std::complex<double> gora = m.ym / 2.0 * S, dol = m.t * m.t * m.ym / 2.0 * S;
    szyna(g.do_).Gs += gora.real();
    szyna(g.do_).Bs += gora.imag();
    szyna(g.od).Gs += dol.real();
    szyna(g.od).Bs += dol.imag();
  }
  return c;
}

}  // namespace kreator
