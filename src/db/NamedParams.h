#pragma once
// Rewrites SQL with :named parameters into positional "?" markers, once per
// statement. Quoted text ('...', "..."), -- and /* */ comments are skipped, so a
// ':' inside them is left alone; one name may stand several times.
#include <QString>
#include <QStringList>

struct NamedSql {
  QString sql;         // the text with every :name replaced by ?
  QStringList names;   // name of each ? in order (upper case)
};

NamedSql rewriteNamedParams(const QString& sql);
