// The exercise named on the command line: which kind it is, and the names
// of its companion files (the pictures). An exercise is a set of files with
// one base name: ".ZRM" data, ".SRM" task without data, ".URM" scheme
// picture, ".DRM" element-data picture.
#pragma once

#include <optional>
#include <string>

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

// The companion file with `rozszerzenie` (".URM", ".DRM"): the argument
// without its last four characters plus the extension, or that name in
// capital letters; when no file has either, the one file in the same folder
// whose name equals it ignoring letter case. Nothing when the argument names no existing file or no
// such companion exists.
std::optional<std::string> PlikTowarzyszacy(const std::string& argument, const std::string& rozszerzenie);

// The whole content of a file, or the reason in Polish why it could not be read.
bool CzytajPlik(const std::string& sciezka, std::string& bajty, std::string& blad);

}  // namespace kreator
