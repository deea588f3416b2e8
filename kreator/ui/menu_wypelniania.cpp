#include "kreator/ui/menu_wypelniania.h"

#include <algorithm>

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "common/ui/tekst.h"
#include "kreator/core/wypelnianie.h"

namespace kreator {

using common::Q;
using common::S;

namespace {
constexpr int kSzerokoscMenu = 170;

QToolButton* Przycisk(QWidget* rodzic, const char* nazwa, const char* napis) {
  auto* b = new QToolButton(rodzic);
  b->setObjectName(nazwa);
  b->setText(napis);
  b->setAutoRaise(true);  // flat until the pointer is over it
  b->setFocusPolicy(Qt::NoFocus);  // the focus stays in the combo box
  b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  return b;
}

KoniecKolumn Konce(const common::SiatkaWidok* siatka) {
  KoniecKolumn konce{};
  for (int c = 0; c < kKolumnyLinii; ++c) konce[static_cast<size_t>(c)] = siatka->poczatekKolumny(c + 1);
  return konce;
}
}  // namespace

MenuWypelniania::MenuWypelniania(Przypadek& przypadek, common::SiatkaWidok* LinieSG)
    : QFrame(LinieSG->parentWidget()), przypadek_(przypadek), LinieSG_(LinieSG) {
  setObjectName("MenuP");
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);  // covers the cells below it

