#include "common/Win1250.h"
#include "patients/ImportDeklaracji.h"
#include "patients/Pesel.h"
#include "db/Statement.h"
#include "support/BazaTestowa.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace ImportDeklaracji;

namespace {

// A valid PESEL from its first ten digits.
QString pesel(const QString& dziesiec) {
  static const int wagi[] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int suma = 0;
  for (int i = 0; i < 10; ++i) suma += dziesiec[i].digitValue() * wagi[i];
  return dziesiec + QString::number((10 - suma % 10) % 10);
}

const QString kNaglowek =
    " PESEL ;nazwisko;Imię;Data urodzenia;Kod pocztowy;Miejscowość;Ulica;Nr domu;Nr lokalu;Gmina;Powiat;"
    "Województwo;PŁEĆ;Typ deklaracji;Data operacji;Nr prawa wyk. zaw. lek.;PESEL lekarza";

QString linia(const QString& p, const QString& nazwisko, const QString& typ = "1", const QString& data = "2023-02-01",
              const QString& pwzl = "", const QString& peselLekarza = "", const QString& plec = "K",
              const QString& ur = "2005-03-21") {
  return QStringList{p, nazwisko, "ANNA", ur, "00-950", "WARSZAWA", "POLNA", "1", "", "WARSZAWA", "WARSZAWA",
                     "MAZOWIECKIE", plec, typ, data, pwzl, peselLekarza}
      .join(';');
}

class Import : public ::testing::Test {
 protected:
  void SetUp() override {
    baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, PWZL, PESEL, USUN) values (1, 'NOWAK', '1234567', '70010112345', 'N')",
                  "insert into LEKARZE (ID, NAZWISKO, PWZL, PESEL, USUN) values (2, 'KOWAL', '7654321', '80010112345', 'N')"});
  }
  QString plik(const QStringList& linie) {
    const QString p = baza.katalog() + "deklaracje.csv";
    Win1250::zapiszLinie(p, linie);
    return p;
  }
  WynikImportu importuj(const QStringList& linie) {
    komunikaty.clear();
    PostepImportu postep;
    postep.rozpocznij = [this](int n) { maksimum = n, kroki = 0, otwarty = true; };
    postep.krok = [this] { ++kroki; };
    postep.zakoncz = [this] { otwarty = false; };
    return ImportujDeklaracje(baza.polaczenie(), plik(linie), baza.katalog(), postep,
                              [this](const QString& k) { komunikaty << k; }, start);
  }
  QVariant pole(const QString& p, const QString& kolumna) {
    return baza.wartosc(QString("select %1 from PACJENCI where PESEL = '%2'").arg(kolumna, p));
  }
  BazaTestowa baza;
  QStringList komunikaty;
  int maksimum = -1, kroki = 0;
  bool otwarty = false;
  QDateTime start{QDate(2026, 12, 11), QTime(9, 5)};
  const QString anna = "05232101246";
};

TEST_F(Import, TitleAndBlankLinesAnywhereAreIgnoredAndHeaderNamesMatchLoosely) {
  const WynikImportu w = importuj({TytulListy, "", kNaglowek, "", linia(anna, "NOWA"), TytulListy, ""});
  EXPECT_FALSE(w.bladNaglowka);
  EXPECT_EQ(w.listy.dodane, QStringList({anna + ";NOWA;ANNA"}));
  EXPECT_EQ(maksimum, 2);  // the header and one record
  EXPECT_EQ(kroki, 1);
  EXPECT_FALSE(otwarty);
  EXPECT_EQ(pole(anna, "AKTYW").toString(), "T");
  EXPECT_GT(pole(anna, "ID").toInt(), 0);
}

TEST_F(Import, AnExistingPatientIsOverwrittenWholeAndBecomesActive) {
  baza.wykonaj({QString("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, NRLOKAL, GMINA, AKTYW, DTDEKLARPIEL) "
                        "values (50, 'STARA', 'X', '%1', '7', 'STARA GMINA', 'N', '2020-05-05')")
                    .arg(anna)});
  const WynikImportu w = importuj({kNaglowek, linia(anna, "NOWA")});
  EXPECT_EQ(w.listy.zaktualizowane, QStringList({anna + ";NOWA;ANNA"}));
  EXPECT_TRUE(w.listy.dodane.isEmpty());
  EXPECT_EQ(pole(anna, "ID").toInt(), 50);
  EXPECT_EQ(pole(anna, "NAZWISKO").toString(), "NOWA");
  EXPECT_EQ(pole(anna, "NRLOKAL").toString(), "");  // empty in the file, empty now
  EXPECT_EQ(pole(anna, "GMINA").toString(), "WARSZAWA");
  EXPECT_EQ(pole(anna, "AKTYW").toString(), "T");
  EXPECT_EQ(pole(anna, "DATAUR").toDate(), QDate(2005, 3, 21));
  // Type 1 sets the doctor's declaration date and keeps the nurse's.
  EXPECT_EQ(pole(anna, "DTDEKLARLEK").toDate(), QDate(2023, 2, 1));
  EXPECT_EQ(pole(anna, "DTDEKLARPIEL").toDate(), QDate(2020, 5, 5));
}

