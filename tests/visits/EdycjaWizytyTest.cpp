// The booking path through the real windows: the main window's visit commands,
// the visit editor and the lists it chooses from, over a small clinic.
#include "app/TForm_Kalendarz.h"
#include "app/TForm_Zegar.h"
#include "db/Dataset.h"
#include "db/Statement.h"
#include "dictionaries/TForm_Badania.h"
#include "dictionaries/TForm_Lekarze.h"
#include "dictionaries/TForm_Porady.h"
#include "patients/TForm_Pacjenci.h"
#include "schedule/DemoDane.h"
#include "schedule/SiatkaDniaWidok.h"
#include "visits/TForm_EdycjaWizyty.h"
#include "schedule/ZakladkiLekarzy.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/Kolory.h"
#include "ui/SiatkaListy.h"
#include "visits/Gdy.h"
#include "visits/ZakladkaZleconychBadan.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace SiatkaDnia;

namespace {

QString sqlDaty(const QDate& d) { return "'" + d.toString("yyyy-MM-dd") + "'"; }
const QString kDzis = sqlDaty(QDate::currentDate());

// ADAMSKI (first tab) works 08:00-08:20 today, ZIELIŃSKA has no schedule.
void przychodnia(BazaTestowa& b) {
  const QString dzien = QString::number(QDate::currentDate().dayOfWeek());
  b.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'ADAMSKI', 'JAN', '1234567', 0, 'N')",
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'ZIELIŃSKA', 'EWA', '7654321', 255, 'N')",
      "insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) values (1, 1, " + dzien + ", '08:00', '08:20')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'P01', 'Porada lekarska w gabinecie')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, AKTYW) values "
      "(1, 'NOWAK', 'ANNA', '80051712345', 'DŁUGA', '5', '3', '32-020', 'WIELICZKA', 'T')",
      "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, KODP, POCZTA, AKTYW) values "
      "(2, 'WÓJCIK', 'PIOTR', '55010254321', 'POLNA', '12A', '32-005', 'NIEPOŁOMICE', 'T')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) values (11, 1, 1, 1, " + kDzis +
          ", '08:00', 'J06.9')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (12, 2, 1, 0, " + kDzis +
          ", '08:10')",
      "set generator GEN_WIZYTY_ID to 99",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (21, 'MORF', 'Morfologia', 'N')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (22, 'GLU', 'Glukoza', 'N')",
  });
}

struct EdycjaWizyty : ::testing::Test {
  OknoGlowneTestowe t{przychodnia, true};
  EdycjaWizyty() {
    t.komunikaty->wyczysc();
    QApplication::setActiveWindow(&okno());
  }
  TForm1& okno() { return t.okno(); }
  TForm_EdycjaWizyty& ed() { return *Form_EdycjaWizyty; }
  SiatkaDniaWidok& sg() { return *okno().SG1; }
  int wiersz(const QString& id) {
    for (int i = 0; i < static_cast<int>(sg().Wiersze().size()); ++i)
      if (sg().Wiersze()[i][KolId] == id) return i;
    return -1;
  }
  void pokazLekarza(int k) {
    okno().TabControl1->UstawIndeks(k);
    okno().ZmianaZakladki();
  }
  QStringList panelPacjenta() {
    return {ed().Label6->text(), ed().Label7->text(), ed().Label8->text(), ed().Label9->text()};
  }
  static void wybierzPacjenta(int id) {
    Gdy(Form_Pacjenci, [id] {
      Form_Pacjenci->sqlPacjenci().locate("ID", id);
      Form_Pacjenci->btnOKClick();
    });
  }
  // Opens the editor on a visit of the grid and runs the steps inside it;
  // whatever the steps leave open is cancelled.
  void edytuj(const QString& id, const std::function<void()>& kroki) {
    sg().WybierzWiersz(wiersz(id));
    okno().OdswiezAkcje();
    bool otwarty = false;
    Gdy(&ed(), [this, kroki, &otwarty] {
      otwarty = true;
      kroki();
      if (ed().isVisible()) ed().reject();
    });
    okno().aWizytaEdytuj->trigger();
    EXPECT_TRUE(otwarty);
  }
  void nowa(bool wgGrafiku, const std::function<void()>& kroki) {
    bool otwarty = false;
    Gdy(&ed(), [this, kroki, &otwarty] {
      otwarty = true;
      kroki();
      if (ed().isVisible()) ed().reject();
    });
    (wgGrafiku ? okno().aWizytaWgGrafiku : okno().aWizytaNowa)->trigger();
    EXPECT_TRUE(otwarty);
  }
  QVariant w(const QString& sql) { return t.baza.wartosc(sql); }
  QColor tlo(QWidget* pole) { return pole->palette().color(QPalette::Base); }
};

