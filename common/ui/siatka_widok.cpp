#include "common/ui/siatka_widok.h"

#include <algorithm>
#include <vector>

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTextLayout>

#include "common/ui/filtr_klawiszy_qt.h"
#include "common/ui/tekst.h"

namespace common {

namespace {
constexpr int kWysokoscWiersza = 20;
constexpr int kMinSzerokoscKolumny = 64;

// Whether `tekst`, wrapped as a header wraps it `szerokosc` pixels wide,
// breaks its lines at spaces only and no line is wider.
bool LamanyNaSpacjach(const QString& tekst, const QFont& czcionka, int szerokosc) {
  QTextLayout uklad(tekst, czcionka);
  QTextOption opcja;
  opcja.setWrapMode(QTextOption::WordWrap);
  uklad.setTextOption(opcja);
  bool tak = true;
  uklad.beginLayout();
  for (QTextLine linia = uklad.createLine(); linia.isValid(); linia = uklad.createLine()) {
    linia.setLineWidth(szerokosc);
    const int koniec = linia.textStart() + linia.textLength();
    if (linia.naturalTextWidth() > szerokosc || (koniec < tekst.size() && !tekst[koniec - 1].isSpace())) tak = false;
  }
  uklad.endLayout();
  return tak;
}

// Paints a text on the view's corner button, which Qt leaves blank.
class NaroznikFiltr : public QObject {
 public:
  NaroznikFiltr(QAbstractButton* przycisk, std::function<QString()> tekst)
      : QObject(przycisk), tekst_(std::move(tekst)) {}
  bool eventFilter(QObject* obiekt, QEvent* e) override {
    if (e->type() != QEvent::Paint) return false;
    auto* przycisk = static_cast<QAbstractButton*>(obiekt);
    QStyleOptionHeader opcja;
    opcja.initFrom(przycisk);
    opcja.rect = przycisk->rect();
    opcja.text = tekst_();
    opcja.textAlignment = Qt::AlignCenter;
    opcja.position = QStyleOptionHeader::OnlyOneSection;
    QPainter p(przycisk);
    przycisk->style()->drawControl(QStyle::CE_Header, &opcja, &p, przycisk);
    return true;
  }

