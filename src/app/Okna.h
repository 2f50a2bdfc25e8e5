#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_EksportWizyt;
class TForm_Kolumny;
class TForm_Kolumny_ListaPol;
class TForm_EksportDeklaracji;

extern TForm1* Form1;
extern TForm_EksportWizyt* Form_EksportWizyt;
extern TForm_Kolumny* Form_Kolumny;
extern TForm_Kolumny_ListaPol* Form_Kolumny_ListaPol;
extern TForm_EksportDeklaracji* Form_EksportDeklaracji;

void UtworzOkna();
void ZniszczOkna();
