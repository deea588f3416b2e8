// A grid of texts, the store of an element table: one cell per value.
// It keeps the text of every cell it was ever given, also of cells beyond
// its current row and column counts, so rows cut off by a smaller count
// come back with their old text when the count grows again.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace common {

class TextGrid {
 public:
  int colCount() const { return kolumny_; }
  int rowCount() const { return wiersze_; }
  void setColCount(int n) { kolumny_ = n < 0 ? 0 : n; }
  void setRowCount(int n) { wiersze_ = n < 0 ? 0 : n; }

  // Cells are addressed (column, row), both from 0; row 0 is the header
  // row and column 0 the label column.
  const std::string& cell(int kolumna, int wiersz) const;
  void setCell(int kolumna, int wiersz, std::string tekst);

  // Empties the data cells (rows and columns from 1) within the counts.
  void clearData();

 private:
  int kolumny_ = 0;
  int wiersze_ = 0;
  std::map<std::pair<int, int>, std::string> komorki_;
};

// True when every data cell (rows from 1, within a row columns from 1)
// holds a number; the test stops at the first cell that does not.
bool WszystkieKomorkiSaLiczbami(const TextGrid& g);

// One cell of a text grid, addressed as TextGrid::cell addresses it.
struct Komorka {
  int kolumna = 0;
  int wiersz = 0;
  bool operator==(const Komorka&) const = default;
};

// The first data cell, row by row and left to right within a row, that does
// not hold a number (empty or refused by the number test); nothing when
// every one does.
std::optional<Komorka> PierwszaKomorkaNieLiczba(const TextGrid& g);

}  // namespace common
