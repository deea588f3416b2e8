// The text report of a short-circuit case: the task, the data as the user
// typed it, the fault and the initial short-circuit current. It is what the
// preview window shows and what is saved as ".TXT", followed by exactly one
// set of the three current lines of the results window.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/zwarcie.h"

namespace zwarcia {

// The report, one string per line (UTF-8, no line ends). Cell texts are
// copied as they stand; table rows run 1..count of their table. With a task
// line (the first line of the ".SRZ" file, read by the caller) the report
// carries the "Zadanie:" block; without one it has none.
std::vector<std::string> RaportZwarcia(const Przypadek& p, const WynikZwarcia& w,
                                       const std::optional<std::string>& pierwszaLiniaZadania);

// The three lines of the peak, symmetrical breaking and thermal currents,
// from the texts of their boxes as shown (PrZwUdarE, PrWylSymE, PrZwCieplnyE).
std::vector<std::string> LiniePradowZwarciowych(const std::string& udarowy, const std::string& wylaczeniowy,
                                                const std::string& cieplny);
// The same from values in kA, each written as its box shows it ("0.0000").
std::vector<std::string> LiniePradowZwarciowych(double udarowy, double wylaczeniowy, double cieplny);

// X/R of the fault loop for the hidden RdoX label, in the shortest form;
// "∞" when the loop has no resistance (StosunekRdoX is 0).
std::string TekstRdoX(const WynikZwarcia& w);

}  // namespace zwarcia
