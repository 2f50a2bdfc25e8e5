// The main window's day grid and doctor tabs over a small clinic: three
// doctors in use (one removed), hours for today, three visits of the first tab.
#include "common/Win1250.h"
#include "schedule/DemoReguly.h"
#include "schedule/SiatkaDniaWidok.h"
#include "schedule/SiatkaWizytDane.h"
#include "schedule/ZakladkiLekarzy.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/Kolory.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QDialog>
#include <gtest/gtest.h>

using namespace SiatkaDnia;

namespace {

int bgr(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

const int kAdamski = bgr(30, 200, 200);     // first tab
const int kMazur = bgr(210, 245, 210);      // second
const int kZielinska = bgr(200, 230, 255);  // third

QString pesel(int rok, int miesiac, int dzien, bool kobieta) {
  return DemoReguly::Pesel(QDate(rok, miesiac, dzien), kobieta, 17);
}

QString sqlDaty(const QDate& d) { return "'" + d.toString("yyyy-MM-dd") + "'"; }

void przychodnia(BazaTestowa& baza) {
  const QString dzis = sqlDaty(QDate::currentDate());
  const QString dzien = QString::number(QDate::currentDate().dayOfWeek());
  baza.wykonaj({
      QString("insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (1, 'ZIELIŃSKA', 'EWA', %1, 'N')")
          .arg(kZielinska),
      QString("insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (2, 'ADAMSKI', 'JAN', %1, 'N')")
          .arg(kAdamski),
      QString("insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (3, 'MAZUR', 'ANNA', %1, 'N')")
          .arg(kMazur),
      "insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (4, 'ABACKI', 'ADAM', 0, 'T')",
      "insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) values (1, 2, " + dzien + ", '08:00', '12:00')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'P01', 'Porada lekarska w gabinecie')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, AKTYW) values "
      "(1, 'NOWAK', 'ANNA', '" + pesel(1980, 5, 17, true) + "', 'DŁUGA', '5', '3', '32-020', 'WIELICZKA', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, KODP, POCZTA, AKTYW) values "
      "(2, 'WÓJCIK', 'PIOTR', '" + pesel(1955, 1, 2, false) + "', 'POLNA', '12A', '32-005', 'NIEPOŁOMICE', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, KODP, POCZTA, AKTYW) values "
      "(3, 'KRÓL', 'ZOFIA', '" + pesel(2010, 7, 30, true) + "', 'LEŚNA', '1', '32-020', 'WIELICZKA', 'T')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (11, 1, 2, 1, " + dzis +
          ", '08:00', 'J06.9')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (12, 2, 2, 0, " + dzis +
          ", '08:05')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (13, 3, 2, 0, " + dzis +
          ", '12:30')",
      // A visit whose patient is gone is not shown.
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (14, 99, 2, 0, " + dzis +
          ", '09:00')",
  });
}

struct Przychodnia : OknoGlowneTestowe {
  Przychodnia() : OknoGlowneTestowe(false) {
    przychodnia(baza);
    uruchomStart();
    // Tall enough for the whole day, so every row is on the screen.
    okno().setWindowState(Qt::WindowNoState);
    okno().resize(1300, 1100);
    QApplication::setActiveWindow(&okno());
    QApplication::processEvents();
  }
  SiatkaDniaWidok& sg() { return *okno().SG1; }
  QRect komorka(int wiersz, int kolumna) { return sg().visualRect(sg().model()->index(wiersz, kolumna)); }
  // The grid as painted, in the viewport's coordinates.
  void dwuklik(int wiersz) {
    const QPoint p = komorka(wiersz, KolNazwisko).center();
    QTest::mouseClick(sg().viewport(), Qt::LeftButton, {}, p);
    QTest::mouseDClick(sg().viewport(), Qt::LeftButton, {}, p);
    QTest::mouseRelease(sg().viewport(), Qt::LeftButton, {}, p);
  }
  QImage obraz() {
    const QPoint p = sg().viewport()->pos();
    return sg().grab().toImage().copy(QRect(p, sg().viewport()->size()));
  }
};

QColor kolor(int bgrWartosc) { return Kolory::zBGR(bgrWartosc); }

}  // namespace

TEST(OknoSiatki, OneColouredTabPerDoctorInUseInNameOrder) {
  Przychodnia t;
  TForm1& o = t.okno();
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty());
  ASSERT_EQ(o.TabControl1->Ilosc(), 3);
  PasekZakladek* pasek = o.TabControl1->Pasek();
  EXPECT_EQ(pasek->tabText(0), " ADAMSKI JAN ");
  EXPECT_EQ(pasek->tabText(1), " MAZUR ANNA ");
  EXPECT_EQ(pasek->tabText(2), " ZIELIŃSKA EWA ");
  EXPECT_EQ(o.Stan.ListaLekarzy,
            QStringList({QString("2=%1").arg(kAdamski), QString("3=%1").arg(kMazur), QString("1=%1").arg(kZielinska)}));
  EXPECT_EQ(o.TabControl1->Indeks(), 0);
  EXPECT_EQ(o.Stan.BiezacyLekarz, 2);
  EXPECT_EQ(o.TabControl1->height(), 30);
  const QImage img = pasek->grab().toImage();
  const int kolory[] = {kAdamski, kMazur, kZielinska};
  for (int i = 0; i < 3; ++i) {
    const QRect r = pasek->tabRect(i);
    EXPECT_EQ(r.height(), 26);
    // Right of the caption's last blank the tab shows only its fill.
    EXPECT_EQ(img.pixelColor(r.right() - 3, r.center().y()), kolor(kolory[i])) << i;
  }
  EXPECT_EQ(o.SG1->Tlo(), kolor(kAdamski));
  EXPECT_EQ(o.TekstPanelu(4), "3");
}

TEST(OknoSiatki, GridRowsAndCellsComeFromTheDay) {
  Przychodnia t;
  const Wiersze& w = t.sg().Wiersze();
  ASSERT_EQ(w.size(), 29u);  // 08:00, 08:05, 08:10 .. 12:20, 12:30
  EXPECT_EQ(w[0][KolId], "11");
  EXPECT_EQ(w[0][KolGodz], "08:00");
  EXPECT_EQ(w[0][KolNazwisko], "NOWAK ANNA");
  EXPECT_EQ(w[0][KolAdres], "DŁUGA 5/3\n32-020 WIELICZKA");
  EXPECT_EQ(w[0][KolPesel], pesel(1980, 5, 17, true));
  EXPECT_EQ(w[0][KolPorada], "P01\nPorada lekarska w gabinecie");
  EXPECT_EQ(w[0][KolIcd10], "J06.9");
  EXPECT_EQ(w[1][KolAdres], "POLNA 12A\n32-005 NIEPOŁOMICE");
  EXPECT_EQ(w[1][KolPorada], "\n");
  EXPECT_EQ(w[2][KolGodz], "08:10");
  EXPECT_TRUE(w[2][KolId].isEmpty());
  EXPECT_EQ(w[28][KolGodz], "12:30");
  EXPECT_EQ(w[28][KolId], "13");
  EXPECT_EQ(t.sg().model()->headerData(2, Qt::Horizontal).toString(), "Nazwisko i imię");
}

TEST(OknoSiatki, RowsArePaintedInTheDoctorsColoursInsideTheHours) {
  Przychodnia t;
  t.okno().WybierzWiersz(2);  // 08:10, free, inside the hours
  const KoloryWierszy lekarz = KoloryLekarza(kAdamski);
  ASSERT_EQ(lekarz.wybrany, bgr(246, 160, 160));  // the red byte wraps around
  struct Przypadek {
    int wiersz;
    int kolor;
  } przypadki[] = {
      {0, kAdamski},             // grid row 1, odd
      {1, lekarz.parzysty},      // grid row 2, even
      {2, lekarz.wybrany},       // selected
      {26, bgr(255, 255, 255)},  // 12:10, outside the hours, odd
      {27, bgr(245, 245, 245)},  // 12:20, even
  };
  const QImage img = t.obraz();
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.wiersz);
    EXPECT_EQ(t.sg().KolorWiersza(p.wiersz), p.kolor);
    const QRect r = t.komorka(p.wiersz, KolPesel);
    EXPECT_EQ(img.pixelColor(r.left() + 2, r.top() + 2), kolor(p.kolor));
  }
  // The arrow marks the selected row only; its background is not painted.
  const QRect strzalka = t.komorka(2, KolId);
  EXPECT_EQ(img.pixelColor(strzalka.center()), QColor(0, 0, 128));
  EXPECT_EQ(img.pixelColor(strzalka.left() + 2, strzalka.top() + 2), kolor(lekarz.wybrany));
  EXPECT_EQ(img.pixelColor(t.komorka(3, KolId).center()), kolor(lekarz.parzysty));
  t.okno().WybierzWiersz(28);  // the visit after the hours, selected
  EXPECT_EQ(t.sg().KolorWiersza(28), bgr(215, 215, 215));
}

