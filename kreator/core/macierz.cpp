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

namespace {

WielkosciBazowe Baza(int poziom) {
  WielkosciBazowe b;
  b.NapiecieBazowe = poziom * 1.05;
  b.ImpedancjaBazowa = b.NapiecieBazowe * b.NapiecieBazowe / b.MocBazowa;
  b.AdmitancjaBazowa = 1 / b.ImpedancjaBazowa;
  return b;
}

}  // namespace

WielkosciBazowe UstalWielkosciBazowe(const SiecRozplywu& s) {
  int ile[3] = {0, 0, 0};
  for (const SiecRozplywu::Linia& l : s.linie) {
    ile[0] += l.poziom == 110;
    ile[1] += l.poziom == 220;
    ile[2] += l.poziom == 400;
  }
  return Baza(NajczestszyPoziomNapiecia(ile[0], ile[1], ile[2]));
}

WielkosciBazowe UstalWielkosciBazowe(const Przypadek& p) {
  int ile[3] = {0, 0, 0};
  for (int i = 1; i <= p.LiczbaLinii; ++i) {
    const int poziom = PoziomNapiecia(p.LinieSG.cell(kLiniaNapiecie, i));
    ile[0] += poziom == 110;
    ile[1] += poziom == 220;
    ile[2] += poziom == 400;
  }
  return Baza(NajczestszyPoziomNapiecia(ile[0], ile[1], ile[2]));
}

std::string OdwrotnoscZespolona(double a, double b) {
  const double m = a * a + b * b;
  return common::LiczbaNaTekst(a / m) + ";" + common::LiczbaNaTekst(-b / m);
}

MacierzAdmitancji::MacierzAdmitancji(int n)
    : przekatna_(static_cast<size_t>(std::max(0, n))), wiersze_(static_cast<size_t>(std::max(0, n))) {}

std::complex<double> MacierzAdmitancji::y(int wiersz, int kolumna) const {
  if (wiersz < 1 || wiersz > N() || kolumna < 1 || kolumna > N()) return 0.0;
  if (wiersz == kolumna) return przekatna(wiersz);
  const std::vector<Wpis>& w = wiersze_[size_t(wiersz - 1)];
  const auto it = std::lower_bound(w.begin(), w.end(), kolumna, [](const Wpis& a, int k) { return a.first < k; });
  return it != w.end() && it->first == kolumna ? it->second : 0.0;
}

void MacierzAdmitancji::dodaj(int wiersz, int kolumna, std::complex<double> y) {
  if (wiersz == kolumna) {
    przekatna_[size_t(wiersz - 1)] += y;
    return;
  }
  std::vector<Wpis>& w = wiersze_[size_t(wiersz - 1)];
  auto it = std::lower_bound(w.begin(), w.end(), kolumna, [](const Wpis& a, int k) { return a.first < k; });
  if (it == w.end() || it->first != kolumna) it = w.insert(it, {kolumna, 0.0});
  it->second += y;
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

MacierzAdmitancji ZbudujMacierzY(const SiecRozplywu& s, const ParametryElementow& e, const WielkosciBazowe& baza) {
  MacierzAdmitancji Y(s.N);
  // Each line's admittance once; it is the same rounded value at every term.
  std::vector<std::complex<double>> y(s.linie.size());
  for (size_t i = 0; i < y.size(); ++i) y[i] = AdmitancjaLinii(e, baza, int(i) + 1);

  // Lines: all off-diagonal terms first, then the diagonal terms, each
  // line's start before its end, so that every cell sums its terms in
  // line order.
  for (size_t i = 0; i < y.size(); ++i) {
    const SiecRozplywu::Linia& l = s.linie[i];
    Y.dodaj(l.poczatek, l.koniec, -y[i]);
    Y.dodaj(l.koniec, l.poczatek, -y[i]);
  }
  for (size_t i = 0; i < y.size(); ++i) {
    const std::complex<double> b2 = PolowaSusceptancjiLinii(e, baza, int(i) + 1);
    for (int wezel : {s.linie[i].poczatek, s.linie[i].koniec}) {
      Y.dodaj(wezel, wezel, b2);
      Y.dodaj(wezel, wezel, y[i]);
    }
  }

  // Transformers: y on the upper side, ideal ratio t towards the lower node.
  for (size_t i = 0; i < s.trafa.size(); ++i) {
    const int a = s.trafa[i].gorny, d = s.trafa[i].dolny;
    const auto [yt, ym, t] = ModelTrafo(e, baza, int(i) + 1);
    Y.dodaj(a, d, -t * yt);
    Y.dodaj(d, a, -t * yt);
    Y.dodaj(a, a, yt + ym / 2.0);
    Y.dodaj(d, d, t * t * (yt + ym / 2.0));
  }
  return Y;
}

MacierzAdmitancji ZbudujMacierzY(const Przypadek& p, const ParametryElementow& e, const WielkosciBazowe& baza) {
  return ZbudujMacierzY(ZbudujSiec(p), e, baza);
}

}  // namespace kreator
