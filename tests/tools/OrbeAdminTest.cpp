#include "support/OrbeAdminTestowy.h"
#include "support/BazaTestowa.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Wynik = WynikOrbeAdmin;

static Wynik uruchom(const QStringList& argumenty, const QString& katalogDanych) {
  return UruchomOrbeAdmin(argumenty, katalogDanych);
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
  EXPECT_EQ(w.kod, 2);
  EXPECT_TRUE(w.bledy.startsWith("Błąd otwarcia:\n"));
  EXPECT_TRUE(w.bledy.contains("Zamknij go albo zainstaluj i uruchom serwer Firebird")) << w.bledy.toStdString();
}

TEST(OrbeAdmin, AnUnknownCommandFails) {
  QTemporaryDir dir;
  EXPECT_NE(uruchom({"nic-takiego"}, dir.path()).kod, 0);
}
