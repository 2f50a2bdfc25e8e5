#pragma once
// The examination list: rows of BADANIA in use (USUN = 'N') by code,
// optionally only those whose name contains a text. Removal flags the row.
#include "db/Dataset.h"

class BadaniaDane {
 public:
  explicit BadaniaDane(Connection& polaczenie);

  Dataset sqlBadania;
  // With `filtr` on and a text, only names containing the text in any letter
  // case; the text is bound as a parameter and matched literally.
  void Otworz(bool filtr, const QString& tekst);
  // Flags the current row removed and posts it.
  void OznaczUsuniete();
};
