#pragma once
// Taking a patient over from the companion program's register: the fixed
// connection parameters, the messages, and the conversion of a picked row
// into the values of a new PACJENCI row. No widget, no database.
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace TessorReguly {

// The companion database is always opened with these, never with params.db.
QStringList ParametryPolaczenia();

QString BrakPliku(const QString& sciezka);
QString BladPolaczenia(const QString& sciezka, const QString& blad);
QString PacjentJuzJest(const QString& pesel);

// The values of the row confirmed in the picker.
struct PacjentTessor {
  int ID = 0;
  QString NAZWISKO, IMIE, PESEL, ADRES, KODP, POCZTA;
  QDate URDATA;
  QString PLEC;
  QDate DEKLARDATA;
};

using Pola = QList<QPair<QString, QVariant>>;

// Field values of the new patient: names, PESEL and post office copied, the
// address split into street, house and flat, the birth date and sex taken
// from the PESEL when the companion has none, AKTYW "T", and the declaration
// date put into DTDEKLARLEK (dtdekl 0) or DTDEKLARPIEL (1), neither otherwise.
// Texts are cut to the lengths of the PACJENCI columns; the user sees them in
// the patient editor before anything is saved.
Pola NowyPacjent(const PacjentTessor& p, int tessorDtdekl);

}  // namespace TessorReguly
