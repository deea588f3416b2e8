// The eight result tables of a short-circuit run, as the inspector TDane
// shows them, and the explanation of a selected cell. Every table reads its
// arrays from the result when a cell is asked for: the result (and the case,
// for the explanations) must outlive the tables.
#pragma once

#include <optional>
#include <string>

#include "common/core/tabela.h"
#include "zwarcia/core/przypadek.h"
#include "zwarcia/core/zwarcie.h"

namespace zwarcia {

// The titles are also the keys by which the explanations recognise a table.
inline constexpr const char* kTytulSystemow = "Reaktancja systemów";
inline constexpr const char* kTytulGeneratorow = "Rezystancja, reaktancja i impedancja generatorów";
inline constexpr const char* kTytulTrafo = "Rezystancja, reaktancja i impedancja transformatorów";
inline constexpr const char* kTytulLinii = "Rezystancja, reaktancja i impedancja linii";
inline constexpr const char* kTytulYg = "Macierz admitancji gałęziowych Yg (w jednostach względnych)";
inline constexpr const char* kTytulStrukturalnej = "Gałęziowo-węzłowa macierz strukturalna układu";
inline constexpr const char* kTytulYw = "Macierz admitancji węzłowych Yw (w jednostach względnych)";
inline constexpr const char* kTytulPradow = "Wektor prądów gałęziowych";
inline constexpr const char* kBrakTrafo = "We wprowadzonym schemacie nie ma transformatorów !!!";

// Element tables in ohms (referred to NapiecieZwarcia), one row per row of
// the element's table; the row counts are those of the result's arrays.
common::TabelaWynikow TabelaSystemow(const WynikZwarcia& w);
common::TabelaWynikow TabelaGeneratorow(const WynikZwarcia& w);
// Nothing when the network has no transformer (the caller shows kBrakTrafo
// with the caption "UWAGA !!!").
std::optional<common::TabelaWynikow> TabelaTrafo(const WynikZwarcia& w);
common::TabelaWynikow TabelaLinii(const WynikZwarcia& w);

// Network matrices per unit; entry [i][j] is shown in column i, row j.
common::TabelaWynikow TabelaYg(const WynikZwarcia& w);
common::TabelaWynikow TabelaStrukturalna(const WynikZwarcia& w);
common::TabelaWynikow TabelaYw(const WynikZwarcia& w);
common::TabelaWynikow TabelaPradow(const WynikZwarcia& w);

// The description line under the grid for the cell in column c, row r of
// table t; empty for the label column, the header row and cells the table
// does not explain. The branch kinds of the Yg table follow the counts of
// systems, generators and transformers of the case.
std::string ObjasnienieKomorki(const common::TabelaWynikow& t, int c, int r, const Przypadek& p);

}  // namespace zwarcia
