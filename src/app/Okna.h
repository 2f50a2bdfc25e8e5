#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_BazaDanych;

extern TForm1* Form1;
extern TForm_BazaDanych* Form_BazaDanych;

void UtworzOkna();
void ZniszczOkna();
