#include "kreator/core/parametry.h"

#include <cmath>

#include "common/core/liczby.h"

namespace kreator {

namespace {
// Intermediate products in the widest type; each stored entry is a double.
using Szeroka = long double;

Szeroka Komorka(const common::TextGrid& g, int kolumna, int wiersz) {
  return common::NaLiczbe(g.cell(kolumna, wiersz));
}
}  // namespace

ParametryElementow ObliczParametry(const Przypadek& p) {
  ParametryElementow e;
  const int linie = std::max(0, p.LiczbaLinii);
  e.RLinii.assign(static_cast<size_t>(linie), 0.0);
  e.XLinii = e.BLinii = e.RLinii;
  for (int i = 1; i <= linie; ++i) {
    const auto& g = p.LinieSG;
    const Szeroka r = Komorka(g, kLiniaR, i), x = Komorka(g, kLiniaX, i), b = Komorka(g, kLiniaB, i);
    const Szeroka l = Komorka(g, kLiniaDlugosc, i), n = Komorka(g, kLiniaTory, i);
    // Parallel circuits divide the series impedance and add up the shunt susceptance.
    e.RLinii[static_cast<size_t>(i - 1)] = static_cast<double>(r * l / n);
    e.XLinii[static_cast<size_t>(i - 1)] = static_cast<double>(x * l / n);
    e.BLinii[static_cast<size_t>(i - 1)] = static_cast<double>(b * l * n);
  }

  const int trafa = std::max(0, p.LiczbaTransformatorow);
  e.RTrafo.assign(static_cast<size_t>(trafa), 0.0);
  e.ZTrafo = e.XTrafo = e.GTrafo = e.YTrafo = e.BTrafo = e.PrzekladniaTrafo = e.RTrafo;
  for (int i = 1; i <= trafa; ++i) {
    const auto& g = p.TrafoSG;
    const Szeroka ug = Komorka(g, 3, i), ud = Komorka(g, 4, i), sn = Komorka(g, 5, i);
    const Szeroka pcu = Komorka(g, 6, i), pfe = Komorka(g, 7, i), uz = Komorka(g, 8, i), i0 = Komorka(g, 9, i);
    const size_t k = static_cast<size_t>(i - 1);
    e.RTrafo[k] = static_cast<double>(pcu * ug * ug / 1000 / sn / sn);
    e.ZTrafo[k] = static_cast<double>(uz * ug * ug / 100 / sn);
    // The check has made sure that Z >= R and Y >= G; max() only guards
    // against a last-digit rounding below zero.
    e.XTrafo[k] = std::sqrt(std::max(0.0, e.ZTrafo[k] * e.ZTrafo[k] - e.RTrafo[k] * e.RTrafo[k]));
    e.GTrafo[k] = static_cast<double>(pfe / ug / ug / 1000);
    e.YTrafo[k] = static_cast<double>(i0 * sn / ug / ug / 100);
    e.BTrafo[k] = std::sqrt(std::max(0.0, e.YTrafo[k] * e.YTrafo[k] - e.GTrafo[k] * e.GTrafo[k]));
    e.PrzekladniaTrafo[k] = static_cast<double>(ug / ud);
  }
  return e;
}

}  // namespace kreator
