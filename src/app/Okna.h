#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_Lekarze;
class TForm_Lekarze_Edycja;
class TForm_Pacjenci;
class TForm_Pacjenci_Edycja;
class TForm_Kalendarz;
class TForm_Opcje;
class TForm_Tessor_Pacjenci;
class TForm_EdycjaWizyty;
class TForm_BazaDanych;
class TForm_Harmonogram;
class TForm_Porady;
class TForm_Porady_Edycja;
class TForm_EksportWizyt;
class TForm_Kolumny;
class TForm_Kolumny_ListaPol;
class TForm_EksportDeklaracji;
class TForm_Zegar;
class TForm_Badania;
class TForm_Badania_Edycja;
class TForm_ZleconeBadania;
class TForm_Logowanie;
class TForm_Postep;
class TForm_HistoriaPacjenta;
class TForm_OProgramie;

extern TForm1* Form1;
extern TForm_Lekarze* Form_Lekarze;
extern TForm_Lekarze_Edycja* Form_Lekarze_Edycja;
extern TForm_Pacjenci* Form_Pacjenci;
extern TForm_Pacjenci_Edycja* Form_Pacjenci_Edycja;
extern TForm_Kalendarz* Form_Kalendarz;
extern TForm_Opcje* Form_Opcje;
extern TForm_Tessor_Pacjenci* Form_Tessor_Pacjenci;
extern TForm_EdycjaWizyty* Form_EdycjaWizyty;
extern TForm_BazaDanych* Form_BazaDanych;
extern TForm_Harmonogram* Form_Harmonogram;
extern TForm_Porady* Form_Porady;
extern TForm_Porady_Edycja* Form_Porady_Edycja;
extern TForm_EksportWizyt* Form_EksportWizyt;
extern TForm_Kolumny* Form_Kolumny;
extern TForm_Kolumny_ListaPol* Form_Kolumny_ListaPol;
extern TForm_EksportDeklaracji* Form_EksportDeklaracji;
extern TForm_Zegar* Form_Zegar;
extern TForm_Badania* Form_Badania;
extern TForm_Badania_Edycja* Form_Badania_Edycja;
extern TForm_ZleconeBadania* Form_ZleconeBadania;
extern TForm_Logowanie* Form_Logowanie;
extern TForm_Postep* Form_Postep;
extern TForm_HistoriaPacjenta* Form_HistoriaPacjenta;
extern TForm_OProgramie* Form_OProgramie;

void UtworzOkna();
void ZniszczOkna();
