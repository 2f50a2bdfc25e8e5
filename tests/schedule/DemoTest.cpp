// The demo data: valid PESEL numbers, Polish name forms, and a filled database
// the main window opens with one tab per doctor.
#include "db/Dataset.h"
#include "patients/Pesel.h"
#include "schedule/DemoDane.h"
#include "schedule/DemoReguly.h"
#include "schedule/SiatkaDniaWidok.h"
#include "schedule/ZakladkiLekarzy.h"
#include "support/OknoGlowneTestowe.h"

#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace DemoReguly;

TEST(DemoReguly, PeselNumbersAreValidAndEncodeBirthAndSex) {
  struct Przypadek {
    QDate data;
    bool kobieta;
    int seria;
  } przypadki[] = {
      {{1899, 12, 31}, true, 0},  {{1950, 1, 1}, false, 4999}, {{1980, 5, 17}, true, 17},
      {{2005, 2, 28}, false, 123}, {{2024, 2, 29}, true, 2500}, {{2150, 6, 15}, false, 7},
  };
  for (const auto& p : przypadki) {
    const QString pesel = Pesel(p.data, p.kobieta, p.seria);
    SCOPED_TRACE(pesel.toStdString());
    EXPECT_TRUE(PeselPoprawny(pesel));
    EXPECT_EQ(DataUrodzeniaZPesel(pesel), p.data);
    EXPECT_EQ(PlecZPesel(pesel), p.kobieta ? "K" : "M");
  }
  EXPECT_NE(Pesel({1980, 5, 17}, true, 17), Pesel({1980, 5, 17}, true, 18));
}

TEST(DemoReguly, FemaleSurnamesTakeTheirForm) {
  const std::pair<const char*, const char*> przypadki[] = {
      {"KOWALSKI", "KOWALSKA"}, {"NOWICKI", "NOWICKA"}, {"ZAWADZKI", "ZAWADZKA"}, {"NOWAK", "NOWAK"},
      {"KRÓL", "KRÓL"}, {"MALINOWSKI", "MALINOWSKA"}};
  for (const auto& [m, k] : przypadki) EXPECT_EQ(NazwiskoZenskie(QString::fromUtf8(m)), QString::fromUtf8(k));
}

TEST(DemoReguly, PeopleAndAddressesFitTheColumns) {
  Losowanie g(7);
  const QDate dzis(2024, 6, 3);
  for (int i = 0; i < 2000; ++i) {
    const Osoba o = LosujOsobe(g, dzis);
    ASSERT_TRUE(PeselPoprawny(o.pesel)) << o.pesel.toStdString();
    ASSERT_TRUE(PeselZgodnyZData(o.pesel, o.dataUr));
    ASSERT_LE(o.dataUr, dzis);
    ASSERT_EQ(o.nazwisko, o.nazwisko.toUpper());
    const Adres a = LosujAdres(g);
    ASSERT_LE(a.ulica.size(), 32);
    ASSERT_LE(a.nrDomu.size(), 8);
    ASSERT_TRUE(QRegularExpression("^\\d\\d-\\d\\d\\d$").match(a.kodP).hasMatch()) << a.kodP.toStdString();
  }
}

