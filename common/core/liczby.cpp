#include "common/core/liczby.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace common {
namespace {

bool CzyCyfra(char c) { return c >= '0' && c <= '9'; }

// Splits the text into a C-locale form for std::from_chars, or fails.
bool PostacC(std::string_view t, std::string& wynik) {
  size_t i = 0, n = t.size();
  while (i < n && t[i] == ' ') ++i;
  while (n > i && t[n - 1] == ' ') --n;
  wynik.clear();
  if (i < n && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') wynik += '-';
    ++i;
  }
  size_t cyfry = 0;
  while (i < n && CzyCyfra(t[i])) { wynik += t[i++]; ++cyfry; }
  if (i < n && t[i] == ',') {
    wynik += '.';
    ++i;
    while (i < n && CzyCyfra(t[i])) { wynik += t[i++]; ++cyfry; }
  }
  if (cyfry == 0) return false;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    wynik += 'e';
    ++i;
    if (i < n && (t[i] == '+' || t[i] == '-')) wynik += t[i++];
    size_t wykladnik = 0;
    while (i < n && CzyCyfra(t[i])) { wynik += t[i++]; ++wykladnik; }
    if (wykladnik == 0) return false;
  }
  return i == n;
}

bool Przelicz(std::string_view t, double& x) {
  std::string c;
  if (!PostacC(t, c)) return false;
  auto [koniec, blad] = std::from_chars(c.data(), c.data() + c.size(), x);
  return blad == std::errc() && koniec == c.data() + c.size() && std::isfinite(x);
}

// x in the C form of %.*e or %.*g ("1.5e+00"), whatever the process locale:
// std::to_chars writes a point and no grouping under any LC_NUMERIC.
std::string DoZnakow(double x, std::chars_format forma, int precyzja) {
  std::string bufor(64, '\0');
  for (;;) {
    const auto [koniec, blad] = std::to_chars(bufor.data(), bufor.data() + bufor.size(), x, forma, precyzja);
    if (blad == std::errc()) {
      bufor.resize(static_cast<size_t>(koniec - bufor.data()));
      return bufor;
    }
    bufor.resize(bufor.size() * 4);  // a precision in the hundreds
  }
}

std::string Wykladniczo(double x, int precyzja) { return DoZnakow(x, std::chars_format::scientific, precyzja); }

// |x| with `miejsca` decimals and a comma (none when miejsca is 0). The
// value is first taken to 15 significant digits, as the general form shows
// it, and that decimal is rounded half away from zero: 4,5375 gives 4,538
// and 2,675 gives 2,68, as by hand, although neither is exact in binary.
std::string Stalopozycyjnie(double x, int miejsca) {
  const std::string e = Wykladniczo(std::fabs(x), 14);
  const size_t poz = e.find('e');
  const std::string cyfry = e.substr(0, 1) + e.substr(2, poz - 2);  // 15 digits
  const int przedPrzecinkiem = std::stoi(e.substr(poz + 1)) + 1;
  std::string calkowite, ulamek;
  if (przedPrzecinkiem <= 0) {
    calkowite = "0";
    ulamek = std::string(static_cast<size_t>(-przedPrzecinkiem), '0') + cyfry;
  } else if (przedPrzecinkiem >= static_cast<int>(cyfry.size())) {
    calkowite = cyfry + std::string(static_cast<size_t>(przedPrzecinkiem) - cyfry.size(), '0');
  } else {
    calkowite = cyfry.substr(0, static_cast<size_t>(przedPrzecinkiem));
    ulamek = cyfry.substr(static_cast<size_t>(przedPrzecinkiem));
  }
  const size_t m = static_cast<size_t>(miejsca);
  if (ulamek.size() < m + 1) ulamek.append(m + 1 - ulamek.size(), '0');
  std::string wynik = calkowite + ulamek.substr(0, m);
  if (ulamek[m] >= '5') {
    int i = static_cast<int>(wynik.size()) - 1;
    while (i >= 0 && wynik[static_cast<size_t>(i)] == '9') wynik[static_cast<size_t>(i--)] = '0';
    if (i < 0) wynik.insert(wynik.begin(), '1');
    else ++wynik[static_cast<size_t>(i)];
  }
  const size_t dlugoscCalkowitych = wynik.size() - m;
  // Drop zeros before the first integer digit that the padding may leave.
  size_t start = 0;
  while (start + 1 < dlugoscCalkowitych && wynik[start] == '0') ++start;
  std::string tekst = wynik.substr(start, dlugoscCalkowitych - start);
  if (m > 0) tekst += ',' + wynik.substr(dlugoscCalkowitych);
  return tekst;
}

