#include "app/TForm1Harmonogram.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "dictionaries/TForm_Harmonogram.h"
#include "schedule/ZakladkiLekarzy.h"

void aHarmonogramExecute(TForm1& okno) {
  Form_Harmonogram->LekarzId = okno.Stan.BiezacyLekarz;
  Form_Harmonogram->Interwal = okno.Stan.grafik_co;
  Form_Harmonogram->exec();
  okno.Stan.BiezacyLekarz = Form_Harmonogram->LekarzId;
  okno.Stan.grafik_co = Form_Harmonogram->Interwal;
  // The editor's drop-down and the tabs list the doctors in use in one order.
  okno.TabControl1->UstawIndeks(Form_Harmonogram->WybranaPozycja());
  okno.ZmianaZakladki();
  ZapiszUstawienia(okno.Stan);
}
