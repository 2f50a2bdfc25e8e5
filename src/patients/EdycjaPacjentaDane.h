#pragma once
// The patient editor's own query: who else holds a PESEL.
#include "db/Statement.h"
#include "patients/EdycjaPacjentaReguly.h"

#include <optional>

class EdycjaPacjentaDane {
 public:
  explicit EdycjaPacjentaDane(Connection& polaczenie);

  // The first patient other than `id` with this PESEL, removed ones too
  // (0 stands for a row not posted yet).
  std::optional<EdycjaPacjentaReguly::InnyPacjent> InnyZPeselem(const QString& pesel, int id);

 private:
  Statement sqlQuery1;
};
