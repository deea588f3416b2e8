// The per-unit base of the load-flow run and the nodal admittance matrix.
#pragma once

#include <complex>
#include <string>
#include <utility>
#include <vector>

#include "kreator/core/parametry.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/siec.h"

namespace kreator {

inline constexpr double kMocBazowa = 100.0;  // MVA

struct WielkosciBazowe {
  double MocBazowa = kMocBazowa;  // MVA
  double NapiecieBazowe = 0;      // kV
  double ImpedancjaBazowa = 0;    // Ω
  double AdmitancjaBazowa = 0;    // S
};

// The level written most often among "110", "220", "400"; ties go to the
// lower level, and 110 when no line matches.
int NajczestszyPoziomNapiecia(int ile110, int ile220, int ile400);

// Base voltage 1,05 x the most frequent line level (the voltage cell
// compared as text, see SiecRozplywu::Linia::poziom).
WielkosciBazowe UstalWielkosciBazowe(const SiecRozplywu& s);
WielkosciBazowe UstalWielkosciBazowe(const Przypadek& p);

// The reciprocal of a + jb as "real;imaginary", each part in the shortest
// form with 15 significant digits: the line admittances enter the matrix
// rounded that way.
std::string OdwrotnoscZespolona(double a, double b);

// The N x N matrix stored by rows of nonzeros: the diagonal as a vector,
// and per row the off-diagonal entries in increasing column order. Any
// cell can be asked for; one that holds nothing is 0.
class MacierzAdmitancji {
 public:
  using Wpis = std::pair<int, std::complex<double>>;  // column (from 1), value

  MacierzAdmitancji() = default;
  explicit MacierzAdmitancji(int n);

  int N() const { return static_cast<int>(przekatna_.size()); }
  // Nodes count from 1.
  std::complex<double> y(int wiersz, int kolumna) const;
  double re(int wiersz, int kolumna) const { return y(wiersz, kolumna).real(); }
  double im(int wiersz, int kolumna) const { return y(wiersz, kolumna).imag(); }
  const std::complex<double>& przekatna(int wezel) const { return przekatna_[size_t(wezel - 1)]; }
  // The off-diagonal entries of a row that have been added to, by column.
  const std::vector<Wpis>& wiersz(int wezel) const { return wiersze_[size_t(wezel - 1)]; }

  // Adds y to the cell; the terms of a cell are summed in the order they are added.
  void dodaj(int wiersz, int kolumna, std::complex<double> y);

 private:
  std::vector<std::complex<double>> przekatna_;
  std::vector<std::vector<Wpis>> wiersze_;
};

// The series admittance of line i (from 1) in per unit, each part rounded
// to 15 significant digits as it enters the matrix; half the charging
// susceptance, j B/2, sits at each end.
std::complex<double> AdmitancjaLinii(const ParametryElementow& e, const WielkosciBazowe& baza, int i);
std::complex<double> PolowaSusceptancjiLinii(const ParametryElementow& e, const WielkosciBazowe& baza, int i);

// Transformer i (from 1) in per unit: series admittance y on the upper
// side, magnetising admittance ym (half at each end, the lower half × t²),
// ideal ratio t = Ug/Ud.
struct ModelTransformatora {
  std::complex<double> y, ym;
  double t = 1;
};
ModelTransformatora ModelTrafo(const ParametryElementow& e, const WielkosciBazowe& baza, int i);

// Lines: series admittance and half the charging susceptance at each end.
// Transformers: series admittance y on the upper side and ideal ratio
// t = Ug/Ud, so the lower node's voltage is per unit of the one base
// voltage; half the magnetising admittance (inductive) at each end, the
// lower half scaled by t². Built from the elements directly, in a cost
// proportional to their number.
MacierzAdmitancji ZbudujMacierzY(const SiecRozplywu& s, const ParametryElementow& e, const WielkosciBazowe& baza);
MacierzAdmitancji ZbudujMacierzY(const Przypadek& p, const ParametryElementow& e, const WielkosciBazowe& baza);

}  // namespace kreator
