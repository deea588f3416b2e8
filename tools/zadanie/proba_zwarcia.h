// The trial run of a short-circuit exercise: the ".ZRZ" loaded by the
// program's own loader, the fault node, its voltage and the duration typed
// on their pages as a student would, then Compute with the configuration
// check and the computation. What the program refuses, the tool refuses.
#pragma once

#include <string_view>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/pliki.h"

namespace zadanie {

// Not good when the file, a typed value, the check or the computation is
// refused; the lines then say why, with the program's messages. Good: the
// lines give the teacher the answer key (base quantities, Zk, X/R, the
// initial current, κ from its curve and the peak current, each branch
// current) and warn when X/R lies outside the κ chart, where the student
// could not pick κ.
ProbneObliczenie PrzeliczZwarcie(std::string_view zrz, const OpisUkladu& opis);

}  // namespace zadanie