  Label1 = new QLabel(QString::fromUtf8("Wypełnij kolumnę następującą wartością"), this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  WypelnijCB = new QComboBox(this);
  WypelnijCB->setObjectName("WypelnijCB");
  WypelnijCB->setEditable(true);
  WypelnijCB->setInsertPolicy(QComboBox::NoInsert);
  // The list drops down, but what is typed is written as typed: no
  // completion turns 0,4 into 0,439.
  WypelnijCB->setCompleter(nullptr);
  WypenijAnulujSB = Przycisk(this, "WypenijAnulujSB", "Anuluj");
  WypelnikOKSB = Przycisk(this, "WypelnikOKSB", "OK");
  WypelnikOKSB->setEnabled(false);
  KolNrL = new QLabel(this);
  KolNrL->setObjectName("KolNrL");
  KolNrL->hide();

  auto* przyciski = new QHBoxLayout;
  przyciski->addWidget(WypenijAnulujSB);
  przyciski->addWidget(WypelnikOKSB);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(5, 4, 5, 4);
  uklad->setSpacing(3);
  uklad->addWidget(Label1);
  uklad->addWidget(WypelnijCB);
  uklad->addLayout(przyciski);
  setFixedWidth(kSzerokoscMenu);
  adjustSize();
  hide();

  // The keys reach the combo box (its line edit passes the focus to it);
  // the line edit is watched too, for keys sent to it directly.
  filtr_.pilnujPola(WypelnijCB);
  filtr_.pilnujPola(WypelnijCB->lineEdit());
  connect(&filtr_, &common::FiltrKlawiszy::enter, this, &MenuWypelniania::WypelnikOKSBClick);
  connect(&filtr_, &common::FiltrKlawiszy::escape, this, &MenuWypelniania::WypenijAnulujSBClick);
  connect(WypelnijCB, &QComboBox::editTextChanged, this, &MenuWypelniania::WypelnijCBChange);
  connect(WypelnikOKSB, &QToolButton::clicked, this, &MenuWypelniania::WypelnikOKSBClick);
  connect(WypenijAnulujSB, &QToolButton::clicked, this, &MenuWypelniania::WypenijAnulujSBClick);

  // A header press arrives at the header's viewport; one on the grid's
  // frame beside the header at the grid itself.
  LinieSG_->horizontalHeader()->viewport()->installEventFilter(this);
  LinieSG_->installEventFilter(this);
}

void MenuWypelniania::zamykajPrzyRuchuNad(QWidget* w) {
  w->setMouseTracking(true);
  w->installEventFilter(this);
  pilnowane_.append(w);
}

void MenuWypelniania::zamknij() {
  const bool mialFokus = isAncestorOf(QApplication::focusWidget());
  LinieSG_->setEnabled(true);
  hide();
  if (mialFokus) LinieSG_->setFocus();
}

void MenuWypelniania::otworz(int kolumna) {
  const PodpowiedziKolumny p = Podpowiedzi(kolumna);
  if (p.pozycje.empty()) return;
  const KoniecKolumn konce = Konce(LinieSG_);
  // Core positions are measured from the grid's inner edge, before scrolling.
  const QPoint wnetrze = LinieSG_->pos() + LinieSG_->contentsRect().topLeft();
  const int przesuniecie = LinieSG_->horizontalHeader()->offset();

  // The columns fill the grid's width, so the last column's menu would
  // reach past the panel's edge; it is kept inside, where it can be seen.
  const int lewo = wnetrze.x() + LewaKrawedzMenu(kolumna, width(), konce) - przesuniecie;
  LinieSG_->setEnabled(false);
  move(std::clamp(lewo, 0, std::max(0, parentWidget()->width() - width())),
       wnetrze.y() + GoraMenu(LinieSG_->wysokoscNaglowka()));
  show();
  raise();
  WypelnijCB->clear();
  for (const std::string& pozycja : p.pozycje) WypelnijCB->addItem(Q(pozycja));
  WypelnijCB->setCurrentIndex(WypelnijCB->findText(Q(p.domyslna)));
  WypelnijCB->setEditText(Q(p.domyslna));
  WypelnijCBChange(WypelnijCB->currentText());
  KolNrL->setText(Q(KodKolumny(kolumna)));
  WypelnijCB->setFocus();
  WypelnijCB->lineEdit()->selectAll();
}

void MenuWypelniania::WypelnijCBChange(const QString& tekst) { WypelnikOKSB->setEnabled(!tekst.isEmpty()); }

void MenuWypelniania::WypelnikOKSBClick() {
  // Enter reaches here too, so an empty text is refused like the disabled button.
  if (!isVisible() || !WypelnikOKSB->isEnabled()) return;
  const std::string kod = S(KolNrL->text());
  if (WypelnijKolumne(przypadek_, kod, S(WypelnijCB->currentText()))) {
    // Tell the view cell by cell: a reset of the model would also throw
    // away the column widths and the current cell.
    const int kolumna = KolumnaZKodu(kod);
    QAbstractItemModel* model = LinieSG_->model();
    for (int w = 1; w <= przypadek_.LiczbaLinii && w < model->rowCount() + 1; ++w) {
      const QModelIndex i = model->index(w - 1, kolumna - 1);
      emit model->dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
    }
  }
  zamknij();
}

void MenuWypelniania::WypenijAnulujSBClick() { zamknij(); }

bool MenuWypelniania::LinieSGMouseDown(QWidget* gdzie, QPoint pozycja) {
  if (!LinieSG_->isEnabled() || isVisible()) return false;
  const KoniecKolumn konce = Konce(LinieSG_);
  const QPoint p = gdzie->mapTo(LinieSG_, pozycja) - LinieSG_->contentsRect().topLeft();
  const int kolumna = KolumnaPodKursorem(p.x() + LinieSG_->horizontalHeader()->offset(), p.y(),
                                         LinieSG_->wysokoscNaglowka(), konce);
  if (kolumna == 0) return false;
  otworz(kolumna);
  return true;
}

bool MenuWypelniania::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  auto* w = qobject_cast<QWidget*>(obiekt);
  if (!w) return false;
  if (zdarzenie->type() == QEvent::MouseButtonPress && (w == LinieSG_ || LinieSG_->isAncestorOf(w)))
    return LinieSGMouseDown(w, static_cast<QMouseEvent*>(zdarzenie)->position().toPoint());
  if (zdarzenie->type() == QEvent::MouseMove && isVisible() && pilnowane_.contains(w)) {
    // A button passes on the move it ignores to the window; only the
    // watched widget's own surface counts, as for the window's background.
    if (!w->childAt(static_cast<QMouseEvent*>(zdarzenie)->position().toPoint())) zamknij();
  }
  return false;
}

}  // namespace kreator
