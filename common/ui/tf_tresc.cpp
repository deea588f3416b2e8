#include "common/ui/tf_tresc.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <algorithm>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "common/core/pliki.h"
#include "common/ui/okna.h"

namespace common {

// A tool window kept on top like the wizard and the exercise's pictures, so
// that it opens in front of them.
TF_Tresc::TF_Tresc(QWidget* rodzic) : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName("TF_Tresc");
  setWindowTitle(QString::fromUtf8("Treść zadania"));
  MemoTresc = new QPlainTextEdit(this);
  MemoTresc->setObjectName("MemoTresc");
  MemoTresc->setReadOnly(true);
  MemoTresc->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  MemoTresc->setWordWrapMode(QTextOption::WordWrap);
  OkBB = new QPushButton("OK", this);
  OkBB->setObjectName("OkBB");
  OkBB->setDefault(true);
  connect(OkBB, &QPushButton::clicked, this, &QWidget::close);
  MemoTresc->installEventFilter(this);
  OkBB->installEventFilter(this);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(OkBB);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(MemoTresc);
  uklad->addLayout(przyciski);
  resize(600, 400);
}

bool TF_Tresc::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return false;
}

void TF_Tresc::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) close();
  else QWidget::keyPressEvent(e);
}

void TF_Tresc::ustaw(const QString& tekst) {
  MemoTresc->setPlainText(tekst);
  MemoTresc->moveCursor(QTextCursor::Start);
}

void PokazTresc(DialogService& dialogi, TF_Tresc& okno, const std::string& argument, const char* rozszerzenie) {
  std::string blad;
  const auto tekst = TrescZadania(argument, rozszerzenie, blad);
  if (!tekst) {
    dialogi.error(blad);
    return;
  }
  okno.ustaw(QString::fromStdString(*tekst));
  const QRect obszar = ObszarEkranu();
  const Ramka ramka = RamkaOkien(&okno);
  // Wide enough for the statement's longest line, so that lines written to
  // a width keep it instead of breaking in two; never wider than the screen.
  int najdluzszy = 0;
  const QFontMetrics miara(okno.MemoTresc->font());
  for (const QString& wiersz : QString::fromStdString(*tekst).split('\n'))
    najdluzszy = std::max(najdluzszy, miara.horizontalAdvance(wiersz));
  const int margines = 60;  // frame, document margins, scroll bar, layout
  const int najszerszy = std::max(600, obszar.width() - ramka.lewo - ramka.prawo - 20);
  const int szerokosc = std::min(std::max(najdluzszy + margines, 600), najszerszy);
  PokazOkno(&okno, QRect(obszar.left() + ramka.lewo + 10, obszar.top() + ramka.gora + 10, szerokosc, 400));
}

}  // namespace common
