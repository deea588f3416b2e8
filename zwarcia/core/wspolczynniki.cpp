#include "zwarcia/core/wspolczynniki.h"

#include <cmath>

#include "common/core/liczby.h"

namespace zwarcia {

std::string TekstPradu(double kA) { return common::WedlugWzorca("0.0000", kA); }

std::optional<double> LiczbaZPola(std::string_view tekst) {
  if (!common::CzyLiczba(tekst)) return std::nullopt;  // also the empty box
  return common::NaLiczbe(tekst);
}

double PradUdarowy(double kappa, double prPocz) { return std::sqrt(2.0) * kappa * prPocz; }

double PradCieplny(double m, double prPocz) { return prPocz * std::sqrt(m + 1.0); }

std::string PradWylaczeniowySymetryczny(std::string_view prPoczE) { return std::string(prPoczE); }

ZmianaUdaru ZmienWspolczynnikUdaru(std::string_view wspUdaruE, std::string_view prPoczE) {
  ZmianaUdaru z;
  const auto kappa = LiczbaZPola(wspUdaruE);
  if (!kappa) return z;  // empty or unreadable: silently no thermal factor, ip as it was
  if (*kappa < kKappaMin || *kappa > kKappaMax) {
    z.blad = kZlyWspolczynnikUdaru;
    z.prZwUdar = std::string();
    return z;
  }
  // I″ always holds a number once the window is filled; should it not, no
  // current is claimed.
  const auto prPocz = LiczbaZPola(prPoczE);
  z.prZwUdar = prPocz ? TekstPradu(PradUdarowy(*kappa, *prPocz)) : std::string();
  z.wspMAktywne = prPocz.has_value();
  return z;
}

ZmianaM ZmienWspolczynnikM(std::string_view wspME, std::string_view prPoczE) {
  ZmianaM z;
  const auto m = LiczbaZPola(wspME);
  if (!m) return z;
  if (*m < kMMin || *m > kMMax) {
    z.blad = kZlyWspolczynnikM;
    return z;
  }
  if (const auto prPocz = LiczbaZPola(prPoczE)) z.prZwCieplny = TekstPradu(PradCieplny(*m, *prPocz));
  return z;
}

}  // namespace zwarcia
