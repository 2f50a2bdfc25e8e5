#include "app/Okna.h"

#include "admin/TForm_BazaDanych.h"
#include "admin/TForm_Opcje.h"
#include "app/TForm1.h"
#include "app/TForm_Kalendarz.h"
#include "app/TForm_Logowanie.h"
#include "app/TForm_OProgramie.h"
#include "app/TForm_Postep.h"
#include "app/TForm_Zegar.h"
#include "dictionaries/TForm_Badania.h"
#include "dictionaries/TForm_Badania_Edycja.h"
#include "dictionaries/TForm_Harmonogram.h"
#include "dictionaries/TForm_Lekarze.h"
#include "dictionaries/TForm_Lekarze_Edycja.h"
#include "dictionaries/TForm_Porady.h"
#include "dictionaries/TForm_Porady_Edycja.h"
#include "exports/TForm_EksportDeklaracji.h"
#include "exports/TForm_EksportWizyt.h"
#include "exports/TForm_Kolumny.h"
#include "exports/TForm_Kolumny_ListaPol.h"
#include "exports/TForm_ZleconeBadania.h"
#include "patients/TForm_HistoriaPacjenta.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Pacjenci_Edycja.h"
#include "patients/TForm_Tessor_Pacjenci.h"
#include "visits/TForm_EdycjaWizyty.h"

TForm1* Form1 = nullptr;
TForm_Lekarze* Form_Lekarze = nullptr;
TForm_Lekarze_Edycja* Form_Lekarze_Edycja = nullptr;
TForm_Pacjenci* Form_Pacjenci = nullptr;
TForm_Pacjenci_Edycja* Form_Pacjenci_Edycja = nullptr;
TForm_Kalendarz* Form_Kalendarz = nullptr;
TForm_Opcje* Form_Opcje = nullptr;
TForm_Tessor_Pacjenci* Form_Tessor_Pacjenci = nullptr;
TForm_EdycjaWizyty* Form_EdycjaWizyty = nullptr;
TForm_BazaDanych* Form_BazaDanych = nullptr;
TForm_Harmonogram* Form_Harmonogram = nullptr;
TForm_Porady* Form_Porady = nullptr;
TForm_Porady_Edycja* Form_Porady_Edycja = nullptr;
TForm_EksportWizyt* Form_EksportWizyt = nullptr;
TForm_Kolumny* Form_Kolumny = nullptr;
TForm_Kolumny_ListaPol* Form_Kolumny_ListaPol = nullptr;
TForm_EksportDeklaracji* Form_EksportDeklaracji = nullptr;
TForm_Zegar* Form_Zegar = nullptr;
TForm_Badania* Form_Badania = nullptr;
TForm_Badania_Edycja* Form_Badania_Edycja = nullptr;
TForm_ZleconeBadania* Form_ZleconeBadania = nullptr;
TForm_Logowanie* Form_Logowanie = nullptr;
TForm_Postep* Form_Postep = nullptr;
TForm_HistoriaPacjenta* Form_HistoriaPacjenta = nullptr;
TForm_OProgramie* Form_OProgramie = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  Form_Lekarze = new TForm_Lekarze(Form1->Polaczenie());
  Form_Lekarze_Edycja = new TForm_Lekarze_Edycja(*Form_Lekarze);
  Form_Pacjenci = new TForm_Pacjenci(*Form1);
  Form_Pacjenci_Edycja = new TForm_Pacjenci_Edycja(*Form_Pacjenci, *Form1);
  Form_Kalendarz = new TForm_Kalendarz();
  Form_Opcje = new TForm_Opcje(Form1->Stan, Form1);
  Form_Tessor_Pacjenci = new TForm_Tessor_Pacjenci(Form1->Stan, Form1);
  Form_EdycjaWizyty = new TForm_EdycjaWizyty(*Form1);
  Form_BazaDanych = new TForm_BazaDanych(Form1);
  Form_Harmonogram = new TForm_Harmonogram(Form1->Polaczenie(), Form1->Stan.ListaLekarzy);
  Form_Porady = new TForm_Porady(Form1->Polaczenie());
  Form_Porady_Edycja = new TForm_Porady_Edycja(*Form_Porady);
  Form_EksportWizyt = new TForm_EksportWizyt(Form1);
  Form_Kolumny = new TForm_Kolumny(Form1);
  Form_Kolumny_ListaPol = new TForm_Kolumny_ListaPol(Form1);
  Form_EksportDeklaracji = new TForm_EksportDeklaracji(Form1);
  Form_Zegar = new TForm_Zegar();
  Form_Badania = new TForm_Badania(Form1->Polaczenie());
  Form_Badania_Edycja = new TForm_Badania_Edycja(*Form_Badania);
  Form_ZleconeBadania = new TForm_ZleconeBadania();
  Form_Logowanie = new TForm_Logowanie(Form1);
  Form_Postep = new TForm_Postep();
  Form_HistoriaPacjenta = new TForm_HistoriaPacjenta(Form1->Polaczenie());
  Form_OProgramie = new TForm_OProgramie();
}

void ZniszczOkna() {
  // In reverse order of creation, so windows whose datasets run on the main
  // window's connection go before it; owned windows go with their owner.
  delete Form_OProgramie;
  Form_OProgramie = nullptr;
  delete Form_HistoriaPacjenta;
  Form_HistoriaPacjenta = nullptr;
  delete Form_Postep;
  Form_Postep = nullptr;
  Form_Logowanie = nullptr;
  delete Form_ZleconeBadania;
  Form_ZleconeBadania = nullptr;
  Form_Badania_Edycja = nullptr;
  delete Form_Badania;
  Form_Badania = nullptr;
  delete Form_Zegar;
  Form_Zegar = nullptr;
  Form_EksportDeklaracji = nullptr;
  Form_Kolumny_ListaPol = nullptr;
  Form_Kolumny = nullptr;
  Form_EksportWizyt = nullptr;
  Form_Porady_Edycja = nullptr;
  delete Form_Porady;
  Form_Porady = nullptr;
  delete Form_Harmonogram;
  Form_Harmonogram = nullptr;
  Form_BazaDanych = nullptr;
  Form_EdycjaWizyty = nullptr;
  Form_Tessor_Pacjenci = nullptr;
  Form_Opcje = nullptr;
  delete Form_Kalendarz;
  Form_Kalendarz = nullptr;
  Form_Pacjenci_Edycja = nullptr;
  delete Form_Pacjenci;
  Form_Pacjenci = nullptr;
  Form_Lekarze_Edycja = nullptr;
  delete Form_Lekarze;
  Form_Lekarze = nullptr;
  delete Form1;
  Form1 = nullptr;
}
