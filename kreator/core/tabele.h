// The result tables of a load-flow run and the explanation of a
// selected cell, as the inspector window shows them.
#pragma once

#include <optional>
#include <string>

#include "common/core/tabela.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

inline constexpr const char* kTytulLinii = "Rezystancja, reaktancja i susceptancja linii";
inline constexpr const char* kTytulTrafo = "R, X, Z, G, B, Y transformatorów";
inline constexpr const char* kTytulMacierzy = "Macierz admitancyjna węzłowa Y (w jednostkach względnych)";
inline constexpr const char* kTytulNapiec = "Wektor potencjałów węzłowych U";
inline constexpr const char* kTytulMocy = "Moce odbierane w węzłach";
inline constexpr const char* kTytulPrzeplywow = "Przepływy mocy w gałęziach";
inline constexpr const char* kBrakTrafo = "We wprowadzonym schemacie nie ma transformatorów !!!";

// The tables read `w` and `p` when a cell is asked for: both must outlive them.
common::TabelaWynikow TabelaLinii(const Przypadek& p, const WynikRozplywu& w);
// Nothing when the network has no transformers (the caller shows kBrakTrafo).
std::optional<common::TabelaWynikow> TabelaTrafo(const Przypadek& p, const WynikRozplywu& w);
common::TabelaWynikow TabelaMacierzy(const WynikRozplywu& w);
common::TabelaWynikow TabelaNapiec(const WynikRozplywu& w);
common::TabelaWynikow TabelaMocy(const WynikRozplywu& w);
// One row per element of w.przeplywy, in that order; the loading only for
// the elements that have one (transformers).
common::TabelaWynikow TabelaPrzeplywow(const WynikRozplywu& w);

// The line under the inspector's grid for the cell in column c, row r
// (both from 1) of table `t`; `liczbaLinii` is the line count the matrix
// table was built with.
std::string ObjasnienieKomorki(const common::TabelaWynikow& t, int c, int r, const Przypadek& p, int liczbaLinii);

}  // namespace kreator
