// The full-screen background behind the wizard: the heading, the side
// picture and the bar of five buttons along the bottom.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "controls/napis_wypukly.h"

namespace kreator {

struct Widok;

class TF_Tlo : public QWidget {
  Q_OBJECT
 public:
  explicit TF_Tlo(QWidget* rodzic = nullptr);

  // Covers the given screen area and lays out the heading, picture and bar.
  void rozciagnij(const QRect& ekran);
  // Shows the bar's buttons as the wizard's view says.
  void ustawPrzyciski(const Widok& widok);

  controls::NapisWypukly* naglowek;
  QLabel* img_Slop;
  QWidget* p_PasekTlo;
  QPushButton *sb_Help, *sb_Schemat, *sb_DaneElementow, *sb_Zapisz, *sb_CloseTlo;

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

}  // namespace kreator
