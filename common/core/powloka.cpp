#include "common/core/powloka.h"

#include <filesystem>

namespace common {

bool PotwierdzZamkniecie(DialogService& dialogi) {
  return dialogi.askYesNo("Koniec", "Czy na pewno chcesz zakończyć działanie programu ???");
}

void OtworzPomoc(DialogService& dialogi, const std::string& folderProgramu) {
  const std::filesystem::path plik = std::filesystem::path(folderProgramu) / kPlikPomocy;
  std::error_code blad;
  if (!std::filesystem::is_regular_file(plik, blad)) {
    dialogi.message(Ikona::Informacja, "UWAGA !!!",
                    "Nie znaleziono pliku pomocy \"" + std::string(kPlikPomocy) + "\" w folderze programu:\n" +
                        folderProgramu);
    return;
  }
  if (!dialogi.openWithDesktop(plik.string()))
    dialogi.message(Ikona::Informacja, "UWAGA !!!",
                    "Nie udało się otworzyć pliku pomocy \"" + plik.string() +
                        "\".\nSystem nie ma programu do przeglądania plików pomocy CHM.");
}

}  // namespace common
