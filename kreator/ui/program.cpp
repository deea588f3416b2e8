#include "kreator/ui/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/core/pliki.h"
#include "common/core/powloka.h"
#include "common/ui/tekst.h"
#include "kreator/core/pomoc.h"
#include "common/ui/okna.h"
#include "kreator/core/tabele.h"
#include "kreator/core/zadanie.h"

namespace kreator {

Program::Program(common::DialogService& dialogi)
    : kreator(przypadek, dialogi),
      stanWynikow(dialogi),
      stanKataloguLinii(Tabela::Linie, przypadek, dialogi),
      stanKataloguTrafo(Tabela::Trafo, przypadek, dialogi),
      dialogi_(dialogi) {
  glowna = std::make_unique<TGlowna>(kreator, dialogi);
  podglad = std::make_unique<common::TF_Podglad>();
  katalogLinii = std::make_unique<TKatalogLini>(stanKataloguLinii);
  katalogTrafo = std::make_unique<TKatalogTrafo>(stanKataloguTrafo);
  dane = std::make_unique<common::TDane>();
  tlo = std::make_unique<common::TF_Tlo>(QStringList{QString::fromUtf8("ROZPŁYW MOCY")});
  daneElementow = std::make_unique<common::OknoObrazka>("TF_DaneElementow", "Dane Elementow (Linie i Transformatory)",
                                                "IMG_dane", false);
  daneElementow->setAutoFillBackground(true);
  daneElementow->setBackgroundRole(QPalette::Base);
  schemat = std::make_unique<common::OknoObrazka>("TF_Schemat", "Schemat symulowanego układu", "ImageSchemat", true);
  wynik = std::make_unique<TF_Wynik>(stanWynikow);
  // Who stays above whom on the desktop (the background stays below all):
  // the windows the wizard opens above the wizard, the preview above the results.
  common::PrzekazujAktywacje(glowna.get(), wynik.get());  // the wizard waits for the results window
  for (QWidget* w : std::initializer_list<QWidget*>{katalogLinii.get(), katalogTrafo.get(), dane.get(), wynik.get()})
    common::UstawWlasciciela(w, glowna.get());
  // The pictures come from the background's bar: beside the wizard, not
  // above it, so a click on either brings it to the front.
  for (QWidget* w : std::initializer_list<QWidget*>{daneElementow.get(), schemat.get()})
    common::UstawWlasciciela(w, tlo.get());
  common::UstawWlasciciela(podglad.get(), wynik.get());

  glowna->zamknijOkno = [this](Okno o) {
    if (QWidget* w = okno(o)) w->hide();
  };
  glowna->poZmianie = [this](const Widok& w) {
    tlo->ustawPrzyciski(w.sbSchemat, w.sbDaneElementow, w.sbZapisz, w.sbTresc);
    wynik->SpeedButton3->setVisible(w.zapiszSchemat);
  };
  glowna->poPierwszymPokazaniu = [this] {
    // The background covers the screen behind the main window, which stays in front.
    QScreen* ekran = glowna->screen() ? glowna->screen() : QGuiApplication::primaryScreen();
    tlo->rozciagnij(ekran->geometry());
    tlo->show();
    common::Aktywuj(glowna.get());
    if (!argument.empty()) glowna->pokaz(kreator.OtworzZadanie(argument));
  };
  QObject::connect(tlo.get(), &common::TF_Tlo::klikniete, glowna.get(), [this] { naPrzod(); });
  QObject::connect(glowna->Button1, &QPushButton::clicked, glowna.get(), [this] { Button1Click(); });
  QObject::connect(tlo->sb_Zapisz, &QPushButton::clicked, glowna.get(), [this] { Button1Click(); });
  for (QPushButton* b : {glowna->SpeedButton1, glowna->SpeedButton3, glowna->SpeedButton4, glowna->SpeedButton2,
                         glowna->SpeedButton6, glowna->SpeedButton7})
    QObject::connect(b, &QPushButton::clicked, glowna.get(), [this, b] { pokazTabele(b); });
  QObject::connect(wynik.get(), &TF_Wynik::podglad, glowna.get(), [this] { pokazPodglad(); });
  QObject::connect(wynik.get(), &TF_Wynik::zapiszWyniki, glowna.get(), [this] {
    pokazPodglad();
    stanWynikow.ZapiszWyniki();
  });
  QObject::connect(glowna->KatalogBB, &QPushButton::clicked, glowna.get(), [this] { KatalogBBClick(); });
  // An insertion changes cells behind the grid view: redraw it, keeping the user's cell.
  auto odswiez = [](common::SiatkaWidok* s, int kolumna0) {
    const QModelIndex biezacy = s->currentIndex();
    s->odswiez(kolumna0);
    if (biezacy.isValid()) s->setCurrentIndex(s->model()->index(biezacy.row(), biezacy.column()));
  };
  QObject::connect(katalogLinii.get(), &OknoKatalogu::wstawiono, glowna.get(),
                   [this, odswiez] { odswiez(glowna->LinieSG, kSzerokoscKolumny0Linii); });
  QObject::connect(katalogTrafo.get(), &OknoKatalogu::wstawiono, glowna.get(),
                   [this, odswiez] { odswiez(glowna->TrafoSG, 100); });
  QObject::connect(tlo->sb_Schemat, &QPushButton::clicked, glowna.get(), [this] { pokazSchemat(); });
  QObject::connect(tlo->sb_DaneElementow, &QPushButton::clicked, glowna.get(), [this] { pokazDaneElementow(); });
  QObject::connect(wynik->SpeedButton4, &QPushButton::clicked, glowna.get(), [this] {
    pokazSchemat();
    common::Aktywuj(wynik.get());
  });
  QObject::connect(wynik->SpeedButton3, &QPushButton::clicked, glowna.get(),
                   [this] { stanWynikow.ZapiszSchemat(kreator.argument()); });
  QObject::connect(wynik.get(), &TF_Wynik::ukryte, glowna.get(), [this] {
    // The preview belongs to the results; the wizard takes the keyboard back.
    podglad->hide();
    glowna->setEnabled(true);
    common::Aktywuj(glowna.get());
  });
  QObject::connect(tlo->sb_CloseTlo, &QPushButton::clicked, glowna.get(), &TGlowna::ZamknijBBClick);

  // --- "Treść zadania": the task statement in a window of its own ---
  tresc = std::make_unique<common::TF_Tresc>();
  common::UstawWlasciciela(tresc.get(), tlo.get());  // from the background's bar, like the pictures
  QObject::connect(tlo->sb_Tresc, &QPushButton::clicked, glowna.get(), [this] { pokazTresc(); });
  // (end of the task statement)

  // --- "Zbieżność": the convergence chart of the computed case, a window of the wizard's ---
  zbieznosc = std::make_unique<TF_Zbieznosc>(dialogi);
  common::UstawWlasciciela(zbieznosc.get(), glowna.get());
  QObject::connect(glowna->ZbieznoscBB, &QPushButton::clicked, glowna.get(), [this] { pokazZbieznosc(); });
  // (end of the convergence chart)

  // The help: "Pomoc" opens its contents, F1 the section about the window in front.
  pomoc = std::make_unique<common::TF_Pomoc>(QString::fromUtf8(kTytulPomocy), ":/pomoc/kreator");
  common::UstawWlasciciela(pomoc.get(), tlo.get());
  QObject::connect(tlo->sb_Help, &QPushButton::clicked, glowna.get(), [this] { pomoc->pokaz(kPomocSpisTresci); });
  common::PodepnijF1(pomoc.get(), [this](QWidget* aktywne) {
    std::string adres = kPomocSpisTresci;
    if (aktywne == glowna.get()) adres = PomocStrony(przypadek.Krok);
    if (aktywne == dane.get()) adres = PomocTabeli(common::S(dane->windowTitle()));
    if (aktywne == wynik.get()) adres = kPomocWynikow;
    if (aktywne == zbieznosc.get()) adres = kPomocZbieznosci;
    return QString::fromStdString(adres);
  });
}

Program::~Program() = default;

void Program::Button1Click() {
  if (!kreator.wyniki()) return;
  stanWynikow.Button1Click(przypadek, *kreator.wyniki());
  podglad->MemoGlowne->setPlainText(QString::fromStdString([this] {
    std::string tekst;
    for (const auto& l : stanWynikow.raport) tekst += l + "\n";
    return tekst;
  }()));
  wynik->odswiez();
  wynik->adjustSize();
  glowna->setEnabled(false);
  common::PokazNaSrodku(wynik.get());
}

void Program::KatalogBBClick() {
  auto wiersz = [](common::SiatkaWidok* s) { return s->currentIndex().isValid() ? s->currentIndex().row() + 1 : 1; };
  if (przypadek.Krok == 4) katalogLinii->otworz(przypadek.LiczbaLinii, wiersz(glowna->LinieSG));
  if (przypadek.Krok == 5) katalogTrafo->otworz(przypadek.LiczbaTransformatorow, wiersz(glowna->TrafoSG));
}

void Program::pokazSchemat() {
  common::PokazSchemat(dialogi_, *schemat, PlikTowarzyszacy(kreator.argument(), ".URM"), kBrakSchematu,
                       kZlySchemat, glowna.get());
}

void Program::pokazDaneElementow() {
  common::PokazDaneElementow(dialogi_, *daneElementow, PlikTowarzyszacy(kreator.argument(), ".DRM"),
                             kBrakDanychElementow, kZleDaneElementow);
}

void Program::pokazPodglad() {
  podglad->hide();
  common::PokazPodglad(podglad.get(), wynik.get());
}

void Program::naPrzod() {
  common::Aktywuj(glowna.get());
  if (wynik->isVisible()) common::Aktywuj(wynik.get());  // the wizard waits for it
}

void Program::pokazTabele(QPushButton* przycisk) {
  if (!kreator.wyniki()) return;
  const WynikRozplywu& w = *kreator.wyniki();
  // The matrix explanation searches the lines the table was built with.
  const int liczbaLinii = przypadek.LiczbaLinii;
  auto objasnienie = [this, liczbaLinii](const common::TabelaWynikow& t, int c, int r) {
    return ObjasnienieKomorki(t, c, r, przypadek, liczbaLinii);
  };
  if (przycisk == glowna->SpeedButton1) dane->pokazTabele(TabelaLinii(przypadek, w), objasnienie);
  if (przycisk == glowna->SpeedButton3) {
    if (auto t = TabelaTrafo(przypadek, w)) {
      dane->pokazTabele(*t, objasnienie);
    } else {
      dane->close();
      dialogi_.message(common::Ikona::Informacja, "UWAGA !!!", kBrakTrafo);
    }
  }
  if (przycisk == glowna->SpeedButton4) dane->pokazTabele(TabelaMacierzy(w), objasnienie);
  if (przycisk == glowna->SpeedButton2) dane->pokazTabele(TabelaNapiec(w), objasnienie);
  if (przycisk == glowna->SpeedButton6) dane->pokazTabele(TabelaMocy(w), objasnienie);
  if (przycisk == glowna->SpeedButton7) dane->pokazTabele(TabelaPrzeplywow(w), objasnienie);
}

void Program::pokaz() { glowna->show(); }

QWidget* Program::okno(Okno o) {
  switch (o) {
    case Okno::TDane: return dane.get();
    case Okno::TF_DaneElementow: return daneElementow.get();
    case Okno::TF_Schemat: return schemat.get();
    case Okno::TF_Wynik: return wynik.get();
    case Okno::TKatalogLini: return katalogLinii.get();
    case Okno::TKatalogTrafo: return katalogTrafo.get();
    case Okno::TF_Podglad: return podglad.get();
    case Okno::TF_Zbieznosc: return zbieznosc.get();
  }
  return nullptr;
}

void Program::pokazZbieznosc() {
  if (!kreator.widok().zbieznoscBB) return;
  // Both runs on a copy of the case the results came from; the wizard
  // waits meanwhile, so nothing changes the case before the chart opens.
  auto z = std::make_shared<Zbieznosc>();
  glowna->obliczZbieznosc([z, kopia = przypadek]() mutable { *z = ObliczZbieznosc(std::move(kopia)); },
                          [this, z] {
                            if (!z->blad.empty()) {
                              dialogi_.error(z->blad);
                              return;
                            }
                            zbieznosc->pokaz(std::move(*z));
                          });
}

void Program::pokazTresc() { common::PokazTresc(dialogi_, *tresc, kreator.argument(), ".SRM"); }

}  // namespace kreator
