#pragma once
// The day visit list printout: the template Wizyty.frf from the program's
// folder, titled "WykazWizyt", over the day's visits, shown in the preview.
#include <QDate>
#include <QString>

class Connection;
class Dataset;
class QWidget;
class Raport;

namespace WykazWizyt {

// Over a dataset already open (the main window's day visits): walks it from
// the first row; its current row is kept. `lekarz` is the tab caption.
void Drukuj(Raport& raport, const QString& katalogProgramu, Dataset& wizyty, const QDate& dzien,
            const QString& lekarz, QWidget* rodzic);

// Reads the day's visits of the doctor itself and takes the caption from LEKARZE.
void Drukuj(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, int lekarzId,
            const QDate& dzien, QWidget* rodzic);

}  // namespace WykazWizyt
