#include "kreator/core/przeplywy.h"

#include <cmath>

#include "common/core/liczby.h"
#include "kreator/core/macierz.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

using Zespolona = std::complex<double>;

namespace {

constexpr double kDolnaGranica = 0.9, kGornaGranica = 1.1;

// One element seen from its two ends: the current entering it at each end
// is I = A U_od + B U_do and I = C U_od + D U_do (per unit).
struct Czwornik {
  Zespolona A, B, C, D;
};

PrzeplywGalezi Przeplyw(const WynikRozplywu& w, std::string nazwa, int od, int do_, const Czwornik& c) {
  const Zespolona Uod = w.U(od), Udo = w.U(do_);
  const Zespolona Iod = c.A * Uod + c.B * Udo, Ido = c.C * Uod + c.D * Udo;
  const double mvaNaPu = w.baza.MocBazowa;
  const double kANaPu = w.baza.MocBazowa / (std::sqrt(3.0) * w.baza.NapiecieBazowe);
  PrzeplywGalezi g;
  g.element = std::move(nazwa);
  g.od = od;
  g.do_ = do_;
  g.Sod = Uod * std::conj(Iod) * mvaNaPu;
  g.Sdo = Udo * std::conj(Ido) * mvaNaPu;
  g.Iod = std::abs(Iod) * kANaPu;
  g.Ido = std::abs(Ido) * kANaPu;
  return g;
}

// The rated voltage of each node (kV, 0 when nothing names it).
std::vector<double> NapieciaZnamionowe(const SiecRozplywu& s) {
  std::vector<double> un(static_cast<size_t>(s.N), 0.0);
  auto ustaw = [&](int wezel, double kV) {
    double& u = un[static_cast<size_t>(wezel - 1)];
    if (u == 0) u = kV;
  };
  for (const SiecRozplywu::Linia& l : s.linie) {
    ustaw(l.poczatek, l.napiecie);
    ustaw(l.koniec, l.napiecie);
  }
  for (const SiecRozplywu::Transformator& t : s.trafa) {
    ustaw(t.gorny, t.Ug);
    ustaw(t.dolny, t.Ud);
  }
  return un;
}

}  // namespace

void ObliczPrzeplywy(const SiecRozplywu& s, WynikRozplywu& w) {
  w.przeplywy.clear();
  w.przeplywy.reserve(s.linie.size() + s.trafa.size());
  // Lines: π model, the series admittance and half the charging at each end.
  for (size_t k = 0; k < s.linie.size(); ++k) {
    const int i = int(k) + 1;
    const Zespolona y = AdmitancjaLinii(w.parametry, w.baza, i), b2 = PolowaSusceptancjiLinii(w.parametry, w.baza, i);
    w.przeplywy.push_back(Przeplyw(w, "L" + common::CalkowitaNaTekst(i), s.linie[k].poczatek, s.linie[k].koniec,
                                   {y + b2, -y, -y, y + b2}));
  }
  // Transformers: as they enter the matrix, the lower side scaled by the ratio.
  for (size_t k = 0; k < s.trafa.size(); ++k) {
    const int i = int(k) + 1;
    const auto [y, ym, t] = ModelTrafo(w.parametry, w.baza, i);
    const Zespolona wlasna = y + ym / 2.0;
    PrzeplywGalezi g = Przeplyw(w, "T" + common::CalkowitaNaTekst(i), s.trafa[k].gorny, s.trafa[k].dolny,
                                {wlasna, -t * y, -t * y, t * t * wlasna});
    g.obciazenie = std::max(std::abs(g.Sod), std::abs(g.Sdo)) / s.trafa[k].Sn * 100;
    w.przeplywy.push_back(std::move(g));
  }

  // The balance: injections at generator nodes, takings elsewhere.
  w.bilans = {};
  for (int k = 1; k <= w.N(); ++k) {
    const Zespolona S(w.SRe[size_t(k - 1)] * w.baza.MocBazowa, w.SIm[size_t(k - 1)] * w.baza.MocBazowa);
    const TypWezla typ = w.typy[size_t(k - 1)];
    if (typ == TypWezla::Elektrowniany || typ == TypWezla::Bilansujacy) w.bilans.wytwarzana += S;
    else w.bilans.odbierana -= S;
  }
  for (const PrzeplywGalezi& g : w.przeplywy) w.bilans.straty += g.straty();

  w.ostrzezenia.clear();
  const std::vector<double> un = NapieciaZnamionowe(s);
  for (int k = 1; k <= w.N(); ++k) {
    const double znamionowe = un[size_t(k - 1)];
    if (znamionowe <= 0) continue;
    const double u = w.UkV(k);
    if (u < kDolnaGranica * znamionowe || u > kGornaGranica * znamionowe) w.ostrzezenia.push_back({k, u, znamionowe});
  }
}

}  // namespace kreator
