// The secondary windows of the load-flow program. All are created once at
// start-up; closing one only hides it.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace kreator {

// Report preview: a read-only text filling the window.
class TF_Podglad : public QWidget {
  Q_OBJECT
 public:
  explicit TF_Podglad(QWidget* rodzic = nullptr);
  QPlainTextEdit* MemoGlowne;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
};

// A resizable tool window that shows one picture (the network scheme or
// the element data of an exercise).
class OknoObrazka : public QWidget {
  Q_OBJECT
 public:
  OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, QWidget* rodzic = nullptr);
  QLabel* obrazek;
};

// A window whose content the later parts of the program fill: the
// catalogues, the inspector and the results window. It has its name and
// caption, is created in its place and hides when closed.
QWidget* NoweOkno(const char* nazwa, const char* tytul, QWidget* rodzic = nullptr);

}  // namespace kreator
