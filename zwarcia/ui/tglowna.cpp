#include "zwarcia/ui/tglowna.h"

#include "common/ui/tekst.h"

namespace zwarcia {

using common::Q;
using common::S;

TGlowna::TGlowna(Kreator& kreator, common::DialogService& dialogi, QWidget* rodzic)
    : OknoKreatora(kTytulProgramu, dialogi, rodzic), kreator_(kreator) {
  auto& p = kreator_.przypadek();
  SystemyP = panelZSiatka("SystemyP", "SystemySG", SystemySG, p.SystemySG);
  GeneratoryP = panelZSiatka("GeneratoryP", "GeneratorySG", GeneratorySG, p.GeneratorySG);
  TransformatoryP = panelZSiatka("TransformatoryP", "TrafoSG", TrafoSG, p.TrafoSG);
  LinieP = panelZSiatka("LinieP", "LinieSG", LinieSG, p.LinieSG);

  KoniecP = new QWidget(this);
  KoniecP->setObjectName("KoniecP");
  struct Przycisk { QPushButton** b; const char* nazwa; const char* napis; };
  const Przycisk kolumny[3][3] = {
      {{&SpeedButton7, "SpeedButton7", "      Systemy    "},
       {&SpeedButton8, "SpeedButton8", "    Generatory  "},
       {&SpeedButton3, "SpeedButton3", "Transformatory"}},
      {{&SpeedButton1, "SpeedButton1", "       Linie        "},
       {&SpeedButton4, "SpeedButton4", "Macierz admitancji"},
       {&SpeedButton2, "SpeedButton2", "       Macierz B      "}},
      {{&SpeedButton11, "SpeedButton11", "Macierz admitancji"},
       {&SpeedButton13, "SpeedButton13", "Prądy gałęziowe"},
       {nullptr, nullptr, nullptr}}};
  for (int k = 0; k < 3; ++k)
    for (int w = 0; w < 3; ++w) {
      const Przycisk& opis = kolumny[k][w];
      if (!opis.b) continue;
      auto* b = new QPushButton(QString::fromUtf8(opis.napis), KoniecP);
      b->setObjectName(opis.nazwa);
      b->setGeometry(k * 180, w * 30, 172, 27);
      *opis.b = b;
    }
  KoniecP->resize(3 * 180, 3 * 30);
  // The two admittance matrices share a caption; the tooltip tells them apart.
  SpeedButton4->setToolTip(QString::fromUtf8("Macierz admitancji gałęziowych Yg"));
  SpeedButton11->setToolTip(QString::fromUtf8("Macierz admitancji węzłowych Yw"));

  NowyBB = przycisk("NowyBB", "&Rozpocznij od nowa", "Kliknij, aby rozpocząć wprowadzanie danych od nowa");
  WsteczBB = przycisk("WsteczBB", "&Wstecz", "Kliknij, aby powrócić do wcześniej wprowadzanych danych",
                      QStyle::SP_ArrowLeft);
  DalejBB = przycisk("DalejBB", "&Dalej", "Kliknij, lub naciśnij klawisz ENTER, aby kontynuować obliczenia",
                     QStyle::SP_ArrowRight);
  DalejBB->setLayoutDirection(Qt::RightToLeft);
  ZamknijBB = przycisk("ZamknijBB", "&Zamknij", "Kliknij, lub naciśnij klawisz ESC, aby zamknąć program",
                       QStyle::SP_DialogCloseButton);

  connect(DalejBB, &QPushButton::clicked, this, &TGlowna::DalejBBClick);
  connect(WsteczBB, &QPushButton::clicked, this, &TGlowna::WsteczBBClick);
  connect(NowyBB, &QPushButton::clicked, this, &TGlowna::NowyBBClick);
  connect(ZamknijBB, &QPushButton::clicked, this, &TGlowna::ZamknijBBClick);
  connect(&filtr_, &common::FiltrKlawiszy::enter, this, &TGlowna::enter);
  for (common::SiatkaWidok* g : {SystemySG, GeneratorySG, TrafoSG, LinieSG}) {
    connect(g, &common::SiatkaWidok::enter, this, &TGlowna::enter);
    connect(g, &common::SiatkaWidok::escape, this, &TGlowna::ZamknijBBClick);
  }
  pokaz(kreator_.FormCreate());
}

QWidget* TGlowna::panelZSiatka(const char* nazwa, const char* nazwaSiatki, common::SiatkaWidok*& siatka,
                               common::TextGrid& tekst) {
  auto* panel = new QWidget(this);
  panel->setObjectName(nazwa);
  siatka = new common::SiatkaWidok(tekst, panel);
  siatka->setObjectName(nazwaSiatki);
  return panel;  // Tab moves from cell to cell in every table
}

int TGlowna::rozmiesc() {
  const Widok& w = kreator_.widok();
  const int szer = w.szerokosc;
  const bool tabela = w.panel != Panel::Brak;
  const int gora = tabela ? 36 : w.daneEWidoczne ? 90 : w.koniecP ? 60 : kGoraPrzyciskow;
  const int nizej = rozmiescL1(szer - kLewaKrawedz - 10, tabela ? 24 : 140, gora);
  DaneE->setGeometry(kLewaKrawedz, 90 + nizej, 200, 28);
  for (QWidget* panel : {SystemyP, GeneratoryP, TransformatoryP, LinieP}) {
    panel->setGeometry(40, 36 + nizej, szer - 45, 164);
    panel->findChild<common::SiatkaWidok*>()->setGeometry(0, 0, szer - 45, 164);
  }
  KoniecP->move(kLewaKrawedz, 60 + nizej);
  const int y = kGoraPrzyciskow + nizej;
  NowyBB->setGeometry(kLewaKrawedz, y, 150, kWysokoscPrzycisku);
  ZamknijBB->setGeometry(szer - 5 - 90, y, 90, kWysokoscPrzycisku);
  DalejBB->setGeometry(szer - 5 - 90 - 95, y, 90, kWysokoscPrzycisku);
  WsteczBB->setGeometry(szer - 5 - 90 - 190, y, 90, kWysokoscPrzycisku);
  return nizej;
}

void TGlowna::pokaz(const Skutki& s) {
  const Widok& w = kreator_.widok();
  ustawL1(w.L1);
  if (DaneE->text() != Q(w.daneE)) DaneE->setText(Q(w.daneE));
  DaneE->setVisible(w.daneEWidoczne);
  if (s.tabele)
    for (common::SiatkaWidok* g : {SystemySG, GeneratorySG, TrafoSG, LinieSG}) g->odswiez(90);
  SystemyP->setVisible(w.panel == Panel::SystemyP);
  GeneratoryP->setVisible(w.panel == Panel::GeneratoryP);
  TransformatoryP->setVisible(w.panel == Panel::TransformatoryP);
  LinieP->setVisible(w.panel == Panel::LinieP);
  KoniecP->setVisible(w.koniecP);
  WsteczBB->setVisible(w.wsteczBB);
  NowyBB->setVisible(w.nowyBB);
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
      case Fokus::SystemySG: SystemySG->setFocus(); break;
      case Fokus::GeneratorySG: GeneratorySG->setFocus(); break;
      case Fokus::TrafoSG: TrafoSG->setFocus(); break;
      case Fokus::LinieSG: LinieSG->setFocus(); break;
      case Fokus::DalejBB: DalejBB->setFocus(); break;
      case Fokus::Button1: Button1->setFocus(); break;
    }
  }
  // A refused table: its first cell that is not a number, ready for the fix.
  if (s.komorka) {
    common::SiatkaWidok* siatka = w.panel == Panel::SystemyP          ? SystemySG
                                  : w.panel == Panel::GeneratoryP     ? GeneratorySG
                                  : w.panel == Panel::TransformatoryP ? TrafoSG
                                  : w.panel == Panel::LinieP          ? LinieSG
                                                                      : nullptr;
    if (siatka) siatka->wskazKomorke(s.komorka->kolumna, s.komorka->wiersz);
  }
  if (poZmianie) poZmianie(w);
}

