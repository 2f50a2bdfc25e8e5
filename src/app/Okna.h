#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_Pacjenci;

extern TForm1* Form1;
extern TForm_Pacjenci* Form_Pacjenci;

void UtworzOkna();
void ZniszczOkna();
