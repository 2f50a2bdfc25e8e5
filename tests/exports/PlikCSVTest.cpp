#include "exports/PlikCSV.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

static QByteArray bajtyPliku(const QString& p) {
  QFile f(p);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PlikCSV, EveryLineHasAllSeparatorsAndEndsWithCrLf) {
  struct Przypadek {
    const char* opis;
    QList<QStringList> wiersze;
    int kolumny;
    QByteArray plik;
  };
  const Przypadek przypadki[] = {
      {"only the third cell filled", {{"A", "B", "C"}, {"", "", "wartość"}}, 3,
       "A;B;C\r\n;;warto\x9C\xE6\r\n"},
      {"short row padded", {{"x"}}, 3, "x;;\r\n"},
      {"no quoting of ; or line breaks", {{"a;b", "c\"d", "e\r\nf"}}, 3, "a;b;c\"d;e\r\nf\r\n"},
      {"Polish letters as single bytes", {{"Żółć", "Łódź"}}, 2, "\xAF\xF3\xB3\xE6;\xA3\xF3" "d\x9F\r\n"},
      {"header only", {{"Nazwisko"}}, 1, "Nazwisko\r\n"},
  };
  QTemporaryDir dir;
  for (const auto& p : przypadki) {
    const QString sciezka = dir.filePath("eksport.csv");
    ZapiszPlikCSV(sciezka, p.wiersze, p.kolumny);
    EXPECT_EQ(bajtyPliku(sciezka), p.plik) << p.opis;
  }
}

TEST(PlikCSV, ReplacesFileWholeAndRaisesWhenUnwritable) {
  QTemporaryDir dir;
  const QString sciezka = dir.filePath("eksport.csv");
  ZapiszPlikCSV(sciezka, {{"bardzo długi stary wiersz"}, {"drugi"}}, 1);
  ZapiszPlikCSV(sciezka, {{"n"}}, 1);
  EXPECT_EQ(bajtyPliku(sciezka), QByteArray("n\r\n"));
  EXPECT_THROW(ZapiszPlikCSV("/nonexistent-dir/e.csv", {{"a"}}, 1), std::runtime_error);
}

TEST(PlikCSV, MonthRangeIncludesLeapDays) {
  struct Przypadek {
    int rok, miesiac;
    QDate pierwszy, ostatni;
  };
  const Przypadek przypadki[] = {
      {2012, 2, {2012, 2, 1}, {2012, 2, 29}}, {2023, 2, {2023, 2, 1}, {2023, 2, 28}},
      {2000, 2, {2000, 2, 1}, {2000, 2, 29}}, {2100, 2, {2100, 2, 1}, {2100, 2, 28}},
      {2011, 4, {2011, 4, 1}, {2011, 4, 30}}, {2026, 12, {2026, 12, 1}, {2026, 12, 31}},
  };
  for (const auto& p : przypadki) {
    EXPECT_EQ(PierwszyDzienMiesiaca(p.rok, p.miesiac), p.pierwszy) << p.rok << "-" << p.miesiac;
    EXPECT_EQ(OstatniDzienMiesiaca(p.rok, p.miesiac), p.ostatni) << p.rok << "-" << p.miesiac;
  }
  EXPECT_FALSE(OstatniDzienMiesiaca(2011, 13).isValid());
}

TEST(PlikCSV, ProposedExportFileNames) {
  EXPECT_EQ(NazwaPlikuEksportuWizyt(2010, 10), "EksportWizyt_2010-10.csv");
  EXPECT_EQ(NazwaPlikuEksportuWizyt(2012, 2), "EksportWizyt_2012-02.csv");
  EXPECT_EQ(NazwaPlikuEksportuDeklaracji(2011, 3), "EksportDeklaracji_2011-03.csv");
}

TEST(PlikCSV, DeclarationRecordGivesItemsInsideTheMonth) {
  const QDate nic;
  struct Przypadek {
    const char* opis;
    QDate lek, piel;
    int rok, miesiac;
    QList<PozycjaDeklaracji> pozycje;
  };
  const Przypadek przypadki[] = {
      {"both in March, doctor first", {2011, 3, 1}, {2011, 3, 31}, 2011, 3,
       {{DeklaracjaLekarska, {2011, 3, 1}}, {DeklaracjaPielegniarska, {2011, 3, 31}}}},
      {"nurse first by date, doctor still first", {2011, 3, 31}, {2011, 3, 1}, 2011, 3,
       {{DeklaracjaLekarska, {2011, 3, 31}}, {DeklaracjaPielegniarska, {2011, 3, 1}}}},
      {"split: March part", {2011, 3, 15}, {2011, 4, 1}, 2011, 3, {{DeklaracjaLekarska, {2011, 3, 15}}}},
      {"split: April part", {2011, 3, 15}, {2011, 4, 1}, 2011, 4, {{DeklaracjaPielegniarska, {2011, 4, 1}}}},
      {"null doctor date", nic, {2011, 3, 2}, 2011, 3, {{DeklaracjaPielegniarska, {2011, 3, 2}}}},
      {"both null", nic, nic, 2011, 3, {}},
      {"outside the month", {2011, 2, 28}, {2011, 4, 1}, 2011, 3, {}},
      {"leap day is inside", {2012, 2, 29}, nic, 2012, 2, {{DeklaracjaLekarska, {2012, 2, 29}}}},
  };
  for (const auto& p : przypadki) {
    const auto pozycje = PozycjeDeklaracji(p.lek, p.piel, PierwszyDzienMiesiaca(p.rok, p.miesiac),
                                           OstatniDzienMiesiaca(p.rok, p.miesiac));
    EXPECT_EQ(pozycje, p.pozycje) << p.opis;
  }
}

TEST(PlikCSV, ExaminationSummaryNameAndLines) {
  const QDate od(2026, 12, 1), do_(2026, 12, 31);
  EXPECT_EQ(OkresWykazu(od, do_), QStringLiteral("2026-12-01÷2026-12-31"));
  EXPECT_EQ(NazwaPlikuWykazuBadan(od, do_), QStringLiteral("Badania_2026-12-01÷2026-12-31.csv"));

  const QList<PozycjaWykazuBadan> pozycje{{"Morfologia", 2}, {"OB; odczyn", 1}, {"Glukoza %1", 12}};
  const QStringList oczekiwane{QStringLiteral("Wykaz ilościowy badań: 2026-12-01÷2026-12-31"), "",
                               QStringLiteral("Lp;Nazwa;Ilość"), "1;Morfologia;2", "2;OB; odczyn;1",
                               "3;Glukoza %1;12"};
  EXPECT_EQ(LinieWykazuBadan(od, do_, pozycje), oczekiwane);
  EXPECT_EQ(LinieWykazuBadan(od, do_, {}).size(), 3);

  QTemporaryDir dir;
  const QString sciezka = dir.filePath(NazwaPlikuWykazuBadan(od, do_));
  ZapiszWykazBadan(sciezka, od, do_, {{"Morfologia", 2}});
  EXPECT_EQ(bajtyPliku(sciezka),
            QByteArray("Wykaz ilo\x9C" "ciowy bada\xF1: 2026-12-01\xF7" "2026-12-31\r\n\r\nLp;Nazwa;Ilo\x9C\xE6\r\n"
                       "1;Morfologia;2\r\n"));
}
