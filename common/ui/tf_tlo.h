// The full-screen background behind the wizard of either program: the
// headings, the side picture and the bar of five buttons along the bottom.
#pragma once

#include <QLabel>
#include <QStringList>
#include <vector>
#include <QPushButton>
#include <QWidget>

#include "controls/napis_wypukly.h"

namespace common {

class TF_Tlo : public QWidget {
  Q_OBJECT
 public:
  // One raised heading per text, one below the other.
  explicit TF_Tlo(const QStringList& naglowki, QWidget* rodzic = nullptr);

  // Covers the given screen area and lays out the heading, picture and bar.
  void rozciagnij(const QRect& ekran);
  // Shows the bar's optional buttons.
  void ustawPrzyciski(bool schemat, bool daneElementow, bool zapisz, bool tresc);

  controls::NapisWypukly* naglowek;   // the first heading
  std::vector<controls::NapisWypukly*> naglowki;
  QLabel* img_Slop;
  QWidget* p_PasekTlo;
  QPushButton *sb_Help, *sb_Schemat, *sb_DaneElementow, *sb_Zapisz, *sb_CloseTlo;
  QPushButton* sb_Tresc;  // "Treść zadania", after the exercise's pictures

 signals:
  // A click on the background itself, its heading, picture or bar.
  void klikniete();

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void paintEvent(QPaintEvent* e) override;

 private:
  void rozmiesc();
  QPixmap obrazek_;
};

}  // namespace common
