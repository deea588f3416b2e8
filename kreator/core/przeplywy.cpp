#include "kreator/core/przeplywy.h"

#include <cmath>

#include "common/core/liczby.h"
#include "kreator/core/macierz.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

using Zespolona = std::complex<double>;

namespace {

constexpr double kDolnaGranica = 0.9, kGornaGranica = 1.1;

int Wezel(const common::TextGrid& g, int kolumna, int wiersz) { return common::NaCalkowita(g.cell(kolumna, wiersz)); }

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
std::vector<double> NapieciaZnamionowe(const Przypadek& p) {
  std::vector<double> un(static_cast<size_t>(p.LiczbaWezlow), 0.0);
  auto ustaw = [&](int wezel, const std::string& kV) {
    double& u = un[static_cast<size_t>(wezel - 1)];
    if (u == 0) u = common::NaLiczbe(kV);
  };
  for (int i = 1; i <= p.LiczbaLinii; ++i)
    for (int kolumna : {kLiniaPoczatek, kLiniaKoniec})
      ustaw(Wezel(p.LinieSG, kolumna, i), p.LinieSG.cell(kLiniaNapiecie, i));
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i)
    for (int strona : {1, 2}) ustaw(Wezel(p.TrafoSG, strona, i), p.TrafoSG.cell(strona + 2, i));
  return un;
}

}  // namespace

void ObliczPrzeplywy(const Przypadek& p, WynikRozplywu& w) {
  w.przeplywy.clear();
  // Lines: π model, the series admittance and half the charging at each end.
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const Zespolona y = AdmitancjaLinii(w.parametry, w.baza, i), b2 = PolowaSusceptancjiLinii(w.parametry, w.baza, i);
    w.przeplywy.push_back(Przeplyw(w, "L" + common::CalkowitaNaTekst(i), Wezel(p.LinieSG, kLiniaPoczatek, i),
                                   Wezel(p.LinieSG, kLiniaKoniec, i), {y + b2, -y, -y, y + b2}));
  }
  // Transformers: as they enter the matrix, the lower side scaled by the ratio.
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i) {
    const auto [y, ym, t] = ModelTrafo(w.parametry, w.baza, i);
    const Zespolona wlasna = y + ym / 2.0;
    PrzeplywGalezi g = Przeplyw(w, "T" + common::CalkowitaNaTekst(i), Wezel(p.TrafoSG, 1, i), Wezel(p.TrafoSG, 2, i),
                                {wlasna, -t * y, -t * y, t * t * wlasna});
    const double Sn = common::NaLiczbe(p.TrafoSG.cell(5, i));
    g.obciazenie = std::max(std::abs(g.Sod), std::abs(g.Sdo)) / Sn * 100;
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
  const std::vector<double> un = NapieciaZnamionowe(p);
  for (int k = 1; k <= w.N(); ++k) {
    const double znamionowe = un[size_t(k - 1)];
    if (znamionowe <= 0) continue;
    const double u = w.UkV(k);
    if (u < kDolnaGranica * znamionowe || u > kGornaGranica * znamionowe) w.ostrzezenia.push_back({k, u, znamionowe});
  }
}

}  // namespace kreator
