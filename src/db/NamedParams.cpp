#include "db/NamedParams.h"

static bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

NamedSql rewriteNamedParams(const QString& sql) {
  NamedSql out;
  out.sql.reserve(sql.size());
  const qsizetype n = sql.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = sql.at(i);
    if (c == u'\'' || c == u'"') {
      // Copy the quoted text whole; a doubled quote stays inside it.
      qsizetype j = i + 1;
      while (j < n) {
        if (sql.at(j) == c) {
          if (j + 1 < n && sql.at(j + 1) == c) {
            j += 2;
            continue;
          }
          break;
        }
        ++j;
      }
      out.sql += sql.mid(i, j - i + 1);
      i = j;
    } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
      qsizetype j = i;
      while (j < n && sql.at(j) != u'\n') ++j;
      out.sql += sql.mid(i, j - i);
      i = j - 1;
    } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
      qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
      j = (j < 0) ? n : j + 2;
      out.sql += sql.mid(i, j - i);
      i = j - 1;
    } else if (c == u':' && i + 1 < n && isNameChar(sql.at(i + 1)) && !(i > 0 && sql.at(i - 1) == u':')) {
      qsizetype j = i + 1;
      while (j < n && isNameChar(sql.at(j))) ++j;
      out.names << sql.mid(i + 1, j - i - 1).toUpper();
      out.sql += u'?';
      i = j - 1;
    } else {
      out.sql += c;
    }
  }
  return out;
}
