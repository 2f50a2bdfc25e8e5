#pragma once
// Rules of the patient list that need neither the window nor the database.
#include <QChar>
#include <QString>
#include <QStringList>

namespace PacjenciReguly {

// A character typed into the list that feeds the quick filter: "0" to "z"
// (0x30 to 0x7A), the 18 Polish letters, a space or "-".
bool ZnakSzybkiegoFiltra(QChar znak);

// The search within a page: the first row whose name starts with the text
// (case ignored), else the first whose PESEL does; -1 when none.
int SzukajWStronie(const QStringList& nazwiskaImiona, const QStringList& pesele, const QString& tekst);

}  // namespace PacjenciReguly
