#include "app/PlikLogowania.h"

#include "common/Win1250.h"
#include "db/PlikMaskowany.h"

QString TekstPlikuLogowania(const QString& uzytkownik, const QString& haslo) {
  return QStringLiteral("user=") + uzytkownik + QStringLiteral("\r\npass=") + haslo + QStringLiteral("\r\n");
}

DaneLogowania OdczytajDaneLogowania(const QString& tekst) {
  DaneLogowania d;
  bool user = false, pass = false;
  for (const QString& linia : Win1250::podzielLinie(tekst)) {
    const qsizetype rowna = linia.indexOf(u'=');
    if (rowna < 0) continue;
    const QString nazwa = linia.left(rowna);
    if (!user && nazwa.compare(QStringLiteral("user"), Qt::CaseInsensitive) == 0) {
      d.uzytkownik = linia.mid(rowna + 1);
      user = true;
    } else if (!pass && nazwa.compare(QStringLiteral("pass"), Qt::CaseInsensitive) == 0) {
      d.haslo = linia.mid(rowna + 1);
      pass = true;
    }
  }
  return d;
}

DaneLogowania CzytajPlikLogowania(const QString& sciezka) { return OdczytajDaneLogowania(OdczytajPlikMaskowany(sciezka)); }

bool ZapiszPlikLogowania(const QString& sciezka, const QString& uzytkownik, const QString& haslo) {
  return ZapiszPlikMaskowany(sciezka, TekstPlikuLogowania(uzytkownik, haslo));
}
