// The nodes of a load-flow run as both iterative methods see them: their
// types, the specified powers, the magnitudes generator nodes hold, the
// start voltages; and the power mismatch both methods stop on, so that a
// run by either method is judged by the same measure.
#pragma once

#include <cmath>
#include <complex>
#include <utility>
#include <vector>

#include "kreator/core/macierz.h"
#include "kreator/core/rozplyw.h"
#include "kreator/core/siec.h"

namespace kreator {

// Per unit of the one base voltage and of MocBazowa; entry k-1 is node k.
struct DaneWezlow {
  std::vector<TypWezla> typ;
  std::vector<std::complex<double>> S;  // specified injected power
  std::vector<double> modul;            // held magnitude of a generator node
  std::vector<std::complex<double>> U;  // voltages, the start values at first
};

// Specified powers and node types: a generator delivers, a load takes.
DaneWezlow ZadaneWezly(const SiecRozplywu& s, const WielkosciBazowe& b);

// Start values: the rated voltage of the lines at each node (later lines
// win, ends over starts); a node no line touches takes the rated voltage
// of its transformer winding; a generator node its held magnitude; the
// slack node its given voltage. All are real.
void NapieciaPoczatkowe(const SiecRozplywu& s, const WielkosciBazowe& b, DaneWezlow& d);

// I = Σ Y U over row i (from 0): the diagonal term, then the stored
// off-diagonal ones by column, leaving out those that summed to zero.
std::complex<double> PradWezla(const MacierzAdmitancji& Y, const std::vector<std::complex<double>>& U, size_t i);

// The largest mismatch over the non-slack nodes, per unit, and its node:
// the computed injection U conj(Σ Y U) less the specified one, |ΔS| at a
// load or untyped node, only |ΔP| at a generator node (its Q is whatever
// holds the magnitude).
std::pair<double, int> Niezbilansowanie(const MacierzAdmitancji& Y, const DaneWezlow& d,
                                        const std::vector<std::complex<double>>& U);

// Whether that largest mismatch lies below `prog`: stops at the first node
// whose mismatch does not.
bool Zbilansowane(const MacierzAdmitancji& Y, const DaneWezlow& d, const std::vector<std::complex<double>>& U,
                  double prog);

// |z| as the convergence tests take it: std::abs, a modulus that is not
// finite counting as HUGE_VAL. std::abs is a careful, slow hypot; the
// squared modulus (NaN where it under- or overflows and is no guide)
// decides every comparison that is clear beyond rounding, and std::abs
// only those that are not. Inline: Gauss-Seidel asks once per node and sweep.
inline double ModulZbieznosci(std::complex<double> z) {
  const double m = std::abs(z);
  return std::isfinite(m) ? m : HUGE_VAL;
}
inline double KwadratModulu(std::complex<double> z) {
  const double n = z.real() * z.real() + z.imag() * z.imag();
  return n >= 1e-280 && n <= 1e280 ? n : NAN;
}
inline constexpr double kMarginesModulu = 1e-12;  // far above the rounding of either

// The largest ModulZbieznosci in a series and the first term that has it.
class NajwiekszyModul {
 public:
  // True when the term is the first or its modulus exceeds all before it.
  bool dodaj(std::complex<double> z) {
    const double kwadrat = KwadratModulu(z);
    if (!pusty_ && !std::isnan(kwadrat) && !std::isnan(kwadrat_)) {
      if (kwadrat < kwadrat_ * (1 - kMarginesModulu)) return false;
      if (kwadrat > kwadrat_ * (1 + kMarginesModulu)) return przyjmij(z, kwadrat);
    }
    if (pusty_) return przyjmij(z, kwadrat);
    const double m = ModulZbieznosci(z);
    if (!(m > modul())) return false;
    przyjmij(z, kwadrat);
    modul_ = m;
    return true;
  }
  // Of the largest term; 0 when there was none.
  double modul() {
    if (std::isnan(modul_)) modul_ = pusty_ ? 0.0 : ModulZbieznosci(z_);
    return modul_;
  }

 private:
  bool przyjmij(std::complex<double> z, double kwadrat) {
    pusty_ = false;
    z_ = z;
    kwadrat_ = kwadrat;
    modul_ = NAN;
    return true;
  }
  bool pusty_ = true;
  std::complex<double> z_;
  double kwadrat_ = NAN;
  double modul_ = NAN;  // not taken yet
};

}  // namespace kreator
