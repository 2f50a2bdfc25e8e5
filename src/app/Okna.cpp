#include "app/Okna.h"

#include "app/TForm1.h"
#include "exports/TForm_EksportDeklaracji.h"
#include "exports/TForm_EksportWizyt.h"
#include "exports/TForm_Kolumny.h"
#include "exports/TForm_Kolumny_ListaPol.h"

TForm1* Form1 = nullptr;
TForm_EksportWizyt* Form_EksportWizyt = nullptr;
TForm_Kolumny* Form_Kolumny = nullptr;
TForm_Kolumny_ListaPol* Form_Kolumny_ListaPol = nullptr;
TForm_EksportDeklaracji* Form_EksportDeklaracji = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  // The other windows belong to the main window and go with it.
  Form_EksportWizyt = new TForm_EksportWizyt(Form1);
  Form_Kolumny = new TForm_Kolumny(Form1);
  Form_Kolumny_ListaPol = new TForm_Kolumny_ListaPol(Form1);
  Form_EksportDeklaracji = new TForm_EksportDeklaracji(Form1);
}

void ZniszczOkna() {
  delete Form1;
  Form1 = nullptr;
  Form_EksportWizyt = nullptr;
  Form_Kolumny = nullptr;
  Form_Kolumny_ListaPol = nullptr;
  Form_EksportDeklaracji = nullptr;
}
