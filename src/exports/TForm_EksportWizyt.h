#pragma once
// "Eksport wizyt": the month's visits with an ICD-10 code as a CSV file laid
// out by KolumnyEW.txt.
#include "exports/OknoEksportu.h"

class TForm_EksportWizyt : public OknoEksportu {
  Q_OBJECT
 public:
  explicit TForm_EksportWizyt(QWidget* rodzic = nullptr);
};
