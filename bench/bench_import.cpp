// The declarations import on a large register: a KS-SWD file of declaration
// lines (half of them patients already in the database, half new ones) read
// into PACJENCI by ImportujDeklaracje, against a minimal loop that runs the
// same three statements (declaration dates, update, insert when nothing was
// updated) with the values already split, on a copy of the same database and
// the same kind of connection. The ratio is what the import's own work costs:
// reading and splitting the file, the checks, the lists and the log.
//   bench_import [patients] [lines]   (default 200000 and 100000; the databases
//   are files in $TMPDIR)
#include "common/Win1250.h"
#include "db/Connection.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "patients/ImportDeklaracji.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

const char* const Nazwiska[] = {"NOWAK", "KOWALSKI", "WIŚNIEWSKI", "WÓJCIK", "KOWALCZYK", "KAMIŃSKI", "LEWANDOWSKI",
                                "ZIELIŃSKI", "SZYMAŃSKI", "WOŹNIAK", "DĄBROWSKI", "KOZŁOWSKI", "JANKOWSKI", "MAZUR"};
const char* const Imiona[] = {"ANNA", "MARIA", "KATARZYNA", "MAŁGORZATA", "PIOTR", "KRZYSZTOF", "PAWEŁ", "ŁUKASZ"};
const int Lekarzy = 20;

// Patient number n: a valid PESEL of its own (date, serial, sex digit, check digit).
struct Osoba {
  QString pesel, nazwisko, imie, plec;
  QDate ur;
};

