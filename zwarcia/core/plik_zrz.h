// The exercise data file ".ZRZ" of the short-circuit program: a
// Windows-1250 text whose lines 0 and 1 guard its integrity (its line count,
// then its length), followed by the counts and the columns of the four
// tables, systems first. The fault data are not in the file. This is the
// pure part of the loader; opening the file, the message and the advance of
// the wizard belong to the caller.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "zwarcia/core/przypadek.h"

namespace zwarcia {

// Shown when the file's content is refused, and when the name does not end in ".ZRZ".
inline constexpr const char* kZlyPlikZrz =
    "Wskazany plik nie jest prawidłowym plikiem zawierającym dane do zadania (.ZRZ) !!!";
inline constexpr const char* kZleRozszerzenieZrz =
    "Wskazany plik nie jest prawidłowym plikiem zawierającym dane schematu do obliczania rozpływu i parametrów "
    "prądu zwarciowego (.ZRZ) !!!";

// Lines 0 to 25 carry the case; a file with fewer lines is refused.
inline constexpr int kWierszeZrz = 26;

// Splits raw file bytes into lines: CR LF, a lone CR and a lone LF each end
// a line; an empty line after the final line break is not a line.
std::vector<std::string> PodzielNaWiersze(std::string_view bajty);

// The length line 1 must state: every line counted with a CR LF after it,
// also the last one, whatever the file's own line ends are.
std::size_t DlugoscZCrLf(const std::vector<std::string>& wiersze);

// Fills the case from the bytes of a ".ZRZ" file: checks lines 0 and 1,
// reads the four counts (whole numbers up to the practical limits; the
// wizard's own rules are left to the replayed pages), gives each table its
// columns, rows, headers and labels, and fills its data cells, which must
// all be numbers. Returns true when the file is valid. Otherwise every value
// of the case is back at its initial value and every data cell of the four
// tables is empty, so nothing half-loaded survives. Never throws.
bool WczytajZrz(std::string_view bajty, Przypadek& p) noexcept;

// The full text of a ".ZRZ" file whose lines from 2 on are `wierszeOd2`
// (Windows-1250 bytes without line breaks): every line ended by CR LF, and
// lines 0 and 1 computed to match.
std::string ZbudujZrz(const std::vector<std::string>& wierszeOd2);

}  // namespace zwarcia
