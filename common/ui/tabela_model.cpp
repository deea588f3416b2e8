#include "common/ui/tabela_model.h"

#include "common/ui/tekst.h"

namespace common {

void TabelaModel::ustaw(TabelaWynikow tabela) {
  beginResetModel();
  tabela_ = std::move(tabela);
  endResetModel();
}

QVariant TabelaModel::data(const QModelIndex& i, int rola) const {
  if (rola != Qt::DisplayRole || !tabela_.komorka) return {};
  return Q(tabela_.komorka(i.column() + 1, i.row() + 1));
}

QVariant TabelaModel::headerData(int sekcja, Qt::Orientation kierunek, int rola) const {
  if (rola != Qt::DisplayRole || !tabela_.komorka) return {};
  return kierunek == Qt::Horizontal ? Q(tabela_.komorka(sekcja + 1, 0)) : Q(tabela_.komorka(0, sekcja + 1));
}

}  // namespace common
