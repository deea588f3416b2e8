#include "kreator/ui/okna_pomocnicze.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace kreator {

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

OknoObrazka::OknoObrazka(const char* nazwa, const char* tytul, const char* nazwaObrazka, QWidget* rodzic)
    : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName(nazwa);
  setWindowTitle(QString::fromUtf8(tytul));
  obrazek = new QLabel(this);
  obrazek->setObjectName(nazwaObrazka);
  obrazek->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->addWidget(obrazek);
}

QWidget* NoweOkno(const char* nazwa, const char* tytul, QWidget* rodzic) {
  auto* okno = new QWidget(rodzic, Qt::Window);
  okno->setObjectName(nazwa);
  okno->setWindowTitle(QString::fromUtf8(tytul));
  return okno;
}

}  // namespace kreator
