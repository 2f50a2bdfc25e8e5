#include "db/Dataset.h"
#include "db/DbError.h"
#include "db/NamedParams.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "support/BazaTestowa.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

TEST(NamedParams, RewritesNamesAndSkipsQuotedTextAndComments) {
  struct Case {
    const char* sql;
    const char* rewritten;
    QStringList names;
  } cases[] = {
      {"select * from T where A = :a and B = :B", "select * from T where A = ? and B = ?", {"A", "B"}},
      {"where D >= :data1 or E <= :data1", "where D >= ? or E <= ?", {"DATA1", "DATA1"}},
      {"select ':x' from T where A = :y", "select ':x' from T where A = ?", {"Y"}},
      {"select 'it''s :x' from T", "select 'it''s :x' from T", {}},
      {"/* :a */ update T set A = :b -- :c\nwhere ID = :OLD_ID", "/* :a */ update T set A = ? -- :c\nwhere ID = ?",
       {"B", "OLD_ID"}},
      {"select \"A:B\" from T", "select \"A:B\" from T", {}},
  };
  for (const Case& c : cases) {
    const NamedSql n = rewriteNamedParams(QString::fromUtf8(c.sql));
    EXPECT_EQ(n.sql, QString::fromUtf8(c.rewritten)) << c.sql;
    EXPECT_EQ(n.names, c.names) << c.sql;
  }
}

TEST(SqlScript, SplitsAtTerminatorAndHonoursSetTerm) {
  const QStringList s = splitSqlScript(
      "/* head */\nCREATE TABLE A (X INTEGER);\nINSERT INTO A VALUES (';');\n"
      "SET TERM ^ ;\nCREATE TRIGGER T FOR A BEFORE INSERT AS BEGIN NEW.X = 1; END^\nSET TERM ; ^\nSELECT 1 FROM A;");
  ASSERT_EQ(s.size(), 4);
  EXPECT_EQ(s[0], "CREATE TABLE A (X INTEGER)");
  EXPECT_EQ(s[1], "INSERT INTO A VALUES (';')");
  EXPECT_EQ(s[2], "CREATE TRIGGER T FOR A BEFORE INSERT AS BEGIN NEW.X = 1; END");
  EXPECT_EQ(s[3], "SELECT 1 FROM A");
}

class WarstwaBazy : public ::testing::Test {
 protected:
  BazaTestowa baza;
  Connection& c = baza.polaczenie();
};

TEST_F(WarstwaBazy, RepeatedParameterAndLiteralColonBindTogether) {
  baza.wykonaj({"insert into PORADY (ID, KOD, NAZWA) values (1, 'A:1', 'x')",
                "insert into PORADY (ID, KOD, NAZWA) values (2, 'B', 'A:1')"});
  Statement st(c, "select ID, ':kod' as L from PORADY where KOD = :k or NAZWA = :k order by ID");
  st.setParam("K", "A:1");
  st.execute();
  ASSERT_EQ(st.rows().size(), 2);
  EXPECT_EQ(st.rows()[1].value(1).toString(), ":kod");
}

TEST_F(WarstwaBazy, ValuesOfEveryTypeRoundTripAndNullStaysNull) {
  Statement ins(c,
                "insert into PACJENCI (ID, NAZWISKO, PESEL, DATAUR, PLEC, AKTYW) values (:id, :n, :p, :d, :plec, 'T')");
  ins.setParam("id", 7);
  ins.setParam("n", QStringLiteral("Żółć-Łęcka"));
  ins.setParam("p", "05232101246");
  ins.setParam("d", QDate(2005, 3, 21));
  ins.setParam("plec", QVariant());
  ins.execute();
  EXPECT_EQ(ins.rowsAffected(), 1);
  baza.wykonaj({"insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, DATA, GODZ) values (1, 7, 1, '2026-12-09', '08:05')"});
  Statement sel(c, "select P.NAZWISKO, P.DATAUR, P.PLEC, W.GODZ, count(*) as ILOSC from PACJENCI P join WIZYTY W on W.PACJENT_ID = P.ID group by 1, 2, 3, 4");
  sel.execute();
  ASSERT_EQ(sel.rows().size(), 1);
  EXPECT_EQ(sel.value("nazwisko").toString(), QStringLiteral("Żółć-Łęcka"));
  EXPECT_EQ(sel.value("DATAUR").toDate(), QDate(2005, 3, 21));
  EXPECT_TRUE(sel.value("PLEC").isNull());
  EXPECT_EQ(sel.value("GODZ").toTime(), QTime(8, 5));
  EXPECT_EQ(sel.value("ILOSC").toInt(), 1);
}

TEST_F(WarstwaBazy, TooLongValueIsRefusedWithTheServersText) {
  Statement st(c, "insert into PORADY (ID, KOD) values (1, :k)");
  st.setParam("k", QString(17, u'X'));
  try {
    st.execute();
    FAIL() << "no error";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains("truncation") || e.message().contains("overflow")) << e.message().toStdString();
  }
}

