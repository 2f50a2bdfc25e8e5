#include "app/Okna.h"

#include "app/TForm1.h"
#include "app/TForm_Kalendarz.h"
#include "app/TForm_OProgramie.h"
#include "app/TForm_Postep.h"
#include "app/TForm_Zegar.h"

TForm1* Form1 = nullptr;
TForm_Kalendarz* Form_Kalendarz = nullptr;
TForm_Zegar* Form_Zegar = nullptr;
TForm_Postep* Form_Postep = nullptr;
TForm_OProgramie* Form_OProgramie = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  Form_Kalendarz = new TForm_Kalendarz();
  Form_Zegar = new TForm_Zegar();
  Form_Postep = new TForm_Postep();
  Form_OProgramie = new TForm_OProgramie();
}

// In the reverse order of creation, the main window last.
void ZniszczOkna() {
  delete Form_OProgramie;
  Form_OProgramie = nullptr;
  delete Form_Postep;
  Form_Postep = nullptr;
  delete Form_Zegar;
  Form_Zegar = nullptr;
  delete Form_Kalendarz;
  Form_Kalendarz = nullptr;
  delete Form1;
  Form1 = nullptr;
}
