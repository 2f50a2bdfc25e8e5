#include "app/Okna.h"

#include "app/TForm1.h"
#include "dictionaries/TForm_Lekarze.h"
#include "dictionaries/TForm_Lekarze_Edycja.h"

TForm1* Form1 = nullptr;
TForm_Lekarze* Form_Lekarze = nullptr;
TForm_Lekarze_Edycja* Form_Lekarze_Edycja = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  Form_Lekarze = new TForm_Lekarze(Form1->Polaczenie());
  Form_Lekarze_Edycja = new TForm_Lekarze_Edycja(*Form_Lekarze);
}

void ZniszczOkna() {
  // Windows with datasets on the main window's connection go before it; the
  // editors are children of their list windows.
  delete Form_Lekarze;
  Form_Lekarze = nullptr;
  Form_Lekarze_Edycja = nullptr;
  delete Form1;
  Form1 = nullptr;
}
