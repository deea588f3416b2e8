#include "kreator/core/parametry.h"

#include <cmath>

namespace kreator {

namespace {
// Intermediate products in the widest type; each stored entry is a double.
using Szeroka = long double;
}  // namespace

ParametryElementow ObliczParametry(const SiecRozplywu& s) {
  ParametryElementow e;
  const size_t linie = s.linie.size();
  e.RLinii.assign(linie, 0.0);
  e.XLinii = e.BLinii = e.RLinii;
  for (size_t k = 0; k < linie; ++k) {
    const SiecRozplywu::Linia& l = s.linie[k];
    const Szeroka r = l.R, x = l.X, b = l.B, dlugosc = l.dlugosc, n = l.tory;
    // Parallel circuits divide the series impedance and add up the shunt susceptance.
    e.RLinii[k] = static_cast<double>(r * dlugosc / n);
    e.XLinii[k] = static_cast<double>(x * dlugosc / n);
    e.BLinii[k] = static_cast<double>(b * dlugosc * n);
  }

  const size_t trafa = s.trafa.size();
  e.RTrafo.assign(trafa, 0.0);
  e.ZTrafo = e.XTrafo = e.GTrafo = e.YTrafo = e.BTrafo = e.PrzekladniaTrafo = e.RTrafo;
  for (size_t k = 0; k < trafa; ++k) {
    const SiecRozplywu::Transformator& t = s.trafa[k];
    const Szeroka ug = t.Ug, ud = t.Ud, sn = t.Sn, pcu = t.PCu, pfe = t.PFe, uz = t.uz, i0 = t.i0;
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

ParametryElementow ObliczParametry(const Przypadek& p) { return ObliczParametry(ZbudujSiec(p)); }

}  // namespace kreator
