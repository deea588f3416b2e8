#include "kreator/core/wezly_rozplywu.h"

namespace kreator {

using Zespolona = std::complex<double>;

namespace {

using Linia = SiecRozplywu::Linia;

// ModulZbieznosci(z) < prog.
bool ModulPonizej(Zespolona z, double prog) {
  const double kwadrat = KwadratModulu(z), granica = prog * prog;
  if (!std::isnan(kwadrat) && granica >= 1e-280 && granica <= 1e280) {
    if (kwadrat < granica * (1 - kMarginesModulu)) return true;
    if (kwadrat > granica * (1 + kMarginesModulu)) return false;
  }
  return ModulZbieznosci(z) < prog;
}

// The power mismatch of node i (from 0, not the slack node), per unit; at
// a generator node only P counts.
Zespolona Roznica(const MacierzAdmitancji& Y, const DaneWezlow& d, const std::vector<Zespolona>& U, size_t i) {
  Zespolona roznica = U[i] * std::conj(PradWezla(Y, U, i)) - d.S[i];
  if (d.typ[i] == TypWezla::Elektrowniany) roznica.imag(0);
  return roznica;
}

}  // namespace

DaneWezlow ZadaneWezly(const SiecRozplywu& s, const WielkosciBazowe& b) {
  const size_t n = static_cast<size_t>(s.N);
  DaneWezlow d{std::vector<TypWezla>(n, TypWezla::BezTypu), std::vector<Zespolona>(n), std::vector<double>(n, 0.0),
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

void NapieciaPoczatkowe(const SiecRozplywu& s, const WielkosciBazowe& b, DaneWezlow& d) {
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

Zespolona PradWezla(const MacierzAdmitancji& Y, const std::vector<Zespolona>& U, size_t i) {
  Zespolona prad = Y.przekatna(int(i) + 1) * U[i];
  for (const auto& [j, yij] : Y.wiersz(int(i) + 1))
    if (yij != 0.0) prad += yij * U[size_t(j - 1)];
  return prad;
}

std::pair<double, int> Niezbilansowanie(const MacierzAdmitancji& Y, const DaneWezlow& d,
                                        const std::vector<Zespolona>& U) {
  NajwiekszyModul najwieksze;
  int wezel = 0;
  for (size_t i = 0; i < U.size(); ++i)
    if (d.typ[i] != TypWezla::Bilansujacy && najwieksze.dodaj(Roznica(Y, d, U, i))) wezel = int(i) + 1;
  return {najwieksze.modul(), wezel};
}

bool Zbilansowane(const MacierzAdmitancji& Y, const DaneWezlow& d, const std::vector<Zespolona>& U, double prog) {
  for (size_t i = 0; i < U.size(); ++i)
    if (d.typ[i] != TypWezla::Bilansujacy && !ModulPonizej(Roznica(Y, d, U, i), prog)) return false;
  return true;
}

}  // namespace kreator