TEST_F(EdycjaWizyty, ANewVisitOnAnEmptyDayStartsAtTenWithThePatientListAndWantsAPatient) {
  pokazLekarza(1);  // ZIELIŃSKA: no schedule, no visits
  bool widziany = false;
  Gdy(Form_Pacjenci, [] {
    EXPECT_EQ(Form_Pacjenci->Tryb, "WYBOR");
    EXPECT_EQ(Form_Pacjenci->WybraneID, 0);
    EXPECT_EQ(Form_Pacjenci->FiltrPoczatkowy, "");
    Form_Pacjenci->reject();
  });
  nowa(false, [&] {
    widziany = true;
    EXPECT_EQ(ed().windowTitle(), "Edycja wizyty");
    EXPECT_EQ(ed().DBEdit2->text(), "10:00");
    EXPECT_EQ(ed().DBEdit1->text(), QDate::currentDate().toString("dd-MM-yyyy"));
    EXPECT_NE(tlo(ed().DBEdit1), Kolory::NieDzisiaj);
    EXPECT_EQ(ed().PageControl1->currentWidget(), ed().tsDane);
    EXPECT_EQ(ed().PageControl1->tabText(1), "Zlecone badania");
    EXPECT_EQ(panelPacjenta(), QStringList({" ", " ", " ", "PESEL: "}));
    EXPECT_EQ(ed().Label10->text(), "ZIELIŃSKA EWA");
    EXPECT_EQ(ed().Label11->text(), "PWZL: 7654321");
    EXPECT_EQ(ed().Label13->text(), "");
    ed().btnOK->click();
    EXPECT_TRUE(ed().isVisible());
    EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Wybierz pacjenta."});
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
    EXPECT_EQ(ed().focusWidget(), ed().btnWyborPacjenta);
  });
  EXPECT_TRUE(widziany);
  // Cancelled: rolled back, the grid keeps its rows.
  EXPECT_EQ(okno().sqlWizyty->state(), Dataset::Browse);
  EXPECT_EQ(okno().sqlWizyty->count(), 0);
  EXPECT_EQ(w("select count(*) from WIZYTY").toInt(), 2);
}

TEST_F(EdycjaWizyty, ANewVisitOnAFullDayAfterTheLastRowIsSavedWithNoAdviceTypeAndSelected) {
  wybierzPacjenta(2);
  nowa(false, [&] {
    EXPECT_EQ(ed().DBEdit2->text(), "08:20");  // rows 08:00 and 08:10 are booked
    EXPECT_EQ(panelPacjenta(), QStringList({"WÓJCIK PIOTR", "POLNA 12A", "32-005 NIEPOŁOMICE", "PESEL: 55010254321"}));
    EXPECT_EQ(ed().PacjentID(), 2);
    ed().btnOK->click();
    EXPECT_FALSE(ed().isVisible());
  });
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty());
  // Committed, keyed from the sequence, advice type 0 rather than null.
  EXPECT_EQ(w("select count(*) from WIZYTY where ID = 100 and PACJENT_ID = 2 and LEKARZ_ID = 1 and GODZ = '08:20' "
              "and DATA = " + kDzis + " and PORADA_ID = 0")
                .toInt(),
            1);
  EXPECT_EQ(sg().WybranyWiersz(), wiersz("100"));
  EXPECT_EQ(sg().Wiersze()[sg().WybranyWiersz()][KolGodz], "08:20");
}

