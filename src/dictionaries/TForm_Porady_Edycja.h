#pragma once
// "Porady - Edycja": the code and name of one advice type.
#include "dictionaries/EdycjaSlownika.h"

class TForm_Porady;

class TForm_Porady_Edycja : public EdycjaSlownika {
  Q_OBJECT
 public:
  explicit TForm_Porady_Edycja(TForm_Porady& lista);
};
