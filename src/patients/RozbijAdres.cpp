#include "patients/RozbijAdres.h"

#include <QStringList>

AdresRozbity RozbijAdres(const QString& adres) {
  // Single blanks only: two blanks in a row leave an empty word.
  const QStringList slowa = adres.split(u' ');
  const qsizetype n = slowa.size();
  AdresRozbity wynik;
  qsizetype ulicaDo = n;  // the street is the words before this index
  for (qsizetype i = qMax<qsizetype>(0, n - 2); i < n; ++i) {
    const QString& slowo = slowa.at(i);
    const bool numer = i > 0 && !slowo.isEmpty() && slowo.at(0) >= u'0' && slowo.at(0) <= u'9';
    if (!numer) {
      wynik.nrDomu.clear();
      wynik.nrLokalu.clear();
      ulicaDo = n;
    } else if (wynik.nrDomu.isEmpty()) {
      wynik.nrDomu = slowo;
      ulicaDo = i;
    } else {
      wynik.nrLokalu = slowo;
    }
  }
  wynik.ulica = slowa.mid(0, ulicaDo).join(u' ');
  return wynik;
}
