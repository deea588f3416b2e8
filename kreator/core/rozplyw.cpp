#include "kreator/core/rozplyw.h"

#include <cmath>

#include "common/core/liczby.h"

namespace kreator {

using common::CalkowitaNaTekst;
using common::LiczbaNaTekst;
using common::NaCalkowita;
using common::NaLiczbe;
using Zespolona = std::complex<double>;

namespace {

bool Skonczona(Zespolona z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

struct Dane {
  std::vector<TypWezla> typ;
  std::vector<Zespolona> S;          // specified injected power, per unit
  std::vector<double> modul;         // held magnitude of a generator node, per unit
  std::vector<Zespolona> U;
};

// Specified powers and node types: a generator delivers, a load takes.
Dane ZadaneWezly(const Przypadek& p, const WielkosciBazowe& b) {
  const size_t n = static_cast<size_t>(p.LiczbaWezlow);
  Dane d{std::vector<TypWezla>(n, TypWezla::BezTypu), std::vector<Zespolona>(n), std::vector<double>(n, 0.0),
         std::vector<Zespolona>(n)};
  for (int r = 1; r <= p.LiczbaWezlowElektrownianych; ++r) {
    const size_t k = static_cast<size_t>(NaCalkowita(p.WElSG.cell(1, r)) - 1);
    d.typ[k] = TypWezla::Elektrowniany;
    d.S[k] = {NaLiczbe(p.WElSG.cell(3, r)) / b.MocBazowa, 0.0};
    d.modul[k] = NaLiczbe(p.WElSG.cell(2, r)) / b.NapiecieBazowe;
  }
  for (int r = 1; r <= p.LiczbaWezlowObciazeniowych; ++r) {
    const size_t k = static_cast<size_t>(NaCalkowita(p.WObcSG.cell(1, r)) - 1);
    d.typ[k] = TypWezla::Obciazeniowy;
    d.S[k] = {-NaLiczbe(p.WObcSG.cell(2, r)) / b.MocBazowa, -NaLiczbe(p.WObcSG.cell(3, r)) / b.MocBazowa};
  }
  d.typ[static_cast<size_t>(p.WezelBilansujacy - 1)] = TypWezla::Bilansujacy;
  return d;
}

// Start values: the rated voltage of the lines at each node (later lines
// win, ends over starts); a node no line touches takes the rated voltage
// of its transformer winding; a generator node its held magnitude; the
// slack node its given voltage.
void NapieciaPoczatkowe(const Przypadek& p, const WielkosciBazowe& b, Dane& d) {
  std::vector<bool> linia(d.U.size(), false);
  for (int kolumna : {kLiniaPoczatek, kLiniaKoniec})
    for (int i = 1; i <= p.LiczbaLinii; ++i) {
      const size_t k = static_cast<size_t>(NaCalkowita(p.LinieSG.cell(kolumna, i)) - 1);
      d.U[k] = NaLiczbe(p.LinieSG.cell(kLiniaNapiecie, i)) / b.NapiecieBazowe;
      linia[k] = true;
    }
  for (int i = 1; i <= p.LiczbaTransformatorow; ++i)
    for (int strona : {1, 2}) {
      const size_t k = static_cast<size_t>(NaCalkowita(p.TrafoSG.cell(strona, i)) - 1);
      if (!linia[k]) d.U[k] = NaLiczbe(p.TrafoSG.cell(strona + 2, i)) / b.NapiecieBazowe;
    }
  for (size_t k = 0; k < d.U.size(); ++k)
    if (d.typ[k] == TypWezla::Elektrowniany) d.U[k] = d.modul[k];
  d.U[static_cast<size_t>(p.WezelBilansujacy - 1)] = p.NapiecieBilansujace / b.NapiecieBazowe;
}

// The non-zero off-diagonal entries of each row, so that a sweep costs
// the branches of the network, not N².
std::vector<std::vector<std::pair<int, Zespolona>>> Sasiedzi(const MacierzAdmitancji& Y) {
  std::vector<std::vector<std::pair<int, Zespolona>>> s(static_cast<size_t>(Y.N));
  for (int i = 1; i <= Y.N; ++i)
    for (int j = 1; j <= Y.N; ++j)
      if (j != i && Y.y(i, j) != Zespolona(0.0)) s[size_t(i - 1)].push_back({j - 1, Y.y(i, j)});
  return s;
}

std::string BrakZbieznosci(int kroki, double zmiana, double niezbilansowanie, int wezel, double epsilon) {
  return "Obliczenia nie są zbieżne: po " + CalkowitaNaTekst(kroki) +
         " krokach iteracyjnych największa zmiana napięcia węzłowego wynosi " + LiczbaNaTekst(zmiana) +
         " j.w., a największe niezbilansowanie mocy " + common::WedlugWzorca("0.0000", niezbilansowanie) +
         " MVA (węzeł nr " + CalkowitaNaTekst(wezel) + "); dopuszczalna różnica \"epsilon\" to " +
         LiczbaNaTekst(epsilon) + " (" + LiczbaNaTekst(epsilon * kMocBazowa) +
         " MVA).\nSprawdź dane układu i parametr relaksacji \"r\" !!!";
}

// The largest power mismatch over the non-slack nodes, per unit, and its
// node: the computed injection U conj(Σ Y U) less the specified one; at a
// generator node only P counts, its Q being whatever holds the magnitude.
std::pair<double, int> Niezbilansowanie(const MacierzAdmitancji& Y,
                                        const std::vector<std::vector<std::pair<int, Zespolona>>>& sasiedzi,
                                        const Dane& d) {
  std::pair<double, int> najwieksze{0.0, 0};
  for (size_t i = 0; i < d.U.size(); ++i) {
    if (d.typ[i] == TypWezla::Bilansujacy) continue;
    Zespolona prad = Y.y(int(i) + 1, int(i) + 1) * d.U[i];
    for (const auto& [j, yij] : sasiedzi[i]) prad += yij * d.U[size_t(j)];
    Zespolona roznica = d.U[i] * std::conj(prad) - d.S[i];
    if (d.typ[i] == TypWezla::Elektrowniany) roznica.imag(0);
    const double m = std::isfinite(std::abs(roznica)) ? std::abs(roznica) : HUGE_VAL;
    if (m > najwieksze.first || najwieksze.second == 0) najwieksze = {m, int(i) + 1};
  }
  return najwieksze;
}

}  // namespace

WynikRozplywu ObliczRozplyw(const Przypadek& p) {
  WynikRozplywu w;
  w.parametry = ObliczParametry(p);
  w.baza = UstalWielkosciBazowe(p);
  w.MacierzY = ZbudujMacierzY(p, w.parametry, w.baza);
  const MacierzAdmitancji& Y = w.MacierzY;
  Dane d = ZadaneWezly(p, w.baza);
  NapieciaPoczatkowe(p, w.baza, d);
  w.typy = d.typ;
  const auto sasiedzi = Sasiedzi(Y);
  const double r = p.ParametrRelaksacji;
  std::vector<Zespolona>& U = d.U;
  const int N = Y.N;

  for (int k = 1; k <= N; ++k)
    if (d.typ[size_t(k - 1)] != TypWezla::Bilansujacy && Y.y(k, k) == Zespolona(0.0)) {
      w.blad = "Nie można obliczyć napięcia w węźle nr " + CalkowitaNaTekst(k) +
               ": suma admitancji dołączonych do niego elementów jest równa zeru !!!";
      return w;
    }

  // Gauss-Seidel: each node uses the newest values of the nodes already
  // updated in this sweep.
  for (int krok = 1; krok <= kMaksLiczbaIteracji && !w.zbiezny; ++krok) {
    double najwieksza = 0;
    for (size_t i = 0; i < U.size(); ++i) {
      if (d.typ[i] == TypWezla::Bilansujacy) continue;
      const Zespolona yii = Y.y(int(i) + 1, int(i) + 1);
      Zespolona inne = 0;
      for (const auto& [j, yij] : sasiedzi[i]) inne += yij * U[size_t(j)];
      Zespolona S = d.S[i];
      Zespolona nowe;
      if (d.typ[i] == TypWezla::Elektrowniany) {
        // The reactive power the network needs to hold the magnitude.
        S.imag(std::imag(U[i] * std::conj(yii * U[i] + inne)));
        const Zespolona obliczone = (std::conj(S) / std::conj(U[i]) - inne) / yii;
        nowe = d.modul[i] * obliczone / std::abs(obliczone);
      } else {
        const Zespolona obliczone = (std::conj(S) / std::conj(U[i]) - inne) / yii;
        nowe = U[i] + r * (obliczone - U[i]);
      }
      if (!Skonczona(nowe)) {
        w.blad = "Obliczenia nie są zbieżne: w kroku iteracyjnym nr " + CalkowitaNaTekst(krok) +
                 " napięcie węzła nr " + CalkowitaNaTekst(int(i) + 1) +
                 " przestało być liczbą skończoną.\nSprawdź dane układu i parametr relaksacji \"r\" !!!";
        return w;
      }
      najwieksza = std::max(najwieksza, std::abs(nowe - U[i]));
      U[i] = nowe;
    }
    w.iteracje = krok;
    w.ostatniaZmiana = najwieksza;
    // Converged means both settled and balanced: a small change between
    // sweeps alone can come long before the powers match the data.
    const auto [niezbilansowanie, wezel] = Niezbilansowanie(Y, sasiedzi, d);
    w.niezbilansowanie = niezbilansowanie * w.baza.MocBazowa;
    w.wezelNiezbilansowania = wezel;
    w.zbiezny = najwieksza < p.Epsilon && niezbilansowanie < p.Epsilon;
  }
  if (!w.zbiezny) {
    w.blad = BrakZbieznosci(w.iteracje, w.ostatniaZmiana, w.niezbilansowanie, w.wezelNiezbilansowania, p.Epsilon);
    return w;
  }

  // Node currents I = Y U over every entry, and the injected powers S = U conj(I).
  w.URe.resize(U.size());
  w.UIm.resize(U.size());
  w.IRe.assign(U.size(), 0.0);
  w.IIm = w.SRe = w.SIm = w.IRe;
  for (size_t i = 0; i < U.size(); ++i) {
    w.URe[i] = U[i].real();
    w.UIm[i] = U[i].imag();
    Zespolona prad = Y.y(int(i) + 1, int(i) + 1) * U[i];
    for (const auto& [j, yij] : sasiedzi[i]) prad += yij * U[size_t(j)];
    const Zespolona moc = U[i] * std::conj(prad);
    w.IRe[i] = prad.real();
    w.IIm[i] = prad.imag();
    w.SRe[i] = moc.real();
    w.SIm[i] = moc.imag();
  }
  ObliczPrzeplywy(p, w);
  return w;
}

}  // namespace kreator
