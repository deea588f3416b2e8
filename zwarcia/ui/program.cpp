#include "zwarcia/ui/program.h"

#include <QGuiApplication>
#include <QScreen>

#include "common/core/pliki.h"
#include "common/core/powloka.h"
#include "common/ui/tekst.h"
#include "zwarcia/core/pomoc.h"
#include "common/ui/okna.h"
#include "zwarcia/core/tabele.h"
#include "zwarcia/core/zadanie.h"

namespace zwarcia {

namespace {
// Whatever fails inside a handler is shown and the program goes on.
void Bezpiecznie(common::DialogService& d, const std::function<void()>& akcja) {
  try {
    akcja();
  } catch (const std::exception& e) {
    d.message(common::Ikona::Blad, kTytulProgramu, e.what());
  }
}
}  // namespace

Program::Program(common::DialogService& dialogi)
    : kreator(przypadek, dialogi), stanWyniku(dialogi), dialogi_(dialogi) {
  glowna = std::make_unique<TGlowna>(kreator, dialogi);
  podglad = std::make_unique<common::TF_Podglad>();
  dane = std::make_unique<common::TDane>();
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
  wynik = std::make_unique<TF_wynik>(stanWyniku);
  wykresRdoX = std::make_unique<TF_WykresRdoX>();
  wykresN = std::make_unique<TF_WykresN>();
  PolaczWykresy(*wykresRdoX, *wykresN);  // never both open
  // Who stays above whom on the desktop (the background stays below all):
  // the windows the wizard opens above the wizard, the preview and the charts
  // above the results window.
  common::PrzekazujAktywacje(glowna.get(), wynik.get());  // the wizard waits for the results window
  for (QWidget* w : std::initializer_list<QWidget*>{dane.get(), wynik.get()}) common::UstawWlasciciela(w, glowna.get());
  // The pictures come from the background's bar: beside the wizard, not
  // above it, so a click on either brings it to the front.
  for (QWidget* w : std::initializer_list<QWidget*>{daneElementow.get(), schemat.get()})
    common::UstawWlasciciela(w, tlo.get());
  for (QWidget* w : std::initializer_list<QWidget*>{podglad.get(), wykresRdoX.get(), wykresN.get()})
    common::UstawWlasciciela(w, wynik.get());

  glowna->zamknijOkno = [this](zwarcia::Okno o) {
    if (QWidget* w = okno(o)) w->hide();
  };
  glowna->poZmianie = [this](const Widok& w) {
    tlo->ustawPrzyciski(w.sbSchemat, w.sbDaneElementow, w.sbZapisz, w.sbTresc);
    wynik->SpeedButton3->setVisible(w.zapiszSchemat);
  };
  glowna->poPierwszymPokazaniu = [this] {
    QScreen* ekran = glowna->screen() ? glowna->screen() : QGuiApplication::primaryScreen();
    tlo->rozciagnij(ekran->geometry());
    tlo->show();
    common::Aktywuj(glowna.get());
    otworzZadanie();
  };
  QObject::connect(tlo.get(), &common::TF_Tlo::klikniete, glowna.get(), [this] { naPrzod(); });
  QObject::connect(tlo->sb_CloseTlo, &QPushButton::clicked, glowna.get(), &TGlowna::ZamknijBBClick);
  QObject::connect(tlo->sb_Schemat, &QPushButton::clicked, glowna.get(), [this] { pokazSchemat(); });
  QObject::connect(tlo->sb_DaneElementow, &QPushButton::clicked, glowna.get(), [this] { pokazDaneElementow(); });
  QObject::connect(glowna->Button1, &QPushButton::clicked, glowna.get(), [this] { Button1Click(); });
  QObject::connect(tlo->sb_Zapisz, &QPushButton::clicked, glowna.get(), [this] { Button1Click(); });
  for (QPushButton* b : {glowna->SpeedButton7, glowna->SpeedButton8, glowna->SpeedButton3, glowna->SpeedButton1,
                         glowna->SpeedButton4, glowna->SpeedButton2, glowna->SpeedButton11, glowna->SpeedButton13})
    QObject::connect(b, &QPushButton::clicked, glowna.get(), [this, b] { pokazTabele(b); });
  QObject::connect(wynik.get(), &TF_wynik::podglad, glowna.get(), [this] { pokazPodglad(); });
  QObject::connect(wynik.get(), &TF_wynik::zapiszWyniki, glowna.get(), [this] {
    pokazPodglad();
    if (stanWyniku.ZapiszWyniki()) wynik->odswiez();
  });
  QObject::connect(wynik->SpeedButton3, &QPushButton::clicked, glowna.get(),
                   [this] { stanWyniku.ZapiszSchemat(argument); });
  QObject::connect(wynik->SpeedButton4, &QPushButton::clicked, glowna.get(), [this] {
    pokazSchemat();
    common::Aktywuj(wynik.get());
  });
  // A value picked on a chart acts exactly like a typed one.
  QObject::connect(wykresRdoX.get(), &OknoWykresu::odczytano, wynik.get(), &TF_wynik::wpiszWspUdaru);
  QObject::connect(wykresN.get(), &OknoWykresu::odczytano, wynik.get(), &TF_wynik::wpiszWspM);
  QObject::connect(wynik.get(), &TF_wynik::wykresUdaru, wynik.get(), [this] {
    const auto l = InstrukcjaRdoX(stanWyniku.RdoX);
    wykresRdoX->ustawInstrukcje(QString::fromStdString(l[0]), QString::fromStdString(l[1]));
    wykresRdoX->pokaz();
  });
  QObject::connect(wynik.get(), &TF_wynik::wykresM, wynik.get(), [this] {
    Bezpiecznie(dialogi_, [this] {
      const auto l = InstrukcjaN(stanWyniku.WspUdaruE, stanWyniku.CzasL);
      wykresN->ustawInstrukcje(QString::fromStdString(l[0]), QString::fromStdString(l[1]));
      wykresN->pokaz();
    });
  });
  QObject::connect(wynik.get(), &TF_wynik::ukryte, glowna.get(), [this] {
    // The preview and the charts belong to the results; the wizard takes the keyboard back.
    for (QWidget* w : std::initializer_list<QWidget*>{podglad.get(), wykresRdoX.get(), wykresN.get()}) w->hide();
    glowna->setEnabled(true);
    common::Aktywuj(glowna.get());
  });
  QObject::connect(schemat.get(), &common::OknoObrazka::podwojneKlikniecie, glowna.get(),
                   [this] { dialogi_.message(common::Ikona::Informacja, kTytulObrazka, kTylkoObrazek); });

  // --- "Treść zadania": the task statement in a window of its own ---
  tresc = std::make_unique<common::TF_Tresc>();
  common::UstawWlasciciela(tresc.get(), tlo.get());  // from the background's bar, like the pictures
  QObject::connect(tlo->sb_Tresc, &QPushButton::clicked, glowna.get(), [this] { pokazTresc(); });
  // (end of the task statement)

  // The help: "Pomoc" opens its contents, F1 the section about the window in front.
  pomoc = std::make_unique<common::TF_Pomoc>(QString::fromUtf8(kTytulPomocy), ":/pomoc/zwarcia");
  common::UstawWlasciciela(pomoc.get(), tlo.get());
  QObject::connect(tlo->sb_Help, &QPushButton::clicked, glowna.get(), [this] { pomoc->pokaz(kPomocSpisTresci); });
  common::PodepnijF1(pomoc.get(), [this](QWidget* aktywne) {
    std::string adres = kPomocSpisTresci;
    if (aktywne == glowna.get()) adres = PomocStrony(przypadek.Krok);
    if (aktywne == dane.get()) adres = PomocTabeli(common::S(dane->windowTitle()));
    if (aktywne == wynik.get()) adres = kPomocWynikow;
    if (aktywne == wykresRdoX.get() || aktywne == wykresN.get()) adres = kPomocWykresow;
    return QString::fromStdString(adres);
  });
}

Program::~Program() = default;

void Program::pokaz() { glowna->show(); }

void Program::otworzZadanie() {
  if (!argument.empty()) glowna->pokaz(kreator.OtworzZadanie(argument));
}

void Program::Button1Click() {
  if (!kreator.wyniki()) return;
  stanWyniku.Wypelnij(przypadek, *kreator.wyniki(), PierwszaLiniaZadania(argument));
  podglad->MemoGlowne->setPlainText(QString::fromStdString([this] {
    std::string tekst;
    for (const auto& l : stanWyniku.raport) tekst += l + "\n";
    return tekst;
  }()));
  wynik->odswiez();
  wynik->adjustSize();
  glowna->setEnabled(false);
  wynik->WspUdaruE->setFocus();  // the first thing to type is κ
  common::PokazNaSrodku(wynik.get());
}

void Program::pokazPodglad() {
  // The report followed by exactly one set of the current lines, however often this is pressed.
  std::string tekst;
  for (const auto& l : stanWyniku.RaportZPradami()) tekst += l + "\n";
  podglad->MemoGlowne->setPlainText(QString::fromStdString(tekst));
  podglad->hide();
  common::PokazPodglad(podglad.get(), wynik.get());
}

void Program::naPrzod() {
  common::Aktywuj(glowna.get());
  if (wynik->isVisible()) common::Aktywuj(wynik.get());  // the wizard waits for it
}

void Program::pokazTabele(QPushButton* przycisk) {
  if (!kreator.wyniki()) return;
  const WynikZwarcia& w = *kreator.wyniki();
  auto objasnienie = [this](const common::TabelaWynikow& t, int c, int r) {
    return ObjasnienieKomorki(t, c, r, przypadek);
  };
  const auto& g = *glowna;
  std::optional<common::TabelaWynikow> tabela;
  if (przycisk == g.SpeedButton7) tabela = TabelaSystemow(w);
  if (przycisk == g.SpeedButton8) tabela = TabelaGeneratorow(w);
  if (przycisk == g.SpeedButton3) {
    tabela = TabelaTrafo(w);
    if (!tabela) {
      dane->close();
      dialogi_.message(common::Ikona::Informacja, "UWAGA !!!", kBrakTrafo);
      return;
    }
  }
  if (przycisk == g.SpeedButton1) tabela = TabelaLinii(w);
  if (przycisk == g.SpeedButton4) tabela = TabelaYg(w);
  if (przycisk == g.SpeedButton2) tabela = TabelaStrukturalna(w);
  if (przycisk == g.SpeedButton11) tabela = TabelaYw(w);
  if (przycisk == g.SpeedButton13) tabela = TabelaPradow(w);
  if (tabela) dane->pokazTabele(*tabela, objasnienie);
}

void Program::pokazSchemat() {
  common::PokazSchemat(dialogi_, *schemat, PlikTowarzyszacy(argument, ".URZ"), kBrakSchematu, kZlySchemat,
                       glowna.get());
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

void Program::pokazTresc() { common::PokazTresc(dialogi_, *tresc, kreator.argument(), ".SRZ"); }

}  // namespace zwarcia
