#pragma once
// The patient list printout (Pacjenci.frf, shown in the preview) and the
// patient card (Karta.frf, page 1 printed at once on the card printer).
// Templates come from the program's folder; a missing one keeps what the
// report held before.
#include "patients/WydrukiPacjentowReguly.h"

class Connection;
class Dataset;
class QWidget;
class Raport;

namespace WydrukiPacjentow {

// The rows of the page on screen (the list's dataset); its current row is kept.
void DrukujListe(Raport& raport, const QString& katalogProgramu, Dataset& pacjenci, const StronaListy& strona,
                 QWidget* rodzic);

// Reads the page itself: the list's filter (on/off and the box text), the
// removed-patients view and the page number from 0.
void DrukujListe(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, bool filtrWlaczony,
                 const QString& tekstFiltra, bool pokazUsunietych, int strona, QWidget* rodzic);

// The card of the dataset's current row on the printer at `indeksDrukarkiKart`
// in the installed list (SprawdzDrukarkeKart); nothing when it is below 0.
// True when a page was sent.
bool DrukujKarte(Raport& raport, const QString& katalogProgramu, Dataset& pacjenci, int indeksDrukarkiKart);

// The card of the patient with this ID.
bool DrukujKarte(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, int pacjentId,
                 int indeksDrukarkiKart);

// SprawdzDrukarkeKart over the installed printers.
int SprawdzDrukarkeKart(const QString& drukarkaKart);

}  // namespace WydrukiPacjentow
