// The convergence chart window: the largest voltage change and the largest
// power mismatch of every Gauss-Seidel sweep beside every Newton-Raphson
// iteration, two panes on logarithmic axes with their epsilon lines. The
// pointer over a point explains it on the bottom line; the chart can be
// saved as a PNG picture. kreator::Zbieznosc decides what is drawn.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <optional>
#include <string>

#include "common/core/dialogi.h"
#include "kreator/core/zbieznosc.h"

namespace kreator {

// The painted chart; follows the pointer.
class WykresZbieznosci : public QWidget {
  Q_OBJECT
 public:
  explicit WykresZbieznosci(QWidget* rodzic = nullptr);
  void ustaw(const Zbieznosc* dane);
  // The chart drawn afresh at the given size, no point marked.
  QImage obraz(QSize rozmiar) const;
  // Where a point of a pane is drawn, in the widget's pixels.
  QPointF polozenie(Wielkosc w, Punkt p) const;
  std::optional<std::pair<Wielkosc, Punkt>> wskazany() const { return wskazany_; }

 signals:
  // The text about the point under the pointer, or the hint when there is none.
  void wskazano(const QString& tekst);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  void wskaz(std::optional<std::pair<Wielkosc, Punkt>> punkt);
  const Zbieznosc* dane_ = nullptr;
  std::optional<std::pair<Wielkosc, Punkt>> wskazany_;
};

class TF_Zbieznosc : public QWidget {
  Q_OBJECT
 public:
  explicit TF_Zbieznosc(common::DialogService& dialogi, QWidget* rodzic = nullptr);

  // Shows the chart of these runs in the middle of the screen, with the keyboard.
  void pokaz(Zbieznosc dane);
  const Zbieznosc& dane() const { return dane_; }
  // "Zapisz jako PNG…": the chart as shown, through the save dialog.
  bool zapiszPng();

  WykresZbieznosci* Wykres;
  QLabel* StatusL;
  QPushButton *ZapiszBB, *ZamknijBB;
  ZapisWykresu zapis;

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  Zbieznosc dane_;
};

}  // namespace kreator
