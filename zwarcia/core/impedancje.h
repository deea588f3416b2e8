// First stage of the short-circuit run: the base quantities and the
// impedance of every element row, in ohms for the result tables and in per
// unit for the branch admittances. This module keeps real and imaginary
// parts as separate real arrays (R and X), as the element tables show them.
#pragma once

#include <string>
#include <vector>

#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/siec.h"

namespace zwarcia {

inline constexpr double kMocBazowa = 100.0;            // MVA
inline constexpr double kWspolczynnikBazy = 1.05;      // base voltage = 1,05 x rated voltage
inline constexpr double kWspolczynnikNapieciowy = 1.1;  // c of the source voltage

struct WielkosciBazowe {
  double MocBazowa = kMocBazowa;  // MVA
  double NapiecieBazowe = 0;      // kV, 1,05 x NapiecieZwarcia: the fault's own level
  double ImpedancjaBazowa = 0;    // Ω at that level
  double PradBazowy = 0;          // kA at that level
  double NapiecieZrodla = 0;      // per unit, 1,1 x NapiecieZwarcia / NapiecieBazowe
};

// NapiecieZwarcia in kV; it must be positive.
WielkosciBazowe UstalWielkosciBazowe(double NapiecieZwarcia);

// Base impedance of a voltage level given by its rated voltage in kV.
double ImpedancjaBazowaPoziomu(double napiecieZnamionowe);

// Per-unit resistance and reactance, entry k-1 for row k of a table.
struct ImpedancjeWzgledne {
  std::vector<double> R, X;
};

struct ImpedancjeElementow {
  // Ohms. Systems, generators and transformers are referred to
  // NapiecieZwarcia whatever their own level; a line keeps its own ohms.
  // Each row stands for all its parallel units or circuits together.
  std::vector<double> XSystemow;
  std::vector<double> RGeneratorow, XGeneratorow;
  std::vector<double> RTrafo, XTrafo;
  std::vector<double> RLinii, XLinii;
  // Ω, (1,05 x the line's rated voltage)² / MocBazowa: each line is per
  // unit on the base of its own level.
  std::vector<double> ImpedancjaBazowaLinii;

  // Per unit on MocBazowa. Systems, generators and transformers from their
  // ratings alone; lines on their own level's base impedance.
  ImpedancjeWzgledne wzgSystemow, wzgGeneratorow, wzgTrafo, wzgLinii;

  std::string blad;  // the first refused row, in Polish; empty when all rows were computed
};

// Takes the rows of the four tables (systems, generators, transformers,
// lines, each from row 1) from the network model `s`, at the fault voltage
// p.NapiecieZwarcia; the case's cells are read only to quote a refused value
// as typed. Stops at the first row it refuses, with the reason in `blad`:
// a zero or negative power, number of units or circuits, length, rated
// line voltage or short-circuit voltage; a negative reactance, resistance
// or copper loss; copper losses beyond what uz allows; an impedance that is
// zero or not finite. Nothing is divided by zero and no root of a negative
// number is taken.
ImpedancjeElementow ObliczImpedancje(const Przypadek& p, const SiecZwarcia& s, const WielkosciBazowe& baza);
// The same on the model read from the case here (ZbudujSiec, which throws
// common::BladKonwersji for a cell that is not a number).
ImpedancjeElementow ObliczImpedancje(const Przypadek& p, const WielkosciBazowe& baza);

}  // namespace zwarcia
