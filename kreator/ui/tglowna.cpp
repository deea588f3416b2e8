#include "kreator/ui/tglowna.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>

#include "common/core/okno.h"
#include "common/core/powloka.h"
#include "common/ui/tekst.h"
#include "kreator/ui/obrazki.h"

namespace kreator {

using common::Q;
using common::S;

namespace {

constexpr int kPasekLamp = 36;     // width of the lamp strip Panel1
constexpr int kLewaKrawedz = 45;   // left edge of the prompt, box and panels' content
constexpr int kGoraPrzyciskow = 207;
constexpr int kWysokoscPrzycisku = 30;
const QColor kKolorBiezacy(255, 255, 255);
const QColor kKolorWykonany(66, 113, 214);
const char* kPodpowiedzDalej = "Kliknij, lub naciśnij klawisz ENTER, aby kontynuować";

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* napis, const char* podpowiedz) {
  auto* b = new QPushButton(QString::fromUtf8(napis), rodzic);
  b->setObjectName(nazwa);
  b->setToolTip(QString::fromUtf8(podpowiedz));
  b->setAutoDefault(true);  // a focused button takes Enter as its click
  return b;
}

}  // namespace

TGlowna::TGlowna(Kreator& kreator, common::DialogService& dialogi, QWidget* rodzic)
    : QWidget(rodzic, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      kreator_(kreator),
      dialogi_(dialogi) {
  setObjectName("TGlowna");
  setWindowTitle(kTytulProgramu);

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
    const int bok = (i == 0 || i == kLiczbaLamp - 1) ? 16 : 11;
    PP[static_cast<size_t>(i)] = new QFrame(Panel1);
    PP[static_cast<size_t>(i)]->setObjectName(QString("PP%1").arg(i + 1));
    PP[static_cast<size_t>(i)]->setFrameShape(QFrame::Box);
    PP[static_cast<size_t>(i)]->setAutoFillBackground(true);
    PP[static_cast<size_t>(i)]->setGeometry((kPasekLamp - bok) / 2, y, bok, bok);
    y += bok + 3;
  }

  L1 = new QLabel(this);
  L1->setObjectName("L1");
  L1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QFont duza = L1->font();
  duza.setPixelSize(15);
  duza.setBold(true);
  L1->setFont(duza);

  DaneE = new QLineEdit(this);
  DaneE->setObjectName("DaneE");
  QFont pole = DaneE->font();
  pole.setPixelSize(15);
  DaneE->setFont(pole);
  filtr_.pilnujPola(DaneE);

  auto& p = kreator_.przypadek();
  LinieP = panelZSiatka("LinieP", LinieSG, p.LinieSG);
  LinieSG->setObjectName("LinieSG");
  LinieSG->setTabPrzechodziPoKomorkach(false);
  MenuP = new MenuWypelniania(p, LinieSG);
  TrafoP = panelZSiatka("TrafoP", TrafoSG, p.TrafoSG);
  TrafoSG->setObjectName("TrafoSG");
  TrafoSG->setTabPrzechodziPoKomorkach(false);
  TrafoSG->setSelectionMode(QAbstractItemView::ContiguousSelection);
  WElP = panelZSiatka("WElP", WElSG, p.WElSG);
  WElSG->setObjectName("WElSG");
  WObcP = panelZSiatka("WObcP", WObcSG, p.WObcSG);
  WObcSG->setObjectName("WObcSG");

  KoniecP = new QWidget(this);
  KoniecP->setObjectName("KoniecP");
  {
    int x = 0;
    const std::pair<QPushButton**, const char*> przyciski[] = {
        {&SpeedButton1, "Linie"}, {&SpeedButton3, "Transformatory"}, {&SpeedButton4, "Macierz admitancji"},
        {&SpeedButton2, "Napięcia"}, {&SpeedButton6, "Moce"}};
    const char* nazwy[] = {"SpeedButton1", "SpeedButton3", "SpeedButton4", "SpeedButton2", "SpeedButton6"};
    int i = 0;
    for (auto [wskaznik, napis] : przyciski) {
      auto* b = new QPushButton(" " + QString::fromUtf8(napis) + " ", KoniecP);
      b->setObjectName(nazwy[i++]);
      const int szer = b->sizeHint().width() + 6;
      b->setGeometry(x, 0, szer, kWysokoscPrzycisku);
      x += szer + 6;
      *wskaznik = b;
    }
    KoniecP->resize(x, kWysokoscPrzycisku);
  }

  NowyBB = Przycisk(this, "NowyBB", "&Rozpocznij od nowa", kPodpowiedzDalej);
  KatalogBB = Przycisk(this, "KatalogBB", "W&staw z katalogu", kPodpowiedzDalej);
  WsteczBB = Przycisk(this, "WsteczBB", "&Wstecz", kPodpowiedzDalej);
  WsteczBB->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
  DalejBB = Przycisk(this, "DalejBB", "&Dalej", kPodpowiedzDalej);
  DalejBB->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  DalejBB->setLayoutDirection(Qt::RightToLeft);  // the picture to the right of the text
  ZamknijBB = Przycisk(this, "ZamknijBB", "&Zamknij", "Kliknij, lub naciśnij klawisz ESC, aby zamknąć program");
  ZamknijBB->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  for (QPushButton* b : {NowyBB, KatalogBB, WsteczBB, DalejBB, ZamknijBB}) filtr_.pilnujPrzycisku(b);
  // The fill menu closes when the pointer leaves the grid for the window's
  // background, the prompt or a bottom button.
  for (QWidget* w : std::initializer_list<QWidget*>{this, L1, NowyBB, KatalogBB, WsteczBB, DalejBB, ZamknijBB})
    MenuP->zamykajPrzyRuchuNad(w);

  // Never seen, but it can hold the focus so that Enter after a computation clicks it.
  Button1 = new QPushButton("Button1", this);
  Button1->setObjectName("Button1");
  Button1->setAutoDefault(true);
  Button1->setGeometry(-400, -400, 20, 20);

  connect(DalejBB, &QPushButton::clicked, this, &TGlowna::DalejBBClick);
  connect(WsteczBB, &QPushButton::clicked, this, &TGlowna::WsteczBBClick);
  connect(NowyBB, &QPushButton::clicked, this, &TGlowna::NowyBBClick);
  connect(ZamknijBB, &QPushButton::clicked, this, &TGlowna::ZamknijBBClick);
  connect(&filtr_, &common::FiltrKlawiszy::enter, this, &TGlowna::DalejBBClick);
  connect(&filtr_, &common::FiltrKlawiszy::escape, this, &TGlowna::ZamknijBBClick);
  for (common::SiatkaWidok* g : {LinieSG, TrafoSG, WElSG, WObcSG}) {
    connect(g, &common::SiatkaWidok::enter, this, &TGlowna::DalejBBClick);
    connect(g, &common::SiatkaWidok::escape, this, &TGlowna::ZamknijBBClick);
  }

  if (QScreen* ekran = QGuiApplication::primaryScreen())
    kreator_.ustawEkran(ekran->geometry().width(), ekran->geometry().height());
  pokaz(Skutki{});
}

