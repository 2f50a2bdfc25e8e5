#include "support/BazaTestowa.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

struct Wynik {
  int kod;
  QString wyjscie, bledy;
};

static Wynik uruchom(const QStringList& argumenty, const QString& katalogDanych) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ORBE_DATA_DIR", katalogDanych);
  env.insert("ORBE_DOSTEP_BAZY", "embedded");
  p.setProcessEnvironment(env);
  p.start(QString(ORBE_BIN_DIR) + "/orbe-admin", argumenty);
  p.waitForFinished(60000);
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(OrbeAdmin, InitCreatesADataFolderAndNeverOverwritesTheDatabase) {
  QTemporaryDir dir;
  const QString kat = dir.filePath("dane");
  const Wynik w = uruchom({"init", kat}, kat);
  ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
  EXPECT_TRUE(QFile::exists(kat + "/ORBE.FDB"));
  EXPECT_TRUE(QFile::exists(kat + "/lista_gmin.txt"));
  const Wynik s = uruchom({"status"}, kat);
  EXPECT_EQ(s.kod, 0) << s.bledy.toStdString();
  EXPECT_TRUE(s.wyjscie.contains("PACJENCI\t0"));
  const Wynik znowu = uruchom({"init", kat}, kat);
  EXPECT_NE(znowu.kod, 0);
  EXPECT_TRUE(znowu.bledy.contains("nie zostanie nadpisana"));
}

TEST(OrbeAdmin, ADatabaseHeldByAnotherProgramIsExplained) {
  BazaTestowa baza;  // this process holds the file through the embedded engine
  const Wynik w = uruchom({"status"}, baza.katalog());
  EXPECT_EQ(w.kod, 1);
  EXPECT_TRUE(w.bledy.startsWith("Błąd otwarcia:\n"));
  EXPECT_TRUE(w.bledy.contains("Zamknij go albo zainstaluj i uruchom serwer Firebird")) << w.bledy.toStdString();
}

TEST(OrbeAdmin, AnUnknownCommandFails) {
  QTemporaryDir dir;
  EXPECT_NE(uruchom({"nic-takiego"}, dir.path()).kod, 0);
}
