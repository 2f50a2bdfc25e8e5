// orbe-admin demo [--patients N] [--days D]: demo data in an empty database.
#include "Admin.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "schedule/DemoDane.h"

#include <QElapsedTimer>

int PolecenieDemo(const QStringList& args) {
  ParametryDemo p;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    bool ok = false;
    int* cel = a == u"--patients" ? &p.pacjentow : a == u"--days" ? &p.dni : a == u"--doctors" ? &p.lekarzy : nullptr;
    const int wartosc = cel && i + 1 < args.size() ? args[i + 1].toInt(&ok) : 0;
    if (!cel || !ok || wartosc < 0 || (cel == &p.lekarzy && wartosc < 1)) {
      Admin::err() << "Nieprawidłowy argument: " << a << "\nUżycie: orbe-admin demo [--patients N] [--days D]"
                   << Qt::endl;
      return 1;
    }
    *cel = wartosc;
    ++i;
  }
  const StanProgramu stan = Admin::WczytajStan();
  Connection polaczenie;
  Admin::Polacz(polaczenie, stan);
  if (!BazaPustaDlaDemo(polaczenie)) {
    Admin::err() << "Baza danych zawiera już lekarzy lub pacjentów; dane demonstracyjne wpisuje się do pustej bazy."
                 << Qt::endl;
    return 3;
  }
  QElapsedTimer zegar;
  zegar.start();
  const WynikDemo w = WypelnijDemo(polaczenie, p);
  polaczenie.close();
  Admin::out() << "Lekarze: " << w.lekarzy << ", zakresy harmonogramu: " << w.zakresow << ", porady: " << w.porad
               << ", badania: " << w.badan << "\nPacjenci: " << w.pacjentow << ", wizyty: " << w.wizyt
               << ", zlecone badania: " << w.zlecen << "\nCzas: " << QString::number(zegar.elapsed() / 1000.0, 'f', 1)
               << " s" << Qt::endl;
  return 0;
}
