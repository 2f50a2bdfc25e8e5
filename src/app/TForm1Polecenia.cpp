// The main window's commands: each action wired to what it does.
#include "app/TForm1.h"

#include "app/Okna.h"
#include "app/TForm_OProgramie.h"

#include <QAction>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
  // The About box is no command: the inactivity countdown keeps running.
  connect(aOProgramie, &QAction::triggered, this, [] { Form_OProgramie->exec(); });
}

bool TForm1::PokazOknoBazyDanych() {
  // The database window comes with the administration tools; until then a
  // failed connection ends after its message.
  return false;
}
