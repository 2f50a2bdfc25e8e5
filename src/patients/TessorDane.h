#pragma once
// The companion program's register, read only, on a connection of its own
// (never the clinic's): the page of PACJENT rows and the count over one set
// of conditions.
#include "db/Connection.h"
#include "db/Dataset.h"
#include "patients/TessorReguly.h"
#include "patients/WarunkiPacjentow.h"

class TessorDane {
 public:
  TessorDane();

  Connection IBDatabaseTESSOR;
  Dataset sqlPacjent;
  Statement sqlQuery;

  WarunkiPacjentow::Warunki Warunki;
  int IloscWynikow = 0;
  int Strona = 0;
  int IloscStron = 1;

  // Opens the file with the fixed parameters.
  void Otworz(const QString& sciezka);
  // Closes the page and the connection (its transaction rolls back).
  void Zamknij();

  void BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra);
  // Counts the rows of the conditions; back to the first page.
  void PoliczWyniki();
  // Reads page `Strona` whole, staying on the same row when it is on it.
  void PobierzStrone();

  // The current row's ID, 0 when the page is closed or has no row.
  int BiezaceID() const;
  TessorReguly::PacjentTessor BiezacyPacjent() const;
};
