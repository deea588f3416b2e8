// The secondary windows of the load-flow program. All are created once at
// start-up; closing one only hides it.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

namespace common {

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

// A resizable tool window that shows one picture of an exercise: the
// network scheme stretched with the window, or the element data at its own
// size with scroll bars.
class OknoObrazka : public QWidget {
  Q_OBJECT
 public:
  OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, bool rozciagaj,
              QWidget* rodzic = nullptr);
  void ustaw(const QImage& obraz);
  QLabel* obrazek;
};

// Reads a Windows bitmap, refusing what is not one or is too large to show.
QImage WczytajBitmape(const QString& sciezka);


}  // namespace common
