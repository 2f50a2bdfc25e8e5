// orbe-admin restore FILE [--force] [-v]: the clinic database from a backup.
#include "Admin.h"
#include "PolecenieKopii.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Services.h"

#include <QFile>

namespace {

int istnieje(const BazaDanychReguly::ZadanieUslugi& z) {
  Admin::err() << "Baza danych " << (z.serwer.isEmpty() ? QString() : z.serwer + u':') << z.baza
               << " istnieje. Aby ją zastąpić kopią, dodaj --force (wszyscy użytkownicy muszą się odłączyć)."
               << Qt::endl;
  return 3;
}

}  // namespace

int PolecenieRestore(const QStringList& argumenty) {
  QStringList args = argumenty;
  const bool szczegoly = WyjmijFlage(args, {QStringLiteral("-v"), QStringLiteral("--verbose")});
  const bool nadpisz = WyjmijFlage(args, {QStringLiteral("--force")});
  if (args.size() != 1 || args[0].startsWith(u'-')) {
    Admin::err() << "Użycie: orbe-admin restore PLIK [--force] [-v]" << Qt::endl;
    return 1;
  }
  const StanProgramu stan = Admin::WczytajStan();
  const auto z = ZadanieKopii(stan, args[0]);
  if (!z.zdalne && !QFile::exists(z.plik)) {
    Admin::err() << "Nie ma pliku kopii: " << z.plik << Qt::endl;
    return 2;
  }
  // A remote file cannot be seen from here; without --force the server itself
  // refuses to overwrite an existing database.
  if (!nadpisz && !z.zdalne && QFile::exists(z.baza)) return istnieje(z);
  try {
    Services uslugi(z.serwer, ParametryPolaczenia(stan.KatalogDanych));
    uslugi.restore(
        z.plik, z.baza,
        [&](const QString& l) {
          if (szczegoly) Admin::out() << l << Qt::endl;
        },
        nadpisz);
    uslugi.detach();
  } catch (const DbError& e) {
    if (!nadpisz && e.message().contains(QStringLiteral("already exists"))) return istnieje(z);
    Admin::err() << BazaDanychReguly::TekstBleduOdtwarzania(e.message()) << Qt::endl;
    return 2;
  }
  if (!z.zdalne) {
    // A local server reads the file as its own user (as after init).
    QFile::setPermissions(z.baza, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                      QFile::ReadOther | QFile::WriteOther);
  }
  Admin::out() << "Odtworzono bazę danych " << (z.serwer.isEmpty() ? QString() : z.serwer + u':') << z.baza
               << " z pliku " << z.plik << Qt::endl;
  return 0;
}
