#include "common/ui/tf_tlo.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <cmath>

#include "common/ui/obrazki.h"

namespace common {

namespace {
constexpr int kWysokoscPaska = 41;
constexpr int kWysokoscNaglowka = 90;

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* napis) {
  auto* b = new QPushButton(QString::fromUtf8(napis), rodzic);
  b->setObjectName(nazwa);
  b->setFlat(true);
  b->setFocusPolicy(Qt::NoFocus);
  b->resize(std::max(100, b->sizeHint().width() + 16), 31);
  return b;
}
}  // namespace

TF_Tlo::TF_Tlo(const QStringList& teksty, QWidget* rodzic) : QWidget(rodzic, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName("TF_Tlo");
  // The background never takes the focus: a window manager then never
  // raises it over the program's windows (a focused borderless window the
  // size of the screen counts as full-screen there and covers everything).
  setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  // On X11 it is also marked as the desktop: window managers keep such a
  // window below all others whatever is clicked or focused. Qt's X11
  // platform reads this property whenever the window's flags are applied.
  winId();
  if (QWindow* okno = windowHandle()) {
    constexpr int kTypOknaPulpit = 0x2;  // _NET_WM_WINDOW_TYPE_DESKTOP
    okno->setProperty("_q_xcb_wm_window_type", kTypOknaPulpit);
    const Qt::WindowFlags flagi = okno->flags();
    okno->setFlags(flagi | Qt::WindowStaysOnBottomHint);
    okno->setFlags(flagi);
  }
  obrazek_ = ObrazekBoczny();

  img_Slop = new QLabel(this);
  img_Slop->setObjectName("img_Slop");
  img_Slop->setScaledContents(true);
  img_Slop->setPixmap(obrazek_);
  img_Slop->setAttribute(Qt::WA_TransparentForMouseEvents);

  for (int i = 0; i < teksty.size(); ++i) {
    auto* n = new controls::NapisWypukly(teksty[i], this);
    n->setObjectName(i == 0 ? QString("naglowek") : QString("naglowek%1").arg(i));
    n->setPixelSize(teksty.size() > 1 ? 52 : 64);
    naglowki.push_back(n);
  }
  naglowek = naglowki.front();

  p_PasekTlo = new QWidget(this);
  p_PasekTlo->setObjectName("p_PasekTlo");
  p_PasekTlo->setAutoFillBackground(true);
  sb_Help = Przycisk(p_PasekTlo, "sb_Help", "Pomoc");
  sb_Schemat = Przycisk(p_PasekTlo, "sb_Schemat", "Schemat układu");
  sb_DaneElementow = Przycisk(p_PasekTlo, "sb_DaneElementow", "Dane elementów");
  sb_Zapisz = Przycisk(p_PasekTlo, "sb_Zapisz", "Otrzymane wyniki");
  sb_CloseTlo = Przycisk(p_PasekTlo, "sb_CloseTlo", "Zamknij");
  sb_Schemat->hide();
  sb_DaneElementow->hide();
  sb_Zapisz->hide();

  sb_Tresc = Przycisk(p_PasekTlo, "sb_Tresc", "Treść zadania");
  sb_Tresc->hide();
}

void TF_Tlo::rozciagnij(const QRect& ekran) {
  setGeometry(ekran);
  rozmiesc();
}

void TF_Tlo::rozmiesc() {
  const int w = width(), h = height();
  // The side picture keeps its proportions: width = round(height * 542 / 1830).
  const int szerokoscObrazka =
      static_cast<int>(std::lround(h * double(kObrazekBocznySzerokosc) / kObrazekBocznyWysokosc));
  img_Slop->setGeometry(0, 0, szerokoscObrazka, h);
  // The headings across the whole width, each right below the one before.
  int gora = 10;
  for (auto* n : naglowki) {
    const int wysokosc = naglowki.size() > 1 ? 72 : kWysokoscNaglowka;
    n->setGeometry(0, gora, w, wysokosc);
    gora += wysokosc;
  }
  p_PasekTlo->setGeometry(0, h - kWysokoscPaska, w, kWysokoscPaska);
  const int y = (kWysokoscPaska - sb_Help->height()) / 2;
  sb_Help->move(10, y);
  sb_Schemat->move(sb_Help->x() + sb_Help->width() + 10, y);
  sb_DaneElementow->move(sb_Schemat->x() + sb_Schemat->width() + 10, y);
  // The task statement right after the last picture button shown.
  QPushButton* przed = !sb_DaneElementow->isHidden() ? sb_DaneElementow
                       : !sb_Schemat->isHidden()     ? sb_Schemat
                                                     : sb_Help;
  sb_Tresc->move(przed->x() + przed->width() + 10, y);
  // Close 20 pixels from the right end, the results 10 pixels left of it.
  sb_CloseTlo->move(w - sb_CloseTlo->width() - 20, y);
  sb_Zapisz->move(sb_CloseTlo->x() - sb_Zapisz->width() - 10, y);
}

void TF_Tlo::ustawPrzyciski(bool schemat, bool daneElementow, bool zapisz, bool tresc) {
  sb_Schemat->setVisible(schemat);
  sb_DaneElementow->setVisible(daneElementow);
  sb_Zapisz->setVisible(zapisz);
  sb_Tresc->setVisible(tresc);
  rozmiesc();  // the task statement's place follows the picture buttons shown
}

void TF_Tlo::mousePressEvent(QMouseEvent* e) {
  QWidget::mousePressEvent(e);
  emit klikniete();
}

void TF_Tlo::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  rozmiesc();
}

void TF_Tlo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient tlo(0, 0, 0, height());
  tlo.setColorAt(0, QColor(236, 240, 248));
  tlo.setColorAt(1, QColor(180, 196, 228));
  p.fillRect(rect(), tlo);
}

}  // namespace common
