// The patient list's add and edit commands: the editor works on the list's
// row, the list commits after OK and rolls back otherwise.
#include "app/Okna.h"
#include "app/TForm1.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Pacjenci_Edycja.h"

void TForm_Pacjenci::aDodajExecute() {
  Dataset& ds = dane_.sqlPacjenci;
  if (!ds.isOpen()) return;
  ds.append();
  ds.setValue(QStringLiteral("AKTYW"), QStringLiteral("T"));
  if (Form_Pacjenci_Edycja->exec() == QDialog::Accepted)
    glowne_.CommitRetaining();
  else
    glowne_.RollbackRetaining();
  // The added patient stays where it was appended until the next reload.
  dane_.PoliczWyniki();
  UstawAkcje();
}

void TForm_Pacjenci::aEdytujExecute() {
  if (dane_.BiezaceID() == 0) return;
  dane_.sqlPacjenci.edit();
  if (Form_Pacjenci_Edycja->exec() == QDialog::Accepted)
    glowne_.CommitRetaining();
  else
    glowne_.RollbackRetaining();
  UstawAkcje();
}
