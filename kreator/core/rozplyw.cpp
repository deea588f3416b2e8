#include "kreator/core/rozplyw.h"

#include <cmath>
#include <new>

#include "common/core/liczby.h"
#include "kreator/core/newton.h"
#include "kreator/core/wezly_rozplywu.h"

namespace kreator {

using common::CalkowitaNaTekst;
using common::LiczbaNaTekst;
using Zespolona = std::complex<double>;

namespace {

bool Skonczona(Zespolona z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

std::string BrakZbieznosci(int kroki, double zmiana, double niezbilansowanie, int wezel, double epsilon,
                           double mocBazowa) {
  return "Obliczenia nie są zbieżne: po " + CalkowitaNaTekst(kroki) +
         " krokach iteracyjnych największa zmiana napięcia węzłowego wynosi " + LiczbaNaTekst(zmiana) +
         " j.w., a największe niezbilansowanie mocy " + common::WedlugWzorca("0.0000", niezbilansowanie) +
         " MVA (węzeł nr " + CalkowitaNaTekst(wezel) + "); dopuszczalna różnica \"epsilon\" to " +
         LiczbaNaTekst(epsilon) + " (" + LiczbaNaTekst(epsilon * mocBazowa) +
         " MVA).\nSprawdź dane układu i parametr relaksacji \"r\" !!!";
}

// Gauss-Seidel with relaxation r: each node uses the newest values of the
// nodes already updated in this sweep.
void GaussSeidel(const SiecRozplywu& s, DaneWezlow& d, const OpcjeRozplywu& opcje, const PostepRozplywu& postep,
                 WynikRozplywu& w) {
  const MacierzAdmitancji& Y = w.MacierzY;
  const double r = s.relaksacja;
  std::vector<Zespolona>& U = d.U;

  auto niezbilansowanie = [&](const std::vector<Zespolona>& napiecia) {
    const auto [najwieksze, wezel] = Niezbilansowanie(Y, d, napiecia);
    w.niezbilansowanie = najwieksze * w.baza.MocBazowa;
    w.wezelNiezbilansowania = wezel;
    return najwieksze;
  };
  // The mismatch costs as much as a sweep, and only that of the sweep
  // which ends the iteration is kept. A sweep that has not settled cannot
  // converge, and one that has is first only asked whether it is balanced
  // (up to the first node that is not); the mismatch itself is taken of
  // the sweep that converges or is the last allowed and, should a sweep
  // fail, of the voltages the failed sweep started from.
  bool niezbilansowanieBiezace = true;
  std::vector<Zespolona> przedKrokiem;

  for (int krok = 1; krok <= kMaksLiczbaIteracji && !w.zbiezny; ++krok) {
    if (!niezbilansowanieBiezace) przedKrokiem = U;
    NajwiekszyModul zmiana;
    for (size_t i = 0; i < U.size(); ++i) {
      if (d.typ[i] == TypWezla::Bilansujacy) continue;
      const Zespolona yii = Y.przekatna(int(i) + 1);
      Zespolona inne = 0;
      for (const auto& [j, yij] : Y.wiersz(int(i) + 1))
        if (yij != 0.0) inne += yij * U[size_t(j - 1)];
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
        if (!niezbilansowanieBiezace) niezbilansowanie(przedKrokiem);
        w.blad = "Obliczenia nie są zbieżne: w kroku iteracyjnym nr " + CalkowitaNaTekst(krok) +
                 " napięcie węzła nr " + CalkowitaNaTekst(int(i) + 1) +
                 " przestało być liczbą skończoną.\nSprawdź dane układu i parametr relaksacji \"r\" !!!";
        return;
      }
      zmiana.dodaj(nowe - U[i]);
      U[i] = nowe;
    }
    w.iteracje = krok;
    const double najwieksza = zmiana.modul();
    w.ostatniaZmiana = najwieksza;
    if (postep) postep(krok, najwieksza);
    if (opcje.zbieznosc)
      w.zbieznosc.push_back({najwieksza, Niezbilansowanie(Y, d, U).first * w.baza.MocBazowa});
    // Converged means both settled and balanced: a small change between
    // sweeps alone can come long before the powers match the data.
    const bool zbilansowany = najwieksza < s.epsilon && Zbilansowane(Y, d, U, s.epsilon);
    niezbilansowanieBiezace = zbilansowany || krok == kMaksLiczbaIteracji;
    if (niezbilansowanieBiezace) w.zbiezny = niezbilansowanie(U) < s.epsilon && najwieksza < s.epsilon;
  }
  if (!w.zbiezny)
    w.blad = BrakZbieznosci(w.iteracje, w.ostatniaZmiana, w.niezbilansowanie, w.wezelNiezbilansowania, s.epsilon,
                            w.baza.MocBazowa);
}

// What a converged run reports whichever method ran: node currents I = Y U
// over every entry, the injected powers S = U conj(I), and the flows.
void WynikiZbieznegoRozplywu(const SiecRozplywu& s, const std::vector<Zespolona>& U, WynikRozplywu& w) {
  w.URe.resize(U.size());
  w.UIm.resize(U.size());
  w.IRe.assign(U.size(), 0.0);
  w.IIm = w.SRe = w.SIm = w.IRe;
  for (size_t i = 0; i < U.size(); ++i) {
    w.URe[i] = U[i].real();
    w.UIm[i] = U[i].imag();
    const Zespolona prad = PradWezla(w.MacierzY, U, i);
    const Zespolona moc = U[i] * std::conj(prad);
    w.IRe[i] = prad.real();
    w.IIm[i] = prad.imag();
    w.SRe[i] = moc.real();
    w.SIm[i] = moc.imag();
  }
  ObliczPrzeplywy(s, w);
}

}  // namespace

WynikRozplywu ObliczRozplyw(const Przypadek& p, const PostepRozplywu& postep) {
  return ObliczRozplyw(ZbudujSiec(p), postep);
}

WynikRozplywu ObliczRozplyw(const SiecRozplywu& s, const PostepRozplywu& postep) {
  return ObliczRozplyw(s, OpcjeRozplywu{}, postep);
}

WynikRozplywu ObliczRozplyw(const SiecRozplywu& s, const OpcjeRozplywu& opcje, const PostepRozplywu& postep) {
  WynikRozplywu w;
  w.metoda = opcje.metoda;
  w.parametry = ObliczParametry(s);
  w.baza = UstalWielkosciBazowe(s);
  w.MacierzY = ZbudujMacierzY(s, w.parametry, w.baza);
  const MacierzAdmitancji& Y = w.MacierzY;
  DaneWezlow d = ZadaneWezly(s, w.baza);
  NapieciaPoczatkowe(s, w.baza, d);
  w.typy = d.typ;

  for (int k = 1; k <= Y.N(); ++k)
    if (d.typ[size_t(k - 1)] != TypWezla::Bilansujacy && Y.przekatna(k) == Zespolona(0.0)) {
      w.blad = "Nie można obliczyć napięcia w węźle nr " + CalkowitaNaTekst(k) +
               ": suma admitancji dołączonych do niego elementów jest równa zeru !!!";
      return w;
    }

  try {
    if (opcje.metoda == MetodaRozplywu::NewtonRaphson) NewtonRaphson(s, d, opcje, postep, w);
    else GaussSeidel(s, d, opcje, postep, w);
  } catch (const std::bad_alloc&) {
    // The sparse factorisation of a very large network is what runs out
    // of memory; the run fails with its reason like any other.
    w.zbiezny = false;
    w.blad = "Obliczenia przerwane: brakuje pamięci na macierze układu, sieć jest zbyt duża !!!";
    return w;
  }
  if (w.zbiezny) WynikiZbieznegoRozplywu(s, d.U, w);
  return w;
}

}  // namespace kreator
