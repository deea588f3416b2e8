// The results window of the load-flow program without its pixels: the
// report it previews and saves, its labels, the remembered file names and
// whether the report shown has been saved.
#pragma once

#include <string>
#include <vector>

#include "common/core/dialogi.h"
#include "kreator/core/przypadek.h"
#include "kreator/core/rozplyw.h"

namespace kreator {

class OknoWynikow {
 public:
  explicit OknoWynikow(common::DialogService& dialogi) : dialogi_(dialogi) {}

  // "Otrzymane wyniki": builds the report and the labels; the window is
  // shown afresh, so nothing of it is saved yet.
  void Button1Click(const Przypadek& p, const WynikRozplywu& w);

  // "Zapisz wyniki" after the preview: asks for a ".TXT" name and writes
  // the report. True when the file was written.
  bool ZapiszWyniki();

  // "Zapisz schemat": a byte-for-byte copy of the exercise's scheme picture
  // (found beside `argument`, the exercise named on the command line)
  // under a ".BMP" name. True when the copy was written.
  bool ZapiszSchemat(const std::string& argument);

  // "Zamknij": true when the window may close (saved, or the user agrees
  // to lose the results).
  bool MoznaZamknac();

  // The folder the save dialogs start in: the user's home folder.
  static std::string FolderStartowy();

  std::vector<std::string> raport;
  std::string tytul;   // "WYNIKI" once the report is built
  std::string Label2, Label3, Label4;
  std::string Label6;  // how many nodes lie outside 0,9–1,1 of their rated voltage
  std::string PlikWynikow, PlikSchematu;
  bool WynikiZapisane = false;

 private:
  common::DialogService& dialogi_;
};

inline constexpr const char* kZleRozszerzenie = "Plik nie został zapisany, ponieważ podano nieprawidłowe rozszerzenie !!!";
// The message of a file the system would not let us write, with its error number.
std::string NieMogeZapisac(int blad);

}  // namespace kreator
