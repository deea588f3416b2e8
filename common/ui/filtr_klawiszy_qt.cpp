#include "common/ui/filtr_klawiszy_qt.h"

#include <QKeyEvent>

#include "common/core/filtr_klawiszy.h"

namespace common {

namespace {
const char* kPole = "filtrPole";
}

bool ZnakOdrzucony(const QKeyEvent* e) {
  switch (e->key()) {
    // Editing and movement keys type no character of their own.
    case Qt::Key_Delete: case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Escape:
      return false;
    case Qt::Key_C: case Qt::Key_V: case Qt::Key_X:
      // Copy, paste and cut do nothing, whatever text the platform attaches.
      if (e->modifiers() & Qt::ControlModifier) return true;
      break;
    default:
      break;
  }
  const QString tekst = e->text();
  if (tekst.isEmpty()) return false;
  for (QChar c : tekst)
    if (!ZnakPrzepuszczony(c.unicode())) return true;
  return false;
}

void FiltrKlawiszy::pilnujPola(QObject* pole) {
  pole->setProperty(kPole, true);
  pole->installEventFilter(this);
}

void FiltrKlawiszy::pilnujPrzycisku(QObject* przycisk) { przycisk->installEventFilter(this); }

bool FiltrKlawiszy::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() != QEvent::KeyPress) return false;
  auto* e = static_cast<QKeyEvent*>(zdarzenie);
  if (e->key() == Qt::Key_Escape) {
    emit escape();
    return true;
  }
  if (!obiekt->property(kPole).toBool()) return false;
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    emit enter();
    return true;
  }
  return ZnakOdrzucony(e);
}

}  // namespace common