TEST_F(EdycjaWizyty, TimeTextsOutOfRangeAreRefused) {
  const struct {
    const char* tekst;
    bool przyjety;
  } przypadki[] = {{"24:00", false}, {"12:60", false}, {"00:00", true}, {"23:59", true}};
  for (const auto& p : przypadki) {
    t.komunikaty->wyczysc();
    edytuj("12", [&] {
      ed().DBEdit2->setText(p.tekst);
      ed().btnOK->click();
      EXPECT_EQ(ed().isVisible(), !p.przyjety) << p.tekst;
      if (!p.przyjety) {
        EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Niepoprawna godzina."});
        EXPECT_EQ(ed().focusWidget(), ed().DBEdit2);
      }
    });
    if (p.przyjety) {
      EXPECT_TRUE(t.komunikaty->teksty().isEmpty()) << p.tekst;
      EXPECT_EQ(w("select GODZ from WIZYTY where ID = 12").toTime().toString("HH:mm"), p.tekst);
    }
  }
}

TEST_F(EdycjaWizyty, ATakenTimeIsAskedAboutAndAnUnchangedVisitIsNot) {
  // Unchanged: the visit itself does not count.
  edytuj("11", [&] { ed().btnOK->click(); });
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());

  wybierzPacjenta(2);
  t.komunikaty->odpowiedzi = {true, false};
  nowa(false, [&] {
    ed().DBEdit2->setText("08:00");
    ed().btnOK->click();
    // Yes: back to the time.
    ASSERT_TRUE(ed().isVisible());
    EXPECT_EQ(ed().focusWidget(), ed().DBEdit2);
    ASSERT_EQ(t.komunikaty->wpisy.size(), 2);
    EXPECT_EQ(t.komunikaty->wpisy[0].rodzaj, Wpis::Sygnal);
    EXPECT_EQ(t.komunikaty->wpisy[1].rodzaj, Wpis::Pytanie);
    EXPECT_EQ(t.komunikaty->wpisy[1].tytul, "Godzina");
    EXPECT_EQ(t.komunikaty->wpisy[1].tekst,
              "Wybrana godzina jest już zajęta przez innego pacjenta.\nCzy chcesz zmianić godzinę wizyty?");
    // No: booked beside the other visit.
    ed().btnOK->click();
    EXPECT_FALSE(ed().isVisible());
  });
  EXPECT_EQ(w("select count(*) from WIZYTY where GODZ = '08:00' and LEKARZ_ID = 1").toInt(), 2);
}

TEST_F(EdycjaWizyty, AdviceTypeAndIcd10GoTogether) {
  edytuj("12", [&] {
    ed().DBEdit3->setFocus();
    QTest::keyClicks(ed().DBEdit3, "J06.9");
    ed().btnOK->click();
    EXPECT_EQ(t.komunikaty->ostatni(), "Jeśli wpisano 'ICD10' to należy też wybrać 'Poradę'.");
    EXPECT_EQ(ed().focusWidget(), ed().btnWyborPorady);

    Gdy(Form_Porady, [] {
      EXPECT_EQ(Form_Porady->Tryb, "WYBOR");
      Form_Porady->dataset().locate("ID", 1);
      Form_Porady->btnOK->click();
    });
    ed().btnWyborPorady->click();
    EXPECT_EQ(ed().Label13->text(), "P01");
    EXPECT_EQ(ed().Label14->text(), "Porada lekarska w gabinecie");
    EXPECT_EQ(ed().Label14->toolTip(), "Porada lekarska w gabinecie");
    ed().DBEdit3->setFocus();
    ed().DBEdit3->selectAll();
    QTest::keyClick(ed().DBEdit3, Qt::Key_Delete);
    ed().btnOK->click();
    EXPECT_EQ(t.komunikaty->ostatni(), "Jeśli wybrano 'Poradę' to należy też wpisać 'ICD10'.");
    EXPECT_EQ(ed().focusWidget(), ed().DBEdit3);
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 2);

    QTest::keyClicks(ed().DBEdit3, "J06.9");
    ed().btnOK->click();
    EXPECT_FALSE(ed().isVisible());
  });
  EXPECT_EQ(w("select PORADA_ID from WIZYTY where ID = 12").toInt(), 1);
  EXPECT_EQ(w("select ICD10 from WIZYTY where ID = 12").toString(), "J06.9");
  // The grid shows the advice code it looked up.
  EXPECT_EQ(sg().Wiersze()[wiersz("12")][KolPorada].section('\n', 0, 0), "P01");
}

