#include "zwarcia/core/okno_wyniku.h"

#include <cstdlib>

#include "common/core/liczby.h"
#include "common/core/pliki.h"
#include "common/core/zapis.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/raport.h"
#include "zwarcia/core/wspolczynniki.h"
#include "zwarcia/core/zadanie.h"

namespace zwarcia {

namespace {

const char* kZleRozszerzenie = "Plik nie został zapisany, ponieważ podano nieprawidłowe rozszerzenie !!!";

std::string FolderStartowy() {
  const char* dom = std::getenv("HOME");
  return dom && *dom ? dom : ".";
}

std::string NieMogeZapisac(int blad) {
  return "Nie mogę zapisać pliku. Wystąpił błąd nr " + common::CalkowitaNaTekst(blad) +
         ". Sprawdź gdzie zapisujesz wskazany plik, czy zapisanie w tym miejscu jest możliwe !!!";
}

}  // namespace

void OknoWyniku::Wypelnij(const Przypadek& p, const WynikZwarcia& w,
                          const std::optional<std::string>& pierwszaLiniaZadania) {
  raport = RaportZwarcia(p, w, pierwszaLiniaZadania);
  tytul = "WYNIKI";
  Label1 = "Otrzymane wyniki (dla zwarcia w węźle nr " + common::CalkowitaNaTekst(p.WezelZwarcia) + "):";
  RdoX = TekstRdoX(w);
  CzasL = common::LiczbaNaTekst(p.CzasZwarcia);
  ZmienWspUdaru("");
  PrZwUdarE.clear();
  PrZwCieplnyE.clear();
  PrPoczE = TekstPradu(w.PradPoczatkowy);
  PrWylSymE = PradWylaczeniowySymetryczny(PrPoczE);
  WynikiZapisane = false;
}

void OknoWyniku::ZmienWspUdaru(const std::string& tekst) {
  WspUdaruE = tekst;
  const ZmianaUdaru z = ZmienWspolczynnikUdaru(WspUdaruE, PrPoczE);
  wspMAktywne = z.wspMAktywne;
  if (z.prZwUdar) PrZwUdarE = *z.prZwUdar;
  if (z.blad) {
    dialogi_.message(common::Ikona::Blad, kTytulBleduWspolczynnika, *z.blad);
    WspUdaruE.clear();
    PrZwUdarE.clear();
    wspMAktywne = false;
  }
  // A new peak factor discards m and the thermal current.
  ZmienWspM("");
}

void OknoWyniku::ZmienWspM(const std::string& tekst) {
  WspME = tekst;
  const ZmianaM z = ZmienWspolczynnikM(WspME, PrPoczE);
  PrZwCieplnyE = z.prZwCieplny;
  if (z.blad) {
    dialogi_.message(common::Ikona::Blad, kTytulBleduWspolczynnika, *z.blad);
    WspME.clear();
    PrZwCieplnyE.clear();
  }
}

bool OknoWyniku::zapisMozliwy() const {
  for (const std::string* pole : {&PrPoczE, &WspUdaruE, &PrZwUdarE, &PrWylSymE, &WspME, &PrZwCieplnyE})
    if (pole->empty()) return false;
  return true;
}

std::vector<std::string> OknoWyniku::RaportZPradami() const {
  std::vector<std::string> wiersze = raport;
  for (const std::string& l : LiniePradowZwarciowych(PrZwUdarE, PrWylSymE, PrZwCieplnyE)) wiersze.push_back(l);
  return wiersze;
}

bool OknoWyniku::ZapiszWyniki() {
  const auto nazwa = dialogi_.askSaveFileName({"Zapisz otrzymany winik", "Plik tekstowy (*.txt)", "txt",
                                               FolderStartowy(), PlikWynikow.empty() ? "Wynik symulacji" : PlikWynikow});
  if (!nazwa || nazwa->empty() || common::RozszerzenieDuze(*nazwa).empty()) return false;
  if (common::RozszerzenieDuze(*nazwa) != ".TXT") {
    dialogi_.error(kZleRozszerzenie);
    return false;
  }
  PlikWynikow = *nazwa;
  if (const int blad = common::ZapiszTekstCp1250(*nazwa, RaportZPradami())) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, NieMogeZapisac(blad));
    return false;
  }
  WynikiZapisane = true;
  return true;
}

bool OknoWyniku::ZapiszSchemat(const std::string& argument) {
  if (!common::PlikTowarzyszacy(argument, ".URZ")) {
    dialogi_.error(kBrakSchematu);
    return false;
  }
  const auto nazwa =
      dialogi_.askSaveFileName({"Zapisz schemat jako", "Mapa bitowa systemu Windows (*.bmp)", "bmp", FolderStartowy(),
                                PlikSchematu.empty() ? "Symulowany schemat" : PlikSchematu});
  if (!nazwa || nazwa->empty() || common::RozszerzenieDuze(*nazwa).empty()) return false;
  if (common::RozszerzenieDuze(*nazwa) != ".BMP") {
    dialogi_.error(kZleRozszerzenie);
    return false;
  }
  PlikSchematu = *nazwa;
  const auto schemat = common::PlikTowarzyszacy(argument, ".URZ");
  if (!schemat) {
    dialogi_.error(
        "Plik nie został zapisany, ponieważ plik ze schematem nie istnieje !!!\nZainstaluj program ponownie lub "
        "skontaktuj się z autorami programu.");
    return false;
  }
  if (const int blad = common::KopiujPlik(*schemat, *nazwa)) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, NieMogeZapisac(blad));
    return false;
  }
  return true;
}

bool OknoWyniku::MoznaZamknac() {
  if (WynikiZapisane) return true;
  return dialogi_.askYesNo(
      "Koniec",
      "Czy na pewno chcesz zamknąć okno z wynikami programu przed zakończeniem obliczeń ???\nZamknięcie tego okna i "
      "jakakolwiek zmiana w konfiguracji schematu spowoduje, że otrzymane wyniki zostaną bezpowrotnie utracone i aby "
      "je ponownie otrzymać całe obliczenia będą musiały zostać powtórzone.");
}

}  // namespace zwarcia