TEST_F(WarstwaBazy, CommitRetainingIsSeenByAnotherConnectionAndRollbackIsNot) {
  auto drugie = baza.drugiePolaczenie();
  auto ile = [&] {
    Statement st(*drugie, "select count(*) from PORADY");
    st.execute();
    return st.rows()[0][0].toInt();
  };
  Statement ins(c, "insert into PORADY (ID, KOD) values (:id, 'K')");
  ins.setParam("id", 1);
  ins.execute();
  EXPECT_EQ(ile(), 0);
  c.commitRetaining();
  EXPECT_EQ(ile(), 1);
  ins.setParam("id", 2);
  ins.execute();
  c.rollbackRetaining();
  EXPECT_EQ(ile(), 1);
  // The transaction stays usable after both.
  ins.setParam("id", 3);
  ins.execute();
  c.commitRetaining();
  EXPECT_EQ(ile(), 2);
}

TEST_F(WarstwaBazy, LockConflictFailsAtOnceWithTheServersText) {
  baza.wykonaj({"insert into PORADY (ID, KOD) values (1, 'K')"});
  auto drugie = baza.drugiePolaczenie();
  Statement a(c, "update PORADY set NAZWA = 'a' where ID = 1");
  a.execute();
  Statement b(*drugie, "update PORADY set NAZWA = 'b' where ID = 1");
  try {
    b.execute();
    FAIL() << "no conflict";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains("conflict")) << e.message().toStdString();
  }
  // Nothing is lost: the first writer commits, the second can try again.
  c.commitRetaining();
  drugie->rollbackRetaining();
  b.execute();
  drugie->commitRetaining();
  EXPECT_EQ(baza.wartosc("select NAZWA from PORADY where ID = 1").toString(), "b");
}

TEST_F(WarstwaBazy, ClosingRollsBackUncommittedWork) {
  {
    auto drugie = baza.drugiePolaczenie();
    Statement st(*drugie, "insert into PORADY (ID, KOD) values (5, 'K')");
    st.execute();
    drugie->close();
  }
  EXPECT_EQ(baza.wartosc("select count(*) from PORADY").toInt(), 0);
}

static void ustawLekarzy(Dataset& ds) {
  ds.setSelectSql("select * from LEKARZE where USUN='N' order by NAZWISKO, IMIE, ID");
  ds.setInsertSql("insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) values (:ID, :NAZWISKO, :IMIE, :PWZL, :PESEL, :KOLOR, :USUN)");
  ds.setUpdateSql("update LEKARZE set ID = :ID, NAZWISKO = :NAZWISKO, IMIE = :IMIE, PWZL = :PWZL, PESEL = :PESEL, KOLOR = :KOLOR, USUN = :USUN where ID = :OLD_ID");
  ds.setDeleteSql("delete from LEKARZE where ID = :OLD_ID");
  ds.setRefreshSql("Select ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN from LEKARZE where ID = :ID");
  ds.setGenerator("GEN_LEKARZE_ID", "ID", Dataset::KeyMoment::OnPost);
  ds.addCalculatedField("_nazwisko_imie");
  ds.setCalculate([](Record& r) { r.setValue("_nazwisko_imie", r.text("NAZWISKO") + " " + r.text("IMIE")); });
}

TEST_F(WarstwaBazy, DatasetTakesTheKeyOnPostAndFillsCalculatedFields) {
  Dataset ds(c);
  ustawLekarzy(ds);
  ds.open();
  EXPECT_EQ(ds.count(), 0);
  EXPECT_EQ(ds.recNo(), -1);
  ds.append();
  EXPECT_EQ(ds.state(), Dataset::Insert);
  EXPECT_TRUE(ds.value("ID").isNull());
  ds.setValue("NAZWISKO", "KOWALSKI");
  ds.setValue("IMIE", "JAN");
  ds.setValue("USUN", "N");
  EXPECT_EQ(ds.text("_nazwisko_imie"), "KOWALSKI JAN");
  ds.post();
  EXPECT_EQ(ds.state(), Dataset::Browse);
  EXPECT_EQ(ds.intValue("ID"), 1);
  c.commitRetaining();
  ds.append();
  ds.setValue("NAZWISKO", "ADAMSKA");
  ds.setValue("USUN", "N");
  ds.post();
  EXPECT_EQ(ds.intValue("ID"), 2);
  ds.open();
  ASSERT_EQ(ds.count(), 2);
  EXPECT_EQ(ds.text("NAZWISKO"), "ADAMSKA");
  EXPECT_TRUE(ds.locate("ID", 1));
  EXPECT_EQ(ds.text("_nazwisko_imie"), "KOWALSKI JAN");
}

