#pragma once
// A fresh clinic database for a test: an embedded ORBE.FDB made from the
// schema in a temporary data folder, with an open connection on it.
#include "db/Connection.h"
#include "support/WypisywanieQt.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class BazaTestowa {
 public:
  BazaTestowa();
  ~BazaTestowa();

  // The data folder (ends with "/") holding ORBE.FDB.
  QString katalog() const;
  QString sciezka() const;
  Connection& polaczenie() { return *polaczenie_; }
  // A second, independent connection to the same file (same process).
  std::unique_ptr<Connection> drugiePolaczenie() const;

  // Runs statements and commits (fixture data).
  void wykonaj(const QStringList& sql);
  // The first column of the first row of a query.
  QVariant wartosc(const QString& sql);

 private:
  QTemporaryDir dir_;
  std::unique_ptr<Connection> polaczenie_;
};
