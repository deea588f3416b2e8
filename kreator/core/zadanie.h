// The exercise named on the command line: which kind it is, and the names
// of its companion files (the pictures). An exercise is a set of files with
// one base name: ".ZRM" data, ".SRM" task without data, ".URM" scheme
// picture, ".DRM" element-data picture.
#pragma once

#include <string>

#include "common/core/pliki.h"

namespace kreator {

enum class RodzajZadania { Zaden, Dane, BezDanych };

inline constexpr const char* kBrakSchematu =
    "Brak pliku ze schematem wybranego układu !!!\nUpewnij się czy wszystkie pliki zostały poprawnie zainstalowane "
    "lub czy część z niech nie została przypadkiem usunięta.";
inline constexpr const char* kZlySchemat =
    "Brak pliku ze schematem wybranego układu (lub plik ten jest niepoprawnym plikiem URM) !!!\nUpewnij się czy "
    "wszystkie pliki zostały poprawnie zainstalowane lub czy część z niech nie została przypadkiem usunięta lub "
    "zastąpiona innymi nieprawidłowymi plikami.";
inline constexpr const char* kBrakDanychElementow =
    "Brak pliku z danymi wybranego układu !!!\nUpewnij się czy wszystkie pliki zostały poprawnie zainstalowane lub "
    "czy część z niech nie została przypadkiem usunięta.";
inline constexpr const char* kZleDaneElementow =
    "Brak pliku z danymi do wybranego układu (lub plik ten jest niepoprawnym plikiem DRM) !!!\nUpewnij się czy "
    "wszystkie pliki zostały poprawnie zainstalowane lub czy część z niech nie została przypadkiem usunięta lub "
    "zamieniana innymi nieprawidłowymi plikami.";
inline constexpr const char* kSchematNieIstnieje =
    "Plik nie został zapisany, ponieważ plik ze schematem nie istnieje !!!\nZainstaluj program ponownie lub "
    "skontaktuj się z autorami programu.";

// The kind of exercise an argument names: only an existing file with the
// extension ".ZRM" or ".SRM" in any letter case counts.
RodzajZadania Rozpoznaj(const std::string& argument);

using common::CzytajPlik;
using common::PlikTowarzyszacy;

}  // namespace kreator