TEST(DemoDane, FillsAnEmptyDatabaseOnceAndTheWindowShowsIt) {
  OknoGlowneTestowe t(false);
  Connection& c = t.baza.polaczenie();
  ASSERT_TRUE(BazaPustaDlaDemo(c));
  ParametryDemo p;
  p.pacjentow = 300;
  p.dni = 7;
  const WynikDemo w = WypelnijDemo(c, p);
  EXPECT_FALSE(BazaPustaDlaDemo(c));
  EXPECT_EQ(w.lekarzy, 5);
  EXPECT_EQ(t.baza.wartosc("select count(*) from PACJENCI").toInt(), 300);
  EXPECT_EQ(t.baza.wartosc("select count(distinct PESEL) from PACJENCI").toInt(), 300);
  EXPECT_EQ(t.baza.wartosc("select count(*) from WIZYTY").toInt(), w.wizyt);
  EXPECT_GT(w.wizyt, 100);
  EXPECT_EQ(t.baza.wartosc("select count(distinct KOLOR) from LEKARZE").toInt(), 5);
  EXPECT_EQ(t.baza.wartosc("select count(*) from LEKARZE where bin_and(KOLOR, 255) < 180 or "
                           "bin_and(KOLOR / 256, 255) < 180 or KOLOR / 65536 < 180")
                .toInt(),
            0);
  EXPECT_EQ(t.baza.wartosc("select count(distinct LEKARZ_ID) from HARMONOGRAM").toInt(), 5);
  // Past visits carry advice types with ICD-10 codes, some with ordered examinations; later ones do not yet.
  EXPECT_GT(t.baza.wartosc("select count(*) from WIZYTY where PORADA_ID <> 0 and ICD10 is not null").toInt(), 0);
  EXPECT_EQ(t.baza.wartosc("select count(*) from WIZYTY where PORADA_ID <> 0 and DATA >= current_date").toInt(), 0);
  EXPECT_EQ(t.baza.wartosc("select count(*) from BADANIASPLOT").toInt(), w.zlecen);
  EXPECT_EQ(t.baza.wartosc("select count(*) from BADANIASPLOT B join WIZYTY W on W.ID = B.WIZYTA_ID "
                           "where W.PORADA_ID <> 0").toInt(),
            w.zlecen);
  // A second fill is refused before anything is written.
  EXPECT_THROW(WypelnijDemo(c, p), std::runtime_error);
  EXPECT_EQ(t.baza.wartosc("select count(*) from PACJENCI").toInt(), 300);
  EXPECT_EQ(t.baza.wartosc("select count(*) from LEKARZE").toInt(), 5);

  t.uruchomStart();
  TForm1& o = t.okno();
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty());
  ASSERT_EQ(o.TabControl1->Ilosc(), 5);
  EXPECT_NE(o.Stan.BiezacyLekarz, 0);
  // Every tab wears its doctor's colour and shows that doctor's day.
  QSet<int> kolory;
  for (int i = 0; i < o.TabControl1->Ilosc(); ++i) kolory.insert(o.TabControl1->Pasek()->Kolory().value(i));
  EXPECT_EQ(kolory.size(), 5);
}

// ORBE_ZRZUT=<file.png>: the picture of the main window over a demo database,
// for the documentation. Without it there is nothing to do.
TEST(DemoDane, PictureOfTheMainWindow) {
  const QString zrzut = qEnvironmentVariable("ORBE_ZRZUT");
  if (zrzut.isEmpty()) GTEST_SKIP() << "ORBE_ZRZUT not set";
  OknoGlowneTestowe t(false);
  ParametryDemo p;
  p.pacjentow = 3000;
  p.dni = 7;
  WypelnijDemo(t.baza.polaczenie(), p);
  t.uruchomStart();
  TForm1& o = t.okno();
  o.setWindowState(Qt::WindowNoState);
  o.resize(1100, 720);
  // A working day: today unless it falls on a weekend.
  QDate dzien = QDate::currentDate();
  while (dzien.dayOfWeek() > 5) dzien = dzien.addDays(1);
  if (dzien != o.DateTimePicker1->date()) o.DateTimePicker1->setDate(dzien);
  // The doctor with the busiest day among the first tabs, a row in the morning selected.
  int najlepsza = 0, najwiecej = -1;
  for (int i = 0; i < o.TabControl1->Ilosc(); ++i) {
    o.TabControl1->UstawIndeks(i);
    o.ZmianaZakladki();
    if (o.sqlWizyty->count() > najwiecej) najwiecej = o.sqlWizyty->count(), najlepsza = i;
  }
  o.TabControl1->UstawIndeks(najlepsza);
  o.ZmianaZakladki();
  QApplication::setActiveWindow(&o);
  o.SG1->setFocus();
  o.WybierzWiersz(3);
  o.SG1->scrollToTop();
  QApplication::processEvents();
  ASSERT_TRUE(o.grab().save(zrzut));
}
