#include "kreator/ui/tglowna.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/ui/tekst.h"
#include "kreator/core/zbieznosc.h"

namespace kreator {

using common::Q;
using common::S;

namespace {
const char* kPodpowiedzDalej = "Kliknij, lub naciśnij klawisz ENTER, aby kontynuować";

}  // namespace

TGlowna::TGlowna(Kreator& kreator, common::DialogService& dialogi, QWidget* rodzic)
    : OknoKreatora(kTytulProgramu, dialogi, rodzic), kreator_(kreator) {
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
    const std::pair<QPushButton**, const char*> przyciski[] = {
        {&SpeedButton1, "Linie"}, {&SpeedButton3, "Transformatory"}, {&SpeedButton4, "Macierz admitancji"},
        {&SpeedButton2, "Napięcia"}, {&SpeedButton6, "Moce"}, {&SpeedButton7, "Przepływy"}};
    const char* nazwy[] = {"SpeedButton1", "SpeedButton3", "SpeedButton4", "SpeedButton2", "SpeedButton6",
                           "SpeedButton7"};
    int i = 0;
    for (auto [wskaznik, napis] : przyciski) {
      auto* b = new QPushButton(" " + QString::fromUtf8(napis) + " ", KoniecP);
      b->setObjectName(nazwy[i++]);
      b->resize(b->sizeHint().width() + 6, kWysokoscPrzycisku);
      *wskaznik = b;
    }
    ZbieznoscBB = new QPushButton(QString::fromUtf8(" Zbieżność "), KoniecP);
    ZbieznoscBB->setObjectName("ZbieznoscBB");
    ZbieznoscBB->resize(ZbieznoscBB->sizeHint().width() + 6, kWysokoscPrzycisku);
  }

  NowyBB = przycisk("NowyBB", "&Rozpocznij od nowa", kPodpowiedzDalej);
  KatalogBB = przycisk("KatalogBB", "W&staw z katalogu", kPodpowiedzDalej);
  WsteczBB = przycisk("WsteczBB", "&Wstecz", kPodpowiedzDalej, QStyle::SP_ArrowLeft);
  DalejBB = przycisk("DalejBB", "&Dalej", kPodpowiedzDalej, QStyle::SP_ArrowRight);
  DalejBB->setLayoutDirection(Qt::RightToLeft);  // the picture to the right of the text
  ZamknijBB = przycisk("ZamknijBB", "&Zamknij", "Kliknij, lub naciśnij klawisz ESC, aby zamknąć program",
                       QStyle::SP_DialogCloseButton);
  // The fill menu closes when the pointer leaves the grid for the window's
  // background, the prompt or a bottom button.
  for (QWidget* w : std::initializer_list<QWidget*>{this, L1, NowyBB, KatalogBB, WsteczBB, DalejBB, ZamknijBB})
    MenuP->zamykajPrzyRuchuNad(w);

  connect(DalejBB, &QPushButton::clicked, this, &TGlowna::DalejBBClick);
  connect(WsteczBB, &QPushButton::clicked, this, &TGlowna::WsteczBBClick);
  connect(NowyBB, &QPushButton::clicked, this, &TGlowna::NowyBBClick);
  connect(ZamknijBB, &QPushButton::clicked, this, &TGlowna::ZamknijBBClick);
  connect(&filtr_, &common::FiltrKlawiszy::enter, this, &TGlowna::DalejBBClick);
  for (common::SiatkaWidok* g : {LinieSG, TrafoSG, WElSG, WObcSG}) {
    connect(g, &common::SiatkaWidok::enter, this, &TGlowna::DalejBBClick);
    connect(g, &common::SiatkaWidok::escape, this, &TGlowna::ZamknijBBClick);
  }

  if (QScreen* ekran = QGuiApplication::primaryScreen())
    kreator_.ustawEkran(ekran->geometry().width(), ekran->geometry().height());
  pokaz(kreator_.FormCreate());
}

QWidget* TGlowna::panelZSiatka(const char* nazwa, common::SiatkaWidok*& siatka, common::TextGrid& tekst) {
  auto* panel = new QWidget(this);
  panel->setObjectName(nazwa);
  siatka = new common::SiatkaWidok(tekst, panel);
  return panel;
}

