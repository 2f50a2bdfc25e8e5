#include "admin/TForm_BazaDanych.h"
#include "app/PanelSiatki.h"
#include "app/StanProgramu.h"
#include "common/Win1250.h"
#include "db/ParametryPolaczenia.h"
#include "db/PlikMaskowany.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <csignal>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Ustawienia, FirstRunGivesTheDefaults) {
  QTemporaryDir dir;
  StanProgramu s;
  s.KatalogDanych = dir.path() + "/";
  s.KatalogDokumentow = "/home/x/Dokumenty";
  CzytajUstawienia(s);
  EXPECT_EQ(s.grafik_co, 10);
  EXPECT_EQ(s.drukarka_biletow, "---");
  EXPECT_EQ(s.drukarka_kart, "---");
  EXPECT_EQ(s.logow_timeout, 10);
  EXPECT_EQ(s.LastBackupDir, "/home/x/Dokumenty");
  EXPECT_EQ(s.eksport_dir, "/home/x/Dokumenty");
  EXPECT_EQ(s.tessor_dtdekl, 1);
  EXPECT_EQ(s.SzerKolumn, QVector<int>({45, 88, 340, 262, 93, 128, 62}));
}

TEST(Ustawienia, GarbageValuesReadAsDefaultsAndWrittenValuesComeBack) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("orbe.ini");
  ASSERT_TRUE(Win1250::zapiszBajty(ini, "\x01\x02garbage\r\n[Wizyty]\r\ngrafik_co=abc\r\n[SzerKolumn]\r\n2=x\r\n"));
  StanProgramu s;
  s.KatalogDanych = dir.path() + "/";
  CzytajUstawienia(s);
  EXPECT_EQ(s.grafik_co, 10);
  EXPECT_EQ(s.SzerKolumn[2], 340);
  s.grafik_co = 15;
  s.Host = "serwer";
  s.Dir = "D:\\Dane";
  s.SzerKolumn[2] = 400;
  ZapiszUstawienia(s);
  StanProgramu t;
  t.KatalogDanych = s.KatalogDanych;
  CzytajUstawienia(t);
  EXPECT_EQ(t.grafik_co, 15);
  EXPECT_EQ(t.Host, "serwer");
  EXPECT_EQ(t.Dir, "D:\\Dane");
  EXPECT_EQ(t.SzerKolumn[2], 400);
}

TEST(Ustawienia, AMissingDataFolderLosesTheSettingsQuietly) {
  StanProgramu s;
  s.KatalogDanych = "/nonexistent-orbe-folder/";
  EXPECT_NO_THROW(ZapiszUstawienia(s));
}

TEST(PlikMaskowany, SixteenClearBytesTakeFortyEightAndReadBack) {
  QTemporaryDir dir;
  const QString p1 = dir.filePath("a.db"), p2 = dir.filePath("b.db");
  const QString jawny = "user=a\r\npass=b\r\n";
  ASSERT_EQ(Win1250::zakoduj(jawny).size(), 16);
  ASSERT_TRUE(ZapiszPlikMaskowany(p1, jawny));
  ASSERT_TRUE(ZapiszPlikMaskowany(p2, jawny));
  QFile f1(p1), f2(p2);
  f1.open(QIODevice::ReadOnly);
  f2.open(QIODevice::ReadOnly);
  const QByteArray b1 = f1.readAll(), b2 = f2.readAll();
  ASSERT_EQ(b1.size(), 48);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(b1[3 * i], b2[3 * i]) << i;  // the masked bytes agree
  EXPECT_NE(b1, b2);                                                  // the filler does not
  EXPECT_NE(b1[0], 'u');
  EXPECT_EQ(OdczytajPlikMaskowany(p1), jawny);
  EXPECT_EQ(OdczytajPlikMaskowany(p2), jawny);
  // A last, incomplete group still gives its first byte.
  EXPECT_EQ(OdkodujMaskowane(b1.left(4)), QByteArray("us"));
}

TEST(PlikMaskowany, ParametersComeFromParamsDbOrTheDefaults) {
  QTemporaryDir dir;
  const QString kat = dir.path() + "/";
  EXPECT_EQ(ParametryPolaczenia(kat), QStringList({"user_name=SYSDBA", "password=quillfern", "lc_ctype=WIN1250"}));
  ASSERT_TRUE(ZapiszPlikMaskowany(kat + "params.db", TekstParametrowPolaczenia("U", "P")));
  EXPECT_EQ(ParametryPolaczenia(kat), QStringList({"user_name=U", "password=P", "lc_ctype=WIN1250"}));
  QFile f(kat + "params.db");
  EXPECT_EQ(f.size(), 3 * TekstParametrowPolaczenia("U", "P").size());
}

