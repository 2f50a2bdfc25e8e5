// The main window's commands: each action wired to what it does.
#include "app/Okna.h"
#include "app/TForm1.h"
#include "patients/TForm_Pacjenci.h"

#include <QAction>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
  connect(aPacjenci, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_Pacjenci->Tryb = QStringLiteral("EDYCJA");
    Form_Pacjenci->WybraneID = 0;
    Form_Pacjenci->FiltrPoczatkowy.clear();
    Form_Pacjenci->exec();
  });
}

bool TForm1::PokazOknoBazyDanych() {
  // The database window comes with the administration tools; until then a
  // failed connection ends after its message.
  return false;
}
