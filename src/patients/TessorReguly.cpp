#include "patients/TessorReguly.h"

#include "patients/Pesel.h"
#include "patients/RozbijAdres.h"

namespace TessorReguly {

QStringList ParametryPolaczenia() {
  return {QStringLiteral("user_name=sysdba"), QStringLiteral("password=quillfern"), QStringLiteral("lc_ctype=WIN1250")};
}

QString BrakPliku(const QString& sciezka) {
  return QStringLiteral("Brak pliku bazy danych programu 'Tessor':\n") + sciezka;
}

QString BladPolaczenia(const QString& sciezka, const QString& blad) {
  return QStringLiteral("Błąd w trakcie podłączenia do bazy danych programu 'Tessor':\n\n") + sciezka +
         QStringLiteral("\n\n") + blad;
}

QString PacjentJuzJest(const QString& pesel) {
  return QStringLiteral("Pacjent z nr pesel '") + pesel + QStringLiteral("' już jest w baze pacjentów!");
}

namespace {

QVariant tekst(const QString& t, int dlugosc) {
  const QString s = t.trimmed().left(dlugosc);
  return s.isEmpty() ? QVariant() : QVariant(s);
}

QVariant data(const QDate& d) { return d.isValid() ? QVariant(d) : QVariant(); }

}  // namespace

Pola NowyPacjent(const PacjentTessor& p, int tessorDtdekl) {
  const QString pesel = p.PESEL.trimmed();
  const QDate urodzony = p.URDATA.isValid() ? p.URDATA : DataUrodzeniaZPesel(pesel);
  QString plec = p.PLEC.trimmed();
  // No sex when the tenth character is no digit: the editor asks for it.
  if (plec.isEmpty()) plec = PlecZPesel(pesel);
  const AdresRozbity adres = RozbijAdres(p.ADRES);

  Pola pola{{QStringLiteral("NAZWISKO"), tekst(p.NAZWISKO, 64)},
            {QStringLiteral("IMIE"), tekst(p.IMIE, 32)},
            {QStringLiteral("PESEL"), pesel.left(11)},
            {QStringLiteral("ULICA"), tekst(adres.ulica, 32)},
            {QStringLiteral("NRDOMU"), tekst(adres.nrDomu, 8)},
            {QStringLiteral("NRLOKAL"), tekst(adres.nrLokalu, 8)},
            {QStringLiteral("KODP"), tekst(p.KODP, 6)},
            {QStringLiteral("POCZTA"), tekst(p.POCZTA, 32)},
            {QStringLiteral("DATAUR"), data(urodzony)},
            {QStringLiteral("PLEC"), tekst(plec, 1)},
            {QStringLiteral("AKTYW"), QStringLiteral("T")}};
  if (p.DEKLARDATA.isValid()) {
    if (tessorDtdekl == 0) pola.append({QStringLiteral("DTDEKLARLEK"), p.DEKLARDATA});
    else if (tessorDtdekl == 1) pola.append({QStringLiteral("DTDEKLARPIEL"), p.DEKLARDATA});
  }
  return pola;
}

}  // namespace TessorReguly
