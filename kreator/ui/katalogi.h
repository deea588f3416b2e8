// The catalogue windows TKatalogLini and TKatalogTrafo: small tool windows
// on top of the wizard that draw a kreator::Katalog and pass the user's
// choices to it. Closing only hides them.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "common/ui/filtr_klawiszy_qt.h"
#include "kreator/core/katalog.h"

namespace kreator {

// What the two windows share: an entry combo, value boxes, a row combo,
// "Wstaw" and "OK".
class OknoKatalogu : public QWidget {
  Q_OBJECT
 public:
  // KatalogBB: `liczba` rows to choose from, row `wiersz` chosen, the entry
  // and the boxes emptied; the window is shown in front.
  void otworz(int liczba, int wiersz);

  QLabel* NaglowekL;
  QPushButton *WstawBB, *okBB;

 signals:
  // A row of the grid was written; the main window re-reads its grid.
  void wstawiono();

 public slots:
  void WstawBBClick();

 protected:
  struct Pole {
    const char* nazwa;
    const char* etykieta;
    bool filtr;  // digits and the comma only
  };
  OknoKatalogu(Katalog& katalog, const char* nazwa, const char* tytul, const char* naglowek, const char* nazwaKatalogu,
               const std::vector<Pole>& pola, const char* nazwaNumeru, const char* etykietaNumeru, QWidget* rodzic);

  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

  QComboBox* katalogCB_;
  QComboBox* numerCB_;
  std::vector<QLineEdit*> pola_;

 private:
  void rysuj();
  void enter(QObject* obiekt);

  Katalog& k_;
  common::FiltrKlawiszy filtr_;
  bool rysuje_ = false;  // the window is writing its controls, not the user
};

class TKatalogLini : public OknoKatalogu {
  Q_OBJECT
 public:
  explicit TKatalogLini(Katalog& katalog, QWidget* rodzic = nullptr);
  QComboBox *KatalogLiniCB, *NrLiniCB;
  QLineEdit *RezE, *ReakE, *SuscE, *DlugE, *ToryE;
};

class TKatalogTrafo : public OknoKatalogu {
  Q_OBJECT
 public:
  explicit TKatalogTrafo(Katalog& katalog, QWidget* rodzic = nullptr);
  QComboBox *KatalogTrafoCB, *NrTrafoCB;
  QLineEdit *NapGE, *NapDE, *MocPE, *PCuE, *PFeE, *UzPrE, *I0PrE;
};

}  // namespace kreator
