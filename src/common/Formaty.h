#pragma once
// The date and time forms of the program: shown as DD-MM-YYYY and HH:NN,
// exported as YYYY-MM-DD. Minutes of the day are in CzasDnia.
#include "common/CzasDnia.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace Formaty {

inline QString data(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("dd-MM-yyyy")) : QString(); }
inline QString dataEksportu(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }
inline QString godzina(const QTime& t) { return t.isValid() ? CzasDnia::TekstGodziny(CzasDnia::MinutaZCzasu(t)) : QString(); }

}  // namespace Formaty