QWidget* TGlowna::panelZSiatka(const char* nazwa, common::SiatkaWidok*& siatka, common::TextGrid& tekst) {
  auto* panel = new QWidget(this);
  panel->setObjectName(nazwa);
  siatka = new common::SiatkaWidok(tekst, panel);
  return panel;
}

void TGlowna::rozmiesc() {
  const Widok& w = kreator_.widok();
  const int szer = w.szerokosc;
  Panel1->setGeometry(0, 0, kPasekLamp, w.wysokosc);
  const bool tabela = w.panel != Panel::Brak;
  L1->setGeometry(kLewaKrawedz, 8, szer - kLewaKrawedz - 10, tabela ? 24 : 140);
  DaneE->setGeometry(kLewaKrawedz, 90, 200, 28);
  for (QWidget* panel : {LinieP, TrafoP, WElP, WObcP}) {
    // The grid panels are 45 pixels narrower than the window.
    panel->setGeometry(40, 36, szer - 45, 164);
    panel->findChild<common::SiatkaWidok*>()->setGeometry(0, 0, szer - 45, 164);
  }
  KoniecP->move(kLewaKrawedz, 90);
  const int y = kGoraPrzyciskow;
  NowyBB->setGeometry(kLewaKrawedz, y, 150, kWysokoscPrzycisku);
  KatalogBB->setGeometry(kLewaKrawedz + 155, y, 125, kWysokoscPrzycisku);
  ZamknijBB->setGeometry(szer - 5 - 90, y, 90, kWysokoscPrzycisku);
  DalejBB->setGeometry(szer - 5 - 90 - 95, y, 90, kWysokoscPrzycisku);
  WsteczBB->setGeometry(szer - 5 - 90 - 190, y, 90, kWysokoscPrzycisku);
}

