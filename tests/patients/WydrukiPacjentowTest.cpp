#include "patients/WydrukiPacjentow.h"
#include "patients/WydrukiPacjentowDane.h"
#include "patients/WydrukiPacjentowReguly.h"

#include "db/Dataset.h"
#include "reports/Drukarki.h"
#include "reports/Raport.h"
#include "support/BazaTestowa.h"
#include "support/DrukarkiTestowe.h"
#include "support/PlikPdf.h"
#include "support/PodgladTestowy.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace WydrukiPacjentow;

namespace {

const QString Szablony = QStringLiteral(ORBE_SOURCE_DIR "/templates/");

void wypelnij(BazaTestowa& baza) {
  baza.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'Kowalski', 'Jan', '1234567', 255, 'N')",
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'Usunięty', 'Adam', '1111111', 0, 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, DATAUR, DTDEKLARLEK, AKTYW) "
      "values (1, 1, 'Kowalska', 'Anna', '85051701234', 'Lipowa', '3', '12', '00-950', 'Warszawa', '1985-05-17', '2024-01-15', 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, KODP, POCZTA, DATAUR, AKTYW) "
      "values (2, 2, 'Żółkiewski', 'Łukasz', '90010112345', 'Długa', '7', '30-001', 'Kraków', '1990-01-01', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (3, 'Nowak', 'Ewa', '02270803628', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (4, 'Kowalczyk', 'Usunięta', '75030512345', 'N')",
  });
}

}  // namespace

TEST(WydrukiPacjentow, VariablesOfTheListAndTheCurrentRow) {
  BazaTestowa baza;
  wypelnij(baza);
  auto dane = OtworzStrone(baza.polaczenie(), WarunkiPacjentow::BudujWarunki(false, {}, false), 0);
  dane->moveTo(2);  // Żółkiewski
  const StronaListy wlaczony{true, QStringLiteral("kow"), 1234, 2, 13};
  const StronaListy wylaczony{false, QStringLiteral("kow"), 0, 0, 1};
  struct Przypadek {
    const char* nazwa;
    const StronaListy* strona;
    std::optional<QString> wartosc;
  };
  const Przypadek tabela[] = {
      {"filtr", &wlaczony, QStringLiteral("kow")},
      {"filtr", &wylaczony, QString()},  // the box still holds text
      {"wynikow", &wlaczony, QStringLiteral("1234  (Strona 3/13)")},
      {"wynikow", &wylaczony, QStringLiteral("0  (Strona 1/1)")},
      {"nazwisko", &wlaczony, QStringLiteral("Żółkiewski")},
      {"imie", &wlaczony, QStringLiteral("Łukasz")},
      {"pesel", &wlaczony, QStringLiteral("90010112345")},
      {"PESEL", &wlaczony, std::nullopt},
      {"Filtr", &wlaczony, std::nullopt},
      {"_adres", &wlaczony, std::nullopt},
  };
  for (const auto& p : tabela) EXPECT_EQ(Zmienna(QString::fromUtf8(p.nazwa), *p.strona, dane.get()), p.wartosc) << p.nazwa;
  EXPECT_EQ(Zmienna(QStringLiteral("nazwisko"), wlaczony, nullptr), QString());
  EXPECT_EQ(dane->text("_adres"), "Długa 7");
  EXPECT_EQ(dane->text("_lekarz_name"), "");  // a removed doctor is not looked up
  dane->first();
  EXPECT_EQ(dane->text("_adres"), "Lipowa 3/12");
  EXPECT_EQ(dane->text("_lekarz_name"), "Kowalski Jan");
  EXPECT_EQ(dane->text("_lekarz_pwzl"), "1234567");
}

TEST(WydrukiPacjentow, CardPrinterIsFoundInOtherLetterCase) {
  ZDrukarkami d({"PDF", "Zebra ZC300 USB"});
  EXPECT_EQ(SprawdzDrukarkeKart(QStringLiteral("zebra zc300 usb")), 1);
  EXPECT_EQ(SprawdzDrukarkeKart(QStringLiteral("ZEBRA ZC300 USB")), 1);
  EXPECT_EQ(SprawdzDrukarkeKart(QStringLiteral("---")), -1);
  EXPECT_EQ(SprawdzDrukarkeKart(QStringLiteral("Zebra")), -1);
}

