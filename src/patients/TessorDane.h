#pragma once
// The companion program's register, read only, on a connection of its own
// (never the clinic's): the page of PACJENT rows and the count over one set
// of conditions.
#include "db/Connection.h"
#include "patients/StronyPacjentow.h"
#include "patients/TessorReguly.h"

class TessorDane : public StronyPacjentow {
 public:
  TessorDane();

  Connection IBDatabaseTESSOR;
  Dataset sqlPacjent;
  Statement sqlQuery;

  // Opens the file with the fixed parameters.
  void Otworz(const QString& sciezka);
  // Closes the page and the connection (its transaction rolls back).
  void Zamknij();

  void BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra);
  TessorReguly::PacjentTessor BiezacyPacjent() const;
};
