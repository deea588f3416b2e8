#include "common/ui/okna.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace common {

namespace {
// When an owned window that has the keyboard closes, its owner takes the
// keyboard: window managers differ in where they put the focus then, and
// the main window may be waiting disabled behind the owner.
class PowrotDoWlasciciela : public QObject {
 public:
  PowrotDoWlasciciela(QWidget* okno, QWidget* wlasciciel) : QObject(okno), wlasciciel_(wlasciciel) {}
  bool eventFilter(QObject* obiekt, QEvent* e) override {
    if (e->type() == QEvent::Hide && obiekt == parent() && static_cast<QWidget*>(obiekt)->isActiveWindow() &&
        wlasciciel_ && wlasciciel_->isVisible())
      Aktywuj(wlasciciel_);
    return false;
  }

 private:
  QPointer<QWidget> wlasciciel_;
};

// See PrzekazujAktywacje.
class PrzekazanieAktywacji : public QObject {
 public:
  PrzekazanieAktywacji(QWidget* zablokowane, QWidget* okno) : QObject(zablokowane), okno_(okno) {}
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowActivate && okno_ && okno_->isVisible()) {
      QPointer<QWidget> okno = okno_;
      QTimer::singleShot(0, okno, [okno] { if (okno && okno->isVisible()) Aktywuj(okno); });
    }
    return false;
  }

 private:
  QPointer<QWidget> okno_;
};
}  // namespace

void PrzekazujAktywacje(QWidget* zablokowane, QWidget* okno) {
  zablokowane->installEventFilter(new PrzekazanieAktywacji(zablokowane, okno));
}

void UstawWlasciciela(QWidget* okno, QWidget* wlasciciel) {
  okno->winId();  // both need their native windows for the relation
  wlasciciel->winId();
  okno->windowHandle()->setTransientParent(wlasciciel->windowHandle());
  okno->installEventFilter(new PowrotDoWlasciciela(okno, wlasciciel));
}

QRect ObszarEkranu() {
  QScreen* ekran = QGuiApplication::primaryScreen();
  return ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
}

Ramka RamkaOkien(QWidget* okno) {
  // The platform knows a window's own frame once it is made (on X11 only once it has been shown).
  if (okno) {
    okno->winId();
    if (QWindow* w = okno->windowHandle()) {
      const QMargins m = w->frameMargins();
      if (!m.isNull()) return {m.left(), m.top(), m.right(), m.bottom()};
    }
  }
  // Any decorated window on screen tells what the window manager adds.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (!w->isVisible() || (w->windowFlags() & Qt::FramelessWindowHint)) continue;
    const QRect z = w->frameGeometry(), g = w->geometry();
    if (z == g) continue;
    return {g.left() - z.left(), g.top() - z.top(), z.right() - g.right(), z.bottom() - g.bottom()};
  }
  return {4, 28, 4, 4};  // a usual title bar and border until one is known
}

Prostokat NaProstokat(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
QRect NaQRect(const Prostokat& p) { return {p.lewo, p.gora, p.szerokosc, p.wysokosc}; }

Prostokat CaleOkno(const QWidget* okno) {
  if (okno->isVisible() && okno->frameGeometry() != okno->geometry()) return NaProstokat(okno->frameGeometry());
  return ZRamka(NaProstokat(okno->geometry()), RamkaOkien(const_cast<QWidget*>(okno)));
}

void PokazOkno(QWidget* okno, const QRect& wnetrze) {
  QRect r = NaQRect(ZmiescWObszarze(NaProstokat(wnetrze), RamkaOkien(okno), NaProstokat(ObszarEkranu())));
  // A window of fixed size keeps it; the work area then decides only its place.
  if (okno->minimumSize() == okno->maximumSize()) r.setSize(okno->size());
  okno->setGeometry(r);
  okno->show();
  Aktywuj(okno);
}

void PokazOkno(QWidget* okno) { PokazOkno(okno, okno->geometry()); }

void PokazNaSrodku(QWidget* okno) {
  QScreen* ekran = QGuiApplication::primaryScreen();
  const QRect g = ekran ? ekran->geometry() : QRect(0, 0, 1024, 768);
  const Prostokat r = Wysrodkuj(g.width(), g.height(), okno->width(), okno->height());
  PokazOkno(okno, QRect(g.x() + r.lewo, g.y() + r.gora, okno->width(), okno->height()));
}

void Aktywuj(QWidget* okno) {
  okno->raise();
  // On X11 a window not yet mapped is activated as soon as it is.
  okno->activateWindow();
}

}  // namespace common
