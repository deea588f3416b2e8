// The results window of the short-circuit program: the initial current,
// the peak factor κ and the thermal factor m typed or picked off the charts,
// the currents they give, preview and save. Draws the state of OknoWyniku.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "common/ui/filtr_klawiszy_qt.h"
#include "zwarcia/core/okno_wyniku.h"

namespace zwarcia {

class TF_wynik : public QWidget {
  Q_OBJECT
 public:
  TF_wynik(OknoWyniku& stan, QWidget* rodzic = nullptr);

  // Shows the boxes as the state holds them.
  void odswiez();
  // A value written into a factor box acts exactly like a typed one.
  void wpiszWspUdaru(const QString& tekst);
  void wpiszWspM(const QString& tekst);

  QLabel* Label1;
  QLineEdit *PrPoczE, *WspUdaruE, *PrZwUdarE, *PrWylSymE, *WspME, *PrZwCieplnyE;
  QPushButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5, *SpeedButton6,
      *SpeedButton7;

 signals:
  void wykresUdaru();  // SpeedButton6
  void wykresM();      // SpeedButton7
  void podglad();      // SpeedButton5: the report with the current lines
  void zapiszWyniki(); // SpeedButton2
  void ukryte();       // closed by any way

 protected:
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  OknoWyniku& stan_;
  common::FiltrKlawiszy filtr_;
};

}  // namespace zwarcia