bool SameZera(const std::string& s) {
  for (char c : s)
    if (CzyCyfra(c) && c != '0') return false;
  return true;
}

}  // namespace

bool CzyLiczba(std::string_view tekst) {
  double x;
  return Przelicz(tekst, x);
}

double NaLiczbe(std::string_view tekst) {
  double x;
  if (!Przelicz(tekst, x))
    throw BladKonwersji("'" + std::string(tekst) + "' is not a valid floating point value");
  return x;
}

int NaCalkowita(std::string_view tekst) {
  size_t i = 0;
  while (i < tekst.size() && tekst[i] == ' ') ++i;
  bool ujemna = false;
  if (i < tekst.size() && (tekst[i] == '+' || tekst[i] == '-')) ujemna = tekst[i++] == '-';
  long long wartosc = 0;
  bool dobra = i < tekst.size();
  for (; i < tekst.size() && dobra; ++i) {
    if (!CzyCyfra(tekst[i])) dobra = false;
    else {
      wartosc = wartosc * 10 + (tekst[i] - '0');
      if (wartosc > static_cast<long long>(std::numeric_limits<int>::max()) + 1) dobra = false;
    }
  }
  if (ujemna) wartosc = -wartosc;
  if (!dobra || wartosc > std::numeric_limits<int>::max() || wartosc < std::numeric_limits<int>::min())
    throw BladKonwersji("'" + std::string(tekst) + "' is not a valid integer value");
  return static_cast<int>(wartosc);
}

double ZaokraglijDoParzystej(double x) { return std::nearbyint(x); }

std::string CalkowitaNaTekst(long long x) { return std::to_string(x); }

std::string LiczbaNaTekst(double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  if (x == 0) return "0";
  // 15 significant digits as d,dddddddddddddde±x, then laid out the way the
  // general form does: fixed from 0,0001 up to 15 integer digits, scientific otherwise.
  std::string e = Wykladniczo(x, 14);
  std::string znak;
  if (e[0] == '-') { znak = "-"; e.erase(0, 1); }
  size_t poz = e.find('e');
  int wykladnik = std::stoi(e.substr(poz + 1));
  std::string cyfry = e.substr(0, 1) + e.substr(2, poz - 2);
  while (cyfry.size() > 1 && cyfry.back() == '0') cyfry.pop_back();
  std::string wynik;
  if (wykladnik >= 15 || wykladnik < -4) {
    wynik = cyfry.substr(0, 1);
    if (cyfry.size() > 1) wynik += ',' + cyfry.substr(1);
    wynik += 'E' + std::to_string(wykladnik);
  } else if (wykladnik < 0) {
    wynik = "0," + std::string(static_cast<size_t>(-wykladnik - 1), '0') + cyfry;
  } else {
    size_t calkowite = static_cast<size_t>(wykladnik) + 1;
    if (cyfry.size() <= calkowite) {
      wynik = cyfry + std::string(calkowite - cyfry.size(), '0');
    } else {
      wynik = cyfry.substr(0, calkowite) + ',' + cyfry.substr(calkowite);
    }
  }
  return znak + wynik;
}

std::string WedlugWzorca(std::string_view wzorzec, double x) {
  // The number occupies the run from the first to the last of 0 # . in the
  // pattern; what stands before and after it is copied.
  size_t poczatek = wzorzec.find_first_of("0#.");
  if (poczatek == std::string_view::npos) return std::string(wzorzec);
  size_t koniec = wzorzec.find_last_of("0#.") + 1;
  // Not a number or infinite: the general form's word, nothing to round.
  if (!std::isfinite(x)) return std::string(wzorzec.substr(0, poczatek)) + LiczbaNaTekst(x) + std::string(wzorzec.substr(koniec));
  std::string_view liczba = wzorzec.substr(poczatek, koniec - poczatek);
  size_t kropka = liczba.find('.');
  int miejsca = 0;
  if (kropka != std::string_view::npos)
    for (char c : liczba.substr(kropka + 1))
      if (c == '0') ++miejsca;
  std::string tekst = Stalopozycyjnie(x, miejsca);
  // At least as many integer digits as the pattern has zeros before the point.
  size_t zeraPrzed = 0;
  for (char c : liczba.substr(0, kropka)) if (c == '0') ++zeraPrzed;
  size_t przecinek = tekst.find(',');
  size_t calkowite = przecinek == std::string::npos ? tekst.size() : przecinek;
  if (calkowite < zeraPrzed) tekst.insert(0, zeraPrzed - calkowite, '0');
  if (std::signbit(x) && !SameZera(tekst)) tekst.insert(0, "-");
  return std::string(wzorzec.substr(0, poczatek)) + tekst + std::string(wzorzec.substr(koniec));
}

