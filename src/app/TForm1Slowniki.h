#pragma once
// The main window's commands that open the two small dictionaries.
class TForm1;

// Advice types for maintenance; afterwards the grid shows the changed codes
// and names and keeps its selected row.
void aPoradyExecute(TForm1& okno);
// Examinations for maintenance.
void aBadaniaExecute(TForm1& okno);