 private:
  std::function<QString()> tekst_;
};
}  // namespace

void PokazNaroznik(QTableView* widok, std::function<QString()> tekst) {
  if (auto* naroznik = widok->findChild<QAbstractButton*>())
    naroznik->installEventFilter(new NaroznikFiltr(naroznik, std::move(tekst)));
}

// --- model -------------------------------------------------------------

SiatkaModel::SiatkaModel(TextGrid& siatka, QObject* rodzic) : QAbstractTableModel(rodzic), siatka_(siatka) {}

void SiatkaModel::odswiez() {
  beginResetModel();
  endResetModel();
}

int SiatkaModel::rowCount(const QModelIndex&) const { return std::max(0, siatka_.rowCount() - 1); }
int SiatkaModel::columnCount(const QModelIndex&) const { return std::max(0, siatka_.colCount() - 1); }

QVariant SiatkaModel::data(const QModelIndex& i, int rola) const {
  if (rola == Qt::DisplayRole || rola == Qt::EditRole) return Q(siatka_.cell(i.column() + 1, i.row() + 1));
  return {};
}

bool SiatkaModel::setData(const QModelIndex& i, const QVariant& wartosc, int rola) {
  if (rola != Qt::EditRole || !i.isValid()) return false;
  std::string tekst = S(wartosc.toString());
  if (siatka_.cell(i.column() + 1, i.row() + 1) == tekst) return true;
  siatka_.setCell(i.column() + 1, i.row() + 1, tekst);
  emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

QVariant SiatkaModel::headerData(int sekcja, Qt::Orientation kierunek, int rola) const {
  if (rola != Qt::DisplayRole && rola != Qt::ToolTipRole) return {};
  return kierunek == Qt::Horizontal ? Q(siatka_.cell(sekcja + 1, 0)) : Q(siatka_.cell(0, sekcja + 1));
}

Qt::ItemFlags SiatkaModel::flags(const QModelIndex& i) const {
  return QAbstractTableModel::flags(i) | Qt::ItemIsEditable;
}

// --- cell editor -------------------------------------------------------

EdytorKomorki::EdytorKomorki(SiatkaWidok* widok) : QStyledItemDelegate(widok), widok_(widok) {}

QWidget* EdytorKomorki::createEditor(QWidget* rodzic, const QStyleOptionViewItem& opcje,
                                     const QModelIndex& indeks) const {
  QWidget* w = QStyledItemDelegate::createEditor(rodzic, opcje, indeks);
  if (auto* pole = qobject_cast<QLineEdit*>(w)) {
    pole->setFrame(false);
    auto* self = const_cast<EdytorKomorki*>(this);
    connect(pole, &QLineEdit::textEdited, self, [self, pole] { emit self->commitData(pole); });
  }
  return w;
}

void EdytorKomorki::setModelData(QWidget* edytor, QAbstractItemModel* model, const QModelIndex& indeks) const {
  auto* pole = qobject_cast<QLineEdit*>(edytor);
  if (pole && !pole->isModified()) return;
  QStyledItemDelegate::setModelData(edytor, model, indeks);
}

bool EdytorKomorki::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  auto* edytor = qobject_cast<QWidget*>(obiekt);
  if (edytor && zdarzenie->type() == QEvent::KeyPress) {
    auto* e = static_cast<QKeyEvent*>(zdarzenie);
    switch (e->key()) {
      case Qt::Key_Return: case Qt::Key_Enter:
        emit commitData(edytor);
        emit widok_->enter();
        return true;
      case Qt::Key_Escape:
        emit commitData(edytor);
        emit widok_->escape();
        return true;
      case Qt::Key_Tab: case Qt::Key_Backtab:
        if (!widok_->tabPrzechodziPoKomorkach()) {
          // Let the focus leave the grid the ordinary way.
          emit commitData(edytor);
          return false;
        }
        break;
      default:
        if (ZnakOdrzucony(e)) return true;
    }
  }
  return QStyledItemDelegate::eventFilter(obiekt, zdarzenie);
}

// --- view --------------------------------------------------------------

SiatkaWidok::SiatkaWidok(TextGrid& siatka, QWidget* rodzic) : QTableView(rodzic), model_(siatka) {
  setModel(&model_);
  setItemDelegate(new EdytorKomorki(this));
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                  QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setShowGrid(true);
  verticalHeader()->setDefaultSectionSize(kWysokoscWiersza);
  verticalHeader()->setMinimumSectionSize(kWysokoscWiersza);
  verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  PokazNaroznik(this, [&siatka] { return Q(siatka.cell(0, 0)); });
}

void SiatkaWidok::odswiez(int szerokoscKolumny0) {
  model_.odswiez();
  // The label column as given, or wider where the last (longest) label of
  // a long table needs it: "L4766", "W. obc. 2383".
  const QHeaderView* etykiety = verticalHeader();
  const int margines = etykiety->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, etykiety) + 1;
  const QString ostatnia = Q(model_.siatka().cell(0, model_.rowCount()));
  kolumna0_ = std::max(szerokoscKolumny0, etykiety->fontMetrics().horizontalAdvance(ostatnia) + 2 * margines);
  verticalHeader()->setFixedWidth(kolumna0_);
  rozlozKolumny();
  if (model_.rowCount() > 0 && model_.columnCount() > 0) setCurrentIndex(model_.index(0, 0));
}

