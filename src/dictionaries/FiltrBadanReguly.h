#pragma once
// Rules of the examination list's name filter: the LIKE pattern built from
// what the receptionist typed, and quick filtering by typing into the grid.
#include <QChar>
#include <QString>

namespace FiltrBadan {

// "%" + the text in capitals + "%", with "%", "_" and "\" escaped by "\" so
// that every typed character matches itself (for `like ... escape '\'`).
QString WzorzecZawiera(const QString& tekst);

// A character quick filtering appends: "0".."z" in code order, the Polish
// letters, a blank or "-".
bool ZnakSzybkiegoFiltru(QChar znak);

enum class Reakcja {
  Nic,           // the key is not for the filter
  UruchomTimer,  // (re)start the 200 ms timer
  PrzelaczTeraz  // run the filter toggle at once
};

// One key typed into the grid while quick filtering is on: changes the
// filter text and says what follows.
Reakcja Klawisz(QString& tekst, QChar znak, bool backspace, bool filtrWlaczony);

}  // namespace FiltrBadan
