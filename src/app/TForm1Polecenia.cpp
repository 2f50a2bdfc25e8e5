// The main window's commands: each action wired to what it does.
#include "app/TForm1.h"
#include "app/TForm1Lekarze.h"
#include "app/TForm1Opcje.h"
#include "app/TForm1Slowniki.h"

#include "app/Okna.h"
#include "exports/TForm_EksportDeklaracji.h"
#include "exports/TForm_EksportWizyt.h"

#include <QAction>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
  connect(aZaloguj, &QAction::triggered, this, [this] { aZalogujExecute(); });
  connect(aWyloguj, &QAction::triggered, this, [this] { aWylogujExecute(); });
  connect(aPorady, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aPoradyExecute(*this);
  });
  connect(aBadania, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aBadaniaExecute(*this);
  });
  connect(aLekarze, &QAction::triggered, this, [this] { aLekarzeExecute(*this); });
  connect(aOpcje, &QAction::triggered, this, [this] { aOpcjeExecute(*this); });
  connect(aEksportWizyt, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_EksportWizyt->exec();
  });
  connect(aEksportDeklaracji, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_EksportDeklaracji->exec();
  });
}

bool TForm1::PokazOknoBazyDanych() {
  // The database window comes with the administration tools; until then a
  // failed connection ends after its message.
  return false;
}
