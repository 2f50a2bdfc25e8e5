// orbe-admin backup FILE [-v]: a backup of the clinic database, for cron.
#include "Admin.h"
#include "PolecenieKopii.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Services.h"

int PolecenieBackup(const QStringList& argumenty) {
  QStringList args = argumenty;
  const bool szczegoly = WyjmijFlage(args, {QStringLiteral("-v"), QStringLiteral("--verbose")});
  if (args.size() != 1 || args[0].startsWith(u'-')) {
    Admin::err() << "Użycie: orbe-admin backup PLIK [-v]" << Qt::endl;
    return 1;
  }
  const StanProgramu stan = Admin::WczytajStan();
  const auto z = ZadanieKopii(stan, args[0]);
  try {
    Services uslugi(z.serwer, ParametryPolaczenia(stan.KatalogDanych));
    uslugi.backup(z.baza, z.plik, [&](const QString& l) {
      if (szczegoly) Admin::out() << l << Qt::endl;
    });
    uslugi.detach();
  } catch (const DbError& e) {
    Admin::err() << BazaDanychReguly::TekstBleduKopii(e.message()) << Qt::endl;
    return 2;
  }
  Admin::out() << "Wykonano kopię bazy danych " << (z.serwer.isEmpty() ? QString() : z.serwer + u':') << z.baza
               << " do pliku " << z.plik << Qt::endl;
  return 0;
}