TEST_F(Import, DeclarationTypesAndDoctorsAreMatched) {
  struct Przypadek {
    QString pesel, typ, pwzl, peselLekarza;
    int lekarz;
    bool dataLek, dataPiel;
  };
  const QList<Przypadek> przypadki = {
      {pesel("8501011234"), "1", "1234567", "", 1, true, false},
      {pesel("8501011235"), "3", "brak", "80010112345", 2, false, true},
      {pesel("8501011236"), "2", "", "", 0, false, false},
      {pesel("8501011237"), "x", "7654321", "70010112345", 2, false, false},
  };
  QStringList linie{kNaglowek};
  for (const auto& p : przypadki) linie << linia(p.pesel, "TEST", p.typ, "2023-02-01", p.pwzl, p.peselLekarza, "M", "1985-01-01");
  const WynikImportu w = importuj(linie);
  EXPECT_EQ(w.listy.dodane.size(), 4);
  for (const auto& p : przypadki) {
    EXPECT_EQ(pole(p.pesel, "LEKARZ_ID").toInt(), p.lekarz) << p.pesel.toStdString();
    EXPECT_EQ(!pole(p.pesel, "DTDEKLARLEK").isNull(), p.dataLek) << p.pesel.toStdString();
    EXPECT_EQ(!pole(p.pesel, "DTDEKLARPIEL").isNull(), p.dataPiel) << p.pesel.toStdString();
  }
  const QStringList bezLekarza = w.listy.lista(ListaUwag::BezLekarza);
  ASSERT_EQ(bezLekarza.size(), 1);
  EXPECT_TRUE(bezLekarza[0].startsWith(przypadki[2].pesel));
  const QString plikUwag = NazwaPlikuUwag(ListaUwag::BezLekarza, KatalogLogow(baza.katalog()), "2026-12-11_0905");
  EXPECT_EQ(Win1250::czytajLinie(plikUwag).value(0), "Ilość pacjentów bez przypisanego lekarza: 1");
}

TEST_F(Import, LinesThatCannotBeWrittenAreListedAndTheRestGoesOn) {
  const WynikImportu w = importuj({kNaglowek, linia("", "BEZPESELU"), "12345;KROTKA", linia(anna, QString(70, 'X')),
                                   linia(pesel("9001011234"), "DOBRA", "1", "2023-02-01", "1234567", "", "K", "1990-01-01")});
  EXPECT_EQ(w.listy.dodane, QStringList({pesel("9001011234") + ";DOBRA;ANNA"}));
  EXPECT_EQ(w.listy.lista(ListaUwag::BezPesel).size(), 1);
  EXPECT_EQ(w.listy.lista(ListaUwag::Nieczytelne).size(), 2);
  EXPECT_EQ(baza.wartosc("select count(*) from PACJENCI").toInt(), 1);
  EXPECT_TRUE(w.log.join('\n').contains("POMINIĘTO: 2"));
  EXPECT_FALSE(otwarty);
  // Every attention message, then the log's closing message.
  EXPECT_EQ(komunikaty.size(), 3);
  EXPECT_TRUE(komunikaty.last().startsWith("Szczegóły aktualizacji zapisano w pliku:\n"));
}

TEST_F(Import, AHeaderWithoutARequiredNameImportsNothing) {
  QString bezGminy = kNaglowek;
  bezGminy.replace("Gmina;", "Inna;");
  const WynikImportu w = importuj({bezGminy, linia(anna, "NOWA")});
  EXPECT_TRUE(w.bladNaglowka);
  EXPECT_EQ(komunikaty.value(0), BladFormatu);
  EXPECT_EQ(baza.wartosc("select count(*) from PACJENCI").toInt(), 0);
  const QStringList log = Win1250::czytajLinie(w.plikLogu);
  EXPECT_EQ(log.value(0), "Log aktualizacji 2026-12-11 09:05");
  EXPECT_EQ(log.value(2), BladFormatu);
  EXPECT_TRUE(log.contains("ZAKTUALIZOWANO: 0"));
}

TEST_F(Import, ASecondImportInTheSameMinuteReplacesTheFiles) {
  importuj({kNaglowek, linia("", "A"), linia("", "B")});
  const WynikImportu w = importuj({kNaglowek, linia("", "C")});
  const QString bezPesel = NazwaPlikuUwag(ListaUwag::BezPesel, KatalogLogow(baza.katalog()), "2026-12-11_0905");
  EXPECT_EQ(Win1250::czytajLinie(bezPesel).size(), 2);  // the count line and C only
  EXPECT_EQ(QDir(KatalogLogow(baza.katalog())).entryList(QDir::Files).size(), 2);
  EXPECT_EQ(w.plikLogu, NazwaLoguAktualizacji(KatalogLogow(baza.katalog()), "2026-12-11_0905"));
}

TEST_F(Import, ARowLockedByAnotherWorkstationIsListedAndNothingHalfIsWritten) {
  baza.wykonaj({QString("insert into PACJENCI (ID, NAZWISKO, PESEL, AKTYW) values (1, 'ZAJETA', '%1', 'T')").arg(anna)});
  auto drugie = baza.drugiePolaczenie();
  Statement blokada(*drugie, "update PACJENCI set IMIE = 'Z' where ID = 1");
  blokada.execute();
  const WynikImportu w = importuj({kNaglowek, linia(anna, "NOWA")});
  EXPECT_EQ(w.listy.lista(ListaUwag::Nieczytelne).size(), 1);
  drugie->rollbackRetaining();
  EXPECT_EQ(pole(anna, "NAZWISKO").toString(), "ZAJETA");
}

}  // namespace
