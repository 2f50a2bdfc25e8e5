#include "patients/PacjenciHistoria.h"

#include "app/Okna.h"
#include "patients/TForm_HistoriaPacjenta.h"
#include "patients/TForm_Pacjenci.h"

void aHistoriaExecute(TForm_Pacjenci& lista) {
  Dataset& pacjenci = lista.sqlPacjenci();
  if (!pacjenci.isOpen() || pacjenci.recNo() < 0) return;
  Form_HistoriaPacjenta->PacjentID = pacjenci.intValue(QStringLiteral("ID"));
  Form_HistoriaPacjenta->UstawPacjenta(pacjenci);
  Form_HistoriaPacjenta->exec();
}
