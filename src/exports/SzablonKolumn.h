#pragma once
// Column templates of the CSV exports: one line per CSV column, the header
// and the content separated by the first "=". The content may hold field
// placeholders (see PodstawPola.h).
#include <QList>
#include <QString>
#include <QStringList>

struct KolumnaSzablonu {
  QString naglowek;
  QString tresc;
  bool operator==(const KolumnaSzablonu&) const = default;
};

using SzablonKolumn = QList<KolumnaSzablonu>;

// Split at the first "="; a line without one is all content, with an empty header.
KolumnaSzablonu RozbierzLinieSzablonu(const QString& linia);
QString ZlozLinieSzablonu(const KolumnaSzablonu& kolumna);
// The headers in column order: the CSV header line and the preview's header row.
QStringList NaglowkiSzablonu(const SzablonKolumn& szablon);

// A missing or empty file is a template with no columns.
SzablonKolumn CzytajSzablonKolumn(const QString& sciezka);
// Replaces the file whole (created when missing); throws std::runtime_error
// naming the file when it cannot be written.
void ZapiszSzablonKolumn(const QString& sciezka, const SzablonKolumn& szablon);

// Spreadsheet-style letters of column n (1 = A, 27 = AA); empty for n < 1.
QString NumerujKolumny(int n);

// The template editor's footer: the column count and the first and last letter.
QString TekstIlosciKolumn(int iloscKolumn);