TEST(OknoSiatki, CtrlRightAndCtrlLeftMoveBetweenTabs) {
  Przychodnia t;
  TForm1& o = t.okno();
  EXPECT_FALSE(o.aZakladkaPoprzednia->isEnabled());
  struct Krok {
    Qt::Key klawisz;
    int zakladka, lekarz;
    bool poprzednia, nastepna;
  } kroki[] = {
      {Qt::Key_Right, 1, 3, true, true},  {Qt::Key_Right, 2, 1, true, false},
      {Qt::Key_Right, 2, 1, true, false}, {Qt::Key_Left, 1, 3, true, true},
      {Qt::Key_Left, 0, 2, false, true},
  };
  for (const auto& k : kroki) {
    QTest::keyClick(o.SG1, k.klawisz, Qt::ControlModifier);
    EXPECT_EQ(o.TabControl1->Indeks(), k.zakladka);
    EXPECT_EQ(o.Stan.BiezacyLekarz, k.lekarz);
    EXPECT_EQ(o.aZakladkaPoprzednia->isEnabled(), k.poprzednia);
    EXPECT_EQ(o.aZakladkaNastepna->isEnabled(), k.nastepna);
  }
  // On the second tab: a doctor without hours or visits today shows 10:00 to 12:00 in white.
  QTest::keyClick(o.SG1, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(o.SG1->Tlo(), kolor(kMazur));
  EXPECT_EQ(o.SG1->Wiersze().size(), 13u);
  EXPECT_EQ(o.SG1->KolorWiersza(0), bgr(255, 255, 255));
  EXPECT_EQ(o.TekstPanelu(4), "0");
}

TEST(OknoSiatki, ADayOtherThanTodayTurnsThePickerYellow) {
  Przychodnia t;
  TForm1& o = t.okno();
  const QColor okno = o.palette().color(QPalette::Base);
  EXPECT_EQ(o.DateTimePicker1->palette().color(QPalette::Base), okno);
  o.DateTimePicker1->setDate(QDate::currentDate().addDays(1));
  EXPECT_EQ(o.DateTimePicker1->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(o.DateTimePicker1->toolTip(), "Wybrana data nie jest datą dzisiejszą.");
  EXPECT_EQ(o.TekstPanelu(4), "0");
  EXPECT_EQ(o.focusWidget(), o.SG1);
  o.DateTimePicker1->setDate(QDate::currentDate());
  EXPECT_EQ(o.DateTimePicker1->palette().color(QPalette::Base), okno);
  EXPECT_TRUE(o.DateTimePicker1->toolTip().isEmpty());
  EXPECT_EQ(o.TekstPanelu(4), "3");
  // Moved by the program to another day, the picker is coloured the same way without a date change.
  o.UstawDzien(QDate::currentDate().addDays(-3));
  EXPECT_EQ(o.DateTimePicker1->palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(o.TekstPanelu(4), "3");
}

TEST(OknoSiatki, RightClickSelectsTheRowUnderThePointerNeverTheHeader) {
  Przychodnia t;
  t.okno().WybierzWiersz(0);
  QTest::mousePress(t.sg().viewport(), Qt::RightButton, {}, t.komorka(3, KolNazwisko).center());
  QTest::mouseRelease(t.sg().viewport(), Qt::RightButton, {}, t.komorka(3, KolNazwisko).center());
  EXPECT_EQ(t.okno().WybranyWiersz(), 3);
  QHeaderView* naglowek = t.sg().horizontalHeader();
  QTest::mousePress(naglowek, Qt::RightButton, {}, QPoint(naglowek->sectionPosition(2) + 10, 10));
  QTest::mouseRelease(naglowek, Qt::RightButton, {}, QPoint(naglowek->sectionPosition(2) + 10, 10));
  EXPECT_EQ(t.okno().WybranyWiersz(), 3);
}

TEST(OknoSiatki, TheVisitCommandsFollowTheSelectedRow) {
  Przychodnia t;
  TForm1& o = t.okno();
  struct Przypadek {
    int wiersz;
    bool wizyta;
  } przypadki[] = {{0, true}, {2, false}, {28, true}, {27, false}};
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.wiersz);
    QTest::mouseClick(o.SG1->viewport(), Qt::LeftButton, {}, t.komorka(p.wiersz, KolPesel).center());
    EXPECT_EQ(o.WybranyWiersz(), p.wiersz);
    EXPECT_EQ(o.aWizytaEdytuj->isEnabled(), p.wizyta);
    EXPECT_EQ(o.aWizytaUsun->isEnabled(), p.wizyta);
    EXPECT_EQ(o.aWizytaWgGrafiku->isEnabled(), !p.wizyta);
    EXPECT_TRUE(o.aWizytaNowa->isEnabled());
    EXPECT_TRUE(o.aHarmonogram->isEnabled());
    EXPECT_TRUE(o.aWydruk->isEnabled());
  }
  // The keyboard moves the selection and the commands follow.
  o.WybierzWiersz(1);
  QTest::keyClick(o.SG1, Qt::Key_Down);
  EXPECT_EQ(o.WybranyWiersz(), 2);
  EXPECT_FALSE(o.aWizytaEdytuj->isEnabled());
  EXPECT_EQ(o.GodzinaWybranegoWiersza(), QTime(8, 10));
  EXPECT_EQ(o.PierwszyWolnyTermin(), QTime(8, 10));
}

TEST(OknoSiatki, DoubleClickOpensAVisitOrBooksTheSlot) {
  Przychodnia t;
  TForm1& o = t.okno();
  QSignalSpy edycja(o.aWizytaEdytuj, &QAction::triggered);
  QSignalSpy wgGrafiku(o.aWizytaWgGrafiku, &QAction::triggered);
  // The visit editor and the patient list it opens are closed as soon as they show.
  QTimer zamykanie;
  zamykanie.setInterval(5);
  QObject::connect(&zamykanie, &QTimer::timeout, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
  });
  zamykanie.start();
  t.dwuklik(0);
  EXPECT_EQ(edycja.count(), 1);
  EXPECT_EQ(wgGrafiku.count(), 0);
  t.dwuklik(4);
  EXPECT_EQ(edycja.count(), 1);
  EXPECT_EQ(wgGrafiku.count(), 1);
  EXPECT_EQ(o.WybranyWiersz(), 4);
  // Below the last row nothing happens.
  QTest::mouseDClick(o.SG1->viewport(), Qt::LeftButton, {}, QPoint(5, o.SG1->viewport()->height() - 2));
  EXPECT_EQ(edycja.count() + wgGrafiku.count(), 2);
}

