// Takes screenshots of the load-flow program for the README: the welcome
// page, the line-grid page and the final page, each over the background.
// Run under a real X server: xvfb-run -s "-screen 0 1280x800x24" kreator_zrzuty FOLDER
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "kreator/ui/program.h"

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
  kreator::Program program(dialogi);
  program.pokaz();
  auto& k = *program.glowna;
  Zrzut(folder + "/kreator-powitanie.png");
  for (const char* wpis : {"", "4", "3", "1"}) {
    k.DaneE->setText(wpis);
    k.DalejBBClick();
  }
  auto& p = program.przypadek;
  Wiersz(p.LinieSG, 1, {"1", "2", "220", "0,0552", "0,412", "2,76", "100", "1"});
  Wiersz(p.LinieSG, 2, {"2", "3", "220", "0,0552", "0,412", "2,76", "80", "2"});
  Wiersz(p.LinieSG, 3, {"1", "3", "220", "0,0552", "0,412", "2,76", "120", "1"});
  k.LinieSG->odswiez(kreator::kSzerokoscKolumny0Linii);
  k.LinieSG->setFocus();
  Zrzut(folder + "/kreator-linie.png");
  k.DalejBBClick();
  Wiersz(p.TrafoSG, 1, {"3", "4", "231", "115", "160", "500", "100", "12", "0,5"});
  k.TrafoSG->odswiez(100);
  Zrzut(folder + "/kreator-transformatory.png");
  k.DalejBBClick();
  for (const char* wpis : {"1"}) { k.DaneE->setText(wpis); k.DalejBBClick(); }
  Wiersz(p.WElSG, 1, {"1", "231", "0"});
  k.DalejBBClick();
  k.DaneE->setText("2");
  k.DalejBBClick();
  Wiersz(p.WObcSG, 1, {"2", "80", "40"});
  Wiersz(p.WObcSG, 2, {"4", "50", "20"});
  k.WObcSG->odswiez(70);
  Zrzut(folder + "/kreator-obciazenia.png");
  k.DalejBBClick();
  for (const char* wpis : {"1", "231", "0,0001", "1,6"}) {
    k.DaneE->setText(wpis);
    k.DalejBBClick();
  }
  Zrzut(folder + "/kreator-koniec.png");
  k.DalejBBClick();  // "Oblicz"
  QTest::mouseClick(k.SpeedButton4, Qt::LeftButton);
  program.dane->SG1->setCurrentIndex(program.dane->SG1->model()->index(1, 0));
  Zrzut(folder + "/kreator-macierz.png");
  program.dane->close();
  program.Button1Click();
  program.pokazPodglad();
  Zrzut(folder + "/kreator-wyniki.png");
  // The convergence chart of the same case.
  program.wynik->hide();
  program.pokazZbieznosc();
  QTest::qWait(400);
  program.zbieznosc->grab().save(folder + "/kreator-zbieznosc.png");
  program.zbieznosc->close();
  // The help at the model's iteration.
  program.pomoc->pokaz("model.html#iteracja");
  QTest::qWait(400);
  program.pomoc->grab().save(folder + "/pomoc-kreator-model.png");
  return 0;
}
