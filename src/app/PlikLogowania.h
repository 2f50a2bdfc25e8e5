#pragma once
// The login file logow.db: "user=" and "pass=" lines (CR LF), stored with the
// scrambled file scheme. Login is on exactly while the file exists.
#include <QString>

struct DaneLogowania {
  QString uzytkownik;
  QString haslo;
};

// The clear text of the file for a user name and password.
QString TekstPlikuLogowania(const QString& uzytkownik, const QString& haslo);
// The values after the first "=" of the first "user" and "pass" lines (names
// compared without case); a missing line gives an empty text.
DaneLogowania OdczytajDaneLogowania(const QString& tekst);
DaneLogowania CzytajPlikLogowania(const QString& sciezka);
bool ZapiszPlikLogowania(const QString& sciezka, const QString& uzytkownik, const QString& haslo);
