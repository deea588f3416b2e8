// The answer key of a set of variants, one file beside them for the
// teacher: CSV in UTF-8 (with the byte-order mark, so that a spreadsheet
// does not take it for Windows-1250), ";" between fields, the decimal
// comma, lines ended by CR LF. Every number comes from the variant's trial
// run, which is the computation `--batch` runs, and is rounded as the
// program's report rounds it.
//
// Load flow: a header and one row per variant and node, U [kV], the angle
// [rad], P and Q taken at the node, to 0,001 as the report's node lines;
// then an empty line, a second header and one row per variant with the
// power the slack node sends into the network and the losses, to 0,001 as
// the report's balance.
// Short circuit: a header and one row per variant: the fault node, its
// rated voltage, I″k and R/X to 0,0001 as the report, κ = 1,02 + 0,98·e^(−3·R/X)
// to 0,0001 and ip = κ·√2·I″k from those two texts, as the results window
// (and `zwarcia --batch --kappa κ`) computes it.
#pragma once

#include <string>
#include <vector>

#include "tools/zadanie/opis.h"
#include "tools/zadanie/warianty.h"

namespace zadanie {

// The key's lines (UTF-8, without line ends); the file's text is KluczCsv.
std::vector<std::string> Klucz(const OpisUkladu& opis, const std::vector<Wariant>& warianty);
std::string KluczCsv(const OpisUkladu& opis, const std::vector<Wariant>& warianty);

// The name of the key beside the variants: "ZAD2_klucz.csv".
std::string NazwaKlucza(const OpisUkladu& opis);

}  // namespace zadanie
