// What the element-data picture shows: gridded tables with Polish headers
// and the cells as the data give them, in rows of tables side by side, and
// one closing remark. Pure C++; the picture only lays them out.
#pragma once

#include <string>
#include <vector>

#include "kreator/core/przypadek.h"
#include "tools/zadanie/opis.h"
#include "zwarcia/core/przypadek.h"

namespace zadanie {

struct TabelaDanych {
  std::string tytul;
  std::vector<std::string> naglowki;  // "\n" breaks a header in two lines
  std::vector<int> szerokosci;        // of the columns, pixels
  std::vector<std::vector<std::string>> wiersze;
};

struct DaneElementow {
  std::vector<std::vector<TabelaDanych>> rzedy;  // top to bottom, each left to right
  std::string uwaga;                             // the line under the tables
};

// Lines, transformers, then generator and load nodes side by side; the
// remark names the nodes without a type (the program takes them as loads).
DaneElementow DaneRozplywu(const OpisUkladu& opis, const kreator::Przypadek& p);

// Systems and generators side by side, transformers, lines; the remark
// gives the fault data, since a student given only the task file types
// everything from the pictures.
DaneElementow DaneZwarcia(const OpisUkladu& opis, const zwarcia::Przypadek& p);

}  // namespace zadanie
