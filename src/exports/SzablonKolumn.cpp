#include "exports/SzablonKolumn.h"

#include "common/Win1250.h"

KolumnaSzablonu RozbierzLinieSzablonu(const QString& linia) {
  const qsizetype p = linia.indexOf(u'=');
  if (p < 0) return {QString(), linia};
  return {linia.left(p), linia.mid(p + 1)};
}

QString ZlozLinieSzablonu(const KolumnaSzablonu& kolumna) {
  return kolumna.naglowek + u'=' + kolumna.tresc;
}

QStringList NaglowkiSzablonu(const SzablonKolumn& szablon) {
  QStringList naglowki;
  naglowki.reserve(szablon.size());
  for (const KolumnaSzablonu& k : szablon) naglowki.append(k.naglowek);
  return naglowki;
}

SzablonKolumn CzytajSzablonKolumn(const QString& sciezka) {
  SzablonKolumn szablon;
  for (const QString& linia : Win1250::czytajLinie(sciezka)) szablon.append(RozbierzLinieSzablonu(linia));
  return szablon;
}

void ZapiszSzablonKolumn(const QString& sciezka, const SzablonKolumn& szablon) {
  QStringList linie;
  linie.reserve(szablon.size());
  for (const KolumnaSzablonu& k : szablon) linie.append(ZlozLinieSzablonu(k));
  Win1250::zapiszLinieLubBlad(sciezka, linie);
}

QString NumerujKolumny(int n) {
  QString nazwa;
  while (n > 0) {
    --n;
    nazwa.prepend(QChar(u'A' + n % 26));
    n /= 26;
  }
  return nazwa;
}

QString TekstIlosciKolumn(int iloscKolumn) {
  return QStringLiteral("  Ilość kolumn %1  ( %2 ÷ %3 )")
      .arg(iloscKolumn)
      .arg(NumerujKolumny(iloscKolumn > 0 ? 1 : 0), NumerujKolumny(iloscKolumn));
}
