// The patient list's printouts: the page on screen and the patient card.
#include "patients/TForm_Pacjenci.h"

#include "app/TForm1.h"
#include "patients/WydrukiPacjentow.h"
#include "reports/Raport.h"

#include <QAction>
#include <QLineEdit>

namespace {

Raport& raport(Raport*& r, QObject* wlasciciel) {
  if (!r) r = new Raport(wlasciciel);
  return *r;
}

}  // namespace

void TForm_Pacjenci::SprawdzDrukarkeKart() {
  IndeksDrukarkiKart = WydrukiPacjentow::SprawdzDrukarkeKart(glowne_.Stan.drukarka_kart);
  aKarta->setEnabled(IndeksDrukarkiKart >= 0);
}

void TForm_Pacjenci::aDrukujExecute() {
  if (!dane_.sqlPacjenci.isOpen()) return;
  const WydrukiPacjentow::StronaListy strona{FiltrWlaczony, edFiltruj->text(), dane_.IloscWynikow, dane_.Strona,
                                            dane_.IloscStron};
  WydrukiPacjentow::DrukujListe(raport(RaportPacjentow, this), glowne_.Stan.KatalogProgramu, dane_.sqlPacjenci,
                                strona, this);
  UstawAkcje();
}

void TForm_Pacjenci::aKartaExecute() {
  if (IndeksDrukarkiKart < 0 || dane_.BiezaceID() == 0) return;
  WydrukiPacjentow::DrukujKarte(raport(RaportPacjentow, this), glowne_.Stan.KatalogProgramu, dane_.sqlPacjenci,
                                IndeksDrukarkiKart);
  UstawAkcje();
}
