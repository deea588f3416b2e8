// The exercise data file ".ZRM" of the load-flow program: a Windows-1250
// text whose first two lines guard its integrity (its length and its line
// count), followed by the counts and the columns of the four tables.
// This is the pure part of the loader; opening the file, the messages and
// the advance of the wizard belong to the caller.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "kreator/core/przypadek.h"

namespace kreator {

// Shown when the file's content is refused, and when the name does not end in ".ZRM".
inline constexpr const char* kZlyPlikZrm =
    "Wskazany plik nie jest prawidłowym plikiem zawierającym dane do zadania (.ZRM) !!!";
inline constexpr const char* kZleRozszerzenieZrm =
    "Wskazany plik nie jest prawidłowym plikiem zawierającym dane schematu do obliczania rozpływu mocy "
    "(.ZRM) !!!";

// Splits raw file bytes into lines: CR LF, a lone CR and a lone LF each end
// a line; an empty line after the final line break is not a line.
std::vector<std::string> PodzielNaWiersze(std::string_view bajty);

// Characters of the whole text with every line break counted as CR LF (two
// characters): the file size for a file written with CR LF throughout.
// Line 1 of a valid file holds this number.
std::size_t DlugoscZCrLf(std::string_view bajty);

// Fills the case from the bytes of a ".ZRM" file: checks lines 1 and 2,
// reads the five counts, gives each table its columns, rows, headers and
// labels, and fills its data cells, which must all be numbers. Returns true
// when the file is valid. Otherwise Krok is 0, the seven counts are -1 and
// every data cell of the four tables is empty (within their sizes), so no
// partial data remains. Never throws, whatever the bytes.
bool WczytajZrm(std::string_view bajty, Przypadek& p) noexcept;

// The full text of a ".ZRM" file whose lines from 3 on are `wierszeOd3`
// (Windows-1250 bytes without line breaks): every line ended by CR LF,
// and lines 1 and 2 computed to match.
std::string ZbudujZrm(const std::vector<std::string>& wierszeOd3);

}  // namespace kreator
