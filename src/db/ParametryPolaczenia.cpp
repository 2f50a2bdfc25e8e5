#include "db/ParametryPolaczenia.h"

#include "common/Win1250.h"
#include "db/PlikMaskowany.h"

#include <QFile>
#include <QRegularExpression>

QStringList DomyslneParametryPolaczenia() {
  return {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=quillfern"), QStringLiteral("lc_ctype=WIN1250")};
}

QStringList ParametryPolaczenia(const QString& katalogDanych) {
  const QString plik = katalogDanych + QStringLiteral("params.db");
  if (!QFile::exists(plik)) return DomyslneParametryPolaczenia();
  return Win1250::podzielLinie(OdczytajPlikMaskowany(plik));
}

QString TekstParametrowPolaczenia(const QString& uzytkownik, const QString& haslo) {
  return QStringLiteral("user_name=") + uzytkownik + QStringLiteral("\r\npassword=") + haslo +
         QStringLiteral("\r\nlc_ctype=WIN1250\r\n");
}

QString FolderZSeparatorem(const QString& dir) {
  if (dir.isEmpty() || dir.endsWith(u'\\') || dir.endsWith(u'/')) return dir;
  static const QRegularExpression dysk(QStringLiteral("^[A-Za-z]:"));
  const bool windowsowy = dir.contains(u'\\') || dysk.match(dir).hasMatch();
  return dir + (windowsowy ? u'\\' : u'/');
}

QString NazwaBazy(const QString& katalogDanych, const QString& host, const QString& dir) {
  const QString prefiks = host.isEmpty() ? katalogDanych : host + u':';
  return prefiks + FolderZSeparatorem(dir) + QStringLiteral("ORBE.FDB");
}
