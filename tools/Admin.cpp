#include "Admin.h"

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
  polaczenie.open(NazwaBazy(stan.KatalogDanych, stan.Host, stan.Dir), ParametryPolaczenia(stan.KatalogDanych));
}

}  // namespace Admin
