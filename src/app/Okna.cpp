#include "app/Okna.h"

#include "app/TForm1.h"
#include "patients/TForm_Pacjenci.h"

TForm1* Form1 = nullptr;
TForm_Pacjenci* Form_Pacjenci = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  Form_Pacjenci = new TForm_Pacjenci(*Form1);
}

void ZniszczOkna() {
  // The other windows work on the main window's connection: they go first.
  delete Form_Pacjenci;
  Form_Pacjenci = nullptr;
  delete Form1;
  Form1 = nullptr;
}
