#pragma once
// The main window's options command.
class TForm1;

// aOpcje: the options window, then the settings written, the grid rebuilt
// (the interval may have changed) and, when the login settings changed, the
// login asked for or "Bez logowania" shown, and the login gate applied.
void aOpcjeExecute(TForm1& okno);
