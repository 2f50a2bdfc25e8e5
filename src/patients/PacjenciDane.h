#pragma once
// The patient list's data: the editable page of patients, the doctors it looks
// names up in, and the count-and-page sequence over one set of conditions.
#include "db/Dataset.h"
#include "patients/WarunkiPacjentow.h"

#include <QHash>

class PacjenciDane {
 public:
  explicit PacjenciDane(Connection& polaczenie);

  Dataset sqlPacjenci;
  Dataset sqlLekarze;
  Statement sqlQuery1;

  WarunkiPacjentow::Warunki Warunki;
  int IloscWynikow = 0;
  int Strona = 0;
  int IloscStron = 1;

  void BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra, bool pokazUsunietych);
  // Counts the rows of the conditions; back to the first page.
  void PoliczWyniki();
  // Reads page `Strona` whole, staying on the same patient when it is on it.
  void PobierzStrone();
  // The ID of a patient with this PESEL, removed ones too; 0 when there is none.
  int ZnajdzPacjenta(const QString& pesel);

  void OtworzLekarzy();
  void Zamknij();

  // The current row's ID, 0 when the page is closed or has no row.
  int BiezaceID() const;
  bool BiezacyAktywny() const;

 private:
  Connection& polaczenie_;
  struct Lekarz {
    QString nazwiskoImie, pwzl;
  };
  QHash<int, Lekarz> lekarze_;
};
