#pragma once
// Shows a dataset in a QTableView: columns name dataset fields; every answer
// comes from the rows already in memory. Dates show as DD-MM-YYYY, times as HH:NN.
#include <QAbstractTableModel>
#include <QPointer>

#include "db/Dataset.h"

struct ModelColumn {
  QString field;
  QString caption;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

class DatasetModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  DatasetModel(Dataset* dataset, QList<ModelColumn> columns, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  Dataset* dataset() const { return dataset_; }
  const QList<ModelColumn>& columns() const { return columns_; }
  // The text a cell shows for a value.
  static QString displayText(const QVariant& value);

 private:
  QPointer<Dataset> dataset_;
  QList<ModelColumn> columns_;
};
