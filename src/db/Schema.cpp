#include "db/Schema.h"

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Statement.h"

#include <QFile>
#include <QRegularExpression>

QStringList splitSqlScript(const QString& script) {
  // A scanner that skips quoted text and comments, so a terminator inside
  // them does not end a statement; "SET TERM x" changes the terminator.
  static const QRegularExpression setTerm(QStringLiteral("^SET\\s+TERM\\s+(\\S+)\\s*$"),
                                          QRegularExpression::CaseInsensitiveOption);
  QStringList out;
  QString terminator = QStringLiteral(";");
  QString current;
  const qsizetype n = script.size();
  auto flush = [&] {
    const QString stmt = current.trimmed();
    current.clear();
    if (stmt.isEmpty()) return;
    const auto m = setTerm.match(stmt);
    if (m.hasMatch()) terminator = m.captured(1);
    else out << stmt;
  };
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = script.at(i);
    if (c == u'\'' || c == u'"') {
      qsizetype j = script.indexOf(c, i + 1);
      if (j < 0) j = n - 1;
      current += script.mid(i, j - i + 1);
      i = j;
    } else if (c == u'/' && i + 1 < n && script.at(i + 1) == u'*') {
      qsizetype j = script.indexOf(QStringLiteral("*/"), i + 2);
      j = j < 0 ? n : j + 2;
      // Comments between statements are dropped; inside one they stay.
      if (!current.trimmed().isEmpty()) current += script.mid(i, j - i);
      i = j - 1;
    } else if (c == u'-' && i + 1 < n && script.at(i + 1) == u'-') {
      qsizetype j = script.indexOf(u'\n', i);
      if (j < 0) j = n;
      i = j - 1;
    } else if (script.mid(i, terminator.size()) == terminator) {
      flush();
      i += terminator.size() - 1;
    } else {
      current += c;
    }
  }
  flush();
  return out;
}

// The resources live in a static library: register them before first use.
static void initResources() { Q_INIT_RESOURCE(orbe); }

QString schemaScript() {
  initResources();
  QFile f(QStringLiteral(":/db/schema.sql"));
  if (!f.open(QIODevice::ReadOnly)) throw DbError(QStringLiteral("Brak skryptu bazy danych w programie."));
  return QString::fromUtf8(f.readAll());
}

void runSqlScript(Connection& connection, const QString& script) {
  for (const QString& sql : splitSqlScript(script)) {
    Statement st(connection, sql);
    st.execute();
    connection.commitRetaining();
  }
}

void createClinicDatabase(const QString& path, const QStringList& params, bool forcedWrites) {
  if (QFile::exists(path)) throw DbError(QStringLiteral("Plik bazy danych już istnieje: %1").arg(path));
  Connection::createDatabase(path, params);
  Connection c;
  c.open(path, params, Connection::Access::Embedded);
  runSqlScript(c, schemaScript());
  c.commitRetaining();
  c.close();
  if (forcedWrites) Connection::setForcedWrites(path, params, true);
}