TEST(NazwaBazy, IsBuiltFromHostAndDir) {
  struct Case {
    const char *host, *dir, *nazwa;
  } cases[] = {
      {"", "", "/dane/ORBE.FDB"},
      {"", "baza/", "/dane/baza/ORBE.FDB"},
      {"H", "", "H:ORBE.FDB"},
      {"H", "D:\\Dane", "H:D:\\Dane\\ORBE.FDB"},
      {"H", "D:\\Dane\\", "H:D:\\Dane\\ORBE.FDB"},
      {"H", "C:\\Baza", "H:C:\\Baza\\ORBE.FDB"},
      {"H", "/srv/orbe", "H:/srv/orbe/ORBE.FDB"},
      {"H", "/srv/orbe/", "H:/srv/orbe/ORBE.FDB"},
  };
  for (const Case& c : cases) EXPECT_EQ(NazwaBazy("/dane/", c.host, c.dir), QString::fromUtf8(c.nazwa)) << c.dir;
  EXPECT_TRUE(Connection::isRemoteName("H:D:\\Dane\\ORBE.FDB"));
  EXPECT_TRUE(Connection::isRemoteName("127.0.0.1:/srv/ORBE.FDB"));
  EXPECT_FALSE(Connection::isRemoteName("/dane/ORBE.FDB"));
}

TEST(Start, ConnectsToTheLocalDatabase) {
  OknoGlowneTestowe t;
  TForm1& o = t.okno();
  EXPECT_TRUE(o.Polaczony());
  EXPECT_EQ(o.TekstPanelu(0), "Baza danych: ");
  EXPECT_EQ(o.TekstPanelu(1), "lokalna");
  EXPECT_EQ(o.TekstPanelu(2), "Bez logowania");
  EXPECT_TRUE(o.aBazaDanych->isEnabled());
  EXPECT_TRUE(o.aOpcje->isEnabled());
  EXPECT_TRUE(o.aPacjenci->isEnabled());
  EXPECT_TRUE(o.windowTitle().endsWith(QString("  (") + ORBE_VERSION + ")"));
  // An empty database has no doctors: that is the only message of the start.
  EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Nie zdefiniowano listy lekarzy."});
}

TEST(Start, RunsOnceHoweverOftenTheWindowIsActivated) {
  OknoGlowneTestowe t(false);
  QEvent akt(QEvent::WindowActivate);
  QApplication::sendEvent(&t.okno(), &akt);
  QApplication::sendEvent(&t.okno(), &akt);
  EXPECT_TRUE(QTest::qWaitFor([&] { return t.okno().StartWykonany(); }, 2000));
  t.okno().timer_StartTimer();
  EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Nie zdefiniowano listy lekarzy."});
}

TEST(Start, AMissingDatabaseIsReportedAndLeavesTheAdministrationReachable) {
  int pokazan = 0;
  TForm_BazaDanych::ZeSkryptem skrypt([&](TForm_BazaDanych& o) {
    ++pokazan;
    o.cbxPokazPonownieOkno->setChecked(false);
  });
  OknoGlowneTestowe t(false);
  t.okno().Stan.Dir = "brak";
  t.uruchomStart();
  TForm1& o = t.okno();
  EXPECT_FALSE(o.Polaczony());
  ASSERT_EQ(t.komunikaty->teksty().size(), 1);
  EXPECT_TRUE(t.komunikaty->ostatni().startsWith("Błąd otwarcia:\n"));
  EXPECT_GT(t.komunikaty->ostatni().size(), QString("Błąd otwarcia:\n").size());
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
  EXPECT_EQ(pokazan, 1);
  EXPECT_EQ(o.TekstPanelu(1), "Niepodłączony");
  EXPECT_FALSE(o.panelSiatki->isVisible());
  EXPECT_FALSE(o.aPacjenci->isEnabled());
  EXPECT_FALSE(o.aWizytaNowa->isEnabled());
  EXPECT_TRUE(o.aBazaDanych->isEnabled());
  EXPECT_TRUE(o.aOpcje->isEnabled());
  o.aZamknij->trigger();
  EXPECT_FALSE(o.isVisible());
}

TEST(Start, ATruncatedParamsFileNeverCrashes) {
  TForm_BazaDanych::ZeSkryptem skrypt([](TForm_BazaDanych& o) { o.cbxPokazPonownieOkno->setChecked(false); });
  OknoGlowneTestowe t(false);
  ASSERT_TRUE(Win1250::zapiszBajty(t.baza.katalog() + "params.db", "\x12\x34"));
  t.uruchomStart();
  EXPECT_TRUE(t.okno().TekstPanelu(1) == "lokalna" || t.okno().TekstPanelu(1) == "Niepodłączony");
}

TEST(Start, ClosingWritesTheSettings) {
  OknoGlowneTestowe t;
  t.okno().Stan.grafik_co = 20;
  t.okno().Stan.SzerKolumn[3] = 300;
  t.okno().close();
  StanProgramu s;
  s.KatalogDanych = t.baza.katalog();
  CzytajUstawienia(s);
  EXPECT_EQ(s.grafik_co, 20);
  EXPECT_EQ(s.SzerKolumn[3], 300);
}

TEST(Zamkniecie, SigtermClosesTheMainWindowAsItsCloseBoxDoes) {
  OknoGlowneTestowe t;
  const QString ini = t.baza.katalog() + "orbe.ini";
  QFile::remove(ini);
  ASSERT_TRUE(t.okno().isVisible());
  ::raise(SIGTERM);
  for (int i = 0; i < 400 && t.okno().isVisible(); ++i) QTest::qWait(5);
  EXPECT_FALSE(t.okno().isVisible());
  EXPECT_TRUE(QFile::exists(ini));  // the settings were written on the way out
}
