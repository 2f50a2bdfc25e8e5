// orbe-admin: the installation and the jobs an administrator runs without a
// receptionist at the screen, on the same code as the windows.
#include "Admin.h"
#include "Polecenia.h"

#include <QCoreApplication>
#include <exception>

static const Admin::Polecenie kPolecenia[] = {
    {"init", "[KATALOG]", "tworzy katalog danych z pustą bazą ORBE.FDB i plikami list", PolecenieInit},
    {"backup", "PLIK [-v]", "kopia bazy danych do pliku (dla zdalnej bazy: ścieżka na serwerze)", PolecenieBackup},
    {"restore", "PLIK [--force] [-v]", "odtwarza bazę danych z kopii; istniejącą zastępuje tylko z --force",
     PolecenieRestore},
};

static int pomoc() {
  Admin::out() << "Użycie: orbe-admin POLECENIE [ARGUMENTY]\n\nPolecenia:\n";
  for (const auto& p : kPolecenia)
    Admin::out() << "  " << p.nazwa << ' ' << p.argumenty << "\n      " << QString::fromUtf8(p.opis) << '\n';
  Admin::out() << "\nKatalog danych: $ORBE_DATA_DIR albo domyślny katalog programu." << Qt::endl;
  return 1;
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("ORBE"));
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") return pomoc();
  const QString nazwa = args.takeFirst();
  for (const auto& p : kPolecenia) {
    if (nazwa != QString::fromLatin1(p.nazwa)) continue;
    try {
      return p.uruchom(args);
    } catch (const std::exception& e) {
      Admin::err() << QString::fromUtf8(e.what()) << Qt::endl;
      return 2;
    }
  }
  Admin::err() << "Nieznane polecenie: " << nazwa << Qt::endl;
  return pomoc();
}
