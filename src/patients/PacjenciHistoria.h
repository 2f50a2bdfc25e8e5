#pragma once
// The patient list's history command.
class TForm_Pacjenci;

// aHistoria: the history window for the patient of the current row.
void aHistoriaExecute(TForm_Pacjenci& lista);
