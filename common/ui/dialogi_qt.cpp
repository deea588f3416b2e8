#include "common/ui/dialogi_qt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "common/ui/tekst.h"

namespace common {

namespace {
// Boxes stand over the window the user works in (a catalogue, the results
// window), which may itself stay on top of the main window; as its child
// the box stays above it on any desktop.
QWidget* Nad(QWidget* rodzic) {
  QWidget* aktywne = QApplication::activeWindow();
  return aktywne ? aktywne : rodzic;
}

// After a box the window it stood over has the keyboard again, whatever
// the window manager would focus instead.
void Przywroc(QWidget* okno) {
  if (okno && okno->isVisible()) {
    okno->raise();
    okno->activateWindow();
  }
}
}  // namespace

void QtDialogService::message(Ikona ikona, const std::string& tytul, const std::string& tekst) {
  QPointer<QWidget> nad = Nad(rodzic_);
  QMessageBox box(ikona == Ikona::Blad ? QMessageBox::Critical : QMessageBox::Information, Q(tytul), Q(tekst),
                  QMessageBox::Ok, nad);
  box.exec();
  Przywroc(nad);
}

bool QtDialogService::askYesNo(const std::string& tytul, const std::string& tekst) {
  QPointer<QWidget> nad = Nad(rodzic_);
  QMessageBox box(QMessageBox::Question, Q(tytul), Q(tekst), QMessageBox::Yes | QMessageBox::No, nad);
  box.button(QMessageBox::Yes)->setText("&Tak");
  box.button(QMessageBox::No)->setText("&Nie");
  // Every question guards something that cannot be undone (the program,
  // the typed network, unsaved results): a reflexive Enter answers No.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  const bool tak = box.exec() == QMessageBox::Yes;
  Przywroc(nad);
  return tak;
}

}  // namespace common

namespace common {

std::optional<std::string> QtDialogService::askSaveFileName(const ZapisPliku& zapis) {
  QPointer<QWidget> nad = Nad(rodzic_);
  QFileDialog dialog(nad, Q(zapis.tytul), Q(zapis.folder), Q(zapis.filtr));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);  // the folder must exist; Qt asks before overwriting
  dialog.setDefaultSuffix(Q(zapis.domyslneRozszerzenie));
  dialog.selectFile(Q(zapis.nazwa));
  const bool przyjety = dialog.exec() == QDialog::Accepted;
  Przywroc(nad);
  if (!przyjety || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return S(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

}  // namespace common
