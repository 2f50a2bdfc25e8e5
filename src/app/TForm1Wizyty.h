#pragma once
// The main window's visit commands and the refresh that follows them.
class TForm1;

// aWizytaNowa / aWizytaWgGrafiku: a new visit of the current doctor on the
// picker's date, at the first free time or at the selected row's time.
void aWizytaNowaExecute(TForm1& okno, bool wgGrafiku);
// aWizytaEdytuj: the selected row's visit in the editor.
void aWizytaEdytujExecute(TForm1& okno);
// aWizytaUsun: the selected row's visit deleted after the question.
void aWizytaUsunExecute(TForm1& okno);
// Follows the current visit to its doctor's tab and date, rebuilds the grid
// and selects the visit's row.
void OdswiezPoEdycji(TForm1& okno);
