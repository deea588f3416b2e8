// A string grid on screen over a core TextGrid: row 0 of the text grid is
// the fixed header row, column 0 the fixed label column, the rest are
// editable cells written straight back into the text grid as they are typed.
#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include "common/core/siatka.h"

#include <functional>

namespace common {

// Shows `tekst` in the top-left corner of a table view: the text of cell (0, 0).
void PokazNaroznik(QTableView* widok, std::function<QString()> tekst);

class SiatkaModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SiatkaModel(TextGrid& siatka, QObject* rodzic = nullptr);
  // Call after the text grid changed its counts or cells from outside.
  void odswiez();
  TextGrid& siatka() { return siatka_; }

  int rowCount(const QModelIndex& = {}) const override;
  int columnCount(const QModelIndex& = {}) const override;
  QVariant data(const QModelIndex& indeks, int rola) const override;
  bool setData(const QModelIndex& indeks, const QVariant& wartosc, int rola) override;
  QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override;
  Qt::ItemFlags flags(const QModelIndex& indeks) const override;

 private:
  TextGrid& siatka_;
};

class SiatkaWidok;

// The cell editor: the key filter, Enter for Next, Escape for closing, and
// every keystroke committed at once, so the text grid always holds what
// the user sees.
class EdytorKomorki : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit EdytorKomorki(SiatkaWidok* widok);
  QWidget* createEditor(QWidget* rodzic, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;
  // Writes only what the user typed: a cell filled from outside while the
  // editor stood open is not overwritten by the editor's old text.
  void setModelData(QWidget* edytor, QAbstractItemModel* model, const QModelIndex& indeks) const override;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  SiatkaWidok* widok_;
};

class SiatkaWidok : public QTableView {
  Q_OBJECT
 public:
  SiatkaWidok(TextGrid& siatka, QWidget* rodzic = nullptr);

  // Re-reads the counts, headers and cells of the text grid; `szerokoscKolumny0`
  // is the width of the label column.
  void odswiez(int szerokoscKolumny0 = 64);
  // Tab moves from cell to cell (true) or leaves the grid (false).
  void setTabPrzechodziPoKomorkach(bool tak) { tabPoKomorkach_ = tak; setTabKeyNavigation(tak); }
  bool tabPrzechodziPoKomorkach() const { return tabPoKomorkach_; }
  // The text grid's column c (from 0) starts at this x, measured from the
  // grid's left edge: the sum of the widths of columns 0 .. c-1.
  int poczatekKolumny(int c) const;
  int wysokoscNaglowka() const;
  // The editor of the current cell, if open.
  QWidget* edytor() const;
  // Gives the grid the keyboard and makes the cell in column `kolumna`, row
  // `wiersz` of the text grid (from 1) the selected current one, scrolled
  // into view; its editor opens and keeps the keyboard.
  void wskazKomorke(int kolumna, int wiersz);

 signals:
  void enter();
  void escape();

 protected:
  void focusInEvent(QFocusEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni) override;

 private:
  void rozlozKolumny();
  void otworzEdytor();

  SiatkaModel model_;
  bool tabPoKomorkach_ = true;
  int kolumna0_ = 64;
};

}  // namespace common
