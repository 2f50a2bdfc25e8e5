#pragma once
// The date and time forms of the program: shown as DD-MM-YYYY and HH:NN,
// exported as YYYY-MM-DD. Times of day inside the program are minutes.
#include <QDate>
#include <QString>
#include <QTime>

namespace Formaty {

inline QString data(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString(); }
inline QString dataEksportu(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }
inline QString godzina(int minuty) { return QString::asprintf("%02d:%02d", minuty / 60, minuty % 60); }
inline QString godzina(const QTime& t) { return t.isValid() ? godzina(t.hour() * 60 + t.minute()) : QString(); }
inline int minutaDnia(const QTime& t) { return t.hour() * 60 + t.minute(); }
inline QTime czasZMinut(int minuty) { return QTime(minuty / 60, minuty % 60); }

}  // namespace Formaty
