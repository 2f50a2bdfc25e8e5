// The patient list on a large register: opening (count + first page), a
// surname-prefix filter, a PESEL-prefix filter and page 50, each as the window
// does it through PacjenciDane; medians of several runs and the server's plans.
//   bench_pacjenci [patients]   (default 1000000; the database is a file in
//   $TMPDIR, which may be a RAM disk to fill it faster)
#include "db/Connection.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "patients/PacjenciDane.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

const char* const Nazwiska[] = {"NOWAK", "KOWALSKI", "WIŚNIEWSKI", "WÓJCIK", "KOWALCZYK", "KAMIŃSKI", "LEWANDOWSKI",
                                "ZIELIŃSKI", "SZYMAŃSKI", "WOŹNIAK", "DĄBROWSKI", "KOZŁOWSKI", "JANKOWSKI", "MAZUR",
                                "KWIATKOWSKI", "KRAWCZYK", "PIOTROWSKI", "GRABOWSKI", "NOWAKOWSKI", "PAWŁOWSKI",
                                "MICHALSKI", "NOWICKI", "ADAMCZYK", "DUDEK", "ZAJĄC", "WIECZOREK", "JABŁOŃSKI", "KRÓL",
                                "MAJEWSKI", "OLSZEWSKI", "JAWORSKI", "WRÓBEL", "MALINOWSKI", "PAWLAK", "WITKOWSKI",
                                "WALCZAK", "STĘPIEŃ", "GÓRSKI", "RUTKOWSKI", "MICHALAK", "SIKORA", "OSTROWSKI",
                                "BARAN", "DUDA", "SZEWCZYK", "TOMASZEWSKI", "PIETRZAK", "MARCINIAK", "WRÓBLEWSKI",
                                "ZALEWSKI", "ŁUKASIK", "ŻAK"};
const char* const Imiona[] = {"ANNA", "MARIA", "KATARZYNA", "MAŁGORZATA", "AGNIESZKA", "PIOTR", "KRZYSZTOF",
                              "ANDRZEJ", "TOMASZ", "PAWEŁ", "JAN", "MICHAŁ", "MARCIN", "EWA", "ŁUKASZ", "ZOFIA"};

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double ms(const std::function<void()>& f) {
  QElapsedTimer t;
  t.start();
  f();
  return t.nsecsElapsed() / 1e6;
}

void generuj(Connection& c, int ile) {
  std::mt19937 los(12345);
  Statement ins(c, QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, DATAUR, PLEC, AKTYW, KODP, POCZTA, "
                                  "ULICA, NRDOMU) values (:ID, :NAZWISKO, :IMIE, :PESEL, :DATAUR, :PLEC, :AKTYW, "
                                  "'00-950', 'WARSZAWA', 'POLNA', '5')"));
  const int nN = std::size(Nazwiska), nI = std::size(Imiona);
  for (int i = 1; i <= ile; ++i) {
    // Surnames with a two-digit suffix give about 5,000 distinct ones.
    const QString nazwisko = QString::fromUtf8(Nazwiska[los() % nN]) + QString::number(los() % 100);
    const QDate ur = QDate(1930, 1, 1).addDays(los() % 30000);
    const QString pesel = ur.toString(QStringLiteral("yyMMdd")) + QStringLiteral("%1").arg(los() % 100000, 5, 10, QChar('0'));
    ins.setParam(QStringLiteral("ID"), i);
    ins.setParam(QStringLiteral("NAZWISKO"), nazwisko);
    ins.setParam(QStringLiteral("IMIE"), QString::fromUtf8(Imiona[los() % nI]));
    ins.setParam(QStringLiteral("PESEL"), pesel);
    ins.setParam(QStringLiteral("DATAUR"), ur);
    ins.setParam(QStringLiteral("PLEC"), (i % 2) ? QStringLiteral("M") : QStringLiteral("K"));
    ins.setParam(QStringLiteral("AKTYW"), (i % 50 == 0) ? QStringLiteral("N") : QStringLiteral("T"));
    ins.execute();
    if (i % 100000 == 0) {
      std::printf("  %d\n", i);
      std::fflush(stdout);
    }
  }
  c.commitRetaining();
}

struct Przypadek {
  const char* nazwa;
  bool filtr;
  QString tekst;
  int strona;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int ile = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 1000000;
  const int powtorzen = 7;
  QTemporaryDir dir;
  const QString sciezka = dir.filePath(QStringLiteral("ORBE.FDB"));
  createClinicDatabase(sciezka, DomyslneParametryPolaczenia());
  Connection c;
  c.open(sciezka, DomyslneParametryPolaczenia(), Connection::Access::Embedded);

  std::printf("generating %d patients...\n", ile);
  std::fflush(stdout);
  const double gen = ms([&] { generuj(c, ile); });
  std::printf("generated in %.1f s (%.1f us per row, one commit)\n\n", gen / 1000, gen * 1000 / ile);

  PacjenciDane dane(c);
  dane.OtworzLekarzy();
  const QList<Przypadek> przypadki = {
      {"open (count + first page)", false, {}, 0},
      {"surname prefix \"kowal\"", true, QStringLiteral("kowal"), 0},
      {"surname + name \"nowak1 anna\"", true, QStringLiteral("nowak1 anna"), 0},
      {"PESEL prefix \"8001\"", true, QStringLiteral("8001"), 0},
      {"page 50 (skip 4900)", false, {}, 49},
  };
  std::printf("%-32s %12s %12s %10s %8s\n", "case", "count ms", "page ms", "results", "rows");
  for (const Przypadek& p : przypadki) {
    std::vector<double> liczenie, strona;
    for (int r = 0; r < powtorzen; ++r) {
      dane.sqlPacjenci.close();
      dane.BudujWarunki(p.filtr, p.tekst, false);
      liczenie.push_back(ms([&] { dane.PoliczWyniki(); }));
      dane.Strona = p.strona;
      strona.push_back(ms([&] { dane.PobierzStrone(); }));
    }
    std::printf("%-32s %12.1f %12.1f %10d %8d\n", p.nazwa, median(liczenie), median(strona), dane.IloscWynikow,
                dane.sqlPacjenci.count());
  }

  std::printf("\nplans\n");
  for (const Przypadek& p : przypadki) {
    const auto w = WarunkiPacjentow::BudujWarunki(p.filtr, p.tekst, false);
    Statement ilosc(c, WarunkiPacjentow::ZapytanieIlosci(QStringLiteral("PACJENCI"), w));
    Statement str(c, WarunkiPacjentow::ZapytanieStrony(QStringLiteral("PACJENCI"), w, p.strona));
    std::printf("%s\n  count: %s\n  page:  %s\n", p.nazwa, qPrintable(ilosc.plan().trimmed()),
                qPrintable(str.plan().trimmed()));
  }
  Statement znajdz(c, QStringLiteral("select ID from PACJENCI where PESEL = cast(:pesel as varchar(100))"));
  std::printf("ZnajdzPacjenta\n  %s\n", qPrintable(znajdz.plan().trimmed()));
  dane.Zamknij();
  c.close();
  return 0;
}
