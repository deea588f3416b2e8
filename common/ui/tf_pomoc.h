// The help window of either program: pages compiled into the program,
// shown by a text browser with links, back and forward, the contents and a
// search by a word over all pages. F1 anywhere opens it at the section
// about what the user is looking at.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextBrowser>
#include <QWidget>
#include <functional>

namespace common {

class TF_Pomoc : public QWidget {
  Q_OBJECT
 public:
  // `katalog`: the resource folder of the program's pages (":/pomoc/kreator"),
  // which holds the pages both programs' helps have; a search walks them in order.
  TF_Pomoc(const QString& tytul, const QString& katalog, QWidget* rodzic = nullptr);

  // Opens "uzycie.html#strona-4" (a page of the folder, with its section)
  // and shows the window in front with the keyboard.
  void pokaz(const QString& adres);
  // The page and section shown, as given to pokaz().
  QString adres() const;
  // Looks for the text from the present place on, then in the other pages;
  // false when it is nowhere.
  bool szukaj(const QString& tekst);

  QTextBrowser* Tekst;
  QLineEdit* SzukajE;
  QPushButton *SpisBB, *WsteczBB, *DalejBB, *SzukajBB;
  QLabel* StatusL;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  QUrl url(const QString& adres) const;
  QString katalog_;
  QStringList strony_;
};

// F1 anywhere in the application opens `okno` at the section `adres` gives
// for the window that has the keyboard.
void PodepnijF1(TF_Pomoc* okno, std::function<QString(QWidget* aktywne)> adres);

}  // namespace common
