#include "kreator/core/rozplyw.h"

#include <cmath>

#include "common/core/liczby.h"

namespace kreator {

using common::CalkowitaNaTekst;
using common::LiczbaNaTekst;
using Zespolona = std::complex<double>;

namespace {

using Linia = SiecRozplywu::Linia;

bool Skonczona(Zespolona z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }

struct Dane {
  std::vector<TypWezla> typ;
  std::vector<Zespolona> S;          // specified injected power, per unit
  std::vector<double> modul;         // held magnitude of a generator node, per unit
  std::vector<Zespolona> U;
};

// Specified powers and node types: a generator delivers, a load takes.
Dane ZadaneWezly(const SiecRozplywu& s, const WielkosciBazowe& b) {
  const size_t n = static_cast<size_t>(s.N);
  Dane d{std::vector<TypWezla>(n, TypWezla::BezTypu), std::vector<Zespolona>(n), std::vector<double>(n, 0.0),
         std::vector<Zespolona>(n)};
  for (const SiecRozplywu::WezelElektrowniany& g : s.elektrownie) {
    const size_t k = static_cast<size_t>(g.wezel - 1);
    d.typ[k] = TypWezla::Elektrowniany;
    d.S[k] = {g.P / b.MocBazowa, 0.0};
    d.modul[k] = g.napiecie / b.NapiecieBazowe;
  }
  for (const SiecRozplywu::Odbior& o : s.odbiory) {
    const size_t k = static_cast<size_t>(o.wezel - 1);
    d.typ[k] = TypWezla::Obciazeniowy;
    d.S[k] = {-o.P / b.MocBazowa, -o.Q / b.MocBazowa};
  }
  d.typ[static_cast<size_t>(s.bilansujacy - 1)] = TypWezla::Bilansujacy;
  return d;
}

// Start values: the rated voltage of the lines at each node (later lines
// win, ends over starts); a node no line touches takes the rated voltage
// of its transformer winding; a generator node its held magnitude; the
// slack node its given voltage.
void NapieciaPoczatkowe(const SiecRozplywu& s, const WielkosciBazowe& b, Dane& d) {
  std::vector<bool> linia(d.U.size(), false);
  for (int Linia::*koniec : {&Linia::poczatek, &Linia::koniec})
    for (const Linia& l : s.linie) {
      const size_t k = static_cast<size_t>(l.*koniec - 1);
      d.U[k] = l.napiecie / b.NapiecieBazowe;
      linia[k] = true;
    }
  for (const SiecRozplywu::Transformator& t : s.trafa)
    for (auto [wezel, napiecie] : {std::pair{t.gorny, t.Ug}, std::pair{t.dolny, t.Ud}}) {
      const size_t k = static_cast<size_t>(wezel - 1);
      if (!linia[k]) d.U[k] = napiecie / b.NapiecieBazowe;
    }
  for (size_t k = 0; k < d.U.size(); ++k)
    if (d.typ[k] == TypWezla::Elektrowniany) d.U[k] = d.modul[k];
  d.U[static_cast<size_t>(s.bilansujacy - 1)] = s.napiecieBilansujace / b.NapiecieBazowe;
}

// I = Σ Y U over row i (from 0): the diagonal term, then the stored
// off-diagonal ones by column, leaving out those that summed to zero.
Zespolona PradWezla(const MacierzAdmitancji& Y, const std::vector<Zespolona>& U, size_t i) {
  Zespolona prad = Y.przekatna(int(i) + 1) * U[i];
  for (const auto& [j, yij] : Y.wiersz(int(i) + 1))
    if (yij != 0.0) prad += yij * U[size_t(j - 1)];
  return prad;
}

// |z| as the convergence tests take it: std::abs, a modulus that is not
// finite counting as HUGE_VAL. std::abs is a careful, slow hypot; the
// squared modulus (NaN where it under- or overflows and is no guide)
// decides every comparison that is clear beyond rounding, and std::abs
// only those that are not.
double Modul(Zespolona z) {
  const double m = std::abs(z);
  return std::isfinite(m) ? m : HUGE_VAL;
}
double Kwadrat(Zespolona z) {
  const double n = z.real() * z.real() + z.imag() * z.imag();
  return n >= 1e-280 && n <= 1e280 ? n : NAN;
}
constexpr double kMargines = 1e-12;  // far above the rounding of either

// Modul(z) < prog.
bool ModulPonizej(Zespolona z, double prog) {
  const double kwadrat = Kwadrat(z), granica = prog * prog;
  if (!std::isnan(kwadrat) && granica >= 1e-280 && granica <= 1e280) {
    if (kwadrat < granica * (1 - kMargines)) return true;
    if (kwadrat > granica * (1 + kMargines)) return false;
  }
  return Modul(z) < prog;
}

// The largest Modul in a series and the first term that has it.
class NajwiekszyModul {
 public:
  // True when the term is the first or its modulus exceeds all before it.
  bool dodaj(Zespolona z) {
    const double kwadrat = Kwadrat(z);
    if (!pusty_ && !std::isnan(kwadrat) && !std::isnan(kwadrat_)) {
      if (kwadrat < kwadrat_ * (1 - kMargines)) return false;
      if (kwadrat > kwadrat_ * (1 + kMargines)) return przyjmij(z, kwadrat);
    }
    if (pusty_) return przyjmij(z, kwadrat);
    const double m = Modul(z);
    if (!(m > modul())) return false;
    przyjmij(z, kwadrat);
    modul_ = m;
    return true;
  }
  // Of the largest term; 0 when there was none.
  double modul() {
    if (std::isnan(modul_)) modul_ = pusty_ ? 0.0 : Modul(z_);
    return modul_;
  }

