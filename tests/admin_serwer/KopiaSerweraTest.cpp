// Backup and restore of a database on the Firebird server through TCP: the
// services themselves, the database window and orbe-admin. Needs a server on
// 127.0.0.1 (scripts/start-test-server.sh) and ORBE_TEST_SERWER set.
#include "support/OrbeAdminTestowy.h"
#include "admin/PorownanieBaz.h"
#include "admin/TForm_BazaDanych.h"
#include "app/StanProgramu.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/PlikMaskowany.h"
#include "db/Schema.h"
#include "db/Services.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString serwer() { return QString::fromUtf8(qgetenv("ORBE_TEST_SERWER")); }

// The server may run as its own user: it must reach the folder and the files.
void otworzDlaSerwera(const QString& sciezka, bool katalog) {
  QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup |
                         QFile::ReadOther | QFile::WriteOther;
  if (katalog) p |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
  QFile::setPermissions(sciezka, p);
}

class KopiaSerwera : public ::testing::Test {
 protected:
  void SetUp() override {
    if (serwer().isEmpty()) GTEST_SKIP() << "ORBE_TEST_SERWER not set";
    otworzDlaSerwera(dir.path(), true);
    sciezka = dir.filePath("ORBE.FDB");
    createClinicDatabase(sciezka, DomyslneParametryPolaczenia());
    otworzDlaSerwera(sciezka, false);
    zdalna = serwer() + ":" + sciezka;
    Connection c;
    c.open(zdalna, DomyslneParametryPolaczenia());
    for (const QString& sql : DaneWszystkichTabel()) {
      Statement st(c, sql);
      st.execute();
    }
    c.commitRetaining();
  }
  int ileWizyt() {
    Connection c;
    c.open(zdalna, DomyslneParametryPolaczenia());
    return WierszeZapytania(c, "select count(*) from WIZYTY").value(0).value(0).toInt();
  }
  void usunWizyty() {
    Connection c;
    c.open(zdalna, DomyslneParametryPolaczenia());
    for (const char* sql : {"delete from BADANIASPLOT", "delete from WIZYTY"}) {
      Statement st(c, sql);
      st.execute();
    }
    c.commitRetaining();
  }

  QTemporaryDir dir;
  QString sciezka, zdalna;
};

}  // namespace

TEST_F(KopiaSerwera, ABackupOverTcpRestoredIntoANewFileHoldsTheSameRows) {
  const QString kopia = dir.filePath("ORBE_2011-02-09.FBK");
  const QString nowa = dir.filePath("NOWA.FDB");
  QStringList linie;
  Services uslugi(serwer(), DomyslneParametryPolaczenia());
  uslugi.backup(sciezka, kopia, [&](const QString& l) { linie << l; });
  EXPECT_TRUE(QFile::exists(kopia));
  EXPECT_TRUE(linie.join('\n').contains("WIZYTY")) << linie.join('\n').toStdString();
  linie.clear();
  uslugi.restore(kopia, nowa, [&](const QString& l) { linie << l; });
  EXPECT_GT(linie.size(), 10);
  uslugi.detach();

  Connection a, b;
  a.open(zdalna, DomyslneParametryPolaczenia());
  b.open(serwer() + ":" + nowa, DomyslneParametryPolaczenia());
  ExpectTeSameDane(a, b);
}

TEST_F(KopiaSerwera, RestoringOverADatabaseAnotherWorkstationHoldsFails) {
  const QString kopia = dir.filePath("k.FBK");
  Services(serwer(), DomyslneParametryPolaczenia()).backup(sciezka, kopia, {});
  Connection inna;
  inna.open(zdalna, DomyslneParametryPolaczenia());
  try {
    Services(serwer(), DomyslneParametryPolaczenia()).restore(kopia, sciezka, {});
    FAIL() << "restore over a database in use succeeded";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains("database might be in use")) << e.message().toStdString();
  }
  EXPECT_EQ(WierszeZapytania(inna, "select count(*) from WIZYTY").value(0).value(0).toInt(), 2);
}

