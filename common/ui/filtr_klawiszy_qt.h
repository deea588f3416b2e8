// The keyboard convention of the main windows: in an entry box or a grid
// only digits, the comma, Backspace and Enter may be typed; Enter there
// means Next; Escape anywhere closes the window.
#pragma once

#include <QObject>

class QKeyEvent;

namespace common {

// True when a key press types a character that the filter drops.
bool ZnakOdrzucony(const QKeyEvent* zdarzenie);

class FiltrKlawiszy : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // An entry control: the character filter, Enter and Escape.
  void pilnujPola(QObject* pole);
  // A button or the window: Escape only (a button takes Enter as its click).
  void pilnujPrzycisku(QObject* przycisk);

 signals:
  void enter();
  void escape();

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
};

}  // namespace common
