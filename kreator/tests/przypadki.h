// Cases for the tests of the load-flow computation and its report, filled
// the way the wizard leaves them on its final page.
#pragma once

#include <initializer_list>
#include <vector>

#include "kreator/core/przypadek.h"

namespace kreator::testy {

inline void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}

// Fills a case the way the wizard leaves it on its final page.
struct Budowniczy {
  Przypadek p;
  Budowniczy(int wezly, int linie, int trafa) {
    p.LiczbaWezlow = wezly;
    p.LiczbaLinii = linie;
    p.LiczbaTransformatorow = trafa;
    p.LiczbaWezlowElektrownianych = 0;
    p.LiczbaWezlowObciazeniowych = 0;
    PrzygotujTabele(p, Tabela::Linie, linie);
    PrzygotujTabele(p, Tabela::Trafo, trafa);
    p.Epsilon = 1e-10;
    p.ParametrRelaksacji = 1.5;
  }
  void generatory(std::vector<std::initializer_list<const char*>> wiersze) {
    p.LiczbaWezlowElektrownianych = static_cast<int>(wiersze.size());
    PrzygotujTabele(p, Tabela::WEl, p.LiczbaWezlowElektrownianych);
    for (size_t i = 0; i < wiersze.size(); ++i) Wiersz(p.WElSG, int(i) + 1, wiersze[i]);
  }
  void odbiory(std::vector<std::initializer_list<const char*>> wiersze) {
    p.LiczbaWezlowObciazeniowych = static_cast<int>(wiersze.size());
    PrzygotujTabele(p, Tabela::WObc, p.LiczbaWezlowObciazeniowych);
    for (size_t i = 0; i < wiersze.size(); ++i) Wiersz(p.WObcSG, int(i) + 1, wiersze[i]);
  }
};

// Two nodes, one 110 kV line of 6 + j20 Ω and 140 µS (0,12 / 0,4 / 2,8 per km, 50 km);
// node 1 the slack at 110 kV, node 2 a load of 50 MW and 20 Mvar.
inline Przypadek DwaWezly() {
  Budowniczy b(2, 1, 0);
  Wiersz(b.p.LinieSG, 1, {"1", "2", "110", "0,12", "0,4", "2,8", "50", "1"});
  b.generatory({{"1", "110", "0"}});
  b.odbiory({{"2", "50", "20"}});
  b.p.WezelBilansujacy = 1;
  b.p.NapiecieBilansujace = 110;
  return b.p;
}

// Two voltage levels: a 220 kV line 1-2, transformer 2-3 231/110 kV, a
// 110 kV line 3-4; generators 1 (slack, 231 kV) and 3 (112 kV, 20 MW),
// load 4 (80 MW, 30 Mvar). Node 2 has no type.
inline Przypadek DwaPoziomy() {
  Budowniczy b(4, 2, 1);
  Wiersz(b.p.LinieSG, 1, {"1", "2", "220", "0,0552", "0,412", "2,76", "100", "1"});
  Wiersz(b.p.LinieSG, 2, {"3", "4", "110", "0,08", "0,38", "1,8", "50", "1"});
  Wiersz(b.p.TrafoSG, 1, {"2", "3", "231", "110", "160", "920", "260", "12", "0,6"});
  b.generatory({{"1", "231", "0"}, {"3", "112", "20"}});
  b.odbiory({{"4", "80", "30"}});
  b.p.WezelBilansujacy = 1;
  b.p.NapiecieBilansujace = 231;
  b.p.WezlyBezTypu = "2,";
  return b.p;
}

}  // namespace kreator::testy