void SiatkaWidok::rozlozKolumny() {
  const int kolumny = model_.columnCount();
  if (kolumny == 0) return;
  QHeaderView* naglowek = horizontalHeader();
  // The header style's room around the text on each side, and a pixel more.
  const int margines = naglowek->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, naglowek) + 1;
  const QFontMetrics fm(naglowek->font());
  // Each column is at least as wide as the longest word of its header, and
  // wide enough for the header to wrap only at its spaces (not at the
  // slash of a unit, say).
  std::vector<QString> teksty;
  std::vector<int> najmniej;
  auto dobra = [&](int c, int szerokosc) {
    return LamanyNaSpacjach(teksty[static_cast<size_t>(c)], naglowek->font(), szerokosc - 2 * margines);
  };
  for (int c = 0; c < kolumny; ++c) {
    teksty.push_back(Q(model_.siatka().cell(c + 1, 0)));
    int slowo = 0;
    for (const QString& s : teksty.back().split(' ', Qt::SkipEmptyParts))
      slowo = std::max(slowo, fm.horizontalAdvance(s));
    int szerokosc = std::max(kMinSzerokoscKolumny, slowo + 2 * margines);
    // Bounded by the header on one line: a line break in its text would
    // never let the layout answer yes.
    const int wJednejLinii = fm.horizontalAdvance(teksty.back()) + 2 * margines + 1;
    while (szerokosc < wJednejLinii && !dobra(c, szerokosc)) ++szerokosc;
    najmniej.push_back(szerokosc);
  }
  // The visible width is shared equally among the columns that need no
  // more than their share; the others keep their least width. The grid
  // scrolls when even the least widths do not fit.
  const int wolne = viewport()->width();
  int udzial = wolne / kolumny;
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    int reszta = wolne, rowne = 0;
    for (int n : najmniej) {
      if (n > udzial) reszta -= n;
      else ++rowne;
    }
    const int nowy = rowne > 0 ? std::max(0, reszta) / rowne : udzial;
    if (nowy < udzial) {
      udzial = nowy;
      zmiana = true;
    }
  }
  // A column whose header would wrap badly at its share is a little
  // narrower (its least width wraps well); the columns after it take the
  // pixels left over where they can.
  int zapas = 0;
  for (int c = 0; c < kolumny; ++c) {
    const int cel = std::max(najmniej[static_cast<size_t>(c)], udzial) + zapas;
    int szerokosc = cel;
    while (szerokosc > najmniej[static_cast<size_t>(c)] && !dobra(c, szerokosc)) --szerokosc;
    zapas = cel - szerokosc;
    setColumnWidth(c, szerokosc);
  }
  // The header row is as high as its longest wrapped header needs.
  int wysokosc = kWysokoscWiersza;
  for (int c = 0; c < kolumny; ++c) {
    const QRect r = fm.boundingRect(QRect(0, 0, columnWidth(c) - 2 * margines, 1000),
                                    Qt::TextWordWrap | Qt::AlignCenter, Q(model_.siatka().cell(c + 1, 0)));
    wysokosc = std::max(wysokosc, r.height() + 2 * margines);
  }
  naglowek->setFixedHeight(wysokosc);
}

int SiatkaWidok::poczatekKolumny(int c) const {
  if (c <= 0) return 0;
  int x = kolumna0_;
  for (int i = 0; i < c - 1; ++i) x += columnWidth(i);
  return x;
}

int SiatkaWidok::wysokoscNaglowka() const { return horizontalHeader()->height(); }

QWidget* SiatkaWidok::edytor() const { return indexWidget(currentIndex()) ? indexWidget(currentIndex()) : focusWidget(); }

void SiatkaWidok::wskazKomorke(int kolumna, int wiersz) {
  const QModelIndex i = model()->index(wiersz - 1, kolumna - 1);
  if (!i.isValid()) return;
  setFocus();  // first: focusing the grid later would take the keyboard from the editor
  selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  scrollTo(i);
}

void SiatkaWidok::otworzEdytor() {
  if (currentIndex().isValid() && state() != EditingState) edit(currentIndex());
}

void SiatkaWidok::focusInEvent(QFocusEvent* e) {
  QTableView::focusInEvent(e);
  if (!currentIndex().isValid() && model_.rowCount() > 0 && model_.columnCount() > 0)
    setCurrentIndex(model_.index(0, 0));
  otworzEdytor();
}

void SiatkaWidok::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    emit enter();
    return;
  }
  if (e->key() == Qt::Key_Escape) {
    emit escape();
    return;
  }
  if (ZnakOdrzucony(e)) return;
  QTableView::keyPressEvent(e);
}

void SiatkaWidok::resizeEvent(QResizeEvent* e) {
  QTableView::resizeEvent(e);
  rozlozKolumny();
}

void SiatkaWidok::currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni) {
  QTableView::currentChanged(biezacy, poprzedni);
}

}  // namespace common