TEST_F(EdycjaWizyty, AVisitMovedToAnotherDoctorIsShownOnThatDoctorsTab) {
  edytuj("12", [&] {
    Gdy(Form_Lekarze, [] {
      EXPECT_EQ(Form_Lekarze->Tryb, "WYBOR");
      EXPECT_EQ(Form_Lekarze->WybraneID, 1);
      Form_Lekarze->sqlLekarze->locate("ID", 2);
      Form_Lekarze->btnOK->click();
    });
    ed().btnWyborLekarza->click();
    EXPECT_EQ(ed().Label10->text(), "ZIELIŃSKA EWA");
    ed().btnOK->click();
  });
  EXPECT_EQ(okno().TabControl1->Indeks(), 1);
  EXPECT_EQ(okno().Stan.BiezacyLekarz, 2);
  EXPECT_EQ(sg().WybranyWiersz(), wiersz("12"));
  EXPECT_GE(sg().WybranyWiersz(), 0);
  EXPECT_EQ(w("select LEKARZ_ID from WIZYTY where ID = 12").toInt(), 2);
}

TEST_F(EdycjaWizyty, AVisitMovedToAnotherDateSetsThePickerYellow) {
  const QDate jutro = QDate::currentDate().addDays(1);
  edytuj("12", [&] {
    ed().btnWyborDaty->click();
    ASSERT_TRUE(Form_Kalendarz->isVisible());
    emit Form_Kalendarz->MonthCalendar1->activated(jutro);
    Form_Kalendarz->hide();
    EXPECT_EQ(ed().DBEdit1->text(), jutro.toString("dd-MM-yyyy"));
    EXPECT_EQ(tlo(ed().DBEdit1), Kolory::NieDzisiaj);
    EXPECT_EQ(ed().DBEdit1->toolTip(), "Wybrana data nie jest datą dzisiejszą.");
    ed().btnOK->click();
  });
  EXPECT_EQ(okno().DateTimePicker1->date(), jutro);
  EXPECT_EQ(tlo(okno().DateTimePicker1), Kolory::NieDzisiaj);
  EXPECT_EQ(sg().WybranyWiersz(), wiersz("12"));
  EXPECT_GE(sg().WybranyWiersz(), 0);

  // And back to today: the normal colour again.
  edytuj("12", [&] {
    ed().DBEdit1->setText(QDate::currentDate().toString("dd-MM-yyyy"));
    EXPECT_NE(tlo(ed().DBEdit1), Kolory::NieDzisiaj);
    EXPECT_EQ(ed().DBEdit1->toolTip(), "");
    ed().reject();
  });
  EXPECT_EQ(w("select DATA from WIZYTY where ID = 12").toDate(), jutro);
}

TEST_F(EdycjaWizyty, EnterAndDoubleClickOpenTheVisitOrANewOneAtTheRow) {
  sg().WybierzWiersz(wiersz("11"));
  sg().setFocus();
  okno().OdswiezAkcje();
  QString pacjent;
  Gdy(&ed(), [&] {
    pacjent = ed().Label6->text();
    ed().reject();
  });
  QTest::keyClick(sg().viewport(), Qt::Key_Return);
  EXPECT_EQ(pacjent, "NOWAK ANNA");

  // A free row (08:20 is past the booked ones) books at its own time.
  const int wolny = static_cast<int>(sg().Wiersze().size()) - 1;
  ASSERT_EQ(sg().Wiersze()[wolny][KolId], "");
  QString godzina;
  Gdy(Form_Pacjenci, [] { Form_Pacjenci->reject(); });
  Gdy(&ed(), [&] {
    godzina = ed().DBEdit2->text();
    ed().reject();
  });
  const QPoint p = sg().visualRect(sg().model()->index(wolny, KolNazwisko)).center();
  QTest::mouseClick(sg().viewport(), Qt::LeftButton, {}, p);
  QTest::mouseDClick(sg().viewport(), Qt::LeftButton, {}, p);
  EXPECT_EQ(godzina, sg().Wiersze()[wolny][KolGodz]);
}

