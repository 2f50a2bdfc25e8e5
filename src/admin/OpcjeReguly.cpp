#include "admin/OpcjeReguly.h"

#include "common/Win1250.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace OpcjeReguly {

bool PrzedWgPolskiego(const QString& a, const QString& b) {
  static const QCollator porzadek = [] {
    QCollator c(QLocale(QLocale::Polish, QLocale::Poland));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return porzadek.compare(a, b) < 0;
}

QString TekstListy(const QStringList& linie) {
  QString tekst;
  for (const QString& l : linie) tekst += l + u'\n';
  return tekst;
}

QStringList LinieListy(const QString& tekst) { return Win1250::podzielLinie(tekst); }

QString UporzadkujListe(const QString& tekst) {
  QStringList linie = LinieListy(tekst.toUpper());
  for (QString& l : linie) l = l.trimmed();
  std::stable_sort(linie.begin(), linie.end(), PrzedWgPolskiego);
  return TekstListy(linie);
}

int IndeksDrukarki(const QStringList& pozycje, const QString& zapisana) {
  return static_cast<int>(pozycje.indexOf(zapisana));
}

}  // namespace OpcjeReguly
