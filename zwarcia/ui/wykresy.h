// The factor chart windows: the peak factor κ against X/R and the thermal
// factor m against Tk. The pointer over the chart shows a red crosshair and
// a readout; a click writes the value read, with two decimals, into the
// results window's box. Only one of the two windows is open at a time.
#pragma once

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

#include "zwarcia/core/wykresy.h"

namespace zwarcia {

class KrzyzWykresu;

// What the two windows share; they differ in their pictures and rules.
class OknoWykresu : public QWidget {
  Q_OBJECT
 public:
  // Sets the two instruction lines of the bottom panel.
  void ustawInstrukcje(const QString& l1, const QString& l2);
  // The box a click writes into (WspUdaruE or WspME); may be null.
  void ustawCel(QLineEdit* cel) { cel_ = cel; }
  // The other chart window: showing this one closes it.
  void ustawDrugie(QWidget* drugie) { drugie_ = drugie; }
  // Places the window at 10, 10 from the screen's top left and shows it.
  void pokaz();

  // The chart picture as drawn at start.
  const QImage& obraz() const { return obraz_; }
  // The crosshair now drawn, in window pixels, if any.
  std::optional<std::pair<Linia, Linia>> krzyz() const;

  QLabel *Image1, *Image2, *Image3;  // vertical labels, horizontal labels, chart
  QLabel *L1, *L2;
  QPushButton* BitBtn1;
  QLabel* PolozenieP;
  // The vertical value under the pointer at its last movement over the chart.
  double WartoscOdczytana = 0;

 signals:
  // A click on the chart: the value as written into the box ("1,82").
  void odczytano(const QString& tekst);

 protected:
  using Regula = std::function<Odczyt(int x, int y)>;
  OknoWykresu(const char* nazwa, const char* tytul, const UkladWykresu& uklad, Regula regula, QImage obraz,
              QImage opisyPionowe, QImage opisyPoziome, QWidget* rodzic);

  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void ruchNadWykresem(QPoint p);
  void ruchPozaWykresem();

  Regula regula_;
  QImage obraz_;
  KrzyzWykresu* krzyz_;
  QPointer<QLineEdit> cel_;
  QPointer<QWidget> drugie_;
};

class TF_WykresRdoX : public OknoWykresu {
  Q_OBJECT
 public:
  explicit TF_WykresRdoX(QWidget* rodzic = nullptr);
};

class TF_WykresN : public OknoWykresu {
  Q_OBJECT
 public:
  explicit TF_WykresN(QWidget* rodzic = nullptr);
};

// Each of the two closes the other when shown.
void PolaczWykresy(OknoWykresu& a, OknoWykresu& b);

// The chart pictures, drawn by the program (for the windows and for a look
// at them outside the program).
QImage ObrazRdoX();
QImage OpisyPionoweRdoX();
QImage OpisyPoziomeRdoX();
QImage ObrazN();
QImage OpisyPionoweN();
QImage OpisyPoziomeN();

}  // namespace zwarcia
