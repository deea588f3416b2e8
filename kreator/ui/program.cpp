#include "kreator/ui/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/core/powloka.h"

namespace kreator {

Program::Program(common::DialogService& dialogi, std::string folderProgramu)
    : kreator(przypadek, dialogi), dialogi_(dialogi), folder_(std::move(folderProgramu)) {
  glowna = std::make_unique<TGlowna>(kreator, dialogi);
  podglad = std::make_unique<TF_Podglad>();
  katalogLinii.reset(NoweOkno("TKatalogLini", "Katalog linii"));
  katalogTrafo.reset(NoweOkno("TKatalogTrafo", "Katalog transformatorów"));
  dane.reset(NoweOkno("TDane", ""));
  tlo = std::make_unique<TF_Tlo>();
  daneElementow = std::make_unique<OknoObrazka>("TF_DaneElementow", "Dane Elementow (Linie i Transformatory)", "IMG_dane");
  daneElementow->setAutoFillBackground(true);
  daneElementow->setBackgroundRole(QPalette::Base);
  schemat = std::make_unique<OknoObrazka>("TF_Schemat", "Schemat symulowanego układu", "ImageSchemat");
  wynik.reset(NoweOkno("TF_Wynik", ""));

  glowna->zamknijOkno = [this](Okno o) {
    if (QWidget* w = okno(o)) w->hide();
  };
  glowna->poZmianie = [this](const Widok& w) { tlo->ustawPrzyciski(w); };
  glowna->poPierwszymPokazaniu = [this] {
    // The background covers the screen behind the main window, which stays in front.
    QScreen* ekran = glowna->screen() ? glowna->screen() : QGuiApplication::primaryScreen();
    tlo->rozciagnij(ekran->geometry());
    tlo->show();
    glowna->raise();
    glowna->activateWindow();
  };
  QObject::connect(tlo.get(), &TF_Tlo::klikniete, glowna.get(), [this] {
    glowna->raise();
    glowna->activateWindow();
  });
  QObject::connect(tlo->sb_CloseTlo, &QPushButton::clicked, glowna.get(), &TGlowna::ZamknijBBClick);
  QObject::connect(tlo->sb_Help, &QPushButton::clicked, glowna.get(),
                   [this] { common::OtworzPomoc(dialogi_, folder_); });
}

Program::~Program() = default;

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
  }
  return nullptr;
}

}  // namespace kreator
