// What the program shells of both programs share: the exit question and
// the help file.
#pragma once

#include <string>

#include "common/core/dialogi.h"

namespace common {

inline constexpr const char* kPlikPomocy = "Help.chm";

// Asks whether to end the program; true for Yes.
bool PotwierdzZamkniecie(DialogService& dialogi);

// Opens the help file from the program's folder through the desktop. When
// the file is missing or the desktop cannot open it, says so.
void OtworzPomoc(DialogService& dialogi, const std::string& folderProgramu);

}  // namespace common
