#pragma once
// The main window's ordered-examinations summary command.
class TForm1;

// aZleconeBadania: the summary window for the month of the selected day.
void aZleconeBadaniaExecute(TForm1& okno);
