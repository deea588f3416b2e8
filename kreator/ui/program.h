// The load-flow program as a whole: the case, the wizard and every window,
// created once in a fixed order and wired together.
#pragma once

#include <memory>
#include <string>

#include "common/core/dialogi.h"
#include "kreator/core/kreator.h"
#include "kreator/ui/okna_pomocnicze.h"
#include "kreator/ui/tf_tlo.h"
#include "kreator/ui/tglowna.h"

namespace kreator {

class Program {
 public:
  // `folderProgramu` is where the help file lies.
  Program(common::DialogService& dialogi, std::string folderProgramu);
  ~Program();

  // Shows the main window; the background follows behind it.
  void pokaz();
  QWidget* okno(Okno o);

  Przypadek przypadek;
  Kreator kreator;
  // In the order of creation.
  std::unique_ptr<TGlowna> glowna;
  std::unique_ptr<TF_Podglad> podglad;
  std::unique_ptr<QWidget> katalogLinii, katalogTrafo, dane;
  std::unique_ptr<TF_Tlo> tlo;
  std::unique_ptr<OknoObrazka> daneElementow, schemat;
  std::unique_ptr<QWidget> wynik;

 private:
  common::DialogService& dialogi_;
  std::string folder_;
};

}  // namespace kreator
