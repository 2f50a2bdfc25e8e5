#pragma once
// The patient list's data: the editable page of patients, the doctors it looks
// names up in, and the count-and-page sequence over one set of conditions.
#include "patients/StronyPacjentow.h"

#include <QHash>

class PacjenciDane : public StronyPacjentow {
 public:
  explicit PacjenciDane(Connection& polaczenie);

  Dataset sqlPacjenci;
  Dataset sqlLekarze;
  Statement sqlQuery1;

  void BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra, bool pokazUsunietych);
  // The ID of a patient with this PESEL, removed ones too; 0 when there is none.
  int ZnajdzPacjenta(const QString& pesel);

  void OtworzLekarzy();
  void Zamknij();

  bool BiezacyAktywny() const;

 private:
  Connection& polaczenie_;
  struct Lekarz {
    QString nazwiskoImie, pwzl;
  };
  QHash<int, Lekarz> lekarze_;
};
