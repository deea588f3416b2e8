#include "common/ui/okno_kreatora.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "common/core/okno.h"
#include "common/core/powloka.h"
#include "common/ui/obrazki.h"
#include "common/ui/tekst.h"

namespace common {

namespace {
const QColor kKolorBiezacy(255, 255, 255);
const QColor kKolorWykonany(66, 113, 214);
}  // namespace

OknoKreatora::OknoKreatora(const char* tytul, DialogService& dialogi, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      dialogi_(dialogi),
      tytul_(tytul) {
  setObjectName("TGlowna");
  setWindowTitle(tytul);

  Panel1 = new QWidget(this);
  Panel1->setObjectName("Panel1");
  Panel1->setAutoFillBackground(true);
  QPalette paleta = Panel1->palette();
  paleta.setColor(QPalette::Window, QColor(24, 44, 100));
  Panel1->setPalette(paleta);
  auto* godlo = new QLabel(Panel1);
  godlo->setPixmap(Godlo(28));
  godlo->setGeometry(4, 6, 28, 28);
  int y = 42;
  for (int i = 0; i < kLiczbaLamp; ++i) {
    // The first and the last lamp are larger.
    const int bok = (i == 0 || i == kLiczbaLamp - 1) ? 16 : 11;
    auto*& lampa = PP[static_cast<size_t>(i)];
    lampa = new QFrame(Panel1);
    lampa->setObjectName(QString("PP%1").arg(i + 1));
    lampa->setFrameShape(QFrame::Box);
    lampa->setAutoFillBackground(true);
    lampa->setGeometry((kPasekLamp - bok) / 2, y, bok, bok);
    y += bok + 3;
  }

  L1 = new QLabel(this);
  L1->setObjectName("L1");
  L1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont duza = L1->font();
  duza.setPixelSize(15);
  L1->setFont(duza);

  DaneE = new QLineEdit(this);
  DaneE->setObjectName("DaneE");
  QFont pole = DaneE->font();
  pole.setPixelSize(15);
  DaneE->setFont(pole);
  filtr_.pilnujPola(DaneE);

  Button1 = new QPushButton("Button1", this);
  Button1->setObjectName("Button1");
  Button1->setAutoDefault(true);
  Button1->setGeometry(-400, -400, 20, 20);

  connect(&filtr_, &FiltrKlawiszy::escape, this, &OknoKreatora::ZamknijBBClick);
}

QPushButton* OknoKreatora::przycisk(const char* nazwa, const char* napis, const char* podpowiedz,
                                    QStyle::StandardPixmap ikona) {
  auto* b = new QPushButton(QString::fromUtf8(napis), this);
  b->setObjectName(nazwa);
  b->setToolTip(QString::fromUtf8(podpowiedz));
  b->setAutoDefault(true);
  if (ikona != QStyle::SP_CustomBase) b->setIcon(style()->standardIcon(ikona));
  filtr_.pilnujPrzycisku(b);
  return b;
}

void OknoKreatora::ustawL1(const std::string& tekst) {
  L1->setText(Q(tekst));
  // A one-line prompt in bold; the welcome and closing texts in the plain face, so they fit.
  QFont f = L1->font();
  f.setBold(tekst.find('\n') == std::string::npos);
  L1->setFont(f);
}

void OknoKreatora::ustawLampy(const std::array<Lampa, kLiczbaLamp>& lampy) {
  for (size_t i = 0; i < PP.size(); ++i) {
    QPalette paleta = PP[i]->palette();
    paleta.setColor(QPalette::Window, lampy[i] == Lampa::Biezaca    ? kKolorBiezacy
                                      : lampy[i] == Lampa::Wykonana ? kKolorWykonany
                                                                     : palette().color(QPalette::Button));
    PP[i]->setPalette(paleta);
  }
}

void OknoKreatora::ustawRozmiar(int szerokosc, int wysokosc) {
  if (size() == QSize(szerokosc, wysokosc) && pokazane_) return;
  setFixedSize(szerokosc, wysokosc);
  if (QScreen* ekran = screen()) {
    const QRect g = ekran->geometry();
    const Prostokat r = Wysrodkuj(g.width(), g.height(), szerokosc, wysokosc);
    move(g.x() + r.lewo, g.y() + r.gora);
  }
  Panel1->setGeometry(0, 0, kPasekLamp, wysokosc);
}

void OknoKreatora::bezpiecznie(const std::function<void()>& akcja) {
  try {
    akcja();
  } catch (const std::exception& e) {
    dialogi_.message(Ikona::Blad, tytul_, e.what());
  }
}

void OknoKreatora::closeEvent(QCloseEvent* e) {
  if (PotwierdzZamkniecie(dialogi_)) {
    e->accept();
    QApplication::quit();
  } else {
    e->ignore();
  }
}

void OknoKreatora::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    ZamknijBBClick();
    return;
  }
  QWidget::keyPressEvent(e);
}

void OknoKreatora::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!pokazane_) {
    ustawRozmiar(width(), height());  // centred on the screen it is shown on
    pokazane_ = true;
    if (poPierwszymPokazaniu) poPierwszymPokazaniu();
  }
}

}  // namespace common
