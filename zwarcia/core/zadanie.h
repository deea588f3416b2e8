// The exercise named on the command line of the short-circuit program: a
// ".ZRZ" data file or a ".SRZ" task, with the pictures ".URZ" (scheme) and
// ".DRZ" (element data) beside it.
#pragma once

#include <optional>
#include <string>

#include "common/core/pliki.h"

namespace zwarcia {

enum class RodzajZadania { Zaden, Dane, BezDanych };

inline constexpr const char* kBrakSchematu =
    "Brak pliku ze schematem wybranego układu !!!\nUpewnij się czy wszystkie pliki zostały poprawnie zainstalowane "
    "lub czy część z niech nie została przypadkiem usunięta.";
inline constexpr const char* kZlySchemat =
    "Brak pliku ze schematem wybranego układu (lub plik ten jest niepoprawnym plikiem URZ) !!!\nUpewnij się czy "
    "wszystkie pliki zostały poprawnie zainstalowane lub czy część z niech nie została przypadkiem usunięta lub "
    "zamieniana innymi nieprawidłowymi plikami.";
inline constexpr const char* kBrakDanychElementow =
    "Brak pliku z danymi wybranego układu !!!\nUpewnij się czy wszystkie pliki zostały poprawnie zainstalowane lub "
    "czy część z niech nie została przypadkiem usunięta.";
inline constexpr const char* kZleDaneElementow =
    "Brak pliku z danymi do wybranego układu (lub plik ten jest niepoprawnym plikiem DRZ) !!!\nUpewnij się czy "
    "wszystkie pliki zostały poprawnie zainstalowane lub czy część z niech nie została przypadkiem usunięta lub "
    "zamieniana innymi nieprawidłowymi plikami.";
inline constexpr const char* kTytulObrazka = "HE HE HE :-) !!!";
inline constexpr const char* kTylkoObrazek = "Jestem tylko zwykłym obrazkiem !!!\nProszę zostawić mnie w spokoju :-)";

// Only an existing file with the extension ".ZRZ" or ".SRZ" in any letter case counts.
RodzajZadania Rozpoznaj(const std::string& argument);

using common::PlikTowarzyszacy;

// The task statement: the first line of the ".SRZ" file beside the
// exercise named by `argument`, in UTF-8; nothing when there is none.
std::optional<std::string> PierwszaLiniaZadania(const std::string& argument);

}  // namespace zwarcia