TEST(WydrukiPacjentow, ListPrintoutShowsThePageWithFilterAndCount) {
  BazaTestowa baza;
  wypelnij(baza);
  PodgladTestowy podglad;
  Raport raport;
  struct Przypadek {
    bool filtrWlaczony;
    const char* tekst;
    bool usunieci;
    QStringList sa, nieMa;
    const char* wynikow;
  };
  const Przypadek tabela[] = {
      {false, "kow", false, {"Kowalska Anna", "Żółkiewski Łukasz", "Nowak Ewa", "Lipowa 3/12", "Kowalski Jan", "17-05-1985", "15-01-2024"},
       {"Filtr:", "Usunięta"}, "3  (Strona 1/1)"},
      {true, "kow", false, {"Filtr:", "kow", "Kowalska Anna"}, {"Nowak", "Żółkiewski", "Usunięta"}, "1  (Strona 1/1)"},
      {true, "7503", true, {"Kowalczyk Usunięta"}, {"Kowalska"}, "1  (Strona 1/1)"},
      {true, "Brak Takiego", false, {"Filtr:", "Brak Takiego", "Brak pacjentów do wydruku."}, {"Kowalska"}, "0  (Strona 1/1)"},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.tekst);
    DrukujListe(raport, baza.polaczenie(), Szablony, p.filtrWlaczony, QString::fromUtf8(p.tekst), p.usunieci, 0, nullptr);
    const auto& w = podglad.ostatni();
    EXPECT_EQ(w.tytul, "Pacjenci");
    EXPECT_TRUE(w.tekst.contains(QString::fromUtf8(p.wynikow))) << w.tekst.toStdString();
    const QString t = PlikPdf::Tekst(w.pdf);
    EXPECT_TRUE(t.contains("Wykaz pacjentów"));
    for (const QString& s : p.sa) EXPECT_TRUE(t.contains(s)) << s.toStdString() << "\n" << t.toStdString();
    for (const QString& s : p.nieMa) EXPECT_FALSE(t.contains(s)) << s.toStdString();
  }
  ASSERT_EQ(podglad.wydruki.size(), 4);
  PlikPdf::DoPng(podglad.wydruki[0].pdf, QDir(ORBE_BIN_DIR).filePath("Pacjenci.png"), 1, 80);
}

TEST(WydrukiPacjentow, ListPrintoutOfTheSecondPage) {
  BazaTestowa baza;
  QStringList wstaw;
  for (int i = 1; i <= 130; ++i)
    wstaw << QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (%1, 'Pacjent%2', 'Jan', '%3', 'T')")
                 .arg(i)
                 .arg(i, 3, 10, QLatin1Char('0'))
                 .arg(80000000000LL + i);
  baza.wykonaj(wstaw);
  PodgladTestowy podglad;
  Raport raport;
  DrukujListe(raport, baza.polaczenie(), Szablony, false, {}, false, 1, nullptr);
  const auto& w = podglad.ostatni();
  EXPECT_TRUE(w.tekst.contains("130  (Strona 2/2)"));
  const QString t = PlikPdf::Tekst(w.pdf);
  EXPECT_TRUE(t.contains("Pacjent101 Jan"));
  EXPECT_TRUE(t.contains("Pacjent130 Jan"));
  EXPECT_FALSE(t.contains("Pacjent100 "));
}

TEST(WydrukiPacjentow, CardGoesToTheCardPrinterAsOnePageWithThePeselBarcode) {
  BazaTestowa baza;
  wypelnij(baza);
  ZDrukarkami drukarki({"PDF", "Zebra ZC300 USB"});
  PodgladTestowy podglad;
  Raport raport;
  const int indeks = SprawdzDrukarkeKart(QStringLiteral("zebra zc300 usb"));
  ASSERT_TRUE(DrukujKarte(raport, baza.polaczenie(), Szablony, 2, indeks));
  EXPECT_TRUE(podglad.wydruki.isEmpty());  // no preview
  ASSERT_EQ(drukarki->uzyte, QStringList{"Zebra ZC300 USB"});
  const QString pdf = drukarki->dir.filePath("wydruk1.pdf");
  EXPECT_EQ(PlikPdf::Strony(pdf), 1);
  EXPECT_EQ(PlikPdf::RozmiarStrony(pdf), "243 x 153");  // CR80, 85.60 x 53.98 mm in whole points
  const QString t = PlikPdf::Tekst(pdf);
  EXPECT_TRUE(t.contains("Żółkiewski Łukasz")) << t.toStdString();
  EXPECT_TRUE(t.contains("90010112345"));
  EXPECT_EQ(PlikPdf::Obrazy(pdf), 1);
  EXPECT_EQ(raport.Kody(), QStringList{"90010112345"});
  PlikPdf::DoPng(pdf, QDir(ORBE_BIN_DIR).filePath("Karta.png"), 1, 200);

  // From the list: the card of the current row.
  auto lista = OtworzStrone(baza.polaczenie(), WarunkiPacjentow::BudujWarunki(false, {}, false), 0);
  ASSERT_TRUE(lista->locate("ID", 3));
  ASSERT_TRUE(DrukujKarte(raport, Szablony, *lista, indeks));
  EXPECT_EQ(raport.Kody(), QStringList{"02270803628"});
  EXPECT_TRUE(PlikPdf::Tekst(drukarki->dir.filePath("wydruk2.pdf")).contains("Nowak Ewa"));
  EXPECT_EQ(lista->text("ID"), "3");

  // Not installed: nothing is printed and nothing reported.
  EXPECT_FALSE(DrukujKarte(raport, baza.polaczenie(), Szablony, 2, SprawdzDrukarkeKart(QStringLiteral("---"))));
  EXPECT_EQ(drukarki->uzyte.size(), 2);
}
