#include "tools/zadanie/klucz.h"

#include <cmath>

#include "common/core/liczby.h"
#include "zwarcia/core/wspolczynniki.h"
#include "zwarcia/core/zwarcie.h"

namespace zadanie {

namespace {

std::string Polaczone(std::initializer_list<std::string> pola) {
  std::string w;
  for (const std::string& p : pola) w += (w.empty() ? "" : ";") + p;
  return w;
}

std::string Tysieczne(double x) { return common::Formatuj("%.3f", {x}); }

void KluczRozplywu(const OpisUkladu& opis, const std::vector<Wariant>& warianty, std::vector<std::string>& k) {
  k.push_back("wariant;węzeł;U [kV];kąt [rad];P [MW];Q [Mvar]");
  for (const Wariant& w : warianty) {
    const kreator::WynikRozplywu& r = *w.z.proba.rozplyw;
    for (int n = 1; n <= r.N(); ++n)
      k.push_back(Polaczone({w.numer, std::to_string(n), Tysieczne(r.UkV(n)), Tysieczne(r.KatRad(n)),
                             Tysieczne(r.PMW(n)), Tysieczne(r.QMvar(n))}));
  }
  k.push_back("");
  k.push_back("wariant;węzeł bilansujący;P oddawana do sieci [MW];Q oddawana do sieci [Mvar];straty ΔP [MW];"
              "straty ΔQ [Mvar]");
  const int b = opis.bilansujacy->wezel;
  for (const Wariant& w : warianty) {
    const kreator::WynikRozplywu& r = *w.z.proba.rozplyw;
    k.push_back(Polaczone({w.numer, std::to_string(b), Tysieczne(-r.PMW(b)), Tysieczne(-r.QMvar(b)),
                           common::WedlugWzorca("0.000", r.bilans.straty.real()),
                           common::WedlugWzorca("0.000", r.bilans.straty.imag())}));
  }
}

void KluczZwarcia(const OpisUkladu& opis, const std::vector<Wariant>& warianty, std::vector<std::string>& k) {
  k.push_back("wariant;węzeł zwarcia;Un [kV];I\"k [kA];R/X;κ;ip [kA]");
  for (const Wariant& w : warianty) {
    const zwarcia::WynikZwarcia& z = *w.z.proba.zwarcie;
    // R/X of Zk in ohms, as the report prints it.
    const zwarcia::Zespolona zk = zwarcia::ImpedancjaZwarciowaOm(z);
    const double rDoX = zk.imag() != 0 ? zk.real() / zk.imag() : HUGE_VAL;
    const std::string kappa = common::WedlugWzorca("0.0000", 1.02 + 0.98 * std::exp(-3 * rDoX));
    const std::string ik = zwarcia::TekstPradu(z.PradPoczatkowy);
    k.push_back(Polaczone({w.numer, std::to_string(opis.zwarcie->wezel), std::to_string(opis.zwarcie->napiecieKv), ik,
                           std::isfinite(rDoX) ? common::WedlugWzorca("0.0000", rDoX) : "∞", kappa,
                           zwarcia::ZmienWspolczynnikUdaru(kappa, ik).prZwUdar.value_or("")}));
  }
}

}  // namespace

std::vector<std::string> Klucz(const OpisUkladu& opis, const std::vector<Wariant>& warianty) {
  std::vector<std::string> k;
  if (opis.rodzaj == Rodzaj::Zwarcie)
    KluczZwarcia(opis, warianty, k);
  else
    KluczRozplywu(opis, warianty, k);
  return k;
}

std::string KluczCsv(const OpisUkladu& opis, const std::vector<Wariant>& warianty) {
  std::string tekst = "\xEF\xBB\xBF";
  for (const std::string& l : Klucz(opis, warianty)) tekst += l + "\r\n";
  return tekst;
}

std::string NazwaKlucza(const OpisUkladu& opis) { return opis.wyjscie + "_klucz.csv"; }

}  // namespace zadanie
