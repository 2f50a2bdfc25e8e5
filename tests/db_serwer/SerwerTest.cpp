// Two workstations on one Firebird server over TCP. Needs a server on
// 127.0.0.1 (scripts/start-test-server.sh) and ORBE_TEST_SERWER set.
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class Serwer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("ORBE_TEST_SERWER")) GTEST_SKIP() << "ORBE_TEST_SERWER not set";
    dir.setAutoRemove(true);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                                          QFile::ExeOther | QFile::WriteOther | QFile::ReadGroup | QFile::ExeGroup);
    sciezka = dir.filePath("ORBE.FDB");
    createClinicDatabase(sciezka, DomyslneParametryPolaczenia(), false);
    QFile::setPermissions(sciezka, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    zdalna = QString::fromUtf8(qgetenv("ORBE_TEST_SERWER")) + ":" + sciezka;
  }
  QTemporaryDir dir;
  QString sciezka, zdalna;
};

static int ile(Connection& c, const QString& sql) {
  Statement st(c, sql);
  st.execute();
  return st.rows().value(0).value(0).toInt();
}

TEST_F(Serwer, TwoWorkstationsSeeOnlyCommittedWork) {
  Connection a, b;
  a.open(zdalna, DomyslneParametryPolaczenia());
  b.open(zdalna, DomyslneParametryPolaczenia());
  Statement ins(a, "insert into PORADY (ID, KOD, NAZWA) values (1, 'K', 'Porada łóżkowa')");
  ins.execute();
  EXPECT_EQ(ile(b, "select count(*) from PORADY"), 0);
  a.commitRetaining();
  EXPECT_EQ(ile(b, "select count(*) from PORADY"), 1);
  Statement nazwa(b, "select NAZWA from PORADY where ID = 1");
  nazwa.execute();
  EXPECT_EQ(nazwa.value("NAZWA").toString(), QStringLiteral("Porada łóżkowa"));
}

TEST_F(Serwer, ARowLockedByAnotherWorkstationFailsAtOnceAndNothingIsLost) {
  Connection a, b;
  a.open(zdalna, DomyslneParametryPolaczenia());
  b.open(zdalna, DomyslneParametryPolaczenia());
  Statement seed(a, "insert into PORADY (ID, KOD) values (1, 'K')");
  seed.execute();
  a.commitRetaining();
  Statement ua(a, "update PORADY set NAZWA = 'A' where ID = 1");
  ua.execute();
  Statement ub(b, "update PORADY set NAZWA = 'B' where ID = 1");
  try {
    ub.execute();
    FAIL() << "no lock conflict";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains("conflict")) << e.message().toStdString();
  }
  a.commitRetaining();
  Statement czytaj(b, "select NAZWA from PORADY where ID = 1");
  czytaj.execute();
  EXPECT_EQ(czytaj.value("NAZWA").toString(), "A");
}

TEST_F(Serwer, ALocalFileIsSharedThroughTheLocalServer) {
  // Two attachments by plain path: through the server both can hold the file.
  Connection a, b;
  a.open(sciezka, DomyslneParametryPolaczenia(), Connection::Access::Server);
  b.open(sciezka, DomyslneParametryPolaczenia(), Connection::Access::Auto);
  Statement ins(a, "insert into PORADY (ID, KOD) values (2, 'X')");
  ins.execute();
  a.commitRetaining();
  EXPECT_EQ(ile(b, "select count(*) from PORADY"), 1);
}

TEST_F(Serwer, AWrongPasswordIsRefusedWithTheServersText) {
  Connection a;
  try {
    a.open(zdalna, {"user_name=SYSDBA", "password=zle", "lc_ctype=WIN1250"});
    FAIL() << "connected with a wrong password";
  } catch (const DbError& e) {
    EXPECT_FALSE(e.message().isEmpty());
  }
  EXPECT_FALSE(a.isOpen());
}
