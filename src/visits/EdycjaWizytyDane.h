#pragma once
// The visit editor's own queries: the rows behind its three panels and the
// count of other visits at the same doctor, date and time.
#include "visits/EdycjaWizytyReguly.h"

#include <QDate>
#include <QTime>

class Connection;

class EdycjaWizytyDane {
 public:
  explicit EdycjaWizytyDane(Connection& polaczenie);

  // A missing row gives empty strings.
  EdycjaWizytyReguly::Pacjent Pacjent(int id);
  EdycjaWizytyReguly::Lekarz Lekarz(int id);
  EdycjaWizytyReguly::Porada Porada(int id);

  // Visits of the doctor at that date and time other than the visit `wizytaId`
  // (0 for one not yet saved); only what the transaction can see is counted.
  int GodzinaZajeta(const QDate& data, const QTime& czas, int lekarzId, int wizytaId);
  // The visit is still in the database (another workstation may have deleted it).
  bool WizytaIstnieje(int wizytaId);

 private:
  Connection& polaczenie_;
};