TEST_F(EdycjaWizyty, DeletingTheLastRowSelectsTheNewLastRow) {
  t.baza.wykonaj({"insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (13, 1, 1, 0, " +
                  kDzis + ", '23:00')"});
  okno().ZmianaZakladki();
  const int ostatni = static_cast<int>(sg().Wiersze().size()) - 1;
  ASSERT_EQ(sg().Wiersze()[ostatni][KolId], "13");
  const QString nazwa = sg().Wiersze()[ostatni][KolNazwisko];
  sg().WybierzWiersz(ostatni);
  okno().OdswiezAkcje();
  t.komunikaty->odpowiedzi = {true};
  QApplication::setActiveWindow(&okno());
  sg().setFocus();
  QTest::keyClick(sg().viewport(), Qt::Key_Delete);
  ASSERT_EQ(t.komunikaty->wpisy.size(), 1);
  EXPECT_EQ(t.komunikaty->wpisy[0].tytul, "Usunięcie wizyty");
  EXPECT_EQ(t.komunikaty->wpisy[0].tekst, "23:00 - " + nazwa + "\n\nNa pewno usunąć wybraną wizytę?");
  EXPECT_EQ(w("select count(*) from WIZYTY where ID = 13").toInt(), 0);
  EXPECT_EQ(sg().WybranyWiersz(), static_cast<int>(sg().Wiersze().size()) - 1);
  EXPECT_EQ(wiersz("13"), -1);

  // No keeps the visit.
  t.komunikaty->wyczysc();
  sg().WybierzWiersz(wiersz("11"));
  okno().OdswiezAkcje();
  okno().aWizytaUsun->trigger();
  EXPECT_EQ(t.komunikaty->wpisy.size(), 1);
  EXPECT_EQ(w("select count(*) from WIZYTY where ID = 11").toInt(), 1);
}

// The editor over the demo clinic, grabbed for the documentation when
// ORBE_ZRZUTY names a folder.
TEST(EdycjaWizytyDemo, PictureOverTheDemoDatabase) {
  OknoGlowneTestowe t(
      [](BazaTestowa& b) {
        ParametryDemo p;
        p.pacjentow = 200;
        p.dni = 1;
        WypelnijDemo(b.polaczenie(), p);
      },
      true);
  TForm1& okno = t.okno();
  // Yesterday's visits took place and carry advice types; the date shows yellow.
  okno.DateTimePicker1->setDate(QDate::currentDate().addDays(-1));
  ASSERT_GT(okno.sqlWizyty->count(), 0);
  // A visit with an advice type, so every panel is filled.
  const Dataset& w = *okno.sqlWizyty;
  QString id = w.valueAt(0, "ID").toString();
  for (int i = 0; i < w.count(); ++i)
    if (w.valueAt(i, "PORADA_ID").toInt() != 0) {
      id = w.valueAt(i, "ID").toString();
      break;
    }
  int r = 0;
  while (r < static_cast<int>(okno.SG1->Wiersze().size()) && okno.SG1->Wiersze()[r][KolId] != id) ++r;
  ASSERT_LT(r, static_cast<int>(okno.SG1->Wiersze().size()));
  okno.SG1->WybierzWiersz(r);
  okno.OdswiezAkcje();
  bool zrobiony = false;
  Gdy(Form_EdycjaWizyty, [&] {
    TForm_EdycjaWizyty& ed = *Form_EdycjaWizyty;
    EXPECT_NE(ed.Label6->text().trimmed(), "");
    EXPECT_NE(ed.Label10->text().trimmed(), "");
    const QImage obraz = ed.grab().toImage();
    EXPECT_EQ(obraz.size(), QSize(529, 449));
    const QString zrzuty = qEnvironmentVariable("ORBE_ZRZUTY");
    if (!zrzuty.isEmpty()) obraz.save(QDir(zrzuty).filePath("edycja_wizyty.png"));
    zrobiony = true;
    ed.reject();
  });
  okno.aWizytaEdytuj->trigger();
  EXPECT_TRUE(zrobiony);
}

