#include "exports/ModelPodgladu.h"

#include "exports/SzablonKolumn.h"

void ModelPodgladu::ustaw(const QStringList& naglowki, const QList<QStringList>& wiersze) {
  beginResetModel();
  naglowki_ = naglowki;
  wiersze_ = wiersze;
  endResetModel();
}

int ModelPodgladu::rowCount(const QModelIndex& rodzic) const {
  return rodzic.isValid() ? 0 : int(wiersze_.size());
}

int ModelPodgladu::columnCount(const QModelIndex& rodzic) const {
  return rodzic.isValid() ? 0 : int(naglowki_.size());
}

QVariant ModelPodgladu::data(const QModelIndex& indeks, int rola) const {
  if (!indeks.isValid() || (rola != Qt::DisplayRole && rola != Qt::ToolTipRole)) return {};
  return wiersze_.at(indeks.row()).value(indeks.column());
}

QVariant ModelPodgladu::headerData(int sekcja, Qt::Orientation orientacja, int rola) const {
  if (orientacja != Qt::Horizontal || sekcja < 0 || sekcja >= naglowki_.size()) return {};
  if (rola == Qt::DisplayRole) return NumerujKolumny(sekcja + 1);
  if (rola == Qt::UserRole) return naglowki_.at(sekcja);
  return {};
}
