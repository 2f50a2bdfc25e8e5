#pragma once
// The built orbe-admin run as an administrator would run it.
#include <QString>
#include <QStringList>

struct WynikOrbeAdmin {
  int kod;  // -1 when the process crashed or did not finish
  QString wyjscie, bledy;
};

// With a data folder, ORBE_DATA_DIR points there; the rest of the test's
// environment (the database access pin among it) goes to the process as is.
WynikOrbeAdmin UruchomOrbeAdmin(const QStringList& argumenty, const QString& katalogDanych = QString());
