#pragma once
// Splits the one-line address of the companion program's register into the
// street, house number and flat number columns of PACJENCI.
#include <QString>

struct AdresRozbity {
  QString ulica;
  QString nrDomu;
  QString nrLokalu;
  bool operator==(const AdresRozbity&) const = default;
};

// Only the last two words may be numbers (a word starting with a digit that
// is not the first word); a non-number among them keeps both in the street.
AdresRozbity RozbijAdres(const QString& adres);
