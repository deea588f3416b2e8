// The per-unit base of the load-flow run and the nodal admittance matrix.
#pragma once

#include <complex>
#include <string>
#include <vector>

#include "kreator/core/parametry.h"
#include "kreator/core/przypadek.h"

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

// Base voltage 1,05 x the most frequent line level (column 3 compared as text).
WielkosciBazowe UstalWielkosciBazowe(const Przypadek& p);

// The reciprocal of a + jb as "real;imaginary", each part in the shortest
// form with 15 significant digits: the line admittances enter the matrix
// rounded that way.
std::string OdwrotnoscZespolona(double a, double b);

// The N x N matrix as two row-first arrays of real and imaginary parts.
struct MacierzAdmitancji {
  int N = 0;
  std::vector<double> YRe, YIm;
  double re(int wiersz, int kolumna) const { return YRe[indeks(wiersz, kolumna)]; }
  double im(int wiersz, int kolumna) const { return YIm[indeks(wiersz, kolumna)]; }
  std::complex<double> y(int wiersz, int kolumna) const { return {re(wiersz, kolumna), im(wiersz, kolumna)}; }
  // Nodes count from 1.
  size_t indeks(int wiersz, int kolumna) const {
    return static_cast<size_t>(wiersz - 1) * static_cast<size_t>(N) + static_cast<size_t>(kolumna - 1);
  }
  void dodaj(int wiersz, int kolumna, std::complex<double> y) {
    YRe[indeks(wiersz, kolumna)] += y.real();
    YIm[indeks(wiersz, kolumna)] += y.imag();
  }
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
// lower half scaled by t².
MacierzAdmitancji ZbudujMacierzY(const Przypadek& p, const ParametryElementow& e, const WielkosciBazowe& baza);

}  // namespace kreator
