// The small results window: what the report was computed for, preview and
// save of the report, close with a question while it is unsaved.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "kreator/core/okno_wynikow.h"

namespace kreator {

class TF_Wynik : public QWidget {
  Q_OBJECT
 public:
  TF_Wynik(OknoWynikow& stan, QWidget* rodzic = nullptr);

  // Shows the labels of the report just built.
  void odswiez();

  QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
  QLabel* Label6;  // the nodes outside 0,9–1,1 Un
  QPushButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5;

 signals:
  void podglad();       // show the report
  void zapiszWyniki();  // preview, then save
  void ukryte();        // closed by any way

 protected:
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  OknoWynikow& stan_;
};

}  // namespace kreator
