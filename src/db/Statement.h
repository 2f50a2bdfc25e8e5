#pragma once
// One SQL statement with :named parameters on a connection's transaction.
// Prepared once (again after a reconnect); values bound by name without regard
// to case; a select fetches all its rows into memory.
#include "db/NamedParams.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

class Connection;

struct FieldInfo {
  enum Type { Integer, Text, Date, Time, Timestamp, Float, Other };
  QString name;   // the column's label (alias), upper case as the server gives it
  Type type = Other;
  int length = 0;  // characters for text
};

using Row = QVector<QVariant>;

class Statement {
 public:
  Statement(Connection& connection, QString sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void setSql(QString sql);
  const QString& sql() const { return sql_; }
  QStringList paramNames() const { return named_.names; }
  bool hasParam(const QString& name) const;
  void setParam(const QString& name, const QVariant& value);
  void clearParams() { values_.clear(); }

  // Runs the statement; a select fetches every row.
  void execute();
  int rowsAffected() const { return affected_; }
  bool isSelect();
  // The server's access plan of the prepared statement.
  QString plan(bool detailed = false);

  const QList<FieldInfo>& fields();
  int fieldIndex(const QString& name) const;  // -1 when absent
  const QList<Row>& rows() const { return rows_; }
  QList<Row> takeRows() { return std::move(rows_); }
  // The first row's value of a column (null when no row).
  QVariant value(const QString& name) const;

 private:
  void prepare();
  struct Impl;
  Connection& connection_;
  QString sql_;
  NamedSql named_;
  QHash<QString, QVariant> values_;
  QList<Row> rows_;
  int affected_ = 0;
  std::unique_ptr<Impl> d_;
};
