// The configuration check run by the Compute step before every short-circuit
// computation. The data pages only made sure that every cell holds a number;
// this check tests the network as a whole and refuses, with one message, what
// the computation could not solve: a node without a branch, an element on a
// node that does not exist, a branch closed on itself, unlike parallel
// transformers, a line across a transformer, a part of the network without a
// source, and element data the impedance formulas would divide by.
#pragma once

#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "zwarcia/core/przypadek.h"

namespace zwarcia {

// Checks the short-circuit case before the computation; shows at most one
// message (caption "Błąd !!!", error icon); true accepts. Changes nothing.
// A node-number cell (or a system's short-circuit power) that is a number
// but not a whole one propagates common::BladKonwersji
// ("'2,5' is not a valid integer value"); the caller shows it and does not
// compute.
bool SprawdzKonfiguracje(const Przypadek& p, common::DialogService& dialogi);

// Caption of the notices below.
inline constexpr const char* kTytulUwagi = "Uwaga";

// What the user is told after a computation that ran anyway, one text per
// notice (information icon, caption "Uwaga"), the same in the window and in
// the batch mode; empty when there is nothing to tell. The one notice: the
// rated voltage typed for the fault node differs, as a number, from the
// rated voltage (column 3) of a line touching that node; the text lists
// every distinct level of those lines. A node reached only by transformers
// and sources has no level in the data and is not checked. Node cells are
// read as whole numbers, so the case must have passed SprawdzKonfiguracje.
std::vector<std::string> OstrzezeniaZwarcia(const Przypadek& p);

}  // namespace zwarcia
