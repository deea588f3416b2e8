#include "common/ui/dialogi_qt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

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
// The window manager hands the focus back asynchronously, and until it has,
// the window it falls back to (the owner of the window, as a rule) counts as
// active: a box asked for in that moment (a failed save after its file
// dialog) would stand over the owner and bring it over the window the user
// works in. So the wait is short and bounded.
void Przywroc(const QPointer<QWidget>& okno) {
  if (okno && okno->isVisible()) {
    okno->raise();
    okno->activateWindow();
    QElapsedTimer czas;
    czas.start();
    while (okno && okno->isVisible() && !okno->isActiveWindow() && czas.elapsed() < 300)
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
  }
}

// A text longer than this (the nodes of a large network listed one by one)
// does not fit a message box, which neither wraps a list without spaces nor
// scrolls: it is shown whole in a scrolled field instead.
constexpr int kDlugiKomunikat = 1000;
}  // namespace

void QtDialogService::message(Ikona ikona, const std::string& tytul, const std::string& tekst) {
  QPointer<QWidget> nad = Nad(rodzic_);
  const QMessageBox::Icon obraz = ikona == Ikona::Blad ? QMessageBox::Critical : QMessageBox::Information;
  if (Q(tekst).size() <= kDlugiKomunikat) {
    QMessageBox box(obraz, Q(tytul), Q(tekst), QMessageBox::Ok, nad);
    box.exec();
  } else {
    QDialog okno(nad);
    okno.setWindowTitle(Q(tytul));
    auto* ikonka = new QLabel;
    const int bok = okno.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &okno);
    ikonka->setPixmap(okno.style()->standardIcon(obraz == QMessageBox::Critical ? QStyle::SP_MessageBoxCritical
                                                                                : QStyle::SP_MessageBoxInformation)
                          .pixmap(bok, bok));
    // Lines break after a comma of the list (a zero-width space), not inside a number.
    auto* pole = new QPlainTextEdit(Q(tekst).replace(QChar(','), QString::fromUtf8(",\u200B")));
    pole->setReadOnly(true);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(przyciski, &QDialogButtonBox::accepted, &okno, &QDialog::accept);
    auto* gora = new QHBoxLayout;
    gora->addWidget(ikonka, 0, Qt::AlignTop);
    gora->addWidget(pole, 1);
    auto* uklad = new QVBoxLayout(&okno);
    uklad->addLayout(gora);
    uklad->addWidget(przyciski);
    const QRect obszar = QGuiApplication::primaryScreen()->availableGeometry();
    okno.resize(std::min(640, obszar.width()), std::min(360, obszar.height()));
    przyciski->button(QDialogButtonBox::Ok)->setFocus();
    okno.exec();
  }
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
