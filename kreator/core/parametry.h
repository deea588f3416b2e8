// Element parameters of the load-flow run: lines and transformers in ohms
// and siemens from the per-kilometre and nameplate data of the network.
#pragma once

#include <vector>

#include "kreator/core/przypadek.h"
#include "kreator/core/siec.h"

namespace kreator {

// One entry per element, in the order of the table rows.
struct ParametryElementow {
  std::vector<double> RLinii, XLinii, BLinii;  // Ω, Ω, µS; all circuits together
  // Referred to the upper rated voltage Ug.
  std::vector<double> RTrafo, ZTrafo, XTrafo;  // Ω
  std::vector<double> GTrafo, YTrafo, BTrafo;  // S
  std::vector<double> PrzekladniaTrafo;        // Ug / Ud
};

// The network has passed the configuration check, so every divisor is
// positive and uz, i0 cover the losses.
ParametryElementow ObliczParametry(const SiecRozplywu& s);
// The same from the tables (a cell that is not a number throws
// common::BladKonwersji).
ParametryElementow ObliczParametry(const Przypadek& p);

}  // namespace kreator
