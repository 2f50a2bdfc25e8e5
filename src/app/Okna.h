#pragma once
// Every window is created once, in a fixed order, and reached through one
// global reference for the whole run.
class TForm1;

extern TForm1* Form1;

void UtworzOkna();
void ZniszczOkna();
