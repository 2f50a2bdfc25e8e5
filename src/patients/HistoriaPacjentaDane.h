#pragma once
// The two read-only queries of a patient's history: his visits, newest first,
// and the examinations ordered at any of them, oldest first.
#include "db/Dataset.h"

class Connection;

extern const char* const SqlHistoriaWizyt;
extern const char* const SqlHistoriaBadan;

struct HistoriaPacjentaDane {
  explicit HistoriaPacjentaDane(Connection& polaczenie);

  Dataset sqlWizyty;
  Dataset sqlBadania;  // with `_nazwisko_imie`, the doctor of the visit

  // The examinations first: every move in the visits looks them up.
  void Otworz(int pacjentId);
  void Zamknij();
  // The first examination row (0-based) ordered at the visit; -1 when none.
  int PierwszeBadanieWizyty(int wizytaId) const;
};
