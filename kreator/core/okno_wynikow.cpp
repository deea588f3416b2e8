#include "kreator/core/okno_wynikow.h"

#include <cstdlib>

#include "common/core/liczby.h"
#include "common/core/zapis.h"
#include "kreator/core/kreator.h"
#include "kreator/core/raport.h"
#include "kreator/core/zadanie.h"

namespace kreator {

std::string NieMogeZapisac(int blad) {
  return "Nie mogę zapisać pliku. Wystąpił błąd nr " + common::CalkowitaNaTekst(blad) +
         ". Sprawdź gdzie zapisujesz wskazany plik, czy zapisanie w tym miejscu jest możliwe !!!";
}

namespace {

// "węzeł" after 1; "węzły" after 2–4, 22–24, … but not 12–14; "węzłów" otherwise.
std::string Wezly(size_t n) {
  if (n == 1) return "węzeł";
  if (n % 10 >= 2 && n % 10 <= 4 && !(n % 100 >= 12 && n % 100 <= 14)) return "węzły";
  return "węzłów";
}

std::string NapieciaWPrzedziale(size_t poza) {
  if (poza == 0) return "Napięcia wszystkich węzłów w przedziale 0,9–1,1 Un";
  return "Napięcia poza przedziałem 0,9–1,1 Un: " + common::CalkowitaNaTekst(static_cast<long long>(poza)) + " " +
         Wezly(poza);
}
}  // namespace

void OknoWynikow::Button1Click(const Przypadek& p, const WynikRozplywu& w) {
  raport = RaportRozplywu(p, w);
  tytul = "WYNIKI";
  Label2 = "węzła bilansującego nr " + common::CalkowitaNaTekst(p.WezelBilansujacy);
  Label3 = "napięcia w węźle bilansującyn " + common::CalkowitaNaTekst(p.NapiecieBilansujace) + " kV";
  Label4 = common::LiczbaNaTekst(p.Epsilon);
  Label6 = NapieciaWPrzedziale(w.ostrzezenia.size());
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
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, NieMogeZapisac(blad));
    return false;
  }
  WynikiZapisane = true;
  return true;
}


bool OknoWynikow::ZapiszSchemat(const std::string& argument) {
  const auto schemat = PlikTowarzyszacy(argument, ".URM");
  if (!schemat) {
    dialogi_.error(kBrakSchematu);
    return false;
  }
  const auto nazwa = dialogi_.askSaveFileName({"Zapisz schemat jako", "Mapa bitowa systemu Windows (*.bmp)", "bmp",
                                               FolderStartowy(),
                                               PlikSchematu.empty() ? "Symulowany schemat" : PlikSchematu});
  if (!nazwa || nazwa->empty() || common::RozszerzenieDuze(*nazwa).empty()) return false;
  if (common::RozszerzenieDuze(*nazwa) != ".BMP") {
    dialogi_.error(kZleRozszerzenie);
    return false;
  }
  PlikSchematu = *nazwa;
  const auto wciazJest = PlikTowarzyszacy(argument, ".URM");
  if (!wciazJest) {
    dialogi_.error(kSchematNieIstnieje);
    return false;
  }
  if (const int blad = common::KopiujPlik(*wciazJest, *nazwa)) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, NieMogeZapisac(blad));
    return false;
  }
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