TEST(OknoSiatki, NoDoctorsBeepsAndLeavesADefaultDayWithoutVisitCommands) {
  OknoGlowneTestowe t;
  TForm1& o = t.okno();
  EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Nie zdefiniowano listy lekarzy."});
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
  EXPECT_EQ(o.TabControl1->Ilosc(), 0);
  EXPECT_EQ(o.TabControl1->Indeks(), -1);
  EXPECT_EQ(o.Stan.BiezacyLekarz, 0);
  ASSERT_EQ(o.SG1->Wiersze().size(), 13u);
  EXPECT_EQ(o.SG1->Wiersze().front()[KolGodz], "10:00");
  EXPECT_EQ(o.SG1->Tlo(), QColor(255, 255, 255));
  for (QAction* a : {o.aWizytaNowa, o.aWizytaWgGrafiku, o.aWizytaEdytuj, o.aWizytaUsun, o.aHarmonogram,
                     o.aWydruk, o.aZakladkaPoprzednia, o.aZakladkaNastepna})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  for (QAction* a : {o.aPacjenci, o.aLekarze, o.aPorady, o.aOpcje}) EXPECT_TRUE(a->isEnabled());
}

TEST(OknoSiatki, WithOneDoctorBothTabButtonsAreDisabled) {
  OknoGlowneTestowe t(false);
  t.baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (7, 'LIS', 'JAN', null, 'N')"});
  t.uruchomStart();
  TForm1& o = t.okno();
  EXPECT_EQ(o.Stan.ListaLekarzy, QStringList{"7=0"});
  EXPECT_EQ(o.Stan.BiezacyLekarz, 7);
  EXPECT_FALSE(o.aZakladkaPoprzednia->isEnabled());
  EXPECT_FALSE(o.aZakladkaNastepna->isEnabled());
  EXPECT_TRUE(o.aWizytaNowa->isEnabled());
  // An empty colour is black; its shades wrap around to light grey.
  EXPECT_EQ(o.SG1->KoloryLekarza().wybrany, bgr(216, 216, 216));
}