void klawisz(QWidget* w, Qt::Key k, Qt::KeyboardModifiers m, const QString& tekst) {
  QKeyEvent wcisniety(QEvent::KeyPress, k, m, tekst);
  QApplication::sendEvent(w, &wcisniety);
  QKeyEvent puszczony(QEvent::KeyRelease, k, m, tekst);
  QApplication::sendEvent(w, &puszczony);
}

TEST_F(EdycjaWizyty, AScanWhileTheEditorIsOpenIsSwallowed) {
  edytuj("12", [&] {
    ed().DBEdit3->setFocus();
    klawisz(ed().DBEdit3, Qt::Key_B, Qt::ControlModifier, "\x02");
    for (const char* c : {"9", "0", "1"}) klawisz(ed().DBEdit3, Qt::Key(Qt::Key_0 + (c[0] - '0')), {}, c);
    klawisz(ed().DBEdit3, Qt::Key_C, Qt::ControlModifier, "\x03");
    EXPECT_EQ(ed().DBEdit3->text(), "");
    EXPECT_EQ(okno().sqlWizyty->text("ICD10"), "");
    klawisz(ed().DBEdit3, Qt::Key_J, {}, "J");
    EXPECT_EQ(ed().DBEdit3->text(), "J");
    ed().reject();
  });
  EXPECT_EQ(w("select ICD10 from WIZYTY where ID = 12").toString(), "");
}

TEST_F(EdycjaWizyty, AVisitHeldByAnotherWorkstationKeepsTheEditorOpenWithWhatWasTyped) {
  // Another attachment has changed the visit and not committed: its row is locked.
  auto inna = t.baza.drugiePolaczenie();
  Statement zmiana(*inna, "update WIZYTY set GODZ = '09:00' where ID = 12");
  zmiana.execute();
  edytuj("12", [&] {
    ed().DBEdit2->setText("11:30");
    // A real click: the failure reaches the error display from the button's event.
    QTest::mouseClick(ed().btnOK, Qt::LeftButton);
    ASSERT_TRUE(ed().isVisible());
    ASSERT_EQ(t.komunikaty->wpisy.size(), 1);
    EXPECT_EQ(t.komunikaty->wpisy[0].rodzaj, Wpis::Blad);
    EXPECT_TRUE(t.komunikaty->wpisy[0].tekst.contains("conflict")) << t.komunikaty->wpisy[0].tekst.toStdString();
    EXPECT_EQ(ed().DBEdit2->text(), "11:30");
    EXPECT_EQ(okno().sqlWizyty->state(), Dataset::Edit);
    // Once the other side is done, the same OK saves.
    inna->commitRetaining();
    t.komunikaty->wyczysc();
    ed().btnOK->click();
    EXPECT_FALSE(ed().isVisible());
    EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  });
  EXPECT_EQ(w("select GODZ from WIZYTY where ID = 12").toTime(), QTime(11, 30));
  EXPECT_EQ(sg().Wiersze()[sg().WybranyWiersz()][KolGodz], "11:30");
}

TEST_F(EdycjaWizyty, AVisitDeletedElsewhereIsNotSavedAsIfNothingHappened) {
  auto inna = t.baza.drugiePolaczenie();
  Statement usun(*inna, "delete from WIZYTY where ID = 12");
  usun.execute();
  inna->commitRetaining();
  edytuj("12", [&] {
    ed().DBEdit2->setText("11:30");
    ed().btnOK->click();
    EXPECT_TRUE(ed().isVisible());
    EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Wizyta została usunięta na innym stanowisku."});
  });
  EXPECT_EQ(w("select count(*) from WIZYTY").toInt(), 1);
}