int TGlowna::rozmiesc() {
  const Widok& w = kreator_.widok();
  const int szer = w.szerokosc;
  const bool tabela = w.panel != Panel::Brak;
  const int gora = tabela ? 36 : (w.daneEWidoczne || w.koniecP) ? 90 : kGoraPrzyciskow;
  const int nizej = rozmiescL1(szer - kLewaKrawedz - 10, tabela ? 24 : 140, gora);
  DaneE->setGeometry(kLewaKrawedz, 90 + nizej, 200, 28);
  for (QWidget* panel : {LinieP, TrafoP, WElP, WObcP}) {
    // The grid panels are 45 pixels narrower than the window.
    panel->setGeometry(40, 36 + nizej, szer - 45, 164);
    panel->findChild<common::SiatkaWidok*>()->setGeometry(0, 0, szer - 45, 164);
  }
  KoniecP->move(kLewaKrawedz, 90 + nizej);
  rozmiescKoniecP(szer - kLewaKrawedz - 5);
  const int y = kGoraPrzyciskow + nizej;
  NowyBB->setGeometry(kLewaKrawedz, y, 150, kWysokoscPrzycisku);
  KatalogBB->setGeometry(kLewaKrawedz + 155, y, 125, kWysokoscPrzycisku);
  ZamknijBB->setGeometry(szer - 5 - 90, y, 90, kWysokoscPrzycisku);
  DalejBB->setGeometry(szer - 5 - 90 - 95, y, 90, kWysokoscPrzycisku);
  WsteczBB->setGeometry(szer - 5 - 90 - 190, y, 90, kWysokoscPrzycisku);
  return nizej;
}

void TGlowna::rozmiescKoniecP(int szerokosc) {
  int x = 0, y = 0, prawa = 0;
  for (QPushButton* b :
       {SpeedButton1, SpeedButton3, SpeedButton4, SpeedButton2, SpeedButton6, SpeedButton7, ZbieznoscBB}) {
    if (b->isHidden()) continue;
    if (x > 0 && x + b->width() > szerokosc) {
      x = 0;
      y += kWysokoscPrzycisku + 6;
    }
    b->move(x, y);
    prawa = std::max(prawa, x + b->width());
    x += b->width() + 6;
  }
  KoniecP->resize(prawa, y + kWysokoscPrzycisku);
}

void TGlowna::pokaz(const Skutki& s) {
  const Widok& w = kreator_.widok();
  ustawL1(w.L1);
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
  ZbieznoscBB->setVisible(w.zbieznoscBB);
  WsteczBB->setVisible(w.wsteczBB);
  NowyBB->setVisible(w.nowyBB);
  KatalogBB->setVisible(w.katalogBB);
  DalejBB->setText(Q(w.dalejNapis));
  DalejBB->setEnabled(w.dalejAktywny);
  ustawLampy(w.lampy);
  const int nizej = rozmiesc();
  ustawRozmiar(w.szerokosc, w.wysokosc + nizej);
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
  // A refused grid: its first cell that is not a number, ready for the fix.
  if (s.komorka) {
    common::SiatkaWidok* siatka = w.panel == Panel::Linie ? LinieSG
                                  : w.panel == Panel::Trafo ? TrafoSG
                                  : w.panel == Panel::WEl   ? WElSG
                                  : w.panel == Panel::WObc  ? WObcSG
                                                            : nullptr;
    if (siatka) siatka->wskazKomorke(s.komorka->kolumna, s.komorka->wiersz);
  }
  if (poZmianie) poZmianie(w);
}

void TGlowna::wykonaj(const std::function<Skutki()>& akcja) {
  bezpiecznie([&] { pokaz(akcja()); });
}

void TGlowna::DalejBBClick() {
  if (praceWTle_ && kreator_.czekaNaOblicz()) {
    // The check and the computation read a copy of the case on a worker
    // thread; the window takes their messages and result when they are done.
    auto obliczenie = std::make_shared<Obliczenie>();
    wTle("Trwają obliczenie ... proszę czekać",
         [this, obliczenie, kopia = kreator_.przypadek()]() mutable {
           // Every tenth sweep on the prompt: its number and its largest change.
           *obliczenie = Oblicz(std::move(kopia), [this](int krok, double zmiana) {
             if (krok % 10 != 0) return;
             const QString tekst = Q(PostepObliczen(krok, zmiana));
             QMetaObject::invokeMethod(this, [this, tekst] { L1->setText(tekst); }, Qt::QueuedConnection);
           });
         },
         [this, obliczenie] { wykonaj([&] { return kreator_.PrzyjmijObliczenie(std::move(*obliczenie)); }); });
    return;
  }
  kreator_.odswiezTeraz = [this] {
    L1->setText(Q(kreator_.widok().L1));
    repaint();
  };
  wykonaj([this] { return kreator_.DalejBBClick(S(DaneE->text())); });
}

void TGlowna::obliczZbieznosc(std::function<void()> praca, std::function<void()> koniec) {
  if (!praceWTle_) {
    praca();
    koniec();
    return;
  }
  wTle(kObliczanieZbieznosci, std::move(praca), [this, koniec = std::move(koniec)] {
    ustawL1(kreator_.widok().L1);  // the final page's prompt back
    koniec();
  });
}

void TGlowna::WsteczBBClick() {
  wykonaj([this] { return kreator_.WsteczBBClick(); });
}

void TGlowna::NowyBBClick() {
  wykonaj([this] { return kreator_.NowyBBClick(); });
  if (kreator_.przypadek().Krok == 0) wysrodkuj();  // started over: where it stood at the start
}

}  // namespace kreator
