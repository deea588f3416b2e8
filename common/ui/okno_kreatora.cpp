#include "common/ui/okno_kreatora.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include "common/core/okno.h"
#include "common/core/powloka.h"
#include "common/ui/obrazki.h"
#include "common/ui/tekst.h"

namespace common {

namespace {
const QColor kKolorBiezacy(255, 255, 255);
const QColor kKolorWykonany(66, 113, 214);
const QColor kRamkaBiezacej(0, 0, 0);
}  // namespace

OknoKreatora::OknoKreatora(const char* tytul, DialogService& dialogi, QWidget* rodzic)
    // The title bar holds the system menu and minimise only: the program
    // ends through "Zamknij", Escape or the background's bar, after a question.
    : QWidget(rodzic, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowStaysOnTopHint),
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
  L1->setTextFormat(Qt::PlainText);
  L1->setWordWrap(true);  // a long prompt goes on to a second line rather than being cut
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

int OknoKreatora::rozmiescL1(int szerokosc, int wysokosc, int gora) {
  constexpr int kGoraL1 = 8, kOdstep = 4;
  const int potrzebna = L1->heightForWidth(szerokosc);
  L1->setGeometry(kLewaKrawedz, kGoraL1, szerokosc, std::max(wysokosc, potrzebna));
  return std::max(0, kGoraL1 + potrzebna + kOdstep - gora);
}

void OknoKreatora::ustawLampy(const std::array<Lampa, kLiczbaLamp>& lampy) {
  for (size_t i = 0; i < PP.size(); ++i) {
    const bool biezaca = lampy[i] == Lampa::Biezaca;
    QPalette paleta = PP[i]->palette();
    paleta.setColor(QPalette::Window, biezaca                       ? kKolorBiezacy
                                      : lampy[i] == Lampa::Wykonana ? kKolorWykonany
                                                                     : palette().color(QPalette::Button));
    // The current lamp is white like the button colour around it; its
    // thick dark frame tells it at a glance.
    paleta.setColor(QPalette::WindowText, biezaca ? kRamkaBiezacej : palette().color(QPalette::WindowText));
    PP[i]->setPalette(paleta);
    PP[i]->setLineWidth(biezaca ? 2 : 1);
  }
}

void OknoKreatora::ustawRozmiar(int szerokosc, int wysokosc) {
  if (size() == QSize(szerokosc, wysokosc) && pokazane_) return;
  setFixedSize(szerokosc, wysokosc);
  wysrodkuj();
  Panel1->setGeometry(0, 0, kPasekLamp, wysokosc);
}

void OknoKreatora::wysrodkuj() {
  if (QScreen* ekran = screen()) {
    const QRect g = ekran->geometry();
    const Prostokat r = Wysrodkuj(g.width(), g.height(), width(), height());
    move(g.x() + r.lewo, g.y() + r.gora);
  }
}

OknoKreatora::~OknoKreatora() {
  if (watek_) watek_->wait();
}

void OknoKreatora::wTle(const std::string& napis, std::function<void()> praca, std::function<void()> koniec) {
  if (watek_) return;
  ustawL1(napis);
  setEnabled(false);  // it still paints and moves, but takes no input
  watek_ = QThread::create(std::move(praca));
  watek_->setParent(this);
  connect(watek_, &QThread::finished, this, [this, koniec = std::move(koniec)] {
    watek_->deleteLater();
    watek_ = nullptr;
    setEnabled(true);
    koniec();
  });
  watek_->start();
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
    // After the window is on screen, so that a message about the exercise
    // file stands over the wizard, not before it.
    if (poPierwszymPokazaniu) QTimer::singleShot(0, this, [this] { poPierwszymPokazaniu(); });
  }
}

}  // namespace common
