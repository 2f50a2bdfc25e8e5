#include "exports/TForm_EksportDeklaracji.h"

#include "exports/ListyPol.h"
#include "exports/PlikCSV.h"
#include "exports/SzablonyPrzykladowe.h"

static const OknoEksportu::Opis OpisEksportuDeklaracji{
    "Eksport deklaracji",
    "SzerKolumnED",
    669,
    476,
    PlikKolumnDeklaracji,
    ListaPolDeklaracji,
    "EksportDeklaracji",
    NazwaPlikuEksportuDeklaracji,
    PodgladEksportuDeklaracji,
};

TForm_EksportDeklaracji::TForm_EksportDeklaracji(QWidget* rodzic) : OknoEksportu(OpisEksportuDeklaracji, rodzic) {
  setObjectName(QStringLiteral("Form_EksportDeklaracji"));
}
