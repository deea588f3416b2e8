// The load-flow program as a whole: the case, the wizard and every window,
// created once in a fixed order and wired together.
#pragma once

#include <memory>
#include <string>

#include "common/core/dialogi.h"
#include "kreator/core/katalog.h"
#include "kreator/core/kreator.h"
#include "kreator/core/okno_wynikow.h"
#include "kreator/ui/katalogi.h"
#include "common/ui/okna_pomocnicze.h"
#include "common/ui/tf_tlo.h"
#include "common/ui/tf_pomoc.h"
#include "common/ui/tf_tresc.h"
#include "common/ui/tdane.h"
#include "kreator/ui/tf_wynik.h"
#include "kreator/ui/tf_zbieznosc.h"
#include "kreator/ui/tglowna.h"

namespace kreator {

class Program {
 public:
  explicit Program(common::DialogService& dialogi);
  ~Program();

  // Shows the main window; the background follows behind it.
  void pokaz();
  QWidget* okno(Okno o);

  // "Otrzymane wyniki" and Enter on Button1: the report into the preview,
  // the results window shown, the main window disabled until it closes.
  void Button1Click();
  // The preview at the top right of the screen.
  void pokazPodglad();
  // One of the final panel's tables in the inspector.
  void pokazTabele(QPushButton* przycisk);
  // The exercise's pictures: the scheme at the top right, the element data at the top left.
  void pokazSchemat();
  void pokazDaneElementow();
  // A click on the background: the wizard, and the results window if open, in front again.
  void naPrzod();
  // "Treść zadania": the exercise's task statement in its window at the top left of the screen.
  void pokazTresc();
  // "Wstaw z katalogu": the catalogue of the grid page shown, at the row of the grid's current cell.
  void KatalogBBClick();
  // "Zbieżność": both methods run on the computed case, their chart shown.
  void pokazZbieznosc();

  // The exercise named on the command line, opened when the main window is first shown.
  std::string argument;

  Przypadek przypadek;
  Kreator kreator;
  OknoWynikow stanWynikow;
  Katalog stanKataloguLinii, stanKataloguTrafo;
  // In the order of creation.
  std::unique_ptr<TGlowna> glowna;
  std::unique_ptr<common::TF_Podglad> podglad;
  std::unique_ptr<TKatalogLini> katalogLinii;
  std::unique_ptr<TKatalogTrafo> katalogTrafo;
  std::unique_ptr<common::TDane> dane;
  std::unique_ptr<common::TF_Tlo> tlo;
  std::unique_ptr<common::OknoObrazka> daneElementow, schemat;
  std::unique_ptr<TF_Wynik> wynik;
  std::unique_ptr<common::TF_Tresc> tresc;
  std::unique_ptr<common::TF_Pomoc> pomoc;
  std::unique_ptr<TF_Zbieznosc> zbieznosc;

 private:
  common::DialogService& dialogi_;
};

}  // namespace kreator
