// The configuration check run by the Compute step before every load flow.
// The data pages only made sure that every cell holds a number; this check
// tests the network as a whole and refuses, with one message, what the
// computation could not solve or would solve wrongly.
#pragma once

#include "common/core/dialogi.h"
#include "kreator/core/przypadek.h"

namespace kreator {

// Checks the whole case before a computation. Shows its own messages through
// `dialogi` (at most one box): a refusal with the caption "Błąd !!!", or, when
// some nodes have no type, a notice with "Uwaga !!!". True accepts.
// On acceptance rebuilds p.WezlyBezTypu ("3,5," for untyped nodes 3 and 5);
// a refusal leaves it as it was. No grid cell is changed.
// An integer conversion failure of a node-number cell propagates as
// common::BladKonwersji (the caller shows it and abandons the compute step).
bool SprawdzKonfiguracje(Przypadek& p, common::DialogService& dialogi);

}  // namespace kreator
