#include "app/TForm1Lekarze.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "dictionaries/TForm_Lekarze.h"

void aLekarzeExecute(TForm1& okno) {
  PolecenieGlowne polecenie(okno);
  Form_Lekarze->Tryb = QStringLiteral("EDYCJA");
  Form_Lekarze->WybraneID = okno.Stan.BiezacyLekarz;
  Form_Lekarze->exec();
  // Whatever closed the list: names, colours and removals show in the tabs.
  okno.WczytajLekarzy();
  okno.Stan.BiezacyLekarz = Form_Lekarze->WybraneID;
  okno.WybierzZakladkeLekarza(okno.Stan.BiezacyLekarz);
  okno.ZmianaZakladki();
}
