// Element parameters of the load-flow run: lines and transformers in ohms
// and siemens from the per-kilometre and nameplate data of the tables.
#pragma once

#include <vector>

#include "kreator/core/przypadek.h"

namespace kreator {

// One entry per element, in the order of the table rows.
struct ParametryElementow {
  std::vector<double> RLinii, XLinii, BLinii;  // Ω, Ω, µS; all circuits together
  // Referred to the upper rated voltage Ug.
  std::vector<double> RTrafo, ZTrafo, XTrafo;  // Ω
  std::vector<double> GTrafo, YTrafo, BTrafo;  // S
  std::vector<double> PrzekladniaTrafo;        // Ug / Ud
};

// Reads the cells as numbers (a cell that is not one throws
// common::BladKonwersji). The data have passed the configuration check,
// so every divisor is positive and uz, i0 cover the losses.
ParametryElementow ObliczParametry(const Przypadek& p);

}  // namespace kreator
