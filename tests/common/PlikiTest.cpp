#include "common/PlikIni.h"
#include "common/Win1250.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QByteArray bajty(const QString& p) {
  QFile f(p);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

TEST(Win1250, PolishLettersRoundTripAsSingleBytes) {
  const QString t = QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ");
  const QByteArray b = Win1250::zakoduj(t);
  EXPECT_EQ(b.size(), t.size());
  EXPECT_EQ(static_cast<unsigned char>(b[0]), 0xB9);  // ą
  EXPECT_EQ(static_cast<unsigned char>(b[3]), 0xB3);  // ł
  EXPECT_EQ(Win1250::odkoduj(b), t);
}

TEST(Win1250, LinesEndWithCrLfAndAnyLineEndReadsBack) {
  QTemporaryDir dir;
  const QString p = dir.filePath("a.txt");
  ASSERT_TRUE(Win1250::zapiszLinie(p, {"Łódź", "", "x"}));
  EXPECT_EQ(bajty(p), QByteArray("\xA3\xF3""d\x9F\r\n\r\nx\r\n"));
  EXPECT_EQ(Win1250::czytajLinie(p), QStringList({"Łódź", "", "x"}));
  EXPECT_EQ(Win1250::podzielLinie("a\nb\rc\r\nd"), QStringList({"a", "b", "c", "d"}));
  EXPECT_TRUE(Win1250::czytajLinie(dir.filePath("brak.txt")).isEmpty());
}

TEST(Win1250, UnwritableFileReportsFailureAndKeepsNothing) {
  EXPECT_FALSE(Win1250::zapiszLinie("/nonexistent-dir/x.txt", {"a"}));
  EXPECT_THROW(Win1250::zapiszLinieLubBlad("/nonexistent-dir/x.txt", {"a"}), std::runtime_error);
}

TEST(PlikIni, ReadsDefaultsForMissingAndNonIntegerValues) {
  QTemporaryDir dir;
  const QString p = dir.filePath("orbe.ini");
  QFile f(p);
  f.open(QIODevice::WriteOnly);
  f.write("[Wizyty]\r\ngrafik_co=abc\r\n[FB]\r\nHost=serwer\r\n");
  f.close();
  PlikIni ini(p);
  EXPECT_EQ(ini.czytajLiczbe("Wizyty", "grafik_co", 10), 10);
  EXPECT_EQ(ini.czytajLiczbe("Logowanie", "logow_timeout", 10), 10);
  EXPECT_EQ(ini.czytajTekst("fb", "HOST", ""), "serwer");
  EXPECT_EQ(ini.czytajTekst("FB", "Dir", "d"), "d");
}

TEST(PlikIni, WritesWholeFileKeepingOtherSections) {
  QTemporaryDir dir;
  const QString p = dir.filePath("orbe.ini");
  {
    PlikIni ini(p);
    ini.zapiszLiczbe("SzerKolumnEW", "c0", 128);
    ASSERT_TRUE(ini.zapisz());
  }
  PlikIni ini(p);
  ini.zapiszTekst("FB", "Host", "Gdańsk");
  ini.zapiszLiczbe("SzerKolumnEW", "c0", 200);
  ASSERT_TRUE(ini.zapisz());
  EXPECT_EQ(bajty(p), QByteArray("[SzerKolumnEW]\r\nc0=200\r\n\r\n[FB]\r\nHost=Gda\xF1sk\r\n\r\n"));
}
