// What the program shells of both programs share: the exit question.
#pragma once

#include "common/core/dialogi.h"

namespace common {

// Asks whether to end the program; true for Yes.
bool PotwierdzZamkniecie(DialogService& dialogi);

}  // namespace common
