// The main window's commands: each action wired to what it does.
#include "app/TForm1.h"
#include "app/TForm1Slowniki.h"
#include "reports/Raport.h"
#include "schedule/WykazWizyt.h"

#include <QAction>
#include <QDateEdit>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
  connect(aPorady, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aPoradyExecute(*this);
  });
  connect(aBadania, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aBadaniaExecute(*this);
  });
  connect(aWydruk, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWydrukExecute();
  });
}

void TForm1::aWydrukExecute() {
  if (!RaportWizyt) RaportWizyt = new Raport(this);
  WykazWizyt::Drukuj(*RaportWizyt, Polaczenie(), Stan.KatalogProgramu, Stan.BiezacyLekarz, DateTimePicker1->date(), this);
}

bool TForm1::PokazOknoBazyDanych() {
  // The database window comes with the administration tools; until then a
  // failed connection ends after its message.
  return false;
}
