// Visit export of one month with 30,000 visits and a 20-column template: the
// query, the preview rows and the CSV file, as the window and orbe-admin do it.
#include "db/Connection.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "exports/EksportDane.h"
#include "exports/PlikCSV.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  constexpr int Wizyt = 30000;
  constexpr int Powtorzen = 7;

  QTemporaryDir dir;
  const QString baza = dir.filePath("BENCH.FDB");
  createClinicDatabase(baza, DomyslneParametryPolaczenia());
  Connection c;
  c.open(baza, DomyslneParametryPolaczenia(), Connection::Access::Embedded);

  // Doctors, advice types, patients and the month's visits, each through one
  // prepared statement.
  Statement lekarz(c, "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
                      "values (:id, :nazwisko, 'Jan', '1234567', '70010112345', 0, 'N')");
  Statement porada(c, "insert into PORADY (ID, KOD, NAZWA) values (:id, :kod, :nazwa)");
  for (int i = 1; i <= 10; ++i) {
    lekarz.setParam("id", i);
    lekarz.setParam("nazwisko", QString("Lekarz%1").arg(i));
    lekarz.execute();
    porada.setParam("id", i);
    porada.setParam("kod", QString("P%1").arg(i));
    porada.setParam("nazwa", QString("Porada numer %1").arg(i));
    porada.execute();
  }
  Statement pacjent(c,
                    "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, "
                    "GMINA, POWIAT, WOJEWODZTWO, DATAUR, PLEC, DTDEKLARLEK, AKTYW) values (:id, :lekarz, :nazwisko, "
                    "'Żaneta', :pesel, 'Łąkowa', :dom, '3', '00-950', 'Warszawa', 'Gmina', 'Powiat', 'mazowieckie', "
                    ":ur, 'K', '2023-01-15', 'T')");
  for (int i = 1; i <= 3000; ++i) {
    pacjent.setParam("id", i);
    pacjent.setParam("lekarz", i % 10 + 1);
    pacjent.setParam("nazwisko", QString("Nazwisko%1").arg(i));
    pacjent.setParam("pesel", QString("%1").arg(i, 11, 10, QChar('0')));
    pacjent.setParam("dom", QString::number(i % 200));
    pacjent.setParam("ur", QDate(2000, 1, 1).addDays(-i));
    pacjent.execute();
  }
  Statement wizyta(c, "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
                      "values (:id, :pacjent, :lekarz, :porada, :data, :godz, :icd)");
  for (int i = 1; i <= Wizyt; ++i) {
    wizyta.setParam("id", i);
    wizyta.setParam("pacjent", i % 3000 + 1);
    wizyta.setParam("lekarz", i % 10 + 1);
    wizyta.setParam("porada", i % 10 + 1);
    wizyta.setParam("data", QDate(2024, 3, 1).addDays(i % 31));
    wizyta.setParam("godz", QTime(8, 0).addSecs((i % 60) * 600));
    wizyta.setParam("icd", QString("J%1").arg(i % 100));
    wizyta.execute();
  }
  c.commitRetaining();

  const QStringList linie = {
      "Lp=<LP>", "Data=<DATA>", "Godzina=<GODZ>", "ICD10=<ICD10>", "Nazwisko=<P.NAZWISKO>", "Imię=<P.IMIE>",
      "PESEL=<P.PESEL>", "Adres=ul. <P.ULICA> <P.NRDOMU>/<P.NRLOKAL>", "Kod=<P.KODP>", "Poczta=<P.POCZTA>",
      "Gmina=<P.GMINA>", "Powiat=<P.POWIAT>", "Województwo=<P.WOJEWODZTWO>", "Urodzony=<P.DATAUR>",
      "Płeć=<P.PLEC>", "Deklaracja=<P.DTDEKLARLEK>", "Lekarz=<L.NAZWISKO> <L.IMIE>", "PWZ=<L.PWZL>",
      "Porada=<PORADA.KOD>", "Opis=stała <NIEZNANE> <PORADA.NAZWA>"};
  SzablonKolumn szablon;
  for (const QString& l : linie) szablon.append(RozbierzLinieSzablonu(l));

  std::vector<double> czasy;
  qsizetype wierszy = 0;
  for (int i = 0; i < Powtorzen; ++i) {
    QElapsedTimer t;
    t.start();
    const PodgladEksportu p = PodgladEksportuWizyt(c, 2024, 3, szablon);
    ZapiszEksportCSV(dir.filePath("eksport.csv"), szablon, p.wiersze);
    czasy.push_back(double(t.nsecsElapsed()) / 1e6);
    wierszy = p.wiersze.size();
  }
  std::sort(czasy.begin(), czasy.end());
  std::printf("bench_eksport: %lld rows x %lld columns, %d runs: median %.1f ms (min %.1f, max %.1f)\n",
              static_cast<long long>(wierszy), static_cast<long long>(szablon.size()), Powtorzen,
              czasy[czasy.size() / 2], czasy.front(), czasy.back());
  return wierszy == Wizyt ? 0 : 1;
}
