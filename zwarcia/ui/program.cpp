#include "zwarcia/ui/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/core/powloka.h"
#include "zwarcia/core/zadanie.h"

namespace zwarcia {

namespace {
// A window whose content a later part of the program fills; it exists from
// the start and hides when closed.
std::unique_ptr<QWidget> NoweOkno(const char* nazwa, const char* tytul) {
  auto okno = std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
  okno->setObjectName(nazwa);
  okno->setWindowTitle(QString::fromUtf8(tytul));
  return okno;
}
}  // namespace

Program::Program(common::DialogService& dialogi, std::string folderProgramu)
    : kreator(przypadek, dialogi), dialogi_(dialogi), folder_(std::move(folderProgramu)) {
  glowna = std::make_unique<TGlowna>(kreator, dialogi);
  podglad = std::make_unique<common::TF_Podglad>();
  dane = NoweOkno("TDane", "Dane");
  tlo = std::make_unique<common::TF_Tlo>(
      QStringList{QString::fromUtf8("ROZPŁYW I PARAMETRY"), QString::fromUtf8("PRĄDU ZWARCIOWEGO")});
  daneElementow = std::make_unique<common::OknoObrazka>(
      "TF_DaneElementow", "Dane Elementow (Systemy, Generatory, Linie i Transformatory)", "IMG_dane", false);
  daneElementow->setAutoFillBackground(true);
  daneElementow->setBackgroundRole(QPalette::Window);
  schemat = std::make_unique<common::OknoObrazka>("TF_Schemat", "Schemat symulowanego układu", "ImageSchemat", true);
  schemat->setAutoFillBackground(true);
  QPalette biala = schemat->palette();
  biala.setColor(QPalette::Window, Qt::white);
  schemat->setPalette(biala);
  wynik = NoweOkno("TF_wynik", "");
  wykresRdoX = NoweOkno("TF_WykresRdoX", "");
  wykresN = NoweOkno("TF_WykresN", "");

  glowna->zamknijOkno = [this](zwarcia::Okno o) {
    if (QWidget* w = okno(o)) w->hide();
  };
  glowna->poZmianie = [this](const Widok& w) { tlo->ustawPrzyciski(w.sbSchemat, w.sbDaneElementow, w.sbZapisz); };
  glowna->poPierwszymPokazaniu = [this] {
    QScreen* ekran = glowna->screen() ? glowna->screen() : QGuiApplication::primaryScreen();
    tlo->rozciagnij(ekran->geometry());
    tlo->show();
    glowna->raise();
    glowna->activateWindow();
    otworzZadanie();
  };
  QObject::connect(tlo.get(), &common::TF_Tlo::klikniete, glowna.get(), [this] {
    glowna->raise();
    glowna->activateWindow();
  });
  QObject::connect(tlo->sb_CloseTlo, &QPushButton::clicked, glowna.get(), &TGlowna::ZamknijBBClick);
  QObject::connect(tlo->sb_Help, &QPushButton::clicked, glowna.get(),
                   [this] { common::OtworzPomoc(dialogi_, folder_); });
  QObject::connect(tlo->sb_Schemat, &QPushButton::clicked, glowna.get(), [this] { pokazSchemat(); });
  QObject::connect(tlo->sb_DaneElementow, &QPushButton::clicked, glowna.get(), [this] { pokazDaneElementow(); });
  QObject::connect(schemat.get(), &common::OknoObrazka::podwojneKlikniecie, glowna.get(),
                   [this] { dialogi_.message(common::Ikona::Informacja, kTytulObrazka, kTylkoObrazek); });
}

Program::~Program() = default;

void Program::pokaz() { glowna->show(); }

void Program::otworzZadanie() {
  // A task without data makes the pictures available; data files open with the exercise loader.
  if (Rozpoznaj(argument) == RodzajZadania::BezDanych) {
    kreator.widok().sbSchemat = kreator.widok().sbDaneElementow = true;
    glowna->pokaz({});
  }
}

void Program::pokazSchemat() {
  common::PokazSchemat(dialogi_, *schemat, PlikTowarzyszacy(argument, ".URZ"), kBrakSchematu, kZlySchemat);
}

void Program::pokazDaneElementow() {
  common::PokazDaneElementow(dialogi_, *daneElementow, PlikTowarzyszacy(argument, ".DRZ"), kBrakDanychElementow,
                             kZleDaneElementow);
}

QWidget* Program::okno(zwarcia::Okno o) {
  switch (o) {
    case zwarcia::Okno::TDane: return dane.get();
    case zwarcia::Okno::TF_DaneElementow: return daneElementow.get();
    case zwarcia::Okno::TF_Schemat: return schemat.get();
    case zwarcia::Okno::TF_wynik: return wynik.get();
    case zwarcia::Okno::TF_Podglad: return podglad.get();
    case zwarcia::Okno::TF_WykresRdoX: return wykresRdoX.get();
    case zwarcia::Okno::TF_WykresN: return wykresN.get();
  }
  return nullptr;
}

}  // namespace zwarcia
