// Two workstations booking on one Firebird server over TCP. Needs a server on
// 127.0.0.1 (scripts/start-test-server.sh) and ORBE_TEST_SERWER set.
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"
#include "visits/EdycjaWizytyDane.h"
#include "schedule/SiatkaWizytDane.h"
#include "support/KomunikatySkryptowe.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QDate kDzis(2026, 12, 11);

class WizytySerwera : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("ORBE_TEST_SERWER")) GTEST_SKIP() << "ORBE_TEST_SERWER not set";
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::WriteOther | QFile::ReadGroup | QFile::ExeGroup);
    const QString sciezka = dir.filePath("ORBE.FDB");
    createClinicDatabase(sciezka, DomyslneParametryPolaczenia(), false);
    QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    const QString zdalna = QString::fromUtf8(qgetenv("ORBE_TEST_SERWER")) + ":" + sciezka;
    a.open(zdalna, DomyslneParametryPolaczenia());
    b.open(zdalna, DomyslneParametryPolaczenia());
    for (const char* sql :
         {"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (1, 'ADAMSKI', 'JAN', 0, 'N')",
          "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (1, 'NOWAK', 'ANNA', '80051712345', 'T')",
          "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (2, 'WÓJCIK', 'PIOTR', '55010254321', 'T')",
          "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values "
          "(1, 1, 1, 0, '2026-12-11', '08:00')",
          "set generator GEN_WIZYTY_ID to 1"}) {
      Statement st(a, QString::fromUtf8(sql));
      st.execute();
    }
    a.commitRetaining();
  }
  // A visit booked on a workstation's day dataset, as the editor posts it.
  static void zarezerwuj(Dataset& w, int pacjent, const QTime& godz) {
    w.append();
    w.setValue("PACJENT_ID", pacjent);
    w.setValue("LEKARZ_ID", 1);
    w.setValue("PORADA_ID", 0);
    w.setValue("DATA", kDzis);
    w.setValue("GODZ", godz);
    w.post();
  }
  static QStringList godziny(const SiatkaWizytDane& d) {
    QStringList g;
    for (const auto& w : d.WizytyDnia()) g << QTime(w.minuta / 60, w.minuta % 60).toString("HH:mm");
    return g;
  }

  QTemporaryDir dir;
  Connection a, b;
};

TEST_F(WizytySerwera, ABookedVisitIsSeenElsewhereOnlyOnceCommitted) {
  SiatkaWizytDane dzienA(a), dzienB(b);
  EdycjaWizytyDane edycjaB(b);
  dzienA.OtworzWizyty(kDzis, 1);
  zarezerwuj(dzienA.sqlWizyty, 2, QTime(9, 0));
  const int id = dzienA.sqlWizyty.intValue("ID");
  EXPECT_GT(id, 0);

  dzienB.OtworzWizyty(kDzis, 1);
  EXPECT_EQ(godziny(dzienB), QStringList{"08:00"});
  // The time-taken question sees only committed visits.
  EXPECT_EQ(edycjaB.GodzinaZajeta(kDzis, QTime(9, 0), 1, 0), 0);
  EXPECT_EQ(edycjaB.GodzinaZajeta(kDzis, QTime(8, 0), 1, 0), 1);

  a.commitRetaining();
  // The next rebuild shows it.
  dzienB.OtworzWizyty(kDzis, 1);
  EXPECT_EQ(godziny(dzienB), QStringList({"08:00", "09:00"}));
  EXPECT_EQ(edycjaB.GodzinaZajeta(kDzis, QTime(9, 0), 1, 0), 1);
  // The visit itself is left out of its own check.
  EXPECT_EQ(edycjaB.GodzinaZajeta(kDzis, QTime(9, 0), 1, id), 0);
}

TEST_F(WizytySerwera, EditingAVisitHeldElsewhereShowsTheLockConflictAndLosesNothing) {
  ZKomunikatami komunikaty;
  SiatkaWizytDane dzienA(a), dzienB(b);
  dzienA.OtworzWizyty(kDzis, 1);
  dzienB.OtworzWizyty(kDzis, 1);

  // A changes the visit and has not committed yet: the row is locked.
  ASSERT_TRUE(dzienA.sqlWizyty.locate("ID", 1));
  dzienA.sqlWizyty.edit();
  dzienA.sqlWizyty.setValue("GODZ", QTime(9, 0));
  dzienA.sqlWizyty.post();

  // B's OK posts from a button, as the editor does: the error display gets the server's text.
  Dataset& w = dzienB.sqlWizyty;
  ASSERT_TRUE(w.locate("ID", 1));
  w.edit();
  w.setValue("GODZ", QTime(10, 0));
  w.setValue("PACJENT_ID", 2);
  QPushButton ok("OK");
  QObject::connect(&ok, &QPushButton::clicked, [&w] { w.post(); });
  ok.show();
  QTest::mouseClick(&ok, Qt::LeftButton);
  ASSERT_EQ(komunikaty->wpisy.size(), 1);
  EXPECT_EQ(komunikaty->wpisy[0].rodzaj, Wpis::Blad);
  EXPECT_TRUE(komunikaty->wpisy[0].tekst.contains("update conflicts with concurrent update")) << komunikaty->wpisy[0].tekst.toStdString();
  // B keeps what was typed.
  EXPECT_EQ(w.state(), Dataset::Edit);
  EXPECT_EQ(w.value("GODZ").toTime(), QTime(10, 0));
  EXPECT_EQ(w.value("PACJENT_ID").toInt(), 2);

  // A's change goes through untouched.
  a.commitRetaining();
  Statement czytaj(b, "select GODZ, PACJENT_ID from WIZYTY where ID = 1");
  czytaj.execute();
  EXPECT_EQ(czytaj.value("GODZ").toTime(), QTime(9, 0));
  EXPECT_EQ(czytaj.value("PACJENT_ID").toInt(), 1);

  // Once A has committed, B's same OK saves its visit: the last writer wins.
  komunikaty->wyczysc();
  QTest::mouseClick(&ok, Qt::LeftButton);
  EXPECT_TRUE(komunikaty->wpisy.isEmpty());
  b.commitRetaining();
  Statement poB(a, "select GODZ, PACJENT_ID from WIZYTY where ID = 1");
  poB.execute();
  EXPECT_EQ(poB.value("GODZ").toTime(), QTime(10, 0));
  EXPECT_EQ(poB.value("PACJENT_ID").toInt(), 2);
}

}  // namespace
