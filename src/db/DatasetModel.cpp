#include "db/DatasetModel.h"

#include "common/Formaty.h"

DatasetModel::DatasetModel(Dataset* dataset, QList<ModelColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), dataset_(dataset), columns_(std::move(columns)) {
  connect(dataset, &Dataset::rowsReset, this, [this] {
    beginResetModel();
    endResetModel();
  });
  connect(dataset, &Dataset::rowChanged, this, [this](int row) {
    if (row >= 0 && row < rowCount()) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
  });
}

int DatasetModel::rowCount(const QModelIndex& parent) const {
  return (parent.isValid() || !dataset_) ? 0 : dataset_->count();
}

int DatasetModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_.size(); }

QString DatasetModel::displayText(const QVariant& value) {
  switch (value.typeId()) {
    case QMetaType::QDate:
      return Formaty::data(value.toDate());
    case QMetaType::QTime:
      return Formaty::godzina(value.toTime());
    default:
      return value.toString();
  }
}

QVariant DatasetModel::data(const QModelIndex& index, int role) const {
  if (!dataset_ || !index.isValid() || index.column() >= columns_.size()) return {};
  const ModelColumn& c = columns_[index.column()];
  switch (role) {
    case Qt::DisplayRole:
      return displayText(dataset_->valueAt(index.row(), c.field));
    case Qt::EditRole:
      return dataset_->valueAt(index.row(), c.field);
    case Qt::TextAlignmentRole:
      return static_cast<int>(c.alignment);
    default:
      return {};
  }
}

QVariant DatasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columns_.size()) return {};
  if (role == Qt::DisplayRole) return columns_[section].caption;
  if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter);
  return {};
}
