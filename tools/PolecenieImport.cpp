// orbe-admin import-declarations FILE: the declarations import without windows.
#include "Admin.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "patients/ImportDeklaracji.h"

#include <QFileInfo>

int PolecenieImport(const QStringList& args) {
  if (args.size() != 1) {
    Admin::err() << "Użycie: orbe-admin import-declarations PLIK" << Qt::endl;
    return 1;
  }
  if (!QFileInfo(args[0]).isFile()) {
    Admin::err() << "Brak pliku: " << args[0] << Qt::endl;
    return 1;
  }
  const StanProgramu stan = Admin::WczytajStan();
  Connection c;
  Admin::Polacz(c, stan);
  const WynikImportu w = ImportujDeklaracje(c, args[0], stan.KatalogDanych, {},
                                            [](const QString& k) { Admin::out() << k << "\n\n"; });
  using namespace ImportDeklaracji;
  Admin::out() << "Zaktualizowano: " << w.listy.zaktualizowane.size() << "\nDodano: " << w.listy.dodane.size()
               << "\nBez PESEL: " << w.listy.lista(ListaUwag::BezPesel).size()
               << "\nBłędne PESEL: " << w.listy.lista(ListaUwag::BlednePesele).size()
               << "\nNiezgodne PESEL/data urodzenia: " << w.listy.lista(ListaUwag::NiezgodnaData).size()
               << "\nNiezgodne PESEL/płeć: " << w.listy.lista(ListaUwag::NiezgodnaPlec).size()
               << "\nBez lekarza: " << w.listy.lista(ListaUwag::BezLekarza).size()
               << "\nPominięte linie: " << w.listy.lista(ListaUwag::Nieczytelne).size() << Qt::endl;
  return w.bladNaglowka ? 3 : 0;
}
