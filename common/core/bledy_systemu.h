// The system's file errors in the words a student reads: every message
// about a file names its cause in Polish, never in the C library's English.
#pragma once

#include <string>

namespace common {

// The cause of a failed file operation for an errno value, such as
// "nie ma takiego pliku lub katalogu"; an unusual one by its number.
std::string OpisBleduPliku(int numer);

}  // namespace common
