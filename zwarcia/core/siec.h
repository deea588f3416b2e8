// The short-circuit network as numbers: the four element tables read once,
// after the configuration check has passed, into typed rows. The impedances,
// the branches and the fault solution read this model; only messages that
// quote what the user typed go back to the cells.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "zwarcia/core/przypadek.h"

namespace zwarcia {

// The one reading of a node-number cell, shared by the configuration check
// and the model: a whole number in plain decimal, so "02" is node 2.
// Anything else ("2,0", "2,5") throws common::BladKonwersji.
int NumerWezla(std::string_view komorka);
// The same reading without the exception: nothing for a cell that is not a
// whole number.
std::optional<int> NumerWezlaJesliJest(std::string_view komorka);

struct DaneSystemu {
  int wezel = 0;
  int moc = 0;  // Sz [MVA], a whole number
};

struct DaneGeneratora {
  int wezel = 0;
  double moc = 0;     // Sn [MVA]
  double xd = 0;      // x″d [%]
  double liczba = 0;  // units in parallel
};

struct DaneTransformatora {
  int wezelGorny = 0, wezelDolny = 0;
  double moc = 0;     // Sn [MVA]
  double pcu = 0;     // ΔPCu [kW]
  double uz = 0;      // uz [%]
  double liczba = 0;  // units in parallel
};

struct DaneLinii {
  int poczatek = 0, koniec = 0;
  double napiecie = 0;  // Un [kV]
  double r = 0, x = 0;  // Ω/km
  double dlugosc = 0;   // km
  double tory = 0;      // circuits
};

struct SiecZwarcia {
  int LiczbaWezlow = 0;
  // Row k of each table at k-1; a negative count gives no rows.
  std::vector<DaneSystemu> systemy;
  std::vector<DaneGeneratora> generatory;
  std::vector<DaneTransformatora> trafo;
  std::vector<DaneLinii> linie;
};

// Reads rows 1..count of the four tables. The values are read first, table
// by table (systems, generators, transformers, lines) and row by row in
// column order, then the node numbers in the same table order; the first
// cell that is not a number (or, for a node or Sz, not a whole number)
// throws its common::BladKonwersji.
SiecZwarcia ZbudujSiec(const Przypadek& p);

}  // namespace zwarcia
