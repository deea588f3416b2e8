// Takes screenshots of the short-circuit program for the README. Run under
// a real X server: xvfb-run -s "-screen 0 1280x800x24" zwarcia_zrzuty FOLDER
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "zwarcia/ui/program.h"

namespace {
void Zrzut(const QString& plik) {
  QTest::qWait(400);
  QGuiApplication::primaryScreen()->grabWindow(0).save(plik);
}
void Wiersz(common::TextGrid& g, int w, std::initializer_list<const char*> komorki) {
  int k = 1;
  for (const char* c : komorki) g.setCell(k++, w, c);
}
}  // namespace

int main(int argc, char** argv) {
  QApplication aplikacja(argc, argv);
  const QString folder = argc > 1 ? argv[1] : ".";
  common::RecordingDialogService dialogi;
  zwarcia::Program program(dialogi);
  program.pokaz();
  auto& k = *program.glowna;
  auto& p = program.przypadek;
  Zrzut(folder + "/zwarcia-powitanie.png");
  for (const char* wpis : {"", "4", "1"}) {
    k.DaneE->setText(wpis);
    k.DalejBBClick();
  }
  Wiersz(p.SystemySG, 1, {"1", "5000"});
  k.DalejBBClick();
  k.DaneE->setText("1");
  k.DalejBBClick();
  Wiersz(p.GeneratorySG, 1, {"4", "150", "13", "2"});
  k.GeneratorySG->odswiez(90);
  k.GeneratorySG->setFocus();
  Zrzut(folder + "/zwarcia-generatory.png");
  k.DalejBBClick();
  k.DaneE->setText("1");
  k.DalejBBClick();
  Wiersz(p.TrafoSG, 1, {"3", "4", "160", "500", "11", "2"});
  k.DalejBBClick();
  k.DaneE->setText("2");
  k.DalejBBClick();
  Wiersz(p.LinieSG, 1, {"1", "2", "110", "0,12", "0,4", "50", "1"});
  Wiersz(p.LinieSG, 2, {"2", "3", "110", "0,12", "0,4", "30", "2"});
  k.DalejBBClick();
  for (const char* wpis : {"2", "110", "0,2"}) {
    k.DaneE->setText(wpis);
    k.DalejBBClick();
  }
  k.DalejBBClick();  // "Oblicz"
  Zrzut(folder + "/zwarcia-koniec.png");
  // The help at the worked example's fault current.
  program.pomoc->pokaz("przyklad.html#przyklad");
  QTest::qWait(400);
  program.pomoc->grab().save(folder + "/pomoc-zwarcia-przyklad.png");
  return 0;
}
