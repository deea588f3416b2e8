// A read-only Qt model over a result table: cells are asked for only when
// the view draws them.
#pragma once

#include <QAbstractTableModel>

#include "common/core/tabela.h"

namespace common {

class TabelaModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void ustaw(TabelaWynikow tabela);
  const TabelaWynikow& tabela() const { return tabela_; }

  int rowCount(const QModelIndex& = {}) const override { return std::max(0, tabela_.wiersze - 1); }
  int columnCount(const QModelIndex& = {}) const override { return std::max(0, tabela_.kolumny - 1); }
  QVariant data(const QModelIndex& indeks, int rola) const override;
  QVariant headerData(int sekcja, Qt::Orientation kierunek, int rola) const override;

 private:
  TabelaWynikow tabela_;
};

}  // namespace common
