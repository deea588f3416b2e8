// The column-fill menu over the line table: which values it suggests for
// each column, which column a press on the header row means, where the
// menu opens, and the fill itself. Pixels come in as plain numbers, so
// the rules hold without a window.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "kreator/core/przypadek.h"

namespace kreator {

// S(c) for c = 0..8: the x where column c of LinieSG ends, measured from
// the grid's left edge (the sum of the widths of columns 0..c).
using KoniecKolumn = std::array<int, kKolumnyLinii>;

struct PodpowiedziKolumny {
  std::vector<std::string> pozycje;  // the combo's list, in this order
  std::string domyslna;              // the text shown when the menu opens
};

// The suggestions for columns 3..8; an empty list for any other column.
PodpowiedziKolumny Podpowiedzi(int kolumna);

// The code kept while the menu is open: the column number plus one as two
// digits ("04" for column 3 .. "09" for column 8); empty for other columns.
std::string KodKolumny(int kolumna);
// The column a code stands for, or 0 when the code fills nothing.
int KolumnaZKodu(const std::string& kod);

// The column whose menu a press at (x, y) opens, or 0 for none. Only a
// press above the height of row 0 counts. The last four columns reach a
// little past their right edge, so a press just beside a border opens the
// column on its left.
int KolumnaPodKursorem(int x, int y, int wysokoscWiersza0, const KoniecKolumn& S);

// Where the menu of `kolumna` opens, in the grid's coordinates: just below
// the header row, beside the column's left edge for columns 3..6, and with
// its right edge past the column's right edge for the last two columns.
int GoraMenu(int wysokoscWiersza0);
// Columns other than 3..8 give 0.
int LewaKrawedzMenu(int kolumna, int szerokoscMenu, const KoniecKolumn& S);

// Writes `tekst` into the column named by `kod` of every data row of the
// line table (rows 1..LiczbaLinii). The text is not tested here: Next
// tests the grid. False when the code names no column.
bool WypelnijKolumne(Przypadek& p, const std::string& kod, const std::string& tekst);

}  // namespace kreator
