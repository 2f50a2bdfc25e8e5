#include "schedule/WykazWizyt.h"
#include "schedule/WykazWizytDane.h"
#include "schedule/WykazWizytReguly.h"

#include "db/Dataset.h"
#include "reports/Raport.h"
#include "support/BazaTestowa.h"
#include "support/OknoGlowneTestowe.h"
#include "support/PlikPdf.h"
#include "support/PodgladTestowy.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Szablony = QStringLiteral(ORBE_SOURCE_DIR "/templates/");
const QDate Dzien(2026, 12, 9);

// Two doctors, two advice types, and visits of 9 December 2026 and the day after.
void wypelnij(BazaTestowa& baza) {
  baza.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'Kowalski', 'Jan', '1234567', 255, 'N')",
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'Nowak', 'Maria', '7654321', 65280, 'N')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'W01', 'Porada lekarska')",
      "insert into PORADY (ID, KOD, NAZWA) values (2, 'K02', 'Konsultacja specjalistyczna')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, AKTYW) values "
      "(1, 'Kowalska', 'Anna', '85051701234', 'Lipowa', '3', '12', '00-950', 'Warszawa', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, KODP, POCZTA, AKTYW) values "
      "(2, 'Żółkiewski', 'Łukasz', '90010112345', 'Długa', '7', '30-001', 'Kraków', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (3, 'Nowak', 'Ewa', '02270803628', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (4, 'Wiśniewski', 'Piotr', '75030512345', 'T')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (1, 1, 1, 1, '2026-12-09', '09:30', 'J06.9')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (2, 2, 1, 0, '2026-12-09', '08:15', null)",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (3, 3, 1, 2, '2026-12-09', '09:30', 'I10')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (4, 4, 2, 1, '2026-12-09', '10:00', 'Z00')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (5, 4, 1, 1, '2026-12-10', '10:00', 'Z00')",
  });
}

}  // namespace

TEST(WykazWizyt, VariablesAreTheDayAndTheTabCaptionByExactName) {
  const QString lekarz = WykazWizyt::PodpisLekarza(QStringLiteral("Kowalski"), QStringLiteral("Jan"));
  EXPECT_EQ(lekarz, " Kowalski Jan ");
  struct Przypadek {
    const char* nazwa;
    std::optional<QString> wartosc;
  };
  const Przypadek tabela[] = {
      {"dzien", QStringLiteral("09-12-2026")}, {"lekarz", lekarz},   {"Dzien", std::nullopt},
      {"LEKARZ", std::nullopt},                {"dzien ", std::nullopt}, {"NAZWISKO", std::nullopt},
  };
  for (const auto& p : tabela) EXPECT_EQ(WykazWizyt::Zmienna(QString::fromUtf8(p.nazwa), Dzien, lekarz), p.wartosc) << p.nazwa;
  EXPECT_EQ(WykazWizyt::Zmienna(QStringLiteral("dzien"), QDate(2027, 1, 1), lekarz), "01-01-2027");
}

TEST(WykazWizyt, DayVisitListPrintsTheDoctorsVisitsInTimeOrder) {
  BazaTestowa baza;
  wypelnij(baza);
  PodgladTestowy podglad;
  Raport raport;
  WykazWizyt::Drukuj(raport, baza.polaczenie(), Szablony, 1, Dzien, nullptr);
  ASSERT_EQ(podglad.wydruki.size(), 1);
  const auto& w = podglad.ostatni();
  EXPECT_EQ(w.tytul, "WykazWizyt");
  EXPECT_TRUE(w.tekst.contains(" Kowalski Jan ")) << w.tekst.toStdString();  // both spaces kept
  const QString t = PlikPdf::Tekst(w.pdf);
  for (const char* s : {"Wykaz wizyt", "09-12-2026", "Kowalski Jan", "08:15", "Lipowa 3/12, 00-950 Warszawa", "85051701234",
                        "W01", "Porada lekarska", "J06.9", "Konsultacja specjalistyczna", "I10", "Długa 7, 30-001 Kraków"})
    EXPECT_TRUE(t.contains(QString::fromUtf8(s))) << s << "\n" << t.toStdString();
  // 08:15, then the two of 09:30 by ID; other doctors and days are left out.
  EXPECT_LT(t.indexOf("Żółkiewski"), t.indexOf("Kowalska"));
  EXPECT_LT(t.indexOf("Kowalska"), t.indexOf("Nowak Ewa"));
  EXPECT_FALSE(t.contains("Wiśniewski"));
  EXPECT_FALSE(t.contains("Z00"));
  PlikPdf::DoPng(w.pdf, QDir(ORBE_BIN_DIR).filePath("Wizyty.png"), 1, 80);
}

TEST(WykazWizyt, VisitWithoutAdviceTypePrintsEmptyAdviceFields) {
  BazaTestowa baza;
  wypelnij(baza);
  QTemporaryDir dir;
  QFile f(dir.filePath("Wizyty.frf"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{{#wiersze}}<p>{{GODZ}} [{{_porada_kod}}|{{_porada_nazwa}}|{{ICD10}}]</p>{{/wiersze}}");
  f.close();
  PodgladTestowy podglad;
  Raport raport;
  WykazWizyt::Drukuj(raport, baza.polaczenie(), dir.path() + '/', 1, Dzien, nullptr);
  EXPECT_EQ(podglad.ostatni().tekst.split('\n'),
            QStringList({"08:15 [||]", "09:30 [W01|Porada lekarska|J06.9]", "09:30 [K02|Konsultacja specjalistyczna|I10]"}));
}

TEST(WykazWizyt, OverTheOpenDatasetItsCurrentRowIsKept) {
  BazaTestowa baza;
  wypelnij(baza);
  auto wizyty = WykazWizyt::OtworzWizytyDnia(baza.polaczenie(), 1, Dzien);
  ASSERT_EQ(wizyty->count(), 3);
  wizyty->moveTo(2);
  PodgladTestowy podglad;
  Raport raport;
  WykazWizyt::Drukuj(raport, Szablony, *wizyty, Dzien, QStringLiteral(" Kowalski Jan "), nullptr);
  EXPECT_EQ(wizyty->recNo(), 2);
  EXPECT_TRUE(podglad.ostatni().tekst.contains("Nowak Ewa"));
}

TEST(WykazWizyt, MainWindowPrintActionPreviewsTheShownDayAndKeepsItWithoutTemplate) {
  OknoGlowneTestowe t(wypelnij, true);
  TForm1& okno = t.okno();
  okno.WybierzZakladkeLekarza(1);
  okno.ZmianaZakladki();
  okno.DateTimePicker1->setDate(Dzien);
  okno.Stan.KatalogProgramu = Szablony;
  PodgladTestowy podglad;
  ASSERT_TRUE(okno.aWydruk->isEnabled());
  okno.aWydruk->trigger();
  ASSERT_EQ(podglad.wydruki.size(), 1);
  EXPECT_EQ(podglad.ostatni().tytul, "WykazWizyt");
  EXPECT_TRUE(podglad.ostatni().tekst.contains("09-12-2026"));
  EXPECT_TRUE(podglad.ostatni().tekst.contains(" Kowalski Jan "));

  // A missing template is not reported: the report shows what it held before.
  QTemporaryDir pusty;
  okno.Stan.KatalogProgramu = pusty.path() + '/';
  okno.aWydruk->trigger();
  ASSERT_EQ(podglad.wydruki.size(), 2);
  EXPECT_TRUE(podglad.ostatni().tekst.contains("Wykaz wizyt"));
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty());
}
