// The day grid against a demo database of 100,000 patients and about 500,000
// visits: building the rows of a busy day (60 visits over three working
// ranges) from the open queries, and the whole date change as the main window
// makes it (both queries, the rebuild, the grid's new rows and the row by time).
#include "db/Connection.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "schedule/DemoDane.h"
#include "schedule/SiatkaDniaWidok.h"
#include "schedule/SiatkaWizytDane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Wynik {
  double mediana, min, max;
};

// Median of `powtorzen` timed runs of `krok`, in milliseconds; `przed` runs untimed before each.
Wynik Zmierz(int powtorzen, const std::function<void()>& przed, const std::function<void()>& krok) {
  std::vector<double> czasy;
  for (int i = 0; i < powtorzen; ++i) {
    if (przed) przed();
    QElapsedTimer t;
    t.start();
    krok();
    czasy.push_back(double(t.nsecsElapsed()) / 1e6);
  }
  std::sort(czasy.begin(), czasy.end());
  return {czasy[czasy.size() / 2], czasy.front(), czasy.back()};
}

int Liczba(Connection& c, const QString& sql) {
  Statement s(c, sql);
  s.execute();
  return s.rows().value(0).value(0).toInt();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  constexpr int kGrafikCo = 10;

  QTemporaryDir dir;
  const QString baza = dir.filePath("BENCH.FDB");
  createClinicDatabase(baza, DomyslneParametryPolaczenia());
  Connection c;
  c.open(baza, DomyslneParametryPolaczenia(), Connection::Access::Embedded);

  // About 160 visits a day over five doctors: 3,100 days each side of today give ~500,000.
  ParametryDemo p;
  p.pacjentow = 100000;
  p.dni = 3100;
  QElapsedTimer wypelnianie;
  wypelnianie.start();
  const WynikDemo demo = WypelnijDemo(c, p);
  std::printf("demo database: %d patients, %d visits, %d doctors in %.1f s\n", demo.pacjentow, demo.wizyt,
              demo.lekarzy, wypelnianie.elapsed() / 1000.0);

  // The busy day: next week's Tuesday of the doctor with three ranges on Tuesdays,
  // its visits replaced by 60: every slot of the ranges, six of them between slots.
  const QDate wtorek = p.dzis.addDays(8 - p.dzis.dayOfWeek() + 1);
  int lekarz = 0;
  {
    Statement s(c, "select LEKARZ_ID from HARMONOGRAM where DZIEN = 2 group by LEKARZ_ID having count(*) = 3");
    s.execute();
    lekarz = s.rows().value(0).value(0).toInt();
  }
  SiatkaWizytDane dane(c);
  dane.OtworzHarmonogram(wtorek, lekarz);
  const auto zakresy = dane.ZakresyPracy();
  if (lekarz == 0 || zakresy.size() != 3) {
    std::fprintf(stderr, "no doctor with three ranges on Tuesday\n");
    return 1;
  }
  {
    Statement usun(c, "delete from WIZYTY where DATA = :data and LEKARZ_ID = :lekarz");
    usun.setParam("data", wtorek);
    usun.setParam("lekarz", lekarz);
    usun.execute();
    Statement klucz(c, "select GEN_ID(GEN_WIZYTY_ID, 60) from RDB$DATABASE");
    klucz.execute();
    int id = klucz.rows().value(0).value(0).toInt() - 59;
    Statement wstaw(c, "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) "
                       "values (:id, :pacjent, :lekarz, 0, :data, :godz)");
    std::vector<int> minuty;
    for (const auto& z : zakresy)
      for (int m = z.godz1; m < z.godz2; m += kGrafikCo) minuty.push_back(m);
    for (int i = 0; minuty.size() < 60; i += 9) minuty.push_back(minuty[static_cast<size_t>(i)] + 5);
    for (int m : minuty) {
      wstaw.setParam("id", id);
      wstaw.setParam("pacjent", 1 + id % demo.pacjentow);
      wstaw.setParam("lekarz", lekarz);
      wstaw.setParam("data", wtorek);
      wstaw.setParam("godz", QTime(m / 60, m % 60));
      wstaw.execute();
      ++id;
    }
    c.commitRetaining();
  }
  std::printf("visits in the database: %d; busy day %s, doctor %d: %d visits, %zu ranges\n",
              Liczba(c, "select count(*) from WIZYTY"), qPrintable(wtorek.toString(Qt::ISODate)), lekarz,
              Liczba(c, QString("select count(*) from WIZYTY where DATA = '%1' and LEKARZ_ID = %2")
                            .arg(wtorek.toString(Qt::ISODate))
                            .arg(lekarz)),
              zakresy.size());

  dane.OtworzPorady();
  dane.OtworzWizyty(wtorek, lekarz);
  size_t wierszy = 0;
  const Wynik budowa = Zmierz(200, nullptr, [&] { wierszy = dane.ZbudujWiersze(kGrafikCo).size(); });
  std::printf("bench_siatka grid build: %zu rows, 200 runs: median %.3f ms (min %.3f, max %.3f)\n", wierszy,
              budowa.mediana, budowa.min, budowa.max);

  // The date change, from the Monday before to the busy Tuesday, as TForm1 runs it.
  SiatkaDniaWidok widok;
  widok.resize(1100, 600);
  widok.show();
  auto zmianaDnia = [&](const QDate& data) {
    dane.OtworzWizyty(data, lekarz);
    dane.OtworzHarmonogram(data, lekarz);
    widok.UstawGodzinyPracy(lekarz, dane.ZakresyPracy());
    widok.UstawWiersze(dane.ZbudujWiersze(kGrafikCo));
    widok.WybierzWiersz(SiatkaDnia::UstawWierszWgCzasu(widok.Wiersze(), QTime::currentTime(), widok.WybranyWiersz()));
  };
  const Wynik zmiana = Zmierz(
      50, [&] { zmianaDnia(wtorek.addDays(-1)); }, [&] { zmianaDnia(wtorek); });
  std::printf("bench_siatka date change: %zu rows, %d visits, 50 runs: median %.2f ms (min %.2f, max %.2f)\n",
              widok.Wiersze().size(), dane.sqlWizyty.count(), zmiana.mediana, zmiana.min, zmiana.max);
  return dane.sqlWizyty.count() == 60 ? 0 : 1;
}
