#pragma once
// The exports' preview grid over rows already built: the header gives each
// column's letter (DisplayRole) and template header (UserRole), the two fixed
// title rows; the data rows are the exported rows.
#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

class ModelPodgladu : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void ustaw(const QStringList& naglowki, const QList<QStringList>& wiersze);
  const QStringList& naglowki() const { return naglowki_; }
  const QList<QStringList>& wiersze() const { return wiersze_; }

  int rowCount(const QModelIndex& rodzic = {}) const override;
  int columnCount(const QModelIndex& rodzic = {}) const override;
  QVariant data(const QModelIndex& indeks, int rola) const override;
  QVariant headerData(int sekcja, Qt::Orientation orientacja, int rola) const override;

 private:
  QStringList naglowki_;
  QList<QStringList> wiersze_;
};
