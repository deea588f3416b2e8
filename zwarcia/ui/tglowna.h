// The main window of the short-circuit program: the wizard on screen. It
// draws the view of zwarcia::Kreator and passes clicks and keys to it.
#pragma once

#include <QPushButton>
#include <functional>

#include "common/ui/okno_kreatora.h"
#include "common/ui/siatka_widok.h"
#include "zwarcia/core/kreator.h"

namespace zwarcia {

class TGlowna : public common::OknoKreatora {
  Q_OBJECT
 public:
  TGlowna(Kreator& kreator, common::DialogService& dialogi, QWidget* rodzic = nullptr);

  // Draws the view and carries out the effects of the last action.
  void pokaz(const Skutki& skutki);

  // Hides one of the other windows; set by the program.
  std::function<void(Okno)> zamknijOkno;
  // Called with the view after every action, for the background's bar.
  std::function<void(const Widok&)> poZmianie;

  QWidget *SystemyP, *GeneratoryP, *TransformatoryP, *LinieP, *KoniecP;
  common::SiatkaWidok *SystemySG, *GeneratorySG, *TrafoSG, *LinieSG;
  QPushButton *NowyBB, *WsteczBB, *DalejBB, *ZamknijBB;
  // The result-table buttons of KoniecP, in three columns.
  QPushButton *SpeedButton7, *SpeedButton8, *SpeedButton3, *SpeedButton1, *SpeedButton4, *SpeedButton2,
      *SpeedButton11, *SpeedButton13;

 public slots:
  void DalejBBClick();
  void WsteczBBClick();
  void NowyBBClick();

 private:
  // Enter in the box or a table: Next, or the report once a run is done.
  void enter();
  QWidget* panelZSiatka(const char* nazwa, const char* nazwaSiatki, common::SiatkaWidok*& siatka,
                        common::TextGrid& tekst);
  // Places the controls for the current page; returns how much taller than
  // the page's height the window is for a prompt on more than one line.
  int rozmiesc();
  void wykonaj(const std::function<Skutki()>& akcja);

  Kreator& kreator_;
};

}  // namespace zwarcia
