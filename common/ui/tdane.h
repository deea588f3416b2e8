// The inspector of either program: one result table at a time and the
// explanation of the selected cell under it.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>

#include "common/ui/tabela_model.h"
#include <functional>
#include <string>

namespace common {

class TDane : public QWidget {
  Q_OBJECT
 public:
  // Explains the cell in column c, row r (both from 1) of the table shown.
  using Objasnienie = std::function<std::string(const TabelaWynikow& tabela, int c, int r)>;

  explicit TDane(QWidget* rodzic = nullptr);

  // Closes, fills the grid with the table and shows the window at the top
  // of the screen, as wide as its columns allow.
  void pokazTabele(TabelaWynikow tabela, Objasnienie objasnienie);

  QTableView* SG1;
  QLabel* Label1;
  QPushButton* BitBtn1;

 protected:
  bool eventFilter(QObject* obiekt, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void SG1SelectCell(const QModelIndex& indeks);

  TabelaModel model_;
  Objasnienie objasnienie_;
};

}  // namespace common