TEST_F(WarstwaBazy, KeyTakenWhenTheRowIsStartedIsSkippedWhenAbandoned) {
  Dataset ds(c);
  ds.setSelectSql("select * from HARMONOGRAM where LEKARZ_ID = :lekarz_id order by DZIEN, GODZ1");
  ds.setInsertSql("insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) values (:ID, :LEKARZ_ID, :DZIEN, :GODZ1, :GODZ2)");
  ds.setGenerator("GEN_HARMONOGRAM_ID", "ID", Dataset::KeyMoment::OnAppend);
  ds.setParam("lekarz_id", 3);
  ds.open();
  ds.append();
  EXPECT_EQ(ds.intValue("ID"), 1);
  ds.cancel();
  EXPECT_EQ(ds.count(), 0);
  ds.append();
  EXPECT_EQ(ds.intValue("ID"), 2);
  ds.setValue("LEKARZ_ID", 3);
  ds.setValue("DZIEN", 7);
  ds.setValue("GODZ1", QTime(8, 0));
  ds.setValue("GODZ2", QTime(12, 0));
  ds.post();
  ds.open();
  ASSERT_EQ(ds.count(), 1);
  EXPECT_EQ(ds.intValue("ID"), 2);
}

TEST_F(WarstwaBazy, UpdateCanChangeTheKeyThroughOldId) {
  baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, USUN) values (10, 'NOWAK', 'N')"});
  Dataset ds(c);
  ustawLekarzy(ds);
  ds.open();
  ds.edit();
  ds.setValue("ID", 20);
  ds.setValue("NAZWISKO", "NOWAKOWSKI");
  ds.post();
  EXPECT_EQ(baza.wartosc("select count(*) from LEKARZE where ID = 10").toInt(), 0);
  EXPECT_EQ(baza.wartosc("select NAZWISKO from LEKARZE where ID = 20").toString(), "NOWAKOWSKI");
}

TEST_F(WarstwaBazy, CancelRestoresAndFailedPostKeepsWhatWasTyped) {
  baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, USUN) values (1, 'A', 'N')",
                "insert into LEKARZE (ID, NAZWISKO, USUN) values (2, 'B', 'N')"});
  Dataset ds(c);
  ustawLekarzy(ds);
  ds.open();
  ds.moveTo(1);
  ds.edit();
  ds.setValue("NAZWISKO", "X");
  ds.cancel();
  EXPECT_EQ(ds.text("NAZWISKO"), "B");
  ds.append();
  ds.setValue("NAZWISKO", "C");  // USUN left empty: the server refuses the row
  EXPECT_THROW(ds.post(), DbError);
  EXPECT_EQ(ds.state(), Dataset::Insert);
  EXPECT_EQ(ds.text("NAZWISKO"), "C");
  ds.cancel();
  EXPECT_EQ(ds.count(), 2);
  EXPECT_EQ(ds.recNo(), 1);  // back on the row current before the append
}

TEST_F(WarstwaBazy, PolishLettersCompareAndSortInPolishOrder) {
  const char* nazwiska[] = {"ŻAK", "ZAWADA", "ŁUKASIK", "LIS", "ŚLIWA", "SOWA", "ĆWIK", "CZAJA", "ADAM", "ĄBEK"};
  int id = 1;
  for (const char* n : nazwiska)
    baza.wykonaj({QString("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (%1, '%2', 'ÓLA', '1', 'T')")
                      .arg(id++)
                      .arg(QString::fromUtf8(n))});
  Statement st(c, "select NAZWISKO from PACJENCI order by NAZWISKO");
  st.execute();
  QStringList kolejnosc;
  for (const Row& r : st.rows()) kolejnosc << r[0].toString();
  EXPECT_EQ(kolejnosc, QStringList({"ADAM", "ĄBEK", "CZAJA", "ĆWIK", "LIS", "ŁUKASIK", "SOWA", "ŚLIWA", "ZAWADA", "ŻAK"}));
  Statement f(c, "select count(*) from PACJENCI where upper(NAZWISKO||' '||IMIE) starting with :t");
  f.setParam("t", QStringLiteral("łukasik óla").toUpper());
  f.execute();
  EXPECT_EQ(f.rows()[0][0].toInt(), 1);
  EXPECT_EQ(baza.wartosc("select upper('łódź') from RDB$DATABASE").toString(), QStringLiteral("ŁÓDŹ"));
}

TEST_F(WarstwaBazy, SchemaFillsPatientKeyAndDeletesExaminationsWithTheirVisit) {
  baza.wykonaj({"insert into PACJENCI (NAZWISKO, PESEL, AKTYW) values ('A', '1', 'T')",
                "insert into PACJENCI (NAZWISKO, PESEL, AKTYW) values ('B', '2', 'T')",
                "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID) values (1, 1, 1)",
                "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (1, 1, 1)",
                "delete from WIZYTY where ID = 1"});
  EXPECT_EQ(baza.wartosc("select count(distinct ID) from PACJENCI").toInt(), 2);
  EXPECT_EQ(baza.wartosc("select count(*) from BADANIASPLOT").toInt(), 0);
}
