#pragma once
// An editable set of rows: a select with parameters plus insert, update,
// delete and re-read statements of one shape per table. Rows are cached in
// memory with a current row and the states browse / insert / edit. Every
// change goes through append/edit/setValue/post/cancel/remove, never from a
// widget straight to SQL. Fields compare by name without regard to case.
#include "db/Statement.h"

#include <QObject>
#include <functional>
#include <memory>

class Connection;
class Dataset;

// One row of a dataset as seen by the calculated-fields callback.
class Record {
 public:
  Record(const Dataset& ds, Row& row) : ds_(ds), row_(row) {}
  QVariant value(const QString& field) const;
  QString text(const QString& field) const;
  void setValue(const QString& field, const QVariant& v);

 private:
  const Dataset& ds_;
  Row& row_;
};

class Dataset : public QObject {
  Q_OBJECT
 public:
  enum State { Inactive, Browse, Insert, Edit };
  enum class KeyMoment { OnPost, OnAppend };

  explicit Dataset(Connection& connection, QObject* parent = nullptr);
  ~Dataset() override;

  void setSelectSql(const QString& sql);
  void setInsertSql(const QString& sql);
  void setUpdateSql(const QString& sql);
  void setDeleteSql(const QString& sql);
  void setRefreshSql(const QString& sql);
  // Parameters of the select (kept across setSelectSql).
  void setParam(const QString& name, const QVariant& value);
  // The key of a new row: "SELECT GEN_ID(sequence, 1) FROM RDB$DATABASE", taken
  // when the row is posted (only if the field is still empty) or when it is started.
  void setGenerator(const QString& sequence, const QString& field, KeyMoment moment);
  // Calculated / looked-up fields, filled by the callback for every row read.
  void addCalculatedField(const QString& name, FieldInfo::Type type = FieldInfo::Text);
  void setCalculate(std::function<void(Record&)> calculate);

  void open();
  void close();
  bool isOpen() const { return state_ != Inactive; }
  State state() const { return state_; }
  Connection& connection() const { return connection_; }

  int count() const { return rows_.size(); }
  bool isEmpty() const { return rows_.isEmpty(); }
  int recNo() const { return current_; }  // 0-based; -1 when there is no row
  bool moveTo(int row);
  void first();
  void last();
  bool next();   // false at the end
  bool prior();  // false at the start
  // Moves to the first row whose field equals the value exactly.
  bool locate(const QString& field, const QVariant& value);

  const QList<FieldInfo>& fields() const { return fields_; }
  int fieldIndex(const QString& name) const;
  bool hasField(const QString& name) const { return fieldIndex(name) >= 0; }

  // Values of the current row (the edit buffer while inserting or editing).
  QVariant value(const QString& field) const;
  QString text(const QString& field) const;
  int intValue(const QString& field) const;
  QVariant valueAt(int row, int column) const;
  QVariant valueAt(int row, const QString& field) const;
  void setValue(const QString& field, const QVariant& value);

  void append();
  void edit();
  void post();
  void cancel();
  void remove();
  // Re-reads the current row with the re-read statement and merges its columns.
  void refreshRow();

 signals:
  void scrolled();                              // after every move of the current row
  void rowsReset();                             // rows opened, closed, added or removed
  void rowChanged(int row);                     // values of one row changed
  void stateChanged();

 private:
  void requireOpen() const;
  void requireEditing() const;
  void calculate(Row& row);
  QVariant nextKey();
  void bindFrom(Statement& st, const Row& values, const Row& original) const;
  void setCurrent(int row);

  Connection& connection_;
  QString selectSql_, insertSql_, updateSql_, deleteSql_, refreshSql_;
  QHash<QString, QVariant> params_;
  QString generator_, keyField_;
  KeyMoment keyMoment_ = KeyMoment::OnPost;
  QList<QPair<QString, FieldInfo::Type>> calculatedDecl_;
  std::function<void(Record&)> calculate_;

  State state_ = Inactive;
  QList<FieldInfo> fields_;
  int queryFieldCount_ = 0;
  QList<Row> rows_;
  int current_ = -1;
  Row buffer_;
  Row original_;
  int previous_ = -1;  // current row before an append, for cancel

  std::unique_ptr<Statement> select_, insert_, update_, delete_, refresh_;
};
