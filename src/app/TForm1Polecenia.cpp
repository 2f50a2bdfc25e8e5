// The main window's commands: each action wired to what it does.
#include "app/TForm1.h"

#include <QAction>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
  connect(aZakladkaPoprzednia, &QAction::triggered, this, &TForm1::aZakladkaPoprzedniaExecute);
  connect(aZakladkaNastepna, &QAction::triggered, this, &TForm1::aZakladkaNastepnaExecute);
}

bool TForm1::PokazOknoBazyDanych() {
  // The database window comes with the administration tools; until then a
  // failed connection ends after its message.
  return false;
}
