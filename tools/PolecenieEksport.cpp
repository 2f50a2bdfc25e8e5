// orbe-admin export-visits / export-declarations YYYY-MM FILE: the month's
// export written from the data folder's column template, row for row what the
// export window would save.
#include "Admin.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "exports/EksportDane.h"
#include "exports/PlikCSV.h"
#include "exports/SzablonyPrzykladowe.h"

#include <QFile>

using BudowaPodgladu = PodgladEksportu (*)(Connection&, int, int, const SzablonKolumn&);

static int Eksport(const QStringList& args, const char* plikSzablonu, BudowaPodgladu podglad, const char* czego) {
  int rok = 0, miesiac = 0;
  if (args.size() != 2 || !RozbierzMiesiacEksportu(args.at(0), rok, miesiac)) {
    Admin::err() << "Podaj miesiąc jako RRRR-MM (rok " << RokEksportuOd << "-" << RokEksportuDo
                 << ") i nazwę pliku CSV." << Qt::endl;
    return 1;
  }
  const StanProgramu stan = Admin::WczytajStan();
  const QString sciezkaSzablonu = stan.KatalogDanych + QString::fromLatin1(plikSzablonu);
  if (!QFile::exists(sciezkaSzablonu)) {
    Admin::err() << "Brak pliku definicji kolumn:\n" << sciezkaSzablonu << Qt::endl;
    return 3;
  }
  const SzablonKolumn szablon = CzytajSzablonKolumn(sciezkaSzablonu);
  PodgladEksportu wynik;
  try {
    Connection polaczenie;
    Admin::Polacz(polaczenie, stan);
    wynik = podglad(polaczenie, rok, miesiac, szablon);
  } catch (const DbError& e) {
    Admin::err() << e.message() << Qt::endl;
    return 4;
  }
  ZapiszEksportCSV(args.at(1), szablon, wynik.wiersze);
  Admin::out() << "Zapisano " << wynik.wiersze.size() << ' ' << czego << " do pliku " << args.at(1) << Qt::endl;
  return 0;
}

int PolecenieEksportWizyt(const QStringList& args) {
  return Eksport(args, PlikKolumnWizyt, PodgladEksportuWizyt, "wierszy wizyt");
}

int PolecenieEksportDeklaracji(const QStringList& args) {
  return Eksport(args, PlikKolumnDeklaracji, PodgladEksportuDeklaracji, "wierszy deklaracji");
}
