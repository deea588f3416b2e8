// The number-text module on any text and any double: the test and the
// conversions agree with each other, no conversion throws anything but its
// documented error, and a formatted value reads back as the same number.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "common/core/liczby.h"

namespace {

void Sprawdz(bool warunek) {
  if (!warunek) __builtin_trap();
}

void Tekst(std::string_view t) {
  const bool liczba = common::CzyLiczba(t);
  try {
    const double x = common::NaLiczbe(t);
    Sprawdz(liczba && std::isfinite(x));
  } catch (const common::BladKonwersji&) {
    Sprawdz(!liczba);
  }
  try {
    const int n = common::NaCalkowita(t);
    Sprawdz(liczba && common::NaLiczbe(t) == n);  // a whole number is also a number, the same one
  } catch (const common::BladKonwersji&) {
  }
}

// A finite value in the range where 15 significant digits read back.
void Wartosc(double x, std::string_view wzorzec) {
  const std::string krotko = common::LiczbaNaTekst(x);
  const std::string stalo = common::WedlugWzorca("0.000", x);
  const std::string dowolnie = common::WedlugWzorca(wzorzec, x);
  const std::string f = common::Formatuj("%10.4f|%g|%e|%s|%d", {x, x, x, x, std::isfinite(x) ? static_cast<long long>(std::fmod(x, 1e15)) : 0ll});
  if (!std::isfinite(x) || std::fabs(x) > 1e300 || (x != 0 && std::fabs(x) < 1e-300)) return;
  Sprawdz(common::CzyLiczba(krotko));
  Sprawdz(std::fabs(common::NaLiczbe(krotko) - x) <= 1e-14 * std::fabs(x));
  Sprawdz(common::CzyLiczba(stalo));
  Sprawdz(std::fabs(common::NaLiczbe(stalo) - x) <= 0.0005 + 1e-14 * std::fabs(x));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t n) {
  const std::string_view t(reinterpret_cast<const char*>(dane), n);
  Tekst(t);
  if (n >= sizeof(double)) {
    double x;
    std::memcpy(&x, dane, sizeof x);
    Wartosc(x, t.substr(sizeof x, 64));
  }
  // The text as a printf-style form: a form the module cannot use is its
  // documented std::invalid_argument, never anything worse.
  try {
    common::Formatuj(t.substr(0, 64), {12345ll, -0.5, std::string("ab"), 1e300, 7ll, 2.5});
  } catch (const std::invalid_argument&) {
  }
  return 0;
}
