// MenuP: the column-fill menu that opens over LinieSG when the user presses
// a column header, and writes one chosen value into every row of that
// column. The rules (suggestions, hit test, position, fill) live in
// kreator/core/wypelnianie.h; this panel only shows them.
#pragma once

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

#include "common/ui/filtr_klawiszy_qt.h"
#include "common/ui/siatka_widok.h"
#include "kreator/core/przypadek.h"

namespace kreator {

class MenuWypelniania : public QFrame {
  Q_OBJECT
 public:
  // Lies over `LinieSG`, in the same parent, hidden until a header press.
  MenuWypelniania(Przypadek& przypadek, common::SiatkaWidok* LinieSG);

  // Moving the mouse over `w` itself (not over a child of it) closes the
  // menu, so it goes away when the pointer leaves the grid area.
  void zamykajPrzyRuchuNad(QWidget* w);
  // Hides the menu and gives the grid its input back.
  void zamknij();

  QLabel* Label1;
  QComboBox* WypelnijCB;
  QToolButton *WypenijAnulujSB, *WypelnikOKSB;
  QLabel* KolNrL;

 public slots:
  // Opens the menu for a column of 3..8, beside that column.
  void otworz(int kolumna);
  void WypelnijCBChange(const QString& tekst);
  void WypelnikOKSBClick();
  void WypenijAnulujSBClick();

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  bool LinieSGMouseDown(QWidget* gdzie, QPoint pozycja);

  Przypadek& przypadek_;
  common::SiatkaWidok* LinieSG_;
  common::FiltrKlawiszy filtr_;
  QList<QWidget*> pilnowane_;
};

}  // namespace kreator
