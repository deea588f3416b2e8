// The main window of the load-flow program: the wizard on screen. It draws
// the view of kreator::Kreator and passes clicks and keys to it.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <functional>

#include "common/core/dialogi.h"
#include "common/ui/okno_kreatora.h"
#include "common/ui/siatka_widok.h"
#include "kreator/core/kreator.h"
#include "kreator/ui/menu_wypelniania.h"

namespace kreator {

class TGlowna : public common::OknoKreatora {
  Q_OBJECT
 public:
  TGlowna(Kreator& kreator, common::DialogService& dialogi, QWidget* rodzic = nullptr);

  // Draws the view and carries out the effects of the last action.
  void pokaz(const Skutki& skutki);
  // "Zbieżność": the runs of the chart on the worker thread while the
  // wizard waits with their prompt (at once when work in the background
  // is off), then `koniec` on the window thread.
  void obliczZbieznosc(std::function<void()> praca, std::function<void()> koniec);

  // Hides one of the other windows; set by the program.
  std::function<void(Okno)> zamknijOkno;
  // Called with the view after every action, for the background's bar.
  std::function<void(const Widok&)> poZmianie;
  QWidget *LinieP, *TrafoP, *WElP, *WObcP, *KoniecP;
  common::SiatkaWidok *LinieSG, *TrafoSG, *WElSG, *WObcSG;
  MenuWypelniania* MenuP;  // the column-fill menu over LinieSG
  QPushButton *NowyBB, *KatalogBB, *WsteczBB, *DalejBB, *ZamknijBB;
  // The result-table buttons of KoniecP.
  QPushButton *SpeedButton1, *SpeedButton3, *SpeedButton4, *SpeedButton2, *SpeedButton6, *SpeedButton7;
  QPushButton* ZbieznoscBB;  // "Zbieżność": the convergence chart, after the tables

 public slots:
  void DalejBBClick();
  void WsteczBBClick();
  void NowyBBClick();

 private:
  QWidget* panelZSiatka(const char* nazwa, common::SiatkaWidok*& siatka, common::TextGrid& tekst);
  // Places the controls for the current page; returns how much taller than
  // the page's height the window is for a prompt on more than one line.
  int rozmiesc();
  // The result-table buttons in rows of at most `szerokosc` pixels, in order.
  void rozmiescKoniecP(int szerokosc);
  void wykonaj(const std::function<Skutki()>& akcja);

  Kreator& kreator_;
};

}  // namespace kreator
