// Where the built-in help speaks of what the user is looking at: the page
// of the wizard, the table in the inspector, the results window, the
// convergence chart.
#pragma once

#include <string>
#include <vector>

namespace kreator {

inline constexpr const char* kTytulPomocy = "Pomoc — Kreator";

// The pages of the help, the contents first.
const std::vector<std::string>& StronyPomocy();
// "uzycie.html#strona-4" for wizard page 4 (0..14).
std::string PomocStrony(int krok);
// The section of the inspector's table with this title; the tables' page for another title.
std::string PomocTabeli(const std::string& tytul);
inline constexpr const char* kPomocWynikow = "wyniki.html#okno";
inline constexpr const char* kPomocZbieznosci = "wyniki.html#zbieznosc";
inline constexpr const char* kPomocSpisTresci = "index.html";

}  // namespace kreator