Osoba osoba(int n) {
  static const int wagi[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  Osoba o;
  o.ur = QDate(1930, 1, 1).addDays(n % 25000);
  const int seria = n / 25000;
  const int plec = n % 10;  // odd: M
  QString p = o.ur.toString(QStringLiteral("yyMMdd")) + QStringLiteral("%1").arg(seria, 3, 10, QChar(u'0')) +
              QString::number(plec);
  int suma = 0;
  for (int i = 0; i < 10; ++i) suma += p[i].digitValue() * wagi[i];
  o.pesel = p + QString::number((10 - suma % 10) % 10);
  o.nazwisko = QString::fromUtf8(Nazwiska[n % std::size(Nazwiska)]) + QString::number(n % 97);
  o.imie = QString::fromUtf8(Imiona[(n / 7) % std::size(Imiona)]);
  o.plec = plec % 2 ? QStringLiteral("M") : QStringLiteral("K");
  return o;
}

QString pwzl(int lekarz) { return QString::number(1000000 + lekarz); }

double ms(const std::function<void()>& f) {
  QElapsedTimer t;
  t.start();
  f();
  return t.nsecsElapsed() / 1e6;
}

void generuj(Connection& c, int pacjentow) {
  for (int l = 1; l <= Lekarzy; ++l) {
    Statement st(c, QStringLiteral("insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
                                   "values (:id, :nazwisko, 'JAN', :pwzl, :pesel, 0, 'N')"));
    st.setParam("id", l);
    st.setParam("nazwisko", QStringLiteral("LEKARZ%1").arg(l));
    st.setParam("pwzl", pwzl(l));
    st.setParam("pesel", QStringLiteral("600101%1").arg(l, 5, 10, QChar(u'0')));
    st.execute();
  }
  Statement ins(c, QStringLiteral("insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DATAUR, PLEC, AKTYW, "
                                  "KODP, POCZTA, ULICA, NRDOMU, DTDEKLARPIEL) values (:id, :lekarz, :nazwisko, :imie, "
                                  ":pesel, :dataur, :plec, 'T', '00-950', 'WARSZAWA', 'POLNA', '5', '2020-01-01')"));
  for (int n = 0; n < pacjentow; ++n) {
    const Osoba o = osoba(n);
    ins.setParam("id", n + 1);
    ins.setParam("lekarz", 1 + n % Lekarzy);
    ins.setParam("nazwisko", o.nazwisko);
    ins.setParam("imie", o.imie);
    ins.setParam("pesel", o.pesel);
    ins.setParam("dataur", o.ur);
    ins.setParam("plec", o.plec);
    ins.execute();
  }
  // New patients of the import take their IDs from the sequence.
  Statement(c, QStringLiteral("alter sequence GEN_PACJENCI_ID restart with %1").arg(pacjentow)).execute();
  c.commitRetaining();
}

// Declaration lines: every other one a patient of the register, the rest new
// patients, in a shuffled order, each with a doctor's licence number.
QStringList deklaracje(int pacjentow, int linii) {
  std::vector<int> numery;
  const int starych = linii / 2;
  const int co = std::max(1, pacjentow / starych);
  for (int i = 0; i < starych; ++i) numery.push_back((i * co) % pacjentow);
  for (int i = 0; i < linii - starych; ++i) numery.push_back(pacjentow + i);
  std::shuffle(numery.begin(), numery.end(), std::mt19937(12345));
  QStringList l{ImportDeklaracji::TytulListy,
                "PESEL;Nazwisko;Imię;Data urodzenia;Kod pocztowy;Miejscowość;Ulica;Nr domu;Nr lokalu;Gmina;Powiat;"
                "Województwo;Płeć;Typ deklaracji;Data operacji;Nr prawa wyk. zaw. lek.;PESEL lekarza"};
  for (int n : numery) {
    const Osoba o = osoba(n);
    l << QStringList{o.pesel, o.nazwisko, o.imie, o.ur.toString(QStringLiteral("yyyy-MM-dd")), "30-001", "KRAKÓW",
                     "DŁUGA", QString::number(1 + n % 200), n % 3 ? QString::number(n % 40) : QString(), "KRAKÓW",
                     "KRAKÓW", "MAŁOPOLSKIE", o.plec, n % 4 ? "1" : "3", "2023-02-01", pwzl(1 + n % Lekarzy), ""}
             .join(u';');
  }
  return l;
}

// The same statements as the import, values split in advance.
struct Wartosci {
  QString pesel, nazwisko, imie, ulica, nrdomu, nrlokal, kodp, poczta, gmina, powiat, wojewodztwo, plec;
  QDate ur, operacja;
  int typ, lekarz;
};

int petla(Connection& c, const QList<Wartosci>& linie) {
  Statement daty(c, QStringLiteral("select DTDEKLARLEK, DTDEKLARPIEL from PACJENCI where PESEL = :pesel"));
  Statement upd(c, QStringLiteral("update PACJENCI set LEKARZ_ID = :lekarz_id, NAZWISKO = :nazwisko, IMIE = :imie, "
                                  "ULICA = :ulica, NRDOMU = :nrdomu, NRLOKAL = :nrlokal, KODP = :kodp, POCZTA = :poczta, "
                                  "GMINA = :gmina, POWIAT = :powiat, WOJEWODZTWO = :wojewodztwo, PLEC = :plec, "
                                  "DATAUR = :dataur, DTDEKLARLEK = :dtdeklarlek, DTDEKLARPIEL = :dtdeklarpiel, "
                                  "AKTYW = :aktyw where PESEL = :pesel"));
  Statement ins(c, QStringLiteral("insert into PACJENCI (LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, "
                                  "POCZTA, GMINA, POWIAT, WOJEWODZTWO, DATAUR, PLEC, DTDEKLARLEK, DTDEKLARPIEL, AKTYW) "
                                  "values (:lekarz_id, :nazwisko, :imie, :pesel, :ulica, :nrdomu, :nrlokal, :kodp, "
                                  ":poczta, :gmina, :powiat, :wojewodztwo, :dataur, :plec, :dtdeklarlek, "
                                  ":dtdeklarpiel, :aktyw)"));
  int dodanych = 0;
  for (const Wartosci& w : linie) {
    daty.setParam("pesel", w.pesel);
    daty.execute();
    QVariant lek, piel;
    if (!daty.rows().isEmpty()) lek = daty.rows()[0][0], piel = daty.rows()[0][1];
    if (w.typ == 1) lek = w.operacja;
    if (w.typ == 3) piel = w.operacja;
    for (Statement* st : {&upd, &ins}) {
      st->setParam("lekarz_id", w.lekarz);
      st->setParam("nazwisko", w.nazwisko);
      st->setParam("imie", w.imie);
      st->setParam("pesel", w.pesel);
      st->setParam("ulica", w.ulica);
      st->setParam("nrdomu", w.nrdomu);
      st->setParam("nrlokal", w.nrlokal);
      st->setParam("kodp", w.kodp);
      st->setParam("poczta", w.poczta);
      st->setParam("gmina", w.gmina);
      st->setParam("powiat", w.powiat);
      st->setParam("wojewodztwo", w.wojewodztwo);
      st->setParam("plec", w.plec);
      st->setParam("dataur", w.ur);
      st->setParam("dtdeklarlek", lek);
      st->setParam("dtdeklarpiel", piel);
      st->setParam("aktyw", QStringLiteral("T"));
      if (st == &ins) break;
    }
    upd.execute();
    if (upd.rowsAffected() == 0) {
      ins.execute();
      ++dodanych;
    }
  }
  c.commitRetaining();
  return dodanych;
}

QList<Wartosci> rozbij(const QStringList& plik) {
  QList<Wartosci> wynik;
  for (qsizetype i = 2; i < plik.size(); ++i) {
    const QStringList f = plik[i].split(u';');
    Wartosci w{f[0], f[1], f[2], f[6], f[7], f[8], f[4], f[5], f[9], f[10], f[11], f[12],
               QDate::fromString(f[3], QStringLiteral("yyyy-MM-dd")), QDate::fromString(f[14], QStringLiteral("yyyy-MM-dd")),
               f[13].toInt(), f[15].toInt() - 1000000};
    wynik << w;
  }
  return wynik;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int pacjentow = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 200000;
  const int linii = argc > 2 ? QString::fromLatin1(argv[2]).toInt() : 100000;
  QTemporaryDir dir;
  const QString wzor = dir.filePath(QStringLiteral("wzor.fdb"));
  createClinicDatabase(wzor, DomyslneParametryPolaczenia());
  {
    Connection c;
    c.open(wzor, DomyslneParametryPolaczenia(), Connection::Access::Embedded);
    std::printf("generating %d patients...\n", pacjentow);
    std::fflush(stdout);
    const double gen = ms([&] { generuj(c, pacjentow); });
    std::printf("generated in %.1f s\n", gen / 1000);
    c.close();
  }
  const QString baza1 = dir.filePath(QStringLiteral("import.fdb")), baza2 = dir.filePath(QStringLiteral("petla.fdb"));
  QFile::copy(wzor, baza1);
  QFile::copy(wzor, baza2);

  const QStringList linie = deklaracje(pacjentow, linii);
  const QString plik = dir.filePath(QStringLiteral("deklaracje.csv"));
  Win1250::zapiszLinie(plik, linie);
  std::printf("%d declaration lines (%lld bytes), half of them patients in the register\n\n", linii,
              static_cast<long long>(QFileInfo(plik).size()));
  std::fflush(stdout);

  WynikImportu wynik;
  int komunikatow = 0;
  double tImport = 0;
  {
    Connection c;
    c.open(baza1, DomyslneParametryPolaczenia(), Connection::Access::Embedded);
    tImport = ms([&] {
      wynik = ImportujDeklaracje(c, plik, dir.path() + u'/', {}, [&](const QString&) { ++komunikatow; });
    });
    c.close();
  }
  const QList<Wartosci> wartosci = rozbij(linie);
  int dodanych = 0;
  double tPetla = 0;
  {
    Connection c;
    c.open(baza2, DomyslneParametryPolaczenia(), Connection::Access::Embedded);
    tPetla = ms([&] { dodanych = petla(c, wartosci); });
    c.close();
  }

  std::printf("%-44s %10s %12s %10s %10s\n", "", "s", "lines/s", "updated", "added");
  std::printf("%-44s %10.2f %12.0f %10lld %10lld\n", "ImportujDeklaracje (file, checks, lists, log)", tImport / 1000,
              linii / (tImport / 1000), static_cast<long long>(wynik.listy.zaktualizowane.size()),
              static_cast<long long>(wynik.listy.dodane.size()));
  std::printf("%-44s %10.2f %12.0f %10d %10d\n", "minimal loop, the same three statements", tPetla / 1000,
              linii / (tPetla / 1000), linii - dodanych, dodanych);
  std::printf("\nimport / loop: %.2f   (messages shown: %d, lines listed as unreadable or refused: %lld)\n",
              tImport / tPetla, komunikatow,
              static_cast<long long>(wynik.listy.lista(ImportDeklaracji::ListaUwag::Nieczytelne).size()));
  return 0;
}
