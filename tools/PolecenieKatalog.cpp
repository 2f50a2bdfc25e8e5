// orbe-admin katalog: prints the data folder the program would use.
#include "Admin.h"
#include "Polecenia.h"

int PolecenieKatalog(const QStringList&) {
  Admin::out() << Admin::WczytajStan().KatalogDanych << Qt::endl;
  return 0;
}
