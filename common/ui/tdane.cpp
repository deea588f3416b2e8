#include "common/ui/tdane.h"

#include <algorithm>
#include <vector>

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include "common/ui/okna.h"
#include "common/ui/siatka_widok.h"
#include "common/ui/tekst.h"

namespace common {

namespace {

constexpr int kMiejsceNaPrzyciski = 120;  // the title bar's picture and buttons beside the caption
// The widths are measured on the texts of the first rows of the first
// columns; a matrix of a few thousand nodes would otherwise format a
// hundred cells of every one of its columns before the window opens.
constexpr int kWierszePomiaru = 100;
constexpr int kKolumnyPomiaru = 50;

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
  // Enough for the header and the first rows' texts in this font.
  const QFontMetrics fm(SG1->font());
  auto potrzebna = [&](int c) {
    int w = fm.horizontalAdvance(Q(tabela.komorka(c, 0))) + 12;
    for (int r = 1; r < std::min(tabela.wiersze, kWierszePomiaru); ++r)
      w = std::max(w, fm.horizontalAdvance(Q(tabela.komorka(c, r))) + 12);
    return w;
  };
  // The given widths, widened where this font needs more for the numbers
  // shown. Columns beyond the measured ones are a matrix's, all written
  // alike: each is as wide as the widest measured one and its given width
  // (the header's default size, so that no column is set one by one).
  std::vector<int> szerokosci;
  for (int c = 1; c < std::min(tabela.kolumny, kKolumnyPomiaru + 1); ++c)
    szerokosci.push_back(std::max(tabela.szerokosc(c), potrzebna(c)));
  const int reszta = szerokosci.empty() ? 0 : std::max(*std::max_element(szerokosci.begin(), szerokosci.end()),
                                                       tabela.szerokosc(kKolumnyPomiaru + 1));
  if (reszta > 0) SG1->horizontalHeader()->setDefaultSectionSize(reszta);
  model_.ustaw(std::move(tabela));
  const auto& t = model_.tabela();
  // The label column as given, or as wide as the labels of the first and
  // the last hundred rows need ("L10000 (węzły 4999-5000)"), in bold as the
  // label of the current row is drawn.
  QFont pogrubiona = SG1->verticalHeader()->font();
  pogrubiona.setBold(true);
  const QFontMetrics etykiety(pogrubiona);
  int kolumna0 = t.szerokosc(0);
  auto dopasuj = [&](int r) { kolumna0 = std::max(kolumna0, etykiety.horizontalAdvance(Q(t.komorka(0, r))) + 12); };
  for (int r = 1; r < std::min(t.wiersze, kWierszePomiaru + 1); ++r) dopasuj(r);
  for (int r = std::max(kWierszePomiaru + 1, t.wiersze - kWierszePomiaru); r < t.wiersze; ++r) dopasuj(r);
  SG1->verticalHeader()->setFixedWidth(kolumna0);
  long long suma = kolumna0 + static_cast<long long>(reszta) * (t.kolumny - 1 - int(szerokosci.size()));
  for (size_t c = 0; c < szerokosci.size(); ++c) {
    SG1->setColumnWidth(int(c), szerokosci[c]);
    suma += szerokosci[c];
  }
  // A new table starts at its top left, whatever the last one showed.
  SG1->scrollToTop();
  SG1->horizontalScrollBar()->setValue(0);
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
  resize(std::max(int(std::min<long long>(35 + suma, ekran.width())), std::min(napis, obszar.width())),
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
