#include "tools/zadanie/warianty.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <set>

#include "common/core/liczby.h"

namespace zadanie {

namespace {

// Data lines (from 0) of the values that vary and of the counts and node
// columns that name them, as UkladZrm() and UkladZrz() list them.
constexpr size_t kLiczbaElektrowni = 20, kElektrowniaWezel = 21, kElektrowniaP = 23;
constexpr size_t kLiczbaOdbiorow = 24, kOdbiorWezel = 25, kOdbiorP = 26, kOdbiorQ = 27;
constexpr size_t kLiczbaSystemow = 1, kSystemWezel = 2, kSystemSz = 3;
constexpr size_t kLiczbaLinii = 16, kLiniaPoczatek = 17, kLiniaKoniec = 18, kLiniaDlugosc = 22;

std::string Przytnij(std::string_view s) {
  const size_t a = s.find_first_not_of(" \t");
  if (a == std::string_view::npos) return "";
  return std::string(s.substr(a, s.find_last_not_of(" \t") - a + 1));
}

// The values of a data line by the loader's rule: ";" ends a value, a
// missing final ";" is tolerated.
std::vector<std::string> Wartosci(std::string_view wiersz) {
  std::vector<std::string> w;
  std::string biezaca;
  for (char c : wiersz) {
    if (c != ';') {
      biezaca += c;
      continue;
    }
    w.push_back(Przytnij(biezaca));
    biezaca.clear();
  }
  if (!biezaca.empty()) w.push_back(Przytnij(biezaca));
  return w;
}

// The line with value `pozycja` replaced and every other byte kept.
std::string ZamienWartosc(const std::string& wiersz, size_t pozycja, const std::string& nowa) {
  size_t poczatek = 0;
  for (size_t k = 0; k < pozycja; ++k) poczatek = wiersz.find(';', poczatek) + 1;
  const size_t koniec = std::min(wiersz.find(';', poczatek), wiersz.size());
  return wiersz.substr(0, poczatek) + nowa + wiersz.substr(koniec);
}

int Liczba(const std::vector<std::string>& wiersze, size_t i) {
  try {
    return i < wiersze.size() ? std::max(0, common::NaCalkowita(wiersze[i])) : 0;
  } catch (const common::BladKonwersji&) {
    return 0;
  }
}

std::string Numer(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

// Why a drawn variant cannot be given to a student; empty when it can.
std::string Odrzucenie(const Przygotowane& z) {
  if (!z.odmowaPliku.empty()) return "program odpowie: „" + z.odmowaPliku + "”";
  if (!z.niezgodnosci.empty()) return z.niezgodnosci.front();
  if (!z.proba.dobre) {
    std::string powod;
    for (const std::string& w : z.proba.wiersze)
      if (const std::string t = Przytnij(w); !t.empty()) powod += (powod.empty() ? "" : " ") + t;
    return powod;
  }
  if (z.proba.rozplyw && !z.proba.rozplyw->ostrzezenia.empty()) {
    const kreator::OstrzezenieNapiecia& o = z.proba.rozplyw->ostrzezenia.front();
    return "w węźle " + std::to_string(o.wezel) + " napięcie " + common::WedlugWzorca("0.000", o.UkV) +
           " kV leży poza przedziałem 0,9–1,1 napięcia znamionowego " + common::LiczbaNaTekst(o.znamionowe) + " kV";
  }
  return "";
}

// The variant's own values for its task file, one line per element.
std::vector<std::string> WartosciWariantu(const std::vector<ZmiennaWartosc>& zmienne,
                                          const std::vector<std::string>& wiersze) {
  std::vector<std::string> elementy, linie;
  for (const ZmiennaWartosc& z : zmienne) {
    const std::string wartosc = z.wielkosc + " = " + Wartosci(wiersze[z.wiersz])[z.pozycja] + " " + z.jednostka;
    const auto it = std::find(elementy.begin(), elementy.end(), z.element);
    if (it == elementy.end()) {
      elementy.push_back(z.element);
      linie.push_back("- " + z.element + ": " + wartosc);
    } else {
      linie[size_t(it - elementy.begin())] += ", " + wartosc;
    }
  }
  return linie;
}

}  // namespace

std::vector<ZmiennaWartosc> ZmienneWartosci(const OpisUkladu& opis, const std::vector<std::string>& wiersze) {
  std::vector<ZmiennaWartosc> z;
  const auto wartosc = [&](size_t wiersz, int r) {
    const std::vector<std::string> w = wiersz < wiersze.size() ? Wartosci(wiersze[wiersz]) : std::vector<std::string>{};
    return size_t(r) < w.size() ? w[size_t(r)] : std::string();
  };
  if (opis.rodzaj == Rodzaj::Zwarcie) {
    for (int r = 0; r < Liczba(wiersze, kLiczbaSystemow); ++r)
      z.push_back({kSystemSz, size_t(r), "system S" + std::to_string(r + 1) + " (węzeł " + wartosc(kSystemWezel, r) + ")",
                   "Sz", "MVA"});
    for (int r = 0; r < Liczba(wiersze, kLiczbaLinii); ++r)
      z.push_back({kLiniaDlugosc, size_t(r),
                   "linia L" + std::to_string(r + 1) + " (" + wartosc(kLiniaPoczatek, r) + "–" +
                       wartosc(kLiniaKoniec, r) + ")",
                   "l", "km"});
    return z;
  }
  // The slack node's P is no datum of the computation: it comes out of it.
  const std::string bilansujacy = opis.bilansujacy ? std::to_string(opis.bilansujacy->wezel) : "";
  for (int r = 0; r < Liczba(wiersze, kLiczbaElektrowni); ++r) {
    const std::string wezel = wartosc(kElektrowniaWezel, r);
    bool jestBilansujacym = false;
    try {
      jestBilansujacym = !bilansujacy.empty() && std::to_string(common::NaCalkowita(wezel)) == bilansujacy;
    } catch (const common::BladKonwersji&) {
    }
    if (!jestBilansujacym) z.push_back({kElektrowniaP, size_t(r), "węzeł " + wezel + " (elektrowniany)", "P", "MW"});
  }
  for (size_t wiersz : {kOdbiorP, kOdbiorQ})
    for (int r = 0; r < Liczba(wiersze, kLiczbaOdbiorow); ++r)
      z.push_back({wiersz, size_t(r), "węzeł " + wartosc(kOdbiorWezel, r) + " (obciążeniowy)",
                   wiersz == kOdbiorP ? "P" : "Q", wiersz == kOdbiorP ? "MW" : "Mvar"});
  return z;
}

std::string Przeskaluj(std::string_view wartosc, double czynnik, double rozrzut) {
  const std::string t = Przytnij(wartosc);
  const double x = common::NaLiczbe(t);
  // The decimals the teacher wrote, the exponent taken into account.
  const size_t e = t.find_first_of("eE");
  const std::string_view mantysa = std::string_view(t).substr(0, e);
  int wykladnik = 0;
  if (e != std::string::npos) {
    std::string_view w = std::string_view(t).substr(e + 1);
    if (w.starts_with('+')) w.remove_prefix(1);
    std::from_chars(w.data(), w.data() + w.size(), wykladnik);
  }
  const size_t przecinek = mantysa.find(',');
  const int ulamek = przecinek == std::string_view::npos ? 0 : int(mantysa.size() - przecinek - 1);
  const int miejsca = std::max(0, ulamek - wykladnik);
  const double skala = std::pow(10.0, std::min(miejsca, 16));
  // In units of the last decimal every step below is exact.
  const double jednostki = std::round(x * skala);
  if (miejsca > 15 || std::abs(jednostki) >= 1e15)
    throw BladWariantow("wartości „" + t + "” nie da się zmieniać w wariantach: ma więcej niż 15 cyfr");
  const double r = rozrzut / 100;
  const double dol = std::min(jednostki * (1 - r), jednostki * (1 + r));
  const double gora = std::max(jednostki * (1 - r), jednostki * (1 + r));
  const double luz = 1e-9 * std::max(1.0, std::abs(jednostki));
  double nowe = std::round(jednostki * czynnik);  // halves away from zero
  if (nowe > gora + luz) nowe -= 1;
  if (nowe < dol - luz) nowe += 1;
  return common::WedlugWzorca(miejsca > 0 ? "0." + std::string(size_t(miejsca), '0') : "0", nowe / skala);
}

Losowanie::Losowanie(std::uint64_t ziarno) : generator_(ziarno) {}

double Losowanie::czynnik(double rozrzut) {
  const double u = static_cast<double>(generator_() >> 11) * 0x1p-53;
  return 1 + rozrzut / 100 * (2 * u - 1);
}

std::vector<Wariant> LosujWarianty(const OpisUkladu& opis, const std::vector<std::string>& wiersze,
                                   const OpcjeWariantow& o) {
  const bool zwarcie = opis.rodzaj == Rodzaj::Zwarcie;
  if (!zwarcie && (!opis.bilansujacy || !opis.epsilon || !opis.r))
    throw BladWariantow(
        "warianty zadania rozpływu wymagają w opisie wierszy „bilansujacy”, „epsilon” i „r”: bez nich wariantu "
        "nie da się przeliczyć ani sprawdzić");
  // An exercise refused on its own would only fail every draw.
  if (const Przygotowane z = Przygotuj(opis, wiersze); !z.dobre())
    throw BladWariantow("samo zadanie jest odrzucane (" + Odrzucenie(z) + "), więc nie ma z czego tworzyć wariantów");
  const std::vector<ZmiennaWartosc> zmienne = ZmienneWartosci(opis, wiersze);
  if (zmienne.empty())
    throw BladWariantow(zwarcie ? "w danych nie ma systemów ani linii, więc warianty nie miałyby czym się różnić"
                                : "w danych nie ma odbiorów ani elektrowni poza bilansującą, więc warianty nie "
                                  "miałyby czym się różnić");
  Losowanie los(o.ziarno);
  std::vector<Wariant> warianty;
  for (int k = 1; k <= o.liczba; ++k) {
    Wariant w;
    w.numer = Numer(k);
    for (w.losowania = 1;; ++w.losowania) {
      w.wiersze = wiersze;
      for (const ZmiennaWartosc& z : zmienne)
        w.wiersze[z.wiersz] =
            ZamienWartosc(w.wiersze[z.wiersz], z.pozycja,
                          Przeskaluj(Wartosci(wiersze[z.wiersz])[z.pozycja], los.czynnik(o.rozrzut), o.rozrzut));
      w.z = Przygotuj(opis, w.wiersze);
      const std::string powod = Odrzucenie(w.z);
      if (powod.empty()) break;
      if (w.losowania == kLosowanNaWariant)
        throw BladWariantow("wariantu " + w.numer + " nie udało się wylosować: żadne ze " +
                            std::to_string(kLosowanNaWariant) + " losowań nie dało zadania, które " +
                            (zwarcie ? "program policzy" : "jest zbieżne i ma napięcia w przedziale 0,9–1,1 znamionowych") +
                            " (ostatnie odrzucone: " + powod + "). Zmniejsz rozrzut opcją --rozrzut; nic nie zapisano.");
    }
    w.tekst = TekstZadania(opis);
    w.tekst.insert(w.tekst.end(), {"", "Wartości tego wariantu (wariant " + w.numer + "):"});
    for (const std::string& l : WartosciWariantu(zmienne, w.wiersze)) w.tekst.push_back(l);
    warianty.push_back(std::move(w));
  }
  return warianty;
}

std::vector<std::string> OstrzezeniaTresci(const OpisUkladu& opis, const std::vector<std::string>& wiersze) {
  std::vector<std::string> uwagi;
  std::set<std::string> podane;
  for (const ZmiennaWartosc& z : ZmienneWartosci(opis, wiersze)) {
    const std::string szukane = Wartosci(wiersze[z.wiersz])[z.pozycja] + " " + z.jednostka;
    // "1150 MW" does not quote "150 MW", nor does "150 MWh".
    const auto cytuje = [&](const std::string& linia) {
      for (size_t i = linia.find(szukane); i != std::string::npos; i = linia.find(szukane, i + 1)) {
        const size_t za = i + szukane.size();
        const bool przed = i > 0 && (std::isdigit(static_cast<unsigned char>(linia[i - 1])) || linia[i - 1] == ',');
        const bool po = za < linia.size() && std::isalpha(static_cast<unsigned char>(linia[za]));
        if (!przed && !po) return true;
      }
      return false;
    };
    if (podane.count(szukane)) continue;
    for (const std::string& linia : opis.zadanie) {
      if (!cytuje(linia)) continue;
      podane.insert(szukane);
      uwagi.push_back("Uwaga: treść zadania podaje „" + szukane + "”, a ta wartość (" + z.element + ", " + z.wielkosc +
                      ") jest w każdym wariancie inna; wartości wariantu są na końcu jego pliku .SR" +
                      (opis.rodzaj == Rodzaj::Zwarcie ? "Z" : "M") + " i na rysunku danych.");
      break;
    }
  }
  return uwagi;
}

}  // namespace zadanie