TEST_F(KopiaSerwera, AWrongPasswordIsRefusedByTheServiceManager) {
  EXPECT_THROW(Services(serwer(), {"user_name=SYSDBA", "password=zle", "lc_ctype=WIN1250"}), DbError);
}

// The window on a remote database: the backup file goes to the folder typed
// for the host, the restore brings the rows back once nobody is connected.
TEST(OknoBazyDanychSerwer, RemoteBackupAndRestoreThroughTheWindow) {
  if (serwer().isEmpty()) GTEST_SKIP() << "ORBE_TEST_SERWER not set";
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, false);
  t.baza.wykonaj(DaneWszystkichTabel());
  t.baza.polaczenie().close();  // from now on only the server opens the file
  otworzDlaSerwera(t.baza.katalog(), true);
  otworzDlaSerwera(t.baza.sciezka(), false);
  QTemporaryDir kopie;
  otworzDlaSerwera(kopie.path(), true);
  const QString zdalna = serwer() + ":" + t.baza.sciezka();
  t.okno().Stan.Host = serwer();
  t.okno().Stan.Dir = t.baza.katalog();
  t.uruchomStart();
  ASSERT_TRUE(t.okno().Polaczony()) << t.komunikaty->teksty().join('\n').toStdString();
  ASSERT_EQ(t.okno().TekstPanelu(1), serwer());

  const QString nazwa = "ORBE_" + QDate::currentDate().toString("yyyy-MM-dd") + ".FBK";
  TForm_BazaDanych::ZeSkryptem skrypt([&](TForm_BazaDanych& o) {
    EXPECT_TRUE(o.rbBazaZdalna->isChecked());
    o.ListaStron->setCurrentRow(2);
    o.Edit5->setText(kopie.path());  // the final separator is added
    EXPECT_EQ(o.Edit6->text(), nazwa);
    o.btnBackup->click();
    EXPECT_TRUE(QFile::exists(kopie.filePath(nazwa)));
    EXPECT_TRUE(o.memoPostep->toPlainText().contains("gbak:"));

    // Another workstation still connected: the restore says so.
    {
      Connection inna;
      inna.open(zdalna, DomyslneParametryPolaczenia());
      for (const char* sql : {"delete from BADANIASPLOT", "delete from WIZYTY"}) {
        Statement st(inna, sql);
        st.execute();
      }
      inna.commitRetaining();
      t.komunikaty->odpowiedzi = {true};
      o.btnRestore->click();
    }
    t.komunikaty->odpowiedzi = {true};
    o.btnRestore->click();
    EXPECT_GT(o.memoPostep->blockCount(), 10);
    o.cbxPokazPonownieOkno->setChecked(false);
  });
  t.okno().aBazaDanych->trigger();

  QStringList info;
  for (const Wpis& w : t.komunikaty->wpisy)
    if (w.rodzaj == Wpis::Informacja) info << w.tekst;
  ASSERT_EQ(info.size(), 3) << info.join("\n---\n").toStdString();
  EXPECT_EQ(info[0], "Poprawnie wykonano kopię bazy danych.");
  EXPECT_TRUE(info[1].startsWith("Błąd w trakcie odtwarzania bazy danych z kopii\n"
                                 "Prawdopodobnie inny użytkownik jest podłączony do bazy danych:\n"))
      << info[1].toStdString();
  EXPECT_EQ(info[2], "Poprawnie odtworzono bazę danych z kopii");
  // A folder of a Unix host gets its own separator.
  EXPECT_EQ(t.okno().Stan.RemoteBackupDir, kopie.path() + "/");
  EXPECT_EQ(t.okno().Stan.LastBackupDir, kopie.path() + "/");

  ASSERT_TRUE(t.okno().Polaczony());
  EXPECT_EQ(WierszeZapytania(t.okno().Polaczenie(), "select count(*) from WIZYTY").value(0).value(0).toInt(), 2);
}