TEST(OknoSiatki, ColumnWidthsComeFromAndGoBackToTheSettings) {
  OknoGlowneTestowe t(false);
  ASSERT_TRUE(Win1250::zapiszLinie(t.baza.katalog() + "orbe.ini", {"[SzerKolumn]", "2=400", "5=150"}));
  TForm1& o = t.okno();
  CzytajUstawienia(o.Stan);  // as when the window is first shown
  t.uruchomStart();
  EXPECT_EQ(o.SG1->Szerokosci(), QVector<int>({45, 88, 400, 262, 93, 150, 62}));
  o.SG1->horizontalHeader()->resizeSection(3, 300);
  EXPECT_EQ(o.Stan.SzerKolumn[3], 300);
}

TEST(OknoSiatki, AdviceCodesFollowTheReopenedList) {
  Przychodnia t;
  t.baza.wykonaj({"update PORADY set KOD = 'P99', NAZWA = 'Teleporada' where ID = 1"});
  t.okno().OtworzPorady();
  t.okno().ZbudujSiatke();
  EXPECT_EQ(t.sg().Wiersze()[0][KolPorada], "P99\nTeleporada");
  EXPECT_EQ(t.okno().sqlWizyty->count(), 3);
}

TEST(OknoSiatki, TheAdminDayListsTheWindowsRows) {
  Przychodnia t;
  SiatkaWizytDane dane(t.baza.polaczenie());
  dane.OtworzPorady();
  dane.OtworzWizyty(QDate::currentDate(), 2);
  dane.OtworzHarmonogram(QDate::currentDate(), 2);
  const QStringList linie = dane.LinieDnia(2, t.okno().Stan.grafik_co);
  const Wiersze& w = t.sg().Wiersze();
  ASSERT_EQ(linie.size(), static_cast<int>(w.size()));
  for (size_t i = 0; i < w.size(); ++i) EXPECT_TRUE(linie[i].startsWith(w[i][KolGodz] + "\t" + w[i][KolId] + "\t"));
  EXPECT_EQ(linie[0], "08:00\t11\tNOWAK ANNA\t" + pesel(1980, 5, 17, true) + "\ttak");
  EXPECT_EQ(linie[2], "08:10\t\t\t\ttak");
  EXPECT_EQ(linie[25], "12:00\t\t\t\ttak");  // the end of a range is inside the hours
  EXPECT_EQ(linie[26], "12:10\t\t\t\tnie");
  EXPECT_EQ(linie[28], "12:30\t13\tKRÓL ZOFIA\t" + pesel(2010, 7, 30, true) + "\tnie");
}

