#include "Admin.h"

#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"

#include <QCoreApplication>
#include <cstdio>

namespace Admin {

QTextStream& out() {
  static QTextStream s(stdout);
  return s;
}

QTextStream& err() {
  static QTextStream s(stderr);
  return s;
}

StanProgramu WczytajStan(const QString& katalog) {
  StanProgramu s;
  UstalKatalogi(s, QCoreApplication::applicationDirPath());
  if (!katalog.isEmpty()) s.KatalogDanych = katalog.endsWith(u'/') ? katalog : katalog + u'/';
  CzytajUstawienia(s);
  return s;
}

void Polacz(Connection& polaczenie, const StanProgramu& stan) {
  try {
    polaczenie.open(NazwaBazy(stan.KatalogDanych, stan.Host, stan.Dir), ParametryPolaczenia(stan.KatalogDanych));
  } catch (const DbError& e) {
    throw DbError(QStringLiteral("Błąd otwarcia:\n") + e.message(), e.code());
  }
}

}  // namespace Admin