void TGlowna::pokaz(const Skutki& s) {
  const Widok& w = kreator_.widok();
  L1->setText(Q(w.L1));
  // A one-line prompt in bold; the welcome and closing texts in the plain face, so they fit.
  QFont f = L1->font();
  f.setBold(w.L1.find('\n') == std::string::npos);
  L1->setFont(f);
  if (DaneE->text() != Q(w.daneE)) DaneE->setText(Q(w.daneE));
  DaneE->setVisible(w.daneEWidoczne);
  if (s.tabele) {
    LinieSG->odswiez(kSzerokoscKolumny0Linii);
    TrafoSG->odswiez(100);
    WElSG->odswiez(64);
    WObcSG->odswiez(70);
  }
  if (w.panel != Panel::Linie) MenuP->zamknij();  // the menu belongs to the line page only
  LinieP->setVisible(w.panel == Panel::Linie);
  TrafoP->setVisible(w.panel == Panel::Trafo);
  WElP->setVisible(w.panel == Panel::WEl);
  WObcP->setVisible(w.panel == Panel::WObc);
  KoniecP->setVisible(w.koniecP);
  WsteczBB->setVisible(w.wsteczBB);
  NowyBB->setVisible(w.nowyBB);
  KatalogBB->setVisible(w.katalogBB);
  DalejBB->setText(Q(w.dalejNapis));
  DalejBB->setEnabled(w.dalejAktywny);
  for (size_t i = 0; i < PP.size(); ++i) {
    QPalette paleta = PP[i]->palette();
    paleta.setColor(QPalette::Window, w.lampy[i] == Lampa::Biezaca    ? kKolorBiezacy
                                      : w.lampy[i] == Lampa::Wykonana ? kKolorWykonany
                                                                       : palette().color(QPalette::Button));
    PP[i]->setPalette(paleta);
  }
  if (size() != QSize(w.szerokosc, w.wysokosc) || !pokazane_) {
    setFixedSize(w.szerokosc, w.wysokosc);
    if (QScreen* ekran = screen()) {
      const QRect g = ekran->geometry();
      const common::Prostokat r = common::Wysrodkuj(g.width(), g.height(), w.szerokosc, w.wysokosc);
      move(g.x() + r.lewo, g.y() + r.gora);
    }
  }
  rozmiesc();
  if (zamknijOkno)
    for (Okno o : s.zamknij) zamknijOkno(o);
  if (s.fokus) {
    switch (*s.fokus) {
      case Fokus::DaneE: DaneE->setFocus(); DaneE->selectAll(); break;
      case Fokus::LinieSG: LinieSG->setFocus(); break;
      case Fokus::TrafoSG: TrafoSG->setFocus(); break;
      case Fokus::WElSG: WElSG->setFocus(); break;
      case Fokus::WObcSG: WObcSG->setFocus(); break;
      case Fokus::DalejBB: DalejBB->setFocus(); break;
      case Fokus::Button1: Button1->setFocus(); break;
    }
  }
  if (poZmianie) poZmianie(w);
}

void TGlowna::wykonaj(const std::function<Skutki()>& akcja) {
  // Whatever fails inside a handler is shown and the program goes on.
  try {
    pokaz(akcja());
  } catch (const std::exception& e) {
    dialogi_.message(common::Ikona::Blad, kTytulProgramu, e.what());
  }
}

void TGlowna::DalejBBClick() {
  kreator_.odswiezTeraz = [this] {
    L1->setText(Q(kreator_.widok().L1));
    repaint();
  };
  wykonaj([this] { return kreator_.DalejBBClick(S(DaneE->text())); });
}

void TGlowna::WsteczBBClick() {
  wykonaj([this] { return kreator_.WsteczBBClick(); });
}

void TGlowna::NowyBBClick() {
  wykonaj([this] { return kreator_.NowyBBClick(); });
}

void TGlowna::ZamknijBBClick() { close(); }

void TGlowna::closeEvent(QCloseEvent* e) {
  if (common::PotwierdzZamkniecie(dialogi_)) {
    e->accept();
    QApplication::quit();
  } else {
    e->ignore();
  }
}

void TGlowna::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    ZamknijBBClick();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TGlowna::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!pokazane_) {
    pokazane_ = true;
    pokaz(Skutki{});
    if (poPierwszymPokazaniu) poPierwszymPokazaniu();
  }
}

}  // namespace kreator
