#pragma once
// The CSV files of the exports and of the ordered-examinations summary, and
// the month and period rules around them. Files are Windows-1250, every line
// ended by CR LF, cells joined by ";" with no quoting.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "exports/SzablonKolumn.h"

// Rows of cells (the header row first) as file lines: each line holds exactly
// iloscKolumn - 1 separators; missing cells are empty, extra cells dropped.
QStringList LinieCSV(const QList<QStringList>& wiersze, int iloscKolumn);
// Writes those lines, replacing the file whole; throws std::runtime_error naming
// the file when it cannot be written.
void ZapiszPlikCSV(const QString& sciezka, const QList<QStringList>& wiersze, int iloscKolumn);

// An export file: the template's headers, then the preview rows, one column
// per template column. The windows and orbe-admin both write through this.
void ZapiszEksportCSV(const QString& sciezka, const SzablonKolumn& szablon, const QList<QStringList>& wiersze);

// The years the export windows offer.
inline constexpr int RokEksportuOd = 2000;
inline constexpr int RokEksportuDo = 2100;
// "YYYY-MM" with a year in that range and a month 1..12; false otherwise.
bool RozbierzMiesiacEksportu(const QString& tekst, int& rok, int& miesiac);

// A month's range (leap years included); invalid dates for a month outside 1..12.
QDate PierwszyDzienMiesiaca(int rok, int miesiac);
QDate OstatniDzienMiesiaca(int rok, int miesiac);

QString NazwaPlikuEksportuWizyt(int rok, int miesiac);        // EksportWizyt_2010-10.csv
QString NazwaPlikuEksportuDeklaracji(int rok, int miesiac);   // EksportDeklaracji_2011-03.csv

// One declaration export row of a patient record.
inline constexpr int DeklaracjaLekarska = 1;
inline constexpr int DeklaracjaPielegniarska = 3;
struct PozycjaDeklaracji {
  int typ;
  QDate data;
  bool operator==(const PozycjaDeklaracji&) const = default;
};
// The doctor's declaration, then the nurse's, each only when dated within
// [data1, data2]; a null date never is.
QList<PozycjaDeklaracji> PozycjeDeklaracji(const QDate& dtDeklarLek, const QDate& dtDeklarPiel,
                                           const QDate& data1, const QDate& data2);

// Ordered-examinations summary.
struct PozycjaWykazuBadan {
  QString nazwa;
  qint64 ilosc;
};
QString OkresWykazu(const QDate& od, const QDate& do_);                // 2026-12-01÷2026-12-31
QString NazwaPlikuWykazuBadan(const QDate& od, const QDate& do_);      // Badania_<okres>.csv
// Title line, empty line, "Lp;Nazwa;Ilość", then "lp;name;count" numbered from 1.
QStringList LinieWykazuBadan(const QDate& od, const QDate& do_, const QList<PozycjaWykazuBadan>& pozycje);
// Writes those lines, replacing the file whole; throws like ZapiszPlikCSV.
void ZapiszWykazBadan(const QString& sciezka, const QDate& od, const QDate& do_,
                      const QList<PozycjaWykazuBadan>& pozycje);
