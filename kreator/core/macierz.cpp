#include "kreator/core/macierz.h"

#include <algorithm>

#include "common/core/liczby.h"

namespace kreator {

int NajczestszyPoziomNapiecia(int ile110, int ile220, int ile400) {
  const int m = std::max({ile110, ile220, ile400});
  if (ile110 == m) return 110;
  if (ile220 == m) return 220;
  return 400;
}

WielkosciBazowe UstalWielkosciBazowe(const Przypadek& p) {
  int ile110 = 0, ile220 = 0, ile400 = 0;
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const std::string& poziom = p.LinieSG.cell(kLiniaNapiecie, i);
    ile110 += poziom == "110";
    ile220 += poziom == "220";
    ile400 += poziom == "400";
  }
  WielkosciBazowe b;
  b.NapiecieBazowe = NajczestszyPoziomNapiecia(ile110, ile220, ile400) * 1.05;
  b.ImpedancjaBazowa = b.NapiecieBazowe * b.NapiecieBazowe / b.MocBazowa;
  b.AdmitancjaBazowa = 1 / b.ImpedancjaBazowa;
  return b;
}

std::string OdwrotnoscZespolona(double a, double b) {
  const double m = a * a + b * b;
  return common::LiczbaNaTekst(a / m) + ";" + common::LiczbaNaTekst(-b / m);
}

std::complex<double> AdmitancjaLinii(const ParametryElementow& e, const WielkosciBazowe& baza, int i) {
  const std::string tekst = OdwrotnoscZespolona(e.RLinii[static_cast<size_t>(i - 1)] / baza.ImpedancjaBazowa,
                                                e.XLinii[static_cast<size_t>(i - 1)] / baza.ImpedancjaBazowa);
  const size_t srednik = tekst.find(';');
  return {common::NaLiczbe(tekst.substr(0, srednik)), common::NaLiczbe(tekst.substr(srednik + 1))};
}

std::complex<double> PolowaSusceptancjiLinii(const ParametryElementow& e, const WielkosciBazowe& baza, int i) {
  return {0.0, e.BLinii[static_cast<size_t>(i - 1)] * 1e-6 / 2 / baza.AdmitancjaBazowa};
}

ModelTransformatora ModelTrafo(const ParametryElementow& e, const WielkosciBazowe& baza, int i) {
  const size_t k = static_cast<size_t>(i - 1);
  ModelTransformatora m;
  m.y = baza.ImpedancjaBazowa / std::complex<double>(e.RTrafo[k], e.XTrafo[k]);
  m.ym = std::complex<double>(e.GTrafo[k], -e.BTrafo[k]) * baza.ImpedancjaBazowa;
  m.t = e.PrzekladniaTrafo[k];
  return m;
}

namespace {

int Wezel(const common::TextGrid& g, int kolumna, int wiersz) { return common::NaCalkowita(g.cell(kolumna, wiersz)); }

}  // namespace

MacierzAdmitancji ZbudujMacierzY(const Przypadek& p, const ParametryElementow& e, const WielkosciBazowe& baza) {
  MacierzAdmitancji Y;
  Y.N = p.LiczbaWezlow;
  Y.YRe.assign(static_cast<size_t>(Y.N) * static_cast<size_t>(Y.N), 0.0);
  Y.YIm = Y.YRe;

  // Lines: off-diagonal terms first, then the diagonal terms node by node,
  // as the sums are formed in this order.
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const int s = Wezel(p.LinieSG, kLiniaPoczatek, i), k = Wezel(p.LinieSG, kLiniaKoniec, i);
    const auto y = AdmitancjaLinii(e, baza, i);
    Y.dodaj(s, k, -y);
    Y.dodaj(k, s, -y);
  }
  for (int wezel = 1; wezel <= Y.N; ++wezel) {
    for (int i = 1; i <= p.LiczbaLinii; ++i) {
      // The node is matched as an integer, so "02" is node 2 at both its
      // off-diagonal and its diagonal terms.
      for (int kolumna : {kLiniaPoczatek, kLiniaKoniec}) {
        if (Wezel(p.LinieSG, kolumna, i) != wezel) continue;
        Y.dodaj(wezel, wezel, PolowaSusceptancjiLinii(e, baza, i));
        Y.dodaj(wezel, wezel, AdmitancjaLinii(e, baza, i));
      }
    }
  }

  // Transformers: y on the upper side, ideal ratio t towards the lower node.
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i) {
    const int a = Wezel(p.TrafoSG, 1, i), d = Wezel(p.TrafoSG, 2, i);
    const auto [y, ym, t] = ModelTrafo(e, baza, i);
    Y.dodaj(a, d, -t * y);
    Y.dodaj(d, a, -t * y);
    Y.dodaj(a, a, y + ym / 2.0);
    Y.dodaj(d, d, t * t * (y + ym / 2.0));
  }
  return Y;
}

}  // namespace kreator
