#include "kreator/core/okno_wynikow.h"

#include <cstdlib>

#include "common/core/liczby.h"
#include "common/core/zapis.h"
#include "kreator/core/kreator.h"
#include "kreator/core/raport.h"

namespace kreator {

void OknoWynikow::Button1Click(const Przypadek& p, const WynikRozplywu& w) {
  raport = RaportRozplywu(p, w);
  tytul = "WYNIKI";
  Label2 = "węzła bilansującego nr " + common::CalkowitaNaTekst(p.WezelBilansujacy);
  Label3 = "napięcia w węźle bilansującyn " + common::CalkowitaNaTekst(p.NapiecieBilansujace) + " kV";
  Label4 = common::LiczbaNaTekst(p.Epsilon);
  WynikiZapisane = false;
}

std::string OknoWynikow::FolderStartowy() {
  const char* dom = std::getenv("HOME");
  return dom && *dom ? dom : ".";
}

bool OknoWynikow::ZapiszWyniki() {
  const auto nazwa = dialogi_.askSaveFileName(
      {"Zapisz otrzymany winik", "Plik tekstowy (*.txt)", "txt", FolderStartowy(),
       PlikWynikow.empty() ? "Wynik symulacji" : PlikWynikow});
  if (!nazwa || nazwa->empty()) return false;
  const std::string rozszerzenie = common::RozszerzenieDuze(*nazwa);
  if (rozszerzenie.empty()) return false;
  if (rozszerzenie != ".TXT") {
    dialogi_.error(kZleRozszerzenie);
    return false;
  }
  PlikWynikow = *nazwa;
  if (const int blad = common::ZapiszTekstCp1250(*nazwa, raport)) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu,
                     "Nie mogę zapisać pliku. Wystąpił błąd nr " + common::CalkowitaNaTekst(blad) +
                         ". Sprawdź gdzie zapisujesz wskazany plik, czy zapisanie w tym miejscu jest możliwe !!!");
    return false;
  }
  WynikiZapisane = true;
  return true;
}

bool OknoWynikow::MoznaZamknac() {
  if (WynikiZapisane) return true;
  return dialogi_.askYesNo(
      "Koniec",
      "Czy na pewno chcesz zamknąć okno z wynikami symulacji przed zapisaniem pliku z wynikami ???\n"
      "Zamknięcie tego okna i jakakolwiek zmiana w konfiguracji schematu spowoduje, że otrzymane wyniki zostaną "
      "bezpowrotnie utracone. Aby otrzymać je ponownie całe obliczenia będą musiały zostać powtórzone.");
}

}  // namespace kreator
