// Kreator: the load-flow teaching program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "common/ui/dialogi_qt.h"
#include "common/ui/polski.h"
#include "kreator/core/wsadowy.h"
#include "kreator/ui/program.h"

namespace {

// Without any display Qt would abort with a long report; one line says more.
bool JestEkran() {
  const char* platforma = std::getenv("QT_QPA_PLATFORM");
  if (platforma && *platforma) return true;
  const char* x = std::getenv("DISPLAY");
  const char* w = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (w && *w);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> argumenty(argv + 1, argv + argc);
  if (kreator::TrybWsadowy(argumenty)) return kreator::UruchomWsadowo(argumenty, std::cout, std::cerr);
  if (!JestEkran()) {
    std::fprintf(stderr, "Kreator: brak ekranu graficznego (DISPLAY nie jest ustawione); uruchom program w sesji graficznej.\n");
    return 1;
  }
  QApplication aplikacja(argc, argv);
  QApplication::setApplicationName("Kreator");
  // No display name: Qt would append it to every caption, and the captions are exact.
  common::PolskieTekstyQt(aplikacja);
  aplikacja.setQuitOnLastWindowClosed(false);  // only the main window's confirmed close ends the program

  common::QtDialogService dialogi;
  kreator::Program program(dialogi);
  program.glowna->ustawPraceWTle(true);  // the window stays responsive while it computes
  dialogi.setParent(program.glowna.get());
  if (!argumenty.empty()) program.argument = argumenty.front();
  program.pokaz();
  return aplikacja.exec();
}
