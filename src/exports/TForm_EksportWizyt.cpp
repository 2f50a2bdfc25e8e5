#include "exports/TForm_EksportWizyt.h"

#include "exports/ListyPol.h"
#include "exports/PlikCSV.h"
#include "exports/SzablonyPrzykladowe.h"

static const OknoEksportu::Opis OpisEksportuWizyt{
    "Eksport wizyt   -   tylko wizyty z wpisanym ICD10",
    "SzerKolumnEW",
    723,
    474,
    PlikKolumnWizyt,
    ListaPolWizyt,
    "EksportWizyt",
    NazwaPlikuEksportuWizyt,
    PodgladEksportuWizyt,
};

TForm_EksportWizyt::TForm_EksportWizyt(QWidget* rodzic) : OknoEksportu(OpisEksportuWizyt, rodzic) {
  setObjectName(QStringLiteral("Form_EksportWizyt"));
}
