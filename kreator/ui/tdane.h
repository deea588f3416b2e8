// The inspector: one result table at a time and the explanation of the
// selected cell under it.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "common/ui/tabela_model.h"
#include "kreator/core/przypadek.h"

namespace kreator {

class TDane : public QWidget {
  Q_OBJECT
 public:
  TDane(const Przypadek& przypadek, QWidget* rodzic = nullptr);

  // Closes, fills the grid with the table and shows the window at the top
  // of the screen, as wide as its columns allow.
  void pokazTabele(common::TabelaWynikow tabela, int liczbaLinii);

  QTableView* SG1;
  QLabel* Label1;
  QPushButton* BitBtn1;
  int LLiniiL = 0;  // the line count the matrix table was built with

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void SG1SelectCell(const QModelIndex& indeks);

  const Przypadek& przypadek_;
  common::TabelaModel model_;
};

}  // namespace kreator
