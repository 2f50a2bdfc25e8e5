#pragma once
// The admission ticket's texts and the "Drukuj bilet" check box's state.
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace BiletReguly {

// Line 1: the date, three blanks, the time ("09-12-2026   14:30").
QString LiniaTerminu(const QDate& data, const QTime& godzina);
// Line 2: the first name, a blank, the surname's first letter and a full stop
// ("Anna N."; an empty surname gives "Anna .").
QString LiniaPacjenta(const QString& imie, const QString& nazwisko);

struct StanPola {
  bool drukarka;    // the ticket printer is installed
  bool wlaczone;    // the check box can be changed
  bool zaznaczone;  // and is ticked
};
// The ticket printer is looked up by its exact name among the installed ones
// ("---" never matches); a new visit starts ticked, an existing one unticked.
StanPola StanDrukujBilet(const QStringList& drukarki, const QString& drukarkaBiletow, bool nowaWizyta);

}  // namespace BiletReguly
