// Taking a patient over from the companion program's register: the picker,
// the check that the PESEL is not registered yet, the new row filled from the
// picked one, and the patient editor on it before anything is committed.
#include "app/Okna.h"
#include "app/TForm1.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Pacjenci_Edycja.h"
#include "patients/TForm_Tessor_Pacjenci.h"
#include "patients/TessorReguly.h"
#include "ui/Komunikaty.h"

void TForm_Pacjenci::aDodajZTessorExecute() {
  TForm_Tessor_Pacjenci& wybor = *Form_Tessor_Pacjenci;
  if (wybor.exec() == QDialog::Accepted) {
    const TessorReguly::PacjentTessor& p = wybor.WybranyPacjent;
    const QString pesel = p.PESEL.trimmed();
    // Removed patients count too: their PESEL is taken.
    const int id = dane_.ZnajdzPacjenta(pesel);
    if (id != 0) {
      komunikaty().sygnal();
      dane_.sqlPacjenci.locate(QStringLiteral("ID"), id);
      komunikaty().informacja(TessorReguly::PacjentJuzJest(pesel));
    } else {
      Dataset& ds = dane_.sqlPacjenci;
      ds.append();
      for (const auto& [pole, wartosc] : TessorReguly::NowyPacjent(p, glowne_.Stan.tessor_dtdekl))
        ds.setValue(pole, wartosc);
      bool ok = false;
      try {
        ok = OtworzEdytor ? OtworzEdytor() : Form_Pacjenci_Edycja->exec() == QDialog::Accepted;
      } catch (...) {
        glowne_.RollbackRetaining();
        throw;
      }
      if (ok)
        glowne_.CommitRetaining();
      else
        glowne_.RollbackRetaining();
    }
  }
  dane_.PoliczWyniki();
  UstawAkcje();
}
