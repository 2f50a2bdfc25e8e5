// orbe-admin pesel NUMBER: what the PESEL rules say about a number.
#include "Admin.h"
#include "Polecenia.h"

#include "patients/Pesel.h"

int PoleceniePesel(const QStringList& args) {
  if (args.size() != 1) {
    Admin::err() << "Użycie: orbe-admin pesel NUMER" << Qt::endl;
    return 2;
  }
  const QString pesel = args.first();
  const bool poprawny = PeselPoprawny(pesel);
  const QDate data = DataUrodzeniaZPesel(pesel);
  const QString plec = PlecZPesel(pesel);
  Admin::out() << "PESEL " << pesel << ": " << (poprawny ? "poprawny" : "niepoprawny") << '\n'
               << "data urodzenia: " << (data.isValid() ? data.toString(QStringLiteral("yyyy-MM-dd")) : QStringLiteral("brak")) << '\n'
               << "płeć: " << (plec.isEmpty() ? QStringLiteral("brak") : plec) << Qt::endl;
  return poprawny ? 0 : 1;
}