 private:
  bool przyjmij(Zespolona z, double kwadrat) {
    pusty_ = false;
    z_ = z;
    kwadrat_ = kwadrat;
    modul_ = NAN;
    return true;
  }
  bool pusty_ = true;
  Zespolona z_;
  double kwadrat_ = NAN;
  double modul_ = NAN;  // not taken yet
};

std::string BrakZbieznosci(int kroki, double zmiana, double niezbilansowanie, int wezel, double epsilon) {
  return "Obliczenia nie są zbieżne: po " + CalkowitaNaTekst(kroki) +
         " krokach iteracyjnych największa zmiana napięcia węzłowego wynosi " + LiczbaNaTekst(zmiana) +
         " j.w., a największe niezbilansowanie mocy " + common::WedlugWzorca("0.0000", niezbilansowanie) +
         " MVA (węzeł nr " + CalkowitaNaTekst(wezel) + "); dopuszczalna różnica \"epsilon\" to " +
         LiczbaNaTekst(epsilon) + " (" + LiczbaNaTekst(epsilon * kMocBazowa) +
         " MVA).\nSprawdź dane układu i parametr relaksacji \"r\" !!!";
}

// The power mismatch of node i (from 0, not the slack node), per unit: the
// computed injection U conj(Σ Y U) less the specified one; at a generator
// node only P counts, its Q being whatever holds the magnitude.
Zespolona Roznica(const MacierzAdmitancji& Y, const Dane& d, const std::vector<Zespolona>& U, size_t i) {
  Zespolona roznica = U[i] * std::conj(PradWezla(Y, U, i)) - d.S[i];
  if (d.typ[i] == TypWezla::Elektrowniany) roznica.imag(0);
  return roznica;
}

// The largest mismatch over the non-slack nodes and its node.
std::pair<double, int> Niezbilansowanie(const MacierzAdmitancji& Y, const Dane& d,
                                        const std::vector<Zespolona>& U) {
  NajwiekszyModul najwieksze;
  int wezel = 0;
  for (size_t i = 0; i < U.size(); ++i)
    if (d.typ[i] != TypWezla::Bilansujacy && najwieksze.dodaj(Roznica(Y, d, U, i))) wezel = int(i) + 1;
  return {najwieksze.modul(), wezel};
}

// Whether the largest mismatch lies below `prog`: stops at the first node
// whose mismatch does not.
bool Zbilansowane(const MacierzAdmitancji& Y, const Dane& d, const std::vector<Zespolona>& U, double prog) {
  for (size_t i = 0; i < U.size(); ++i)
    if (d.typ[i] != TypWezla::Bilansujacy && !ModulPonizej(Roznica(Y, d, U, i), prog)) return false;
  return true;
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
  w.parametry = ObliczParametry(s);
  w.baza = UstalWielkosciBazowe(s);
  w.MacierzY = ZbudujMacierzY(s, w.parametry, w.baza);
  const MacierzAdmitancji& Y = w.MacierzY;
  Dane d = ZadaneWezly(s, w.baza);
  NapieciaPoczatkowe(s, w.baza, d);
  w.typy = d.typ;
  const double r = s.relaksacja;
  std::vector<Zespolona>& U = d.U;
  const int N = Y.N();

  for (int k = 1; k <= N; ++k)
    if (d.typ[size_t(k - 1)] != TypWezla::Bilansujacy && Y.przekatna(k) == Zespolona(0.0)) {
      w.blad = "Nie można obliczyć napięcia w węźle nr " + CalkowitaNaTekst(k) +
               ": suma admitancji dołączonych do niego elementów jest równa zeru !!!";
      return w;
    }

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

  // Gauss-Seidel: each node uses the newest values of the nodes already
  // updated in this sweep.
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
        return w;
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
  if (!w.zbiezny) {
    w.blad = BrakZbieznosci(w.iteracje, w.ostatniaZmiana, w.niezbilansowanie, w.wezelNiezbilansowania, s.epsilon);
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
    const Zespolona prad = PradWezla(Y, U, i);
    const Zespolona moc = U[i] * std::conj(prad);
    w.IRe[i] = prad.real();
    w.IIm[i] = prad.imag();
    w.SRe[i] = moc.real();
    w.SIm[i] = moc.imag();
  }
  ObliczPrzeplywy(s, w);
  return w;
}

}  // namespace kreator
