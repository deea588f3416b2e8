// The network as the scheme picture draws it, whichever program the
// exercise is for: the nodes, the lines and transformers between them, and
// the symbols hanging on the nodes (generators, external systems, loads).
// Built from either program's case, so that one drawing serves both kinds
// of exercise.
#pragma once

#include <string>
#include <vector>

#include "kreator/core/przypadek.h"
#include "zwarcia/core/przypadek.h"

namespace zadanie {

enum class Symbol { Generator, System, Odbior };

// A line or a transformer; a node cell that is no whole number reads as 0.
struct Polaczenie {
  int poczatek = 0, koniec = 0;
};

struct Zasilanie {
  int wezel = 0;
  Symbol symbol = Symbol::Generator;
  std::string etykieta;  // "S1", "G2" beside the symbol; empty: none
};

struct Siec {
  int liczbaWezlow = 0;
  std::vector<Polaczenie> linie, trafa;  // element k at k - 1
  std::vector<Zasilanie> symbole;        // in the order of their tables
};

// Load flow: generator nodes, then load nodes, unlabelled (the data table
// names them by node).
Siec SiecRozplywu(const kreator::Przypadek& p);

// Short circuit: systems "S1".., then generators "G1".., each labelled as
// its row of the data table, since a node may be fed more than once.
Siec SiecZwarciowa(const zwarcia::Przypadek& p);

}  // namespace zadanie
