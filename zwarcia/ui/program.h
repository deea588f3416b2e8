// The short-circuit program as a whole: the case, the wizard and every
// window, created once in a fixed order and wired together.
#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "common/core/dialogi.h"
#include "common/ui/okna_pomocnicze.h"
#include "common/ui/tdane.h"
#include "common/ui/tf_tlo.h"
#include "common/ui/tf_pomoc.h"
#include "common/ui/tf_tresc.h"
#include "zwarcia/core/kreator.h"
#include "zwarcia/core/okno_wyniku.h"
#include "zwarcia/ui/tf_wynik.h"
#include "zwarcia/ui/tglowna.h"
#include "zwarcia/ui/wykresy.h"

namespace zwarcia {

class Program {
 public:
  explicit Program(common::DialogService& dialogi);
  ~Program();

  // Shows the main window; the background follows behind it.
  void pokaz();
  QWidget* okno(Okno o);
  void pokazSchemat();
  void pokazDaneElementow();
  // "Otrzymane wyniki" and Enter after a run: the report, the results
  // window shown, the main window disabled until it closes.
  void Button1Click();
  // The report with the three current lines at the top right of the screen.
  void pokazPodglad();
  // A click on the background: the wizard, and the results window if open, in front again.
  void naPrzod();
  // One of the final panel's eight tables in the inspector.
  void pokazTabele(QPushButton* przycisk);
  // "Treść zadania": the exercise's task statement in its window at the top left of the screen.
  void pokazTresc();

  // The exercise named on the command line, opened when the main window is first shown.
  std::string argument;

  Przypadek przypadek;
  Kreator kreator;
  OknoWyniku stanWyniku;
  // In the order of creation.
  std::unique_ptr<TGlowna> glowna;
  std::unique_ptr<common::TF_Podglad> podglad;
  std::unique_ptr<common::TDane> dane;
  std::unique_ptr<common::TF_Tlo> tlo;
  std::unique_ptr<common::OknoObrazka> daneElementow, schemat;
  std::unique_ptr<TF_wynik> wynik;
  std::unique_ptr<TF_WykresRdoX> wykresRdoX;
  std::unique_ptr<TF_WykresN> wykresN;
  std::unique_ptr<common::TF_Tresc> tresc;
  std::unique_ptr<common::TF_Pomoc> pomoc;

 private:
  void otworzZadanie();

  common::DialogService& dialogi_;
};

}  // namespace zwarcia
