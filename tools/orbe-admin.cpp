// orbe-admin: the installation and the jobs an administrator runs without a
// receptionist at the screen, on the same code as the windows.
#include "db/Connection.h"
#include "Admin.h"
#include "Polecenia.h"

#include <QCoreApplication>
#include <exception>

static const Admin::Polecenie kPolecenia[] = {
    {"init", "[KATALOG]", "tworzy katalog danych z pustą bazą ORBE.FDB i plikami list", PolecenieInit},
    {"katalog", "", "wypisuje katalog danych programu", PolecenieKatalog},
    {"import-declarations", "PLIK", "importuje listę deklaracji KS-SWD (CSV) do rejestru pacjentów", PolecenieImport},
    {"status", "", "łączy się z bazą jak program i wypisuje liczby wierszy tabel", PolecenieStatus},
    {"pesel", "NUMER", "sprawdza numer PESEL: poprawność, data urodzenia, płeć (kod wyjścia 0 albo 1)", PoleceniePesel},
    {"export-visits", "RRRR-MM PLIK", "zapisuje wizyty miesiąca z kodem ICD10 do pliku CSV wg KolumnyEW.txt",
     PolecenieEksportWizyt},
    {"export-declarations", "RRRR-MM PLIK", "zapisuje deklaracje miesiąca do pliku CSV wg KolumnyED.txt",
     PolecenieEksportDeklaracji},
    {"demo", "[--patients N] [--days D]",
     "wypełnia pustą bazę danymi demonstracyjnymi: lekarze, harmonogramy, porady, badania, pacjenci, wizyty",
     PolecenieDemo},
    {"grafik", "RRRR-MM-DD ID_LEKARZA", "wypisuje dzień lekarza tak, jak pokazuje go siatka wizyt", PolecenieGrafik},
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

static int uruchom(int argc, char** argv) {
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

int main(int argc, char** argv) {
  const int wynik = uruchom(argc, argv);
  Admin::out().flush();
  Admin::err().flush();
  Connection::exitProcess(wynik);
}
