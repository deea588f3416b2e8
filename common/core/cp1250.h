// The code page of the exchange files and the saved report.
#pragma once

#include <string>
#include <string_view>

namespace common {

// UTF-8 to Windows-1250. A character the code page lacks becomes '?';
// a broken UTF-8 byte too.
std::string Utf8DoCp1250(std::string_view utf8);

// Windows-1250 to UTF-8. The five byte values the code page leaves
// undefined become '?'.
std::string Cp1250DoUtf8(std::string_view cp1250);

}  // namespace common
