// The built-in help's pages, alike in both programs: the page list and the
// address of a wizard page's section.
#pragma once

#include <string>
#include <vector>

namespace common {

// The pages of either program's help, the contents first.
const std::vector<std::string>& StronyPomocy();
// "uzycie.html#strona-4" for wizard page 4 of 0..ostatnia; the contents otherwise.
std::string PomocStrony(int krok, int ostatnia);

}  // namespace common
