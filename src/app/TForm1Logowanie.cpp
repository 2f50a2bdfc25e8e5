// The main window's login: the prompt, logging in and out, and the
// inactivity countdown that asks again.
#include "app/Okna.h"
#include "app/TForm1.h"
#include "app/TForm_Logowanie.h"

void TForm1::PokazLogowanie() {
  ZatrzymajOdliczanie();
  UstawPanel(2, QStringLiteral("Logowanie..."));
  Form_Logowanie->UstawPlik(Stan.KatalogDanych + QStringLiteral("logow.db"));
  Stan.Zalogowany = Form_Logowanie->exec() == QDialog::Accepted;
  UstawPanel(2, Stan.Zalogowany ? QStringLiteral("Zalogowany") : QStringLiteral("Nie zalogowany"));
  WznowOdliczanie();
}

void TForm1::aZalogujExecute() {
  PokazLogowanie();
  ZastosujLogowanie();
  OdswiezAkcje();
}

void TForm1::aWylogujExecute() {
  Stan.Zalogowany = false;
  ZatrzymajOdliczanie();
  UstawPanel(2, QStringLiteral("Nie zalogowany"));
  ZastosujLogowanie();
  OdswiezAkcje();
}

void TForm1::timerLogowanieTimeOutTimer() {
  timerLogowanieTimeOut.stop();
  // Patients' data must not stay on screen while the prompt waits for someone.
  Stan.Zalogowany = false;
  ZastosujLogowanie();
  PokazLogowanie();
  ZastosujLogowanie();
  OdswiezAkcje();
}