namespace {

using Wynik = WynikOrbeAdmin;

Wynik orbeAdmin(const QString& katalog, const QStringList& args) { return UruchomOrbeAdmin(args, katalog); }

}  // namespace

// orbe-admin for cron on the server's database: the file is a path on the
// host; without --force the server refuses to replace the database.
TEST_F(KopiaSerwera, OrbeAdminBacksUpAndRestoresTheRemoteDatabase) {
  QTemporaryDir dane;
  StanProgramu stan;
  stan.KatalogDanych = dane.path() + "/";
  stan.Host = serwer();
  stan.Dir = dir.path() + "/";
  ZapiszUstawienia(stan);
  const QString kopia = dir.filePath("nocna.FBK");

  Wynik w = orbeAdmin(dane.path(), {"backup", kopia});
  ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
  EXPECT_TRUE(QFile::exists(kopia));
  EXPECT_TRUE(w.wyjscie.contains(serwer() + ":" + sciezka)) << w.wyjscie.toStdString();

  usunWizyty();
  w = orbeAdmin(dane.path(), {"restore", kopia});
  EXPECT_EQ(w.kod, 3);
  EXPECT_TRUE(w.bledy.contains("--force")) << w.bledy.toStdString();
  EXPECT_EQ(ileWizyt(), 0);

  w = orbeAdmin(dane.path(), {"restore", kopia, "--force"});
  EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
  EXPECT_EQ(ileWizyt(), 2);

  w = orbeAdmin(dane.path(), {"restore", dir.filePath("brak.FBK"), "--force"});
  EXPECT_EQ(w.kod, 2);
  EXPECT_TRUE(w.bledy.contains("Błąd w trakcie odtwarzania bazy danych z kopii:")) << w.bledy.toStdString();
  EXPECT_EQ(ileWizyt(), 2);
}

// The server checks the password (the embedded engine does not): a wrong one
// in params.db fails at start-up and the window comes back while the box is
// ticked; "Przywróć" brings the defaults for the next attempt.
TEST(OknoBazyDanychSerwer, AWrongPasswordAtStartShowsTheWindowUntilTheBoxIsUnticked) {
  if (serwer().isEmpty()) GTEST_SKIP() << "ORBE_TEST_SERWER not set";
  struct Case {
    const char* nazwa;
    bool domyslne;  // the last showing restores the defaults instead of unticking
    const char* panel;
  };
  const Case cases[] = {{"unticked", false, "Niepodłączony"}, {"defaults", true, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nazwa);
    OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, false);
    t.baza.polaczenie().close();
    otworzDlaSerwera(t.baza.katalog(), true);
    otworzDlaSerwera(t.baza.sciezka(), false);
    ASSERT_TRUE(ZapiszPlikMaskowany(t.baza.katalog() + "params.db", TekstParametrowPolaczenia("SYSDBA", "zle")));
    t.okno().Stan.Host = serwer();
    t.okno().Stan.Dir = t.baza.katalog();
    int pokazan = 0;
    TForm_BazaDanych::ZeSkryptem skrypt([&](TForm_BazaDanych& o) {
      ++pokazan;
      EXPECT_TRUE(o.cbxPokazPonownieOkno->isChecked());
      if (pokazan < 3) return;
      if (c.domyslne) o.btnPrzywrocParametryDomyslne->click();
      else o.cbxPokazPonownieOkno->setChecked(false);
    });
    t.uruchomStart();
    EXPECT_EQ(pokazan, 3);
    const QStringList teksty = t.komunikaty->teksty();
    ASSERT_EQ(teksty.size(), 3);
    for (const QString& tekst : teksty) EXPECT_TRUE(tekst.startsWith("Błąd otwarcia:\n")) << tekst.toStdString();
    EXPECT_EQ(t.okno().Polaczony(), c.domyslne);
    EXPECT_EQ(t.okno().TekstPanelu(1), c.panel ? QString::fromUtf8(c.panel) : serwer());
  }
}
