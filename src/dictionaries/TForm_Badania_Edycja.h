#pragma once
// "Badania - Edycja": the code and name of one examination.
#include "dictionaries/EdycjaSlownika.h"

class TForm_Badania;

class TForm_Badania_Edycja : public EdycjaSlownika {
  Q_OBJECT
 public:
  explicit TForm_Badania_Edycja(TForm_Badania& lista);
};
