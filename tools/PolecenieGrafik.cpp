// orbe-admin grafik DATE DOCTOR_ID: a doctor's day as the main window's grid
// builds it, one row a line, tab-separated.
#include "Admin.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "schedule/SiatkaWizytDane.h"

int PolecenieGrafik(const QStringList& args) {
  QDate data;
  for (const char* f : {"yyyy-MM-dd", "dd-MM-yyyy"})
    if (!data.isValid()) data = QDate::fromString(args.value(0), QString::fromLatin1(f));
  bool ok = false;
  const int lekarz = args.value(1).toInt(&ok);
  if (args.size() != 2 || !data.isValid() || !ok) {
    Admin::err() << "Użycie: orbe-admin grafik RRRR-MM-DD ID_LEKARZA" << Qt::endl;
    return 1;
  }
  const StanProgramu stan = Admin::WczytajStan();
  Connection polaczenie;
  Admin::Polacz(polaczenie, stan);
  SiatkaWizytDane dane(polaczenie);
  dane.OtworzPorady();
  dane.OtworzWizyty(data, lekarz);
  dane.OtworzHarmonogram(data, lekarz);
  for (const QString& linia : dane.LinieDnia(lekarz, stan.grafik_co)) Admin::out() << linia << '\n';
  Admin::out().flush();
  return 0;
}
