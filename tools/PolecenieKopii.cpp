#include "PolecenieKopii.h"

#include "db/ParametryPolaczenia.h"

#include <QFileInfo>

BazaDanychReguly::ZadanieUslugi ZadanieKopii(const StanProgramu& stan, const QString& plik) {
  if (stan.Host.isEmpty()) {
    // A local server has its own working folder: give it the whole path.
    return BazaDanychReguly::ZadanieLokalne(NazwaBazy(stan.KatalogDanych, QString(), stan.Dir),
                                            QFileInfo(plik).absoluteFilePath());
  }
  return BazaDanychReguly::ZadanieZdalne(stan.Host, stan.Dir, QString(), plik);
}

bool WyjmijFlage(QStringList& args, const QStringList& nazwy) {
  bool jest = false;
  for (const QString& n : nazwy) jest |= args.removeAll(n) > 0;
  return jest;
}
