// orbe-admin init [FOLDER]: the installation of a data folder.
#include "Admin.h"
#include "Polecenia.h"

#include "common/Win1250.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "exports/SzablonyPrzykladowe.h"

#include <QDir>
#include <QFile>

int PolecenieInit(const QStringList& args) {
  const StanProgramu stan = Admin::WczytajStan(args.value(0));
  const QString katalog = stan.KatalogDanych;
  if (!QDir().mkpath(katalog)) {
    Admin::err() << "Nie można utworzyć katalogu danych: " << katalog << Qt::endl;
    return 2;
  }
  const QString baza = katalog + QStringLiteral("ORBE.FDB");
  if (QFile::exists(baza)) {
    Admin::err() << "Baza danych już istnieje, nie zostanie nadpisana: " << baza << Qt::endl;
    return 3;
  }
  try {
    createClinicDatabase(baza, ParametryPolaczenia(katalog));
  } catch (const DbError& e) {
    Admin::err() << "Nie można utworzyć bazy danych " << baza << ":\n" << e.message() << Qt::endl;
    return 4;
  }
  // A local server reads the file as its own user.
  QFile::setPermissions(baza, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                                  QFile::ReadOther | QFile::WriteOther);
  for (const char* lista : {"lista_gmin.txt", "lista_powiatow.txt", "lista_wojewodztw.txt", "kody_pocztowe.txt"}) {
    const QString p = katalog + QString::fromLatin1(lista);
    if (!QFile::exists(p)) Win1250::zapiszLinie(p, {});
  }
  ZainstalujPrzykladoweSzablony(katalog);
  Admin::out() << "Utworzono katalog danych " << katalog << " z pustą bazą " << baza << Qt::endl;
  return 0;
}
