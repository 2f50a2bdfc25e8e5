#pragma once
// Fixture data in every clinic table and a row-by-row comparison of two
// databases, for the backup and restore tests (embedded and server).
#include "db/Connection.h"
#include "db/Statement.h"

#include <QStringList>
#include <gtest/gtest.h>

inline QStringList DaneWszystkichTabel() {
  return {
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) values (1, 'Żółkiewska', 'Łucja', "
      "'1234567', '70010112345', 16777215, 'N')",
      "insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (2, 'Nowak', 'Jan', 255, 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, KODP, POCZTA, DATAUR, PLEC, DTDEKLARLEK, "
      "AKTYW) values (10, 1, 'Ćwik', 'Ścibor', '80020212345', 'Długa', '00-950', 'Warszawa', '1980-02-02', 'M', "
      "'2010-05-01', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (11, 'Kowalska', 'Anna', '85030312345', 'N')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'P01', 'Porada lekarska')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (1, 'B01', 'Morfologia', 'N')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (100, 10, 1, 1, "
      "'2011-02-09', '08:30', 'J06.9')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (101, 11, 2, 0, '2011-02-10', "
      "'12:00')",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (1, 100, 1)",
      "insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) values (1, 1, 3, '08:00', '14:00')",
      "select gen_id(GEN_WIZYTY_ID, 101) from RDB$DATABASE",
  };
}

inline QList<Row> WierszeZapytania(Connection& c, const QString& sql) {
  Statement st(c, sql);
  st.execute();
  return st.rows();
}

// Every user table and sequence of both databases holds the same values.
inline void ExpectTeSameDane(Connection& a, Connection& b) {
  const QString tabele =
      "select trim(RDB$RELATION_NAME) from RDB$RELATIONS where coalesce(RDB$SYSTEM_FLAG, 0) = 0 and RDB$VIEW_BLR is "
      "null order by 1";
  const QList<Row> ta = WierszeZapytania(a, tabele);
  ASSERT_EQ(ta, WierszeZapytania(b, tabele));
  ASSERT_EQ(ta.size(), 7);
  int wierszy = 0;
  for (const Row& t : ta) {
    const QString sql = "select * from " + t.value(0).toString() + " order by ID";
    const QList<Row> wa = WierszeZapytania(a, sql);
    EXPECT_EQ(wa, WierszeZapytania(b, sql)) << t.value(0).toString().toStdString();
    wierszy += wa.size();
  }
  EXPECT_GT(wierszy, 0);
  const QList<Row> sekwencje = WierszeZapytania(
      a, "select trim(RDB$GENERATOR_NAME) from RDB$GENERATORS where coalesce(RDB$SYSTEM_FLAG, 0) = 0 order by 1");
  for (const Row& s : sekwencje) {
    const QString sql = "select gen_id(" + s.value(0).toString() + ", 0) from RDB$DATABASE";
    EXPECT_EQ(WierszeZapytania(a, sql), WierszeZapytania(b, sql)) << s.value(0).toString().toStdString();
  }
}