TEST(OknoSiatki, EnabledCommandsFollowLoginConnectionAndRow) {
  struct Przypadek {
    const char* nazwa;
    bool logowanie, zalogowany, polaczony;
    int wiersz;  // 0 = a visit, 2 = a free slot
    // Nowa, WgGrafiku, Edytuj, Usun, Pacjenci, Lekarze, Harmonogram, Porady.., Wydruk, Zaloguj, Wyloguj
    std::array<bool, 11> wlaczone;
  } przypadki[] = {
      {"no login, a visit", false, false, true, 0, {1, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
      {"no login, a free slot", false, false, true, 2, {1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 0}},
      {"login on, nobody logged in", true, false, true, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
      {"login on, logged in", true, true, true, 2, {1, 1, 0, 0, 1, 1, 1, 1, 1, 0, 1}},
      {"connection gone", false, false, false, 2, {0, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    Przychodnia t;
    TForm1& o = t.okno();
    o.WybierzWiersz(p.wiersz);
    o.Stan.LogowanieWlaczone = p.logowanie;
    o.Stan.Zalogowany = p.zalogowany;
    if (!p.polaczony) o.Polaczenie().close();
    o.OdswiezAkcje();
    const QAction* akcje[] = {o.aWizytaNowa, o.aWizytaWgGrafiku, o.aWizytaEdytuj, o.aWizytaUsun, o.aPacjenci,
                              o.aLekarze,    o.aHarmonogram,     nullptr,         o.aWydruk,     o.aZaloguj,
                              o.aWyloguj};
    for (size_t i = 0; i < std::size(akcje); ++i) {
      if (!akcje[i]) {
        for (const QAction* a : {o.aPorady, o.aBadania, o.aEksportDeklaracji, o.aEksportWizyt, o.aZleconeBadania,
                                 o.aBazaDanych, o.aOpcje})
          EXPECT_EQ(a->isEnabled(), p.wlaczone[i]) << a->objectName().toStdString();
        continue;
      }
      EXPECT_EQ(akcje[i]->isEnabled(), p.wlaczone[i]) << akcje[i]->objectName().toStdString();
    }
    EXPECT_TRUE(o.aZamknij->isEnabled());
    EXPECT_TRUE(o.aOProgramie->isEnabled());
  }
}
