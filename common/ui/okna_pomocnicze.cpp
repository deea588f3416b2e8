#include "common/ui/okna_pomocnicze.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace common {

TF_Podglad::TF_Podglad(QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("TF_Podglad");
  setWindowTitle(QString::fromUtf8("Podgląd pliku wynikowego"));
  MemoGlowne = new QPlainTextEdit(this);
  MemoGlowne->setObjectName("MemoGlowne");
  MemoGlowne->setReadOnly(true);
  MemoGlowne->setFrameShape(QFrame::NoFrame);
  MemoGlowne->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoGlowne->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoGlowne->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont staly("DejaVu Sans Mono");
  staly.setStyleHint(QFont::Monospace);
  MemoGlowne->setFont(staly);
  MemoGlowne->installEventFilter(this);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(MemoGlowne);
  resize(640, 600);
}

bool TF_Podglad::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return false;
}

void TF_Podglad::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

OknoObrazka::OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, bool rozciagaj,
                         QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  obrazek = new QLabel;
  obrazek->setObjectName(nazwaObrazka);
  obrazek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  if (rozciagaj) {
    // The picture follows the window when the user resizes it.
    obrazek->setScaledContents(true);
    obrazek->setMinimumSize(1, 1);
    uklad->addWidget(obrazek);
  } else {
    auto* przewijanie = new QScrollArea;
    przewijanie->setWidget(obrazek);
    przewijanie->setFrameShape(QFrame::NoFrame);
    przewijanie->setBackgroundRole(QPalette::Window);
    uklad->addWidget(przewijanie);
  }
}

void OknoObrazka::ustaw(const QImage& obraz) {
  obrazek->setPixmap(QPixmap::fromImage(obraz));
  if (!obrazek->hasScaledContents()) obrazek->resize(obraz.size());
}

QImage WczytajBitmape(const QString& sciezka) {
  QImageReader czytnik(sciezka, "bmp");
  czytnik.setDecideFormatFromContent(false);
  const QSize rozmiar = czytnik.size();
  // A picture larger than any screen is refused before it is decoded.
  if (!rozmiar.isValid() || rozmiar.width() > 10000 || rozmiar.height() > 10000) return {};
  return czytnik.read();
}


}  // namespace common
