#include "exports/ListyPol.h"

#include "common/Win1250.h"
#include "exports/SzablonKolumn.h"

#include <QFile>

// The resources live in a static library: register them before first use.
static void initResources() { Q_INIT_RESOURCE(orbe); }

bool WczytajListePol(int numer, QList<PozycjaListyPol>& lista) {
  initResources();
  lista.clear();
  const QString zasob = QStringLiteral(":/listy/%1").arg(numer);
  if (!QFile::exists(zasob)) return false;
  for (const QString& linia : Win1250::czytajLinie(zasob)) {
    // Same split as a template line: the placeholder, then the description.
    const KolumnaSzablonu k = RozbierzLinieSzablonu(linia);
    lista.append({k.naglowek, k.tresc});
  }
  return true;
}
