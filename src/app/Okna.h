#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_Lekarze;
class TForm_Lekarze_Edycja;

extern TForm1* Form1;
extern TForm_Lekarze* Form_Lekarze;
extern TForm_Lekarze_Edycja* Form_Lekarze_Edycja;

void UtworzOkna();
void ZniszczOkna();
