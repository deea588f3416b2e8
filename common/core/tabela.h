// A result table as the inspector shows it: a title, a size, column widths
// and a function that writes any cell on demand, so a large matrix costs
// nothing until a cell is looked at. Row 0 is the header row and column 0
// the label column, as in the element tables.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace common {

struct TabelaWynikow {
  std::string tytul;
  int kolumny = 0;
  int wiersze = 0;
  std::vector<int> szerokosci;  // pixels, one per column; the last repeats for the rest
  std::function<std::string(int kolumna, int wiersz)> komorka;

  int szerokosc(int kolumna) const {
    if (szerokosci.empty()) return 64;
    return kolumna < static_cast<int>(szerokosci.size()) ? szerokosci[static_cast<size_t>(kolumna)]
                                                        : szerokosci.back();
  }
};

}  // namespace common
