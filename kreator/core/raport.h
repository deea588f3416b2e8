// The text report of a load-flow case and its results: the task, the data
// as the user typed it, the iteration settings and one line per node. It
// is what the preview window shows and what is saved as ".TXT".
#pragma once

#include <string>
#include <vector>

#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

// The whole report, one string per line (UTF-8, no line ends). Cell texts
// are copied as they stand; table rows run 1..count of their table. Result
// lines are written for the nodes 1..LiczbaWezlow that the result holds.
std::vector<std::string> RaportRozplywu(const Przypadek& p, const WynikRozplywu& w);

// The result line of node k (from 1): number, |U| in kV, the true angle of
// the voltage in rad, and the power taken at the node in MW and Mvar, in
// fixed columns whose padding shrinks by one or two blanks for a minus sign.
std::string LiniaWyniku(const WynikRozplywu& w, int k);

}  // namespace kreator
