#pragma once
// The main window's doctor command.
class TForm1;

// aLekarze: the doctor list in edit mode on the current doctor, then the tabs
// reloaded and the returned doctor's tab selected.
void aLekarzeExecute(TForm1& okno);
