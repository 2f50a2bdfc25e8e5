#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;
class TForm_Kalendarz;
class TForm_Zegar;
class TForm_Postep;
class TForm_OProgramie;

extern TForm1* Form1;
extern TForm_Kalendarz* Form_Kalendarz;
extern TForm_Zegar* Form_Zegar;
extern TForm_Postep* Form_Postep;
extern TForm_OProgramie* Form_OProgramie;

void UtworzOkna();
void ZniszczOkna();
