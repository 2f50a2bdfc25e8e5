#include "support/DrukarkiTestowe.h"
#include "support/PlikPdf.h"
#include "visits/Bilet.h"
#include "visits/BiletReguly.h"

#include <QCheckBox>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(BiletReguly, LinesOfTheTicket) {
  EXPECT_EQ(BiletReguly::LiniaTerminu(QDate(2026, 12, 9), QTime(14, 30)), "09-12-2026   14:30");
  EXPECT_EQ(BiletReguly::LiniaTerminu(QDate(2027, 1, 31), QTime(8, 5)), "31-01-2027   08:05");
  struct P {
    QString imie, nazwisko, linia;
  };
  for (const P& p : std::vector<P>{{"Anna", "Nowak", "Anna N."},
                                   {"Anna", "N", "Anna N."},
                                   {"Anna", "", "Anna ."},
                                   {"Łucja", "Żak", "Łucja Ż."}}) {
    SCOPED_TRACE(p.nazwisko.toStdString());
    EXPECT_EQ(BiletReguly::LiniaPacjenta(p.imie, p.nazwisko), p.linia);
  }
}

TEST(BiletReguly, CheckBoxFollowsTheTicketPrinterAndTheVisit) {
  const QStringList zainstalowane = {"Biurowa", "Bilety", "---x"};
  struct P {
    const char* drukarka;
    bool nowa;
    bool jest, wlaczone, zaznaczone;
  };
  for (const P& p : std::vector<P>{{"Bilety", true, true, true, true},
                                   {"Bilety", false, true, true, false},
                                   {"bilety", true, false, false, false},  // exact name only
                                   {"---", true, false, false, false},
                                   {"", true, false, false, false},
                                   {"Inna", false, false, false, false}}) {
    SCOPED_TRACE(p.drukarka);
    const auto s = BiletReguly::StanDrukujBilet(zainstalowane, p.drukarka, p.nowa);
    EXPECT_EQ(s.drukarka, p.jest);
    EXPECT_EQ(s.wlaczone, p.wlaczone);
    EXPECT_EQ(s.zaznaczone, p.zaznaczone);
  }
}

QString tytulPdf(const QString& plik) {
  QProcess p;
  p.start("pdfinfo", {plik});
  p.waitForFinished();
  const auto m = QRegularExpression("^Title:\\s*(.*)$", QRegularExpression::MultilineOption)
                     .match(QString::fromUtf8(p.readAllStandardOutput()));
  return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// The gap in points between two words on the page (pdftotext -bbox); -1 when absent.
double odstep(const QString& plik, const QString& lewe, const QString& prawe) {
  QProcess p;
  p.start("pdftotext", {"-bbox", plik, "-"});
  p.waitForFinished();
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  const QRegularExpression slowo("<word xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\"[^>]*>([^<]*)</word>");
  double koniecLewego = -1, poczatekPrawego = -1;
  for (auto it = slowo.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(3) == lewe) koniecLewego = m.captured(2).toDouble();
    if (m.captured(3) == prawe) poczatekPrawego = m.captured(1).toDouble();
  }
  return koniecLewego < 0 || poczatekPrawego < 0 ? -1 : poczatekPrawego - koniecLewego;
}

TEST(Bilet, PrintsOneJobTitledBiletWithTheTwoLinesOnTheTicketPrinter) {
  ZDrukarkami d({"Biurowa", "Bilety"});
  struct P {
    QString imie, nazwisko, linia;
  };
  for (const P& p : std::vector<P>{{"Anna", "Nowak", "Anna N."}, {"Jan", "K", "Jan K."}, {"Ewa", "", "Ewa ."}}) {
    SCOPED_TRACE(p.linia.toStdString());
    QCheckBox pole;
    DrukarkaBiletow bilet;
    bilet.UstawDrukarkeBiletow("Bilety", true, &pole);
    EXPECT_TRUE(pole.isEnabled());
    EXPECT_TRUE(pole.isChecked());
    ASSERT_TRUE(bilet.DrukujBilet(QDate(2026, 12, 9), QTime(14, 30), p.imie, p.nazwisko));
    bilet.Zwolnij();
    ASSERT_EQ(d->uzyte.last(), "Bilety");
    const QString plik = d->dir.filePath(QString("wydruk%1.pdf").arg(d->uzyte.size()));
    EXPECT_EQ(PlikPdf::Strony(plik), 1);
    const QString tekst = PlikPdf::Tekst(plik);
    QStringList linie;
    for (const QString& l : tekst.split('\n'))
      if (!l.trimmed().isEmpty()) linie << l;  // the page ends with a form feed
    ASSERT_EQ(linie.size(), 3) << tekst.toStdString();
    EXPECT_EQ(linie[0].simplified(), "09-12-2026 14:30");
    EXPECT_EQ(linie[1].trimmed(), p.linia);
    EXPECT_EQ(linie[2].trimmed(), "_");
    // The three blanks: at 20 points a blank of Arial is about 5.6 points wide.
    const double przerwa = odstep(plik, "09-12-2026", "14:30");
    EXPECT_GT(przerwa, 2.5 * 5.56);
    EXPECT_LT(przerwa, 3.5 * 5.56);
    EXPECT_EQ(tytulPdf(plik), "Bilet");
  }
}

TEST(Bilet, NoTicketPrinterDisablesTheCheckBoxAndPrintsNothing) {
  ZDrukarkami d({"Biurowa"});
  for (const QString nazwa : {"---", "Bilety"}) {
    QCheckBox pole;
    pole.setChecked(true);
    DrukarkaBiletow bilet;
    bilet.UstawDrukarkeBiletow(nazwa, true, &pole);
    EXPECT_FALSE(pole.isEnabled());
    EXPECT_FALSE(pole.isChecked());
    EXPECT_FALSE(bilet.DrukujBilet(QDate(2026, 12, 9), QTime(14, 30), "Anna", "Nowak"));
  }
  EXPECT_TRUE(d->uzyte.isEmpty());
  // An existing visit starts unticked; the box can still be ticked.
  ZDrukarkami e({"Bilety"});
  QCheckBox pole;
  DrukarkaBiletow bilet;
  bilet.UstawDrukarkeBiletow("Bilety", false, &pole);
  EXPECT_TRUE(pole.isEnabled());
  EXPECT_FALSE(pole.isChecked());
}

}  // namespace