TEST_F(EdycjaWizyty, TheClockSetsTheTimeAndTheCloseBoxCancels) {
  edytuj("12", [&] {
    ed().btnWyborGodziny->click();
    EXPECT_TRUE(Form_Zegar->isVisible());
    Form_Zegar->hide();
    ed().DBEdit2->setText("13:40");
    EXPECT_EQ(okno().sqlWizyty->value("GODZ").toTime(), QTime(13, 40));
    ed().close();
    EXPECT_FALSE(ed().isVisible());
    EXPECT_EQ(ed().result(), QDialog::Rejected);
  });
  EXPECT_EQ(okno().sqlWizyty->state(), Dataset::Browse);
  EXPECT_EQ(w("select GODZ from WIZYTY where ID = 12").toTime(), QTime(8, 10));
  EXPECT_EQ(sg().Wiersze()[wiersz("12")][KolGodz], "08:10");
}

}  // namespace

// The ordered examinations through the editor itself: kept until OK, written
// with the visit's own key, and nothing at all after Cancel.
struct ZleconeWEdytorze : EdycjaWizyty {
  // On the examinations tab: the action with the grid focused, the list
  // choosing `badanie`.
  void zlec(int badanie) {
    ed().PageControl1->setCurrentWidget(ed().tsBadania);
    QApplication::setActiveWindow(&ed());
    ed().zleconeBadania->DBGrid1->setFocus();
    Gdy(Form_Badania, [badanie] {
      ASSERT_TRUE(Form_Badania->dataset().locate("ID", badanie));
      Form_Badania->btnOK->click();
    });
    ed().zleconeBadania->aBadanieDodaj->trigger();
  }
  void nowaZBadaniami(bool ok) {
    pokazLekarza(1);
    wybierzPacjenta(2);
    nowa(false, [&] {
      zlec(21);
      zlec(22);
      EXPECT_EQ(ed().zleconeBadania->Zlecone().Ilosc(), 2);
      EXPECT_EQ(w("select count(*) from BADANIASPLOT").toInt(), 0);  // nothing before OK
      if (ok) ed().btnOK->click();
    });
  }
};

TEST_F(ZleconeWEdytorze, OkStoresTheExaminationsUnderTheNewVisit) {
  nowaZBadaniami(true);
  EXPECT_EQ(w("select count(*) from WIZYTY where ID = 100").toInt(), 1);
  EXPECT_EQ(w("select list(BADANIE_ID, ',') from (select BADANIE_ID from BADANIASPLOT where WIZYTA_ID = 100 "
              "order by BADANIE_ID)")
                .toString(),
            "21,22");
  EXPECT_EQ(w("select count(*) from BADANIASPLOT where WIZYTA_ID <> 100").toInt(), 0);
}

TEST_F(ZleconeWEdytorze, CancelLeavesNeitherVisitNorExaminations) {
  nowaZBadaniami(false);
  EXPECT_EQ(w("select count(*) from WIZYTY").toInt(), 2);
  EXPECT_EQ(w("select count(*) from BADANIASPLOT").toInt(), 0);
  // The next visit starts with an empty list.
  wybierzPacjenta(2);
  nowa(false, [&] { EXPECT_EQ(ed().zleconeBadania->Zlecone().Ilosc(), 0); });
}

TEST_F(ZleconeWEdytorze, EnterInTheIcdFieldSavesAndDeleteThereEditsTheText) {
  edytuj("11", [&] {
    ed().DBEdit3->setFocus();
    ed().DBEdit3->setCursorPosition(0);
    QTest::keyClick(ed().DBEdit3, Qt::Key_Delete);
    EXPECT_EQ(ed().DBEdit3->text(), "06.9");
    EXPECT_TRUE(ed().isVisible());
    ed().DBEdit3->selectAll();
    QTest::keyClicks(ed().DBEdit3, "J20");
    QTest::keyClick(ed().DBEdit3, Qt::Key_Return);
    EXPECT_FALSE(ed().isVisible());
  });
  EXPECT_EQ(w("select ICD10 from WIZYTY where ID = 11").toString(), "J20");
}