void TGlowna::wykonaj(const std::function<Skutki()>& akcja) {
  bezpiecznie([&] { pokaz(akcja()); });
}

void TGlowna::enter() {
  // After a successful run Enter asks for the report, not a second run.
  if (!kreator_.widok().dalejAktywny) {
    Button1->click();
    return;
  }
  DalejBBClick();
}

void TGlowna::DalejBBClick() {
  if (praceWTle_ && kreator_.czekaNaOblicz()) {
    // The check and the computation read a copy of the case on a worker
    // thread; the window takes their messages and result when they are done.
    auto obliczenie = std::make_shared<Obliczenie>();
    wTle("Trwają obliczenie ... proszę czekać",
         [obliczenie, kopia = kreator_.przypadek()]() mutable { *obliczenie = Oblicz(std::move(kopia)); },
         [this, obliczenie] { wykonaj([&] { return kreator_.PrzyjmijObliczenie(std::move(*obliczenie)); }); });
    return;
  }
  kreator_.odswiezTeraz = [this] {
    ustawL1(kreator_.widok().L1);
    repaint();
  };
  wykonaj([this] { return kreator_.DalejBBClick(S(DaneE->text())); });
}

void TGlowna::WsteczBBClick() {
  wykonaj([this] { return kreator_.WsteczBBClick(); });
}

void TGlowna::NowyBBClick() {
  wykonaj([this] { return kreator_.NowyBBClick(); });
  if (kreator_.przypadek().Krok == 0) wysrodkuj();  // started over: where it stood at the start
}

}  // namespace zwarcia
