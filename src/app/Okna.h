#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_Lekarze;
class TForm_Lekarze_Edycja;
class TForm_Opcje;
class TForm_Porady;
class TForm_Porady_Edycja;
class TForm_EksportWizyt;
class TForm_Kolumny;
class TForm_Kolumny_ListaPol;
class TForm_EksportDeklaracji;
class TForm_Badania;
class TForm_Badania_Edycja;
class TForm_Logowanie;

extern TForm1* Form1;
extern TForm_Lekarze* Form_Lekarze;
extern TForm_Lekarze_Edycja* Form_Lekarze_Edycja;
extern TForm_Opcje* Form_Opcje;
extern TForm_Porady* Form_Porady;
extern TForm_Porady_Edycja* Form_Porady_Edycja;
extern TForm_EksportWizyt* Form_EksportWizyt;
extern TForm_Kolumny* Form_Kolumny;
extern TForm_Kolumny_ListaPol* Form_Kolumny_ListaPol;
extern TForm_EksportDeklaracji* Form_EksportDeklaracji;
extern TForm_Badania* Form_Badania;
extern TForm_Badania_Edycja* Form_Badania_Edycja;
extern TForm_Logowanie* Form_Logowanie;

void UtworzOkna();
void ZniszczOkna();