std::string Formatuj(std::string_view forma, std::initializer_list<Argument> argumenty) {
  std::string wynik;
  auto arg = argumenty.begin();
  for (size_t i = 0; i < forma.size(); ++i) {
    if (forma[i] != '%') { wynik += forma[i]; continue; }
    if (i + 1 < forma.size() && forma[i + 1] == '%') { wynik += '%'; ++i; continue; }
    size_t j = i + 1;
    bool doLewej = false, zera = false, plus = false;
    for (; j < forma.size() && (forma[j] == '-' || forma[j] == '0' || forma[j] == '+'); ++j) {
      doLewej |= forma[j] == '-';
      zera |= forma[j] == '0';
      plus |= forma[j] == '+';
    }
    // A width or precision above kMaksPola is refused; reading stops one
    // digit past it, so the sums cannot overflow.
    constexpr int kMaksPola = 1000;
    size_t szerokosc = 0;
    for (; j < forma.size() && CzyCyfra(forma[j]) && szerokosc <= kMaksPola; ++j)
      szerokosc = szerokosc * 10 + static_cast<size_t>(forma[j] - '0');
    int precyzja = -1;
    if (j < forma.size() && forma[j] == '.') {
      precyzja = 0;
      for (++j; j < forma.size() && CzyCyfra(forma[j]) && precyzja <= kMaksPola; ++j) precyzja = precyzja * 10 + (forma[j] - '0');
    }
    if (szerokosc > kMaksPola || precyzja > kMaksPola) throw std::invalid_argument("za szerokie pole: " + std::string(forma));
    if (j >= forma.size()) throw std::invalid_argument("niepełna forma: " + std::string(forma));
    char rodzaj = forma[j];
    if (arg == argumenty.end()) throw std::invalid_argument("za mało argumentów: " + std::string(forma));
    const Argument& a = *arg++;
    double liczba = 0;
    if (auto* d = std::get_if<double>(&a)) liczba = *d;
    else if (auto* c = std::get_if<long long>(&a)) liczba = static_cast<double>(*c);
    std::string pole;
    switch (rodzaj) {
      case 'd':
        // A double is cut to its whole part; one beyond the range of long long
        // cannot be cast, so it goes through the fixed form.
        pole = std::holds_alternative<long long>(a) ? std::to_string(std::get<long long>(a))
               : std::isfinite(liczba)              ? WedlugWzorca("0", std::trunc(liczba))
                                                    : LiczbaNaTekst(liczba);
        break;
      case 'f':
        pole = std::isfinite(liczba) ? Stalopozycyjnie(liczba, precyzja < 0 ? 2 : precyzja) : LiczbaNaTekst(liczba);
        if (std::signbit(liczba) && !SameZera(pole)) pole.insert(0, "-");
        break;
      case 'e': case 'E': case 'g': {
        if (!std::isfinite(liczba)) {
          pole = LiczbaNaTekst(liczba);
          break;
        }
        pole = DoZnakow(liczba, rodzaj == 'g' ? std::chars_format::general : std::chars_format::scientific,
                        precyzja < 0 ? 6 : precyzja);
        for (char& z : pole) {
          if (z == '.') z = ',';
          if (rodzaj == 'E' && z == 'e') z = 'E';
        }
        break;
      }
      case 's':
        pole = std::holds_alternative<std::string>(a) ? std::get<std::string>(a) : LiczbaNaTekst(liczba);
        break;
      default:
        throw std::invalid_argument("nieznana forma: " + std::string(forma));
    }
    if (plus && rodzaj != 's' && !pole.empty() && pole[0] != '-') pole.insert(0, "+");
    if (pole.size() < szerokosc) {
      size_t brak = szerokosc - pole.size();
      if (doLewej) pole.append(brak, ' ');
      else if (zera && rodzaj != 's') pole.insert(pole[0] == '-' || pole[0] == '+' ? 1 : 0, brak, '0');
      else pole.insert(0, brak, ' ');
    }
    wynik += pole;
    i = j;
  }
  return wynik;
}

}  // namespace common
