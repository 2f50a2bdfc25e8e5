#include "admin/BazaDanychReguly.h"

#include "common/Formaty.h"
#include "db/ParametryPolaczenia.h"

#include <algorithm>

namespace BazaDanychReguly {

QString ProponowanaNazwaKopii(const QDate& dzien) {
  return QStringLiteral("ORBE_") + Formaty::dataEksportu(dzien) + QStringLiteral(".FBK");
}

QString FolderKopiiZdalnej(const QString& wpisany) { return FolderZSeparatorem(wpisany); }

QString FolderPliku(const QString& sciezka) {
  const qsizetype i = std::max(sciezka.lastIndexOf(u'\\'), sciezka.lastIndexOf(u'/'));
  return i < 0 ? QString() : sciezka.left(i + 1);
}

ZadanieUslugi ZadanieLokalne(const QString& biezacaBaza, const QString& plik) {
  return {QString(), biezacaBaza, plik, false};
}

ZadanieUslugi ZadanieZdalne(const QString& host, const QString& dir, const QString& folderKopii,
                            const QString& nazwaPliku) {
  return {host, FolderZSeparatorem(dir) + QStringLiteral("ORBE.FDB"), FolderKopiiZdalnej(folderKopii) + nazwaPliku,
          true};
}

QString TekstBleduKopii(const QString& blad) {
  return QStringLiteral("Błąd w trakcie wykonywania kopii bazy danych:\n") + blad;
}

QString TekstBleduOdtwarzania(const QString& blad) {
  QString t = QStringLiteral("Błąd w trakcie odtwarzania bazy danych z kopii");
  if (blad.contains(QStringLiteral("database might be in use")))
    t += QStringLiteral("\nPrawdopodobnie inny użytkownik jest podłączony do bazy danych:");
  else
    t += u':';
  return t + u'\n' + blad;
}

QString TekstBleduUsuwaniaParametrow(const QString& blad) {
  return QStringLiteral("Błąd w trakcie usuwania pliku 'params.db':\n") + blad;
}

}  // namespace BazaDanychReguly
