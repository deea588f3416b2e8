#include "tools/zadanie/przygotowanie.h"

#include "kreator/core/plik_zrm.h"
#include "tools/zadanie/proba_zwarcia.h"
#include "zwarcia/core/plik_zrz.h"

namespace zadanie {

Przygotowane Przygotuj(const OpisUkladu& opis, const std::vector<std::string>& wiersze) {
  Przygotowane z;
  if (opis.rodzaj == Rodzaj::Zwarcie) {
    z.plik = zwarcia::ZbudujZrz(wiersze);
    zwarcia::Przypadek p;
    if (!zwarcia::WczytajZrz(z.plik, p)) {
      z.odmowaPliku = zwarcia::kZlyPlikZrz;
      return z;
    }
    z.siec = SiecZwarciowa(p);
    if (z.siec.liczbaWezlow <= kMaksWezlowRysunku) z.dane = DaneZwarcia(opis, p);
  } else {
    z.plik = kreator::ZbudujZrm(wiersze);
    kreator::Przypadek p;
    if (!kreator::WczytajZrm(z.plik, p)) {
      z.odmowaPliku = kreator::kZlyPlikZrm;
      return z;
    }
    z.siec = SiecRozplywu(p);
    if (z.siec.liczbaWezlow <= kMaksWezlowRysunku) z.dane = DaneRozplywu(opis, p);
  }
  z.niezgodnosci = NiezgodnosciZDanymi(opis, z.siec);
  if (!z.niezgodnosci.empty()) return z;
  z.proba = opis.rodzaj == Rodzaj::Zwarcie ? PrzeliczZwarcie(z.plik, opis) : Przelicz(z.plik, opis);
  return z;
}

}  // namespace zadanie
