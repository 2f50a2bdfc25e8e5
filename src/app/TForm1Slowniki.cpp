#include "app/TForm1Slowniki.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "dictionaries/TForm_Badania.h"
#include "dictionaries/TForm_Porady.h"

void aPoradyExecute(TForm1& okno) {
  const int wiersz = okno.WybranyWiersz();
  Form_Porady->Tryb = QStringLiteral("EDYCJA");
  Form_Porady->WybraneID = 0;
  Form_Porady->exec();
  okno.OtworzPorady();
  okno.ZbudujSiatke();
  okno.WybierzWiersz(wiersz);
}

void aBadaniaExecute(TForm1&) {
  Form_Badania->Tryb = QStringLiteral("EDYCJA");
  Form_Badania->WybraneID = 0;
  Form_Badania->exec();
}
