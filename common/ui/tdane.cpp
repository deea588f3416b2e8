#include "common/ui/tdane.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include "common/ui/okna.h"
#include "common/ui/siatka_widok.h"
#include "common/ui/tekst.h"

namespace common {

namespace {

constexpr int kMiejsceNaPrzyciski = 120;  // the title bar's picture and buttons beside the caption

// The explanation under the table: one line that never makes the window
// wider or taller; a text longer than the line ends in an ellipsis (the
// tooltip shows it whole).
class WierszObjasnienia : public QLabel {
 public:
  explicit WierszObjasnienia(QWidget* rodzic) : QLabel(rodzic) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().height() + 4);
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    const QRect r = contentsRect();
    if (fontMetrics().horizontalAdvance(text()) <= r.width()) {
      QLabel::paintEvent(e);
      return;
    }
    QPainter p(this);
    style()->drawItemText(&p, r, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, r.width()), foregroundRole());
  }
};

}  // namespace

TDane::TDane(QWidget* rodzic) : QWidget(rodzic, Qt::Tool | Qt::WindowStaysOnTopHint) {
  setObjectName("TDane");
  setWindowTitle("Dane");
  SG1 = new QTableView(this);
  SG1->setObjectName("SG1");
  SG1->setModel(&model_);
  SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SG1->setSelectionMode(QAbstractItemView::SingleSelection);
  SG1->verticalHeader()->setDefaultSectionSize(20);
  SG1->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  Label1 = new WierszObjasnienia(this);
  Label1->setObjectName("Label1");
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
  auto* dol = new QHBoxLayout;
  dol->addWidget(Label1, 1);
  dol->addWidget(BitBtn1);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);
  uklad->addWidget(SG1, 1);
  uklad->addLayout(dol);
  connect(BitBtn1, &QPushButton::clicked, this, &QWidget::close);
  connect(SG1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& i) { SG1SelectCell(i); });
  SG1->installEventFilter(this);
  PokazNaroznik(SG1, [this] {
    const auto& t = model_.tabela();
    return t.komorka ? Q(t.komorka(0, 0)) : QString();
  });
  BitBtn1->installEventFilter(this);
}

void TDane::pokazTabele(TabelaWynikow tabela, Objasnienie objasnienie) {
  close();
  objasnienie_ = std::move(objasnienie);
  setWindowTitle(Q(tabela.tytul));
  model_.ustaw(std::move(tabela));
  const auto& t = model_.tabela();
  SG1->verticalHeader()->setFixedWidth(t.szerokosc(0));
  // Enough for the header and the first rows' texts in this font.
  const QFontMetrics fm(SG1->font());
  auto potrzebna = [&](int c) {
    int w = fm.horizontalAdvance(Q(t.komorka(c, 0))) + 12;
    for (int r = 1; r < std::min(t.wiersze, 100); ++r)
      w = std::max(w, fm.horizontalAdvance(Q(t.komorka(c, r))) + 12);
    return w;
  };
  // The given widths, widened where this font needs more for the numbers shown.
  int suma = t.szerokosc(0);
  for (int c = 1; c < t.kolumny; ++c) {
    const int szerokosc = std::max(t.szerokosc(c), potrzebna(c));
    SG1->setColumnWidth(c - 1, szerokosc);
    suma += szerokosc;
  }
  Label1->clear();
  Label1->setToolTip(QString());
  // At the top of the work area, 10 pixels from the left, as wide as the columns (within the screen)
  // and as the caption needs for the window manager to show it whole: its text in a bold face and
  // room for the title bar's picture and buttons (within the work area).
  const QRect obszar = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect ekran = QGuiApplication::primaryScreen()->geometry();
  QFont tytulowa = QGuiApplication::font();
  tytulowa.setBold(true);
  const int napis = QFontMetrics(tytulowa).horizontalAdvance(windowTitle()) + kMiejsceNaPrzyciski;
  resize(std::max(std::min(35 + suma, ekran.width()), std::min(napis, obszar.width())),
         std::min(360, obszar.height()));
  move(ekran.x() + 10, obszar.y());
  PokazOkno(this);
}

void TDane::SG1SelectCell(const QModelIndex& i) {
  Label1->clear();
  if (i.isValid() && objasnienie_) Label1->setText(Q(objasnienie_(model_.tabela(), i.column() + 1, i.row() + 1)));
  Label1->setToolTip(Label1->text());
}

bool TDane::eventFilter(QObject*, QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    const int klawisz = static_cast<QKeyEvent*>(e)->key();
    if (klawisz == Qt::Key_Escape || klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
      close();
      return true;
    }
  }
  return false;
}

void TDane::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) close();
  else QWidget::keyPressEvent(e);
}

}  // namespace common
