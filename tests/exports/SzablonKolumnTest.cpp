#include "common/Win1250.h"
#include "exports/SzablonKolumn.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(SzablonKolumn, LineSplitsAtFirstEquals) {
  struct Przypadek {
    QString linia, naglowek, tresc;
  };
  const Przypadek przypadki[] = {
      {"Nazwisko=<P.NAZWISKO>", "Nazwisko", "<P.NAZWISKO>"},
      {"A=B=x", "A", "B=x"},
      {"<P.IMIE>", "", "<P.IMIE>"},
      {"=", "", ""},
      {"", "", ""},
      {"Adres=ul. <P.ULICA> <P.NRDOMU>/<P.NRLOKAL>", "Adres", "ul. <P.ULICA> <P.NRDOMU>/<P.NRLOKAL>"},
  };
  for (const auto& p : przypadki) {
    const KolumnaSzablonu k = RozbierzLinieSzablonu(p.linia);
    EXPECT_EQ(k.naglowek, p.naglowek) << p.linia.toStdString();
    EXPECT_EQ(k.tresc, p.tresc) << p.linia.toStdString();
  }
}

TEST(SzablonKolumn, FileRoundTripKeepsEqualsInContentAndPolishLetters) {
  QTemporaryDir dir;
  const QString p = dir.filePath("KolumnyEW.txt");
  // A header typed as A=B is written as A=B=x and comes back as A / B=x.
  ZapiszSzablonKolumn(p, {{"A=B", "x"}, {"Płeć", "<P.PLEC>"}, {"", ""}});
  QFile f(p);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("A=B=x\r\nP\xB3""e\xE6=<P.PLEC>\r\n=\r\n"));
  const SzablonKolumn wczytany = CzytajSzablonKolumn(p);
  EXPECT_EQ(wczytany, SzablonKolumn({{"A", "B=x"}, {"Płeć", "<P.PLEC>"}, {"", ""}}));
}

TEST(SzablonKolumn, MissingOrEmptyFileHasNoColumns) {
  QTemporaryDir dir;
  EXPECT_TRUE(CzytajSzablonKolumn(dir.filePath("brak.txt")).isEmpty());
  ASSERT_TRUE(Win1250::zapiszBajty(dir.filePath("pusty.txt"), QByteArray()));
  EXPECT_TRUE(CzytajSzablonKolumn(dir.filePath("pusty.txt")).isEmpty());
}

TEST(SzablonKolumn, UnwritableFileRaisesAnError) {
  EXPECT_THROW(ZapiszSzablonKolumn("/nonexistent-dir/KolumnyED.txt", {{"a", "b"}}), std::runtime_error);
}

TEST(SzablonKolumn, ColumnLettersAreBijectiveBase26) {
  const std::pair<int, const char*> przypadki[] = {
      {0, ""},   {-3, ""},   {1, "A"},    {2, "B"},    {26, "Z"},     {27, "AA"},   {28, "AB"},
      {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {704, "AAB"}, {18278, "ZZZ"}, {18279, "AAAA"},
  };
  for (const auto& [n, litery] : przypadki) EXPECT_EQ(NumerujKolumny(n), QString(litery)) << n;
}

TEST(SzablonKolumn, FooterNamesCountAndFirstAndLastLetter) {
  EXPECT_EQ(TekstIlosciKolumn(28), QStringLiteral("  Ilość kolumn 28  ( A ÷ AB )"));
  EXPECT_EQ(TekstIlosciKolumn(27), QStringLiteral("  Ilość kolumn 27  ( A ÷ AA )"));
  EXPECT_EQ(TekstIlosciKolumn(1), QStringLiteral("  Ilość kolumn 1  ( A ÷ A )"));
  EXPECT_EQ(TekstIlosciKolumn(0), QStringLiteral("  Ilość kolumn 0  (  ÷  )"));
}
