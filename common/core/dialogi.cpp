#include "common/core/dialogi.h"

namespace common {

void RecordingDialogService::message(Ikona ikona, const std::string& tytul, const std::string& tekst) {
  wpisy.push_back({ikona, tytul, tekst});
}

bool RecordingDialogService::askYesNo(const std::string& tytul, const std::string& tekst) {
  wpisy.push_back({Ikona::Pytanie, tytul, tekst});
  if (odpowiedzi.empty()) return domyslnaOdpowiedz;
  bool odpowiedz = odpowiedzi.front();
  odpowiedzi.pop_front();
  return odpowiedz;
}

std::optional<std::string> RecordingDialogService::askSaveFileName(const ZapisPliku& zapis) {
  dialogiZapisu.push_back(zapis);
  if (nazwyPlikow.empty()) return std::nullopt;
  auto nazwa = nazwyPlikow.front();
  nazwyPlikow.pop_front();
  return nazwa;
}

}  // namespace common

namespace common {

void ConsoleDialogService::message(Ikona ikona, const std::string&, const std::string& tekst) {
  if (ikona == Ikona::Blad) ++bledy;
  strumien_ << tekst << '\n';
}

}  // namespace common
