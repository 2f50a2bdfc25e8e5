#pragma once
// The main window's work-schedule command.
class TForm1;

// aHarmonogram: the editor on the current doctor and interval; both come back,
// the tab at the editor's doctor position is selected and the settings saved.
void aHarmonogramExecute(TForm1& okno);
