#include "common/ui/dialogi_qt.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "common/ui/tekst.h"

namespace common {

namespace {
// Boxes stand over the window the user works in (a catalogue, the results
// window), which may itself stay on top of the main window.
QWidget* Nad(QWidget* rodzic) {
  QWidget* aktywne = QApplication::activeWindow();
  return aktywne ? aktywne : rodzic;
}
}  // namespace

void QtDialogService::message(Ikona ikona, const std::string& tytul, const std::string& tekst) {
  QMessageBox box(ikona == Ikona::Blad ? QMessageBox::Critical : QMessageBox::Information, Q(tytul), Q(tekst),
                  QMessageBox::Ok, Nad(rodzic_));
  box.exec();
}

bool QtDialogService::askYesNo(const std::string& tytul, const std::string& tekst) {
  QMessageBox box(QMessageBox::Question, Q(tytul), Q(tekst), QMessageBox::Yes | QMessageBox::No, Nad(rodzic_));
  box.button(QMessageBox::Yes)->setText("&Tak");
  box.button(QMessageBox::No)->setText("&Nie");
  return box.exec() == QMessageBox::Yes;
}

bool QtDialogService::openWithDesktop(const std::string& sciezka) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(Q(sciezka)));
}

}  // namespace common

namespace common {

std::optional<std::string> QtDialogService::askSaveFileName(const ZapisPliku& zapis) {
  QFileDialog dialog(Nad(rodzic_), Q(zapis.tytul), Q(zapis.folder), Q(zapis.filtr));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);  // the folder must exist; Qt asks before overwriting
  dialog.setDefaultSuffix(Q(zapis.domyslneRozszerzenie));
  dialog.selectFile(Q(zapis.nazwa));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return S(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

}  // namespace common
