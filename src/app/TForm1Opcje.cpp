#include "app/TForm1Opcje.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "admin/TForm_Opcje.h"

void aOpcjeExecute(TForm1& okno) {
  PolecenieGlowne polecenie(okno);
  Form_Opcje->exec();
  ZapiszUstawienia(okno.Stan);
  okno.ZbudujSiatke();
  if (Form_Opcje->ZmianaLogowania) {
    if (okno.Stan.LogowanieWlaczone) okno.PokazLogowanie();
    else okno.UstawPanel(2, QStringLiteral("Bez logowania"));
    okno.ZastosujLogowanie();
  }
  okno.UstawWierszWgCzasu();
}
