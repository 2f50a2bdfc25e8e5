#pragma once
// The advice-type list: all rows of PORADY by code, deleted outright.
// PORADY has no foreign key from WIZYTY: an advice type still given at old
// visits may be deleted, and those visits then show no advice.
#include "db/Dataset.h"

class PoradyDane {
 public:
  explicit PoradyDane(Connection& polaczenie);

  Dataset sqlPorady;
  void Otworz();
};
