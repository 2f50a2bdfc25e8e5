#pragma once
// "Eksport deklaracji": one row per declaration of choice of a doctor or of a
// nurse dated in the month, as a CSV file laid out by KolumnyED.txt.
#include "exports/OknoEksportu.h"

class TForm_EksportDeklaracji : public OknoEksportu {
  Q_OBJECT
 public:
  explicit TForm_EksportDeklaracji(QWidget* rodzic = nullptr);
};
