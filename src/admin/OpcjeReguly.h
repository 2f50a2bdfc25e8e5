#pragma once
// Rules of the options window that need neither widgets nor files.
#include <QString>
#include <QStringList>

namespace OpcjeReguly {

// Polish alphabetical order, letter case ignored (A < Ą < ... < L < Ł < ... < Ż).
bool PrzedWgPolskiego(const QString& a, const QString& b);

// An administrative-division list as the window keeps it: the text in upper
// case, split into lines, every line trimmed, the lines in Polish order
// (empty lines first, duplicates kept), as TekstListy.
QString UporzadkujListe(const QString& tekst);

// A list box's text: every line followed by "\n", so that a list of empty
// lines keeps its count through LinieListy and back.
QString TekstListy(const QStringList& linie);
// The lines of a list box's text (a final line break adds no line).
QStringList LinieListy(const QString& tekst);

// The entry of a printer box to select: the index of the stored name among
// the entries, -1 (nothing, the box shows empty) when it is not one of them.
int IndeksDrukarki(const QStringList& pozycje, const QString& zapisana);

}  // namespace OpcjeReguly
