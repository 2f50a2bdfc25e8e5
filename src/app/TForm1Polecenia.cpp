// The main window's commands: each action wired to what it does.
#include "admin/TForm_BazaDanych.h"
#include "app/Okna.h"
#include "app/TForm1.h"
#include "app/TForm1Harmonogram.h"
#include "app/TForm1Lekarze.h"
#include "app/TForm1Opcje.h"
#include "app/TForm1Slowniki.h"
#include "app/TForm1Wizyty.h"
#include "app/TForm1ZleconeBadania.h"
#include "app/TForm_OProgramie.h"
#include "db/ParametryPolaczenia.h"
#include "exports/TForm_EksportDeklaracji.h"
#include "exports/TForm_EksportWizyt.h"
#include "patients/TForm_Pacjenci.h"
#include "reports/Raport.h"
#include "schedule/WykazWizyt.h"
#include "schedule/ZakladkiLekarzy.h"

#include <QAction>
#include <QDateEdit>
#include <QGuiApplication>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aWizytaNowa, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWizytaNowaExecute(*this, false);
  });
  connect(aWizytaWgGrafiku, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWizytaNowaExecute(*this, true);
  });
  connect(aWizytaEdytuj, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWizytaEdytujExecute(*this);
  });
  connect(aWizytaUsun, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWizytaUsunExecute(*this);
  });
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
  connect(aHarmonogram, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aHarmonogramExecute(*this);
  });
  connect(aOpcje, &QAction::triggered, this, [this] { aOpcjeExecute(*this); });
  connect(aEksportWizyt, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_EksportWizyt->exec();
  });
  connect(aEksportDeklaracji, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_EksportDeklaracji->exec();
  });
  connect(aZleconeBadania, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aZleconeBadaniaExecute(*this);
  });
  // The About box is no command: the inactivity countdown keeps running.
  connect(aOProgramie, &QAction::triggered, this, [] { Form_OProgramie->exec(); });
  connect(aZakladkaPoprzednia, &QAction::triggered, this, &TForm1::aZakladkaPoprzedniaExecute);
  connect(aZakladkaNastepna, &QAction::triggered, this, &TForm1::aZakladkaNastepnaExecute);
  connect(aPacjenci, &QAction::triggered, this, [this] {
    PolecenieGlowne polecenie(*this);
    Form_Pacjenci->Tryb = QStringLiteral("EDYCJA");
    Form_Pacjenci->WybraneID = 0;
    Form_Pacjenci->FiltrPoczatkowy.clear();
    Form_Pacjenci->exec();
  });
  connect(aWydruk, &QAction::triggered, this, [this] {
    PolecenieGlowne p(*this);
    aWydrukExecute();
  });
}

void TForm1::aWydrukExecute() {
  if (!RaportWizyt) RaportWizyt = new Raport(this);
  // The printout walks the day's visits as the grid shows them.
  const int zakladka = TabControl1->Indeks();
  const QString lekarz = zakladka >= 0 ? TabControl1->Pasek()->tabText(zakladka) : QString();
  WykazWizyt::Drukuj(*RaportWizyt, Stan.KatalogProgramu, *sqlWizyty, DateTimePicker1->date(), lekarz, this);
}

bool TForm1::PokazOknoBazyDanych() {
  // The connection is closed now; the window's local backup and restore work
  // on the database the last attempt named.
  Form_BazaDanych->Przygotuj(Stan, NazwaBazy(Stan.KatalogDanych, Stan.Host, Stan.Dir));
  // A connection attempt may be showing the hourglass: the user works in the window.
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  struct Kursor {
    ~Kursor() { QGuiApplication::restoreOverrideCursor(); }
  } kursor;
  return Form_BazaDanych->PokazModalnie();
}
