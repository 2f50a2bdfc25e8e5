// The patient editor over a real database and real list files: the PESEL
// fill-in, the checks before posting, the postal codes, the division lists,
// the doctor choice, and the list's add and edit commands.
#include "common/Win1250.h"
#include "db/Dataset.h"
#include "dictionaries/TForm_Lekarze.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Pacjenci_Edycja.h"
#include "support/OknoGlowneTestowe.h"
#include "app/TForm_Kalendarz.h"
#include "ui/Kolory.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Dziewczyna = QStringLiteral("05232101246");  // 21 March 2005, even tenth digit

// Key presses carrying text, as the keyboard delivers them (Polish letters too).
void wpisz(QWidget* w, const QString& tekst) {
  for (const QChar z : tekst) {
    QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
    QApplication::sendEvent(w, &k);
  }
}

// Runs `co` once the modal window opened next is up, and closes it afterwards
// if `co` left it open.
void gdyOtwarte(QDialog& okno, std::function<void()> co) {
  QTimer::singleShot(0, &okno, [&okno, co] {
    EXPECT_TRUE(okno.isVisible());
    okno.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&okno] { return QApplication::activeWindow() == &okno; }));
    co();
    if (okno.isVisible()) okno.reject();
  });
}

void zapiszPlik(const QString& sciezka, const QStringList& linie) { ASSERT_TRUE(Win1250::zapiszLinie(sciezka, linie)); }

QByteArray bajty(const QString& sciezka) {
  QFile f(sciezka);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void przygotuj(BazaTestowa& b) {
  b.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (999, 'KOWALSKI', 'JAN', 16777215, 'N')",
             "insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (7, 'ADAMSKA', 'EWA', 16777215, 'N')",
             "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, DATAUR, PLEC, AKTYW) "
             "values (1, 'NOWAK', 'ANNA', '05232101246', '2005-03-21', 'K', 'T')",
             "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, DATAUR, PLEC, AKTYW) "
             "values (2, 'KOT', 'JAN', '80010112340', '1980-01-01', 'M', 'N')",
             "alter sequence GEN_PACJENCI_ID restart with 100"});
}

}  // namespace

class EdycjaPacjenta : public ::testing::Test {
 protected:
  void SetUp() override {
    t.komunikaty->wyczysc();
    lista().Tryb = "EDYCJA";
    lista().open();
    lista().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lista()));
  }
  void TearDown() override {
    if (edycja().isVisible()) edycja().reject();
    if (lista().isVisible()) lista().reject();
    QApplication::processEvents();
  }
  TForm_Pacjenci& lista() { return *Form_Pacjenci; }
  TForm_Pacjenci_Edycja& edycja() { return *Form_Pacjenci_Edycja; }
  Dataset& ds() { return lista().sqlPacjenci(); }
  QString plik(const char* nazwa) { return t.baza.katalog() + QString::fromLatin1(nazwa); }

  // The editor on a new row (or the current one put into edit state), shown without waiting.
  void otworzNowy() {
    ds().append();
    ds().setValue("AKTYW", "T");
    pokaz();
  }
  void otworzBiezacy(int id) {
    ASSERT_TRUE(ds().locate("ID", id));
    ds().edit();
    pokaz();
  }
  void pokaz() {
    edycja().open();
    QApplication::setActiveWindow(&edycja());
    ASSERT_EQ(QApplication::activeWindow(), &edycja());
  }
  // Leaves a control the way the user does, by moving the focus on.
  void opusc(QWidget* z, QWidget* dalej) {
    z->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), z);
    dalej->setFocus();
  }
  QColor tlo(QWidget* w) { return w->palette().color(QPalette::Base); }
  int zatwierdzone(const QString& sql) {
    auto druga = t.baza.drugiePolaczenie();
    Statement st(*druga, sql);
    st.execute();
    return st.rows().isEmpty() ? 0 : st.rows().first().value(0).toInt();
  }

  OknoGlowneTestowe t{przygotuj, true};
};

TEST_F(EdycjaPacjenta, PeselFillsBirthDateAndSexOnLeavingAndNeverOverwrites) {
  otworzNowy();
  EXPECT_EQ(QApplication::focusWidget(), edycja().edNazwisko);
  wpisz(edycja().edPESEL, Dziewczyna);
  opusc(edycja().edPESEL, edycja().edUlica);
  EXPECT_EQ(edycja().edDataUr->text(), "21-03-2005");
  EXPECT_EQ(ds().value("DATAUR").toDate(), QDate(2005, 3, 21));
  EXPECT_EQ(ds().text("PLEC"), "K");
  EXPECT_TRUE(edycja().rbKobieta->isChecked());
  EXPECT_NE(tlo(edycja().edPESEL), Kolory::PolePuste);

  // A date and sex already there stay, whatever the PESEL says.
  ds().setValue("DATAUR", QDate(1999, 9, 9));
  ds().setValue("PLEC", "M");
  edycja().edPESEL->clear();
  wpisz(edycja().edPESEL, Dziewczyna);
  opusc(edycja().edPESEL, edycja().edUlica);
  EXPECT_EQ(edycja().edDataUr->text(), "09-09-1999");
  EXPECT_EQ(ds().text("PLEC"), "M");
  EXPECT_TRUE(edycja().rbMezczyzna->isChecked());

  // Month digits 13 and 33 encode no date: only the sex comes.
  for (const char* pesel : {"05132101243", "05332101249"}) {
    ds().setValue("DATAUR", QVariant());
    ds().setValue("PLEC", QVariant());
    edycja().edPESEL->clear();
    wpisz(edycja().edPESEL, pesel);
    opusc(edycja().edPESEL, edycja().edUlica);
    EXPECT_EQ(edycja().edDataUr->text(), "") << pesel;
    EXPECT_TRUE(ds().value("DATAUR").isNull()) << pesel;
    EXPECT_EQ(ds().text("PLEC"), "K") << pesel;
  }

  // An invalid number turns the edit light red and changes nothing.
  ds().setValue("PLEC", QVariant());
  edycja().edPESEL->clear();
  wpisz(edycja().edPESEL, "05232101247");
  opusc(edycja().edPESEL, edycja().edUlica);
  EXPECT_EQ(tlo(edycja().edPESEL), Kolory::PolePuste);
  EXPECT_TRUE(ds().value("PLEC").isNull());
  EXPECT_FALSE(edycja().rbKobieta->isChecked());
  EXPECT_FALSE(edycja().rbMezczyzna->isChecked());
}

TEST_F(EdycjaPacjenta, NamesAreTypedInCapitalsAndAnEmptyOneTurnsLightRed) {
  otworzNowy();
  wpisz(edycja().edNazwisko, QStringLiteral("łukasik-żółć"));
  wpisz(edycja().edUlica, QStringLiteral("długa"));
  EXPECT_EQ(ds().text("NAZWISKO"), QStringLiteral("ŁUKASIK-ŻÓŁĆ"));
  EXPECT_EQ(ds().text("ULICA"), QStringLiteral("DŁUGA"));
  opusc(edycja().edNazwisko, edycja().edImie);
  EXPECT_NE(tlo(edycja().edNazwisko), Kolory::PolePuste);
  opusc(edycja().edImie, edycja().edPESEL);
  EXPECT_EQ(tlo(edycja().edImie), Kolory::PolePuste);
  wpisz(edycja().edImie, "ola");
  opusc(edycja().edImie, edycja().edPESEL);
  EXPECT_NE(tlo(edycja().edImie), Kolory::PolePuste);
  EXPECT_EQ(ds().text("IMIE"), "OLA");
  // A scan arriving meanwhile is swallowed, not typed.
  wpisz(edycja().edImie, QStringLiteral("\x02") + "123" + QStringLiteral("\x03"));
  EXPECT_EQ(edycja().edImie->text(), "OLA");
}

TEST_F(EdycjaPacjenta, EachCheckInTurnBeepsNamesTheFaultAndFocusesItsControl) {
  otworzNowy();
  auto ok = [&](const QString& komunikat, QWidget* fokus) {
    t.komunikaty->wyczysc();
    edycja().btnOKClick();
    EXPECT_TRUE(edycja().isVisible());
    EXPECT_EQ(ds().state(), Dataset::Insert);
    EXPECT_EQ(t.komunikaty->teksty(), QStringList{komunikat});
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
    EXPECT_EQ(QApplication::focusWidget(), fokus) << komunikat.toStdString();
  };
  ok("Wpisz nazwisko", edycja().edNazwisko);
  wpisz(edycja().edNazwisko, "nowak");
  ok(QStringLiteral("Wpisz imię"), edycja().edImie);
  wpisz(edycja().edImie, "ewa");
  ok(QStringLiteral("Błędny nr PESEL"), edycja().edPESEL);
  wpisz(edycja().edPESEL, "8001011234");
  ok(QStringLiteral("Błędny nr PESEL"), edycja().edPESEL);
  // The removed patient's number: the OK button's leaving of the PESEL edit
  // fills the birth date and sex, then the duplicate check names him.
  wpisz(edycja().edPESEL, "0");
  ok(QStringLiteral("Pacjent z podanym nr PESEL już występuje w bazie danych jako:\nKOT JAN (Usunięty)"),
     edycja().edPESEL);
  EXPECT_EQ(edycja().edDataUr->text(), "01-01-1980");
  edycja().edPESEL->clear();
  wpisz(edycja().edPESEL, Dziewczyna);
  ok(QStringLiteral("Pacjent z podanym nr PESEL już występuje w bazie danych jako:\nNOWAK ANNA"), edycja().edPESEL);
  edycja().edPESEL->clear();
  wpisz(edycja().edPESEL, "85010112345");
  ok(QStringLiteral("Niezgodność nr PESEL z datą urodzenia"), edycja().edDataUr);
  ds().setValue("DATAUR", QDate(1985, 1, 1));
  EXPECT_TRUE(edycja().rbKobieta->isChecked());  // filled from the first valid number
  QTest::mouseClick(edycja().rbMezczyzna, Qt::LeftButton);
  EXPECT_EQ(ds().text("PLEC"), "M");
  ok(QStringLiteral("Niezgodność nr PESEL z wybraną płcią"), edycja().rbMezczyzna);
  ds().setValue("PLEC", QVariant());
  ok(QStringLiteral("Niezgodność nr PESEL z wybraną płcią"), edycja().rbKobieta);
  QTest::mouseClick(edycja().rbKobieta, Qt::LeftButton);
  EXPECT_EQ(ds().text("PLEC"), "K");

  t.komunikaty->wyczysc();
  edycja().btnOKClick();
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  EXPECT_FALSE(edycja().isVisible());
  EXPECT_EQ(ds().state(), Dataset::Browse);
  EXPECT_EQ(ds().intValue("ID"), 101);
  EXPECT_EQ(ds().text("_nazwisko_imie"), "NOWAK EWA");
}

TEST_F(EdycjaPacjenta, EditingAPatientKeepingHisOwnPeselPasses) {
  otworzBiezacy(1);
  EXPECT_EQ(edycja().lblID->text(), "1");
  EXPECT_EQ(edycja().edPESEL->text(), Dziewczyna);
  EXPECT_TRUE(edycja().rbKobieta->isChecked());
  wpisz(edycja().edImie, "-MARIA");
  edycja().btnOKClick();
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty()) << t.komunikaty->ostatni().toStdString();
  EXPECT_FALSE(edycja().isVisible());
  EXPECT_EQ(ds().text("IMIE"), "ANNA-MARIA");
}

TEST_F(EdycjaPacjenta, AKnownPostalCodeFillsOnlyEmptyFieldsAndTheCodeIsLearnedOnClosing) {
  zapiszPlik(plik("kody_pocztowe.txt"),
             {"00-950=Warszawa;Warszawa;Warszawa;mazowieckie", "98-100=ŁASK;ŁASK;ŁASKI;"});
  otworzNowy();
  ds().setValue("GMINA", "MOJA");
  edycja().edKodP->setFocus();
  edycja().edKodP->setCursorPosition(0);
  wpisz(edycja().edKodP, "00950");
  EXPECT_EQ(ds().text("KODP"), "00-950");
  opusc(edycja().edKodP, edycja().edPoczta);
  EXPECT_EQ(ds().text("POCZTA"), "WARSZAWA");
  EXPECT_EQ(ds().text("GMINA"), "MOJA");
  EXPECT_EQ(ds().text("POWIAT"), "WARSZAWA");
  EXPECT_EQ(ds().text("WOJEWODZTWO"), "MAZOWIECKIE");
  EXPECT_EQ(edycja().cbWojewodztwo->currentText(), "MAZOWIECKIE");
  EXPECT_EQ(edycja().edPoczta->text(), "WARSZAWA");

  // A learned value with no voivodeship splits into three parts and fills nothing.
  ds().setValue("POCZTA", QVariant());
  ds().setValue("KODP", "98-100");
  edycja().UzupelnijAdres();
  EXPECT_TRUE(ds().value("POCZTA").isNull());

  ds().setValue("KODP", "00-950");
  ds().setValue("POCZTA", "Warszawa 1");
  wpisz(edycja().edNazwisko, "nowak");
  wpisz(edycja().edImie, "ewa");
  wpisz(edycja().edPESEL, "85010112345");
  opusc(edycja().edPESEL, edycja().edUlica);
  edycja().btnOKClick();
  ASSERT_FALSE(edycja().isVisible()) << t.komunikaty->ostatni().toStdString();
  EXPECT_EQ(bajty(plik("kody_pocztowe.txt")),
            Win1250::zakoduj(QStringLiteral("00-950=WARSZAWA 1;MOJA;WARSZAWA;MAZOWIECKIE\r\n98-100=ŁASK;ŁASK;ŁASKI;\r\n")));
}

TEST_F(EdycjaPacjenta, AnEmptyCodeIsStoredAsNoCode) {
  otworzNowy();
  edycja().edKodP->setFocus();
  edycja().edKodP->setCursorPosition(0);
  wpisz(edycja().edKodP, "1");
  EXPECT_FALSE(ds().value("KODP").isNull());
  QTest::keyClick(edycja().edKodP, Qt::Key_Backspace);
  EXPECT_TRUE(ds().value("KODP").isNull());
}

TEST_F(EdycjaPacjenta, ACommuneIsTrimmedAndAddedOnYesWithTheFileRewrittenInPolishOrder) {
  zapiszPlik(plik("lista_gmin.txt"), {"ZAKOPANE", "ŁÓDŹ", "LUBLIN"});
  // Missing list files read as empty lists.
  otworzNowy();
  EXPECT_EQ(edycja().cbGmina->count(), 3);
  EXPECT_EQ(edycja().cbPowiat->count(), 0);
  EXPECT_EQ(edycja().cbWojewodztwo->count(), 0);
  QLineEdit* gmina = edycja().cbGmina->lineEdit();

  // No: the text stays in the field, the list and the file do not change.
  edycja().cbGmina->setFocus();
  wpisz(gmina, QStringLiteral("łask  "));
  t.komunikaty->odpowiedzi = {false};
  opusc(edycja().cbGmina, edycja().cbPowiat);
  ASSERT_EQ(t.komunikaty->wpisy.size(), 1);
  EXPECT_EQ(t.komunikaty->wpisy[0].rodzaj, Wpis::Pytanie);
  EXPECT_EQ(t.komunikaty->wpisy[0].tytul, "Nowa gmina");
  EXPECT_EQ(t.komunikaty->wpisy[0].tekst, QStringLiteral("Dodać gminę 'ŁASK' do listy gmin?"));
  EXPECT_EQ(edycja().cbGmina->currentText(), QStringLiteral("ŁASK"));
  EXPECT_EQ(ds().text("GMINA"), QStringLiteral("ŁASK"));
  EXPECT_EQ(edycja().cbGmina->count(), 3);
  EXPECT_EQ(bajty(plik("lista_gmin.txt")), Win1250::zakoduj(QStringLiteral("ZAKOPANE\r\nŁÓDŹ\r\nLUBLIN\r\n")));

  // Yes: added, sorted, written whole.
  t.komunikaty->wyczysc();
  t.komunikaty->odpowiedzi = {true};
  opusc(edycja().cbGmina, edycja().cbPowiat);
  ASSERT_EQ(t.komunikaty->teksty(), QStringList{QStringLiteral("Dodać gminę 'ŁASK' do listy gmin?")});
  EXPECT_EQ(bajty(plik("lista_gmin.txt")),
            Win1250::zakoduj(QStringLiteral("LUBLIN\r\nŁASK\r\nŁÓDŹ\r\nZAKOPANE\r\n")));
  EXPECT_EQ(edycja().cbGmina->count(), 4);
  EXPECT_EQ(edycja().cbGmina->itemText(1), QStringLiteral("ŁASK"));

  // A known item, whatever its case, asks nothing; an item picked from the list is stored.
  t.komunikaty->wyczysc();
  opusc(edycja().cbGmina, edycja().cbPowiat);
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  edycja().cbGmina->setCurrentIndex(3);
  emit edycja().cbGmina->textActivated(edycja().cbGmina->currentText());
  EXPECT_EQ(ds().text("GMINA"), "ZAKOPANE");

  // The district list gets its own question and file.
  t.komunikaty->odpowiedzi = {true};
  edycja().cbPowiat->setFocus();
  wpisz(edycja().cbPowiat->lineEdit(), QStringLiteral(" łaski"));
  opusc(edycja().cbPowiat, edycja().cbWojewodztwo);
  EXPECT_EQ(t.komunikaty->ostatni(), QStringLiteral("Dodać powiat 'ŁASKI' do listy powiatów?"));
  EXPECT_EQ(bajty(plik("lista_powiatow.txt")), Win1250::zakoduj(QStringLiteral("ŁASKI\r\n")));
}

TEST_F(EdycjaPacjenta, TheDoctorButtonChoosesThroughTheDoctorListAndReloadsTheTabs) {
  otworzNowy();
  EXPECT_EQ(edycja().cbLekarz->count(), 2);
  EXPECT_EQ(edycja().cbLekarz->itemText(0), "ADAMSKA EWA");
  EXPECT_EQ(edycja().cbLekarz->currentIndex(), -1);
  // A doctor added in the list meanwhile shows in the drop-down afterwards.
  gdyOtwarte(*Form_Lekarze, [&] {
    EXPECT_EQ(Form_Lekarze->Tryb, "WYBOR");
    t.baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (5, 'ZIELIŃSKI', 'OLAF', 1, 'N')"});
    Form_Lekarze->accept();
  });
  edycja().btnWyborLekarzaClick();
  EXPECT_EQ(ds().intValue("LEKARZ_ID"), Form_Lekarze->WybraneID);
  EXPECT_NE(Form_Lekarze->WybraneID, 0);
  EXPECT_EQ(edycja().cbLekarz->count(), 3);
  EXPECT_EQ(edycja().cbLekarz->currentData().toInt(), Form_Lekarze->WybraneID);
  EXPECT_EQ(t.okno().Stan.ListaLekarzy.size(), 3);

  // The drop-down itself stores its choice; Esc there does not close the dialog.
  QApplication::setActiveWindow(&edycja());
  edycja().cbLekarz->setFocus();
  EXPECT_FALSE(edycja().btnOK->isDefault());
  QTest::keyClick(edycja().cbLekarz, Qt::Key_Escape);
  EXPECT_TRUE(edycja().isVisible());
  emit edycja().cbLekarz->activated(2);
  EXPECT_EQ(ds().intValue("LEKARZ_ID"), 5);
  edycja().edNazwisko->setFocus();
  EXPECT_TRUE(edycja().btnOK->isDefault());
}

TEST_F(EdycjaPacjenta, CancelOnANewRowLeavesNothingAndOkCommitsThroughTheList) {
  const int przed = zatwierdzone("select count(*) from PACJENCI");
  gdyOtwarte(edycja(), [&] {
    EXPECT_EQ(ds().state(), Dataset::Insert);
    EXPECT_EQ(ds().text("AKTYW"), "T");
    wpisz(edycja().edNazwisko, "nowy");
    wpisz(edycja().edImie, "jan");
    wpisz(edycja().edPESEL, "85010112345");
    QTest::keyClick(&edycja(), Qt::Key_Escape);
  });
  QTest::keyClick(lista().DBGrid1, Qt::Key_Insert);
  EXPECT_EQ(ds().state(), Dataset::Browse);
  EXPECT_EQ(zatwierdzone("select count(*) from PACJENCI"), przed);
  EXPECT_EQ(t.baza.wartosc("select count(*) from PACJENCI where NAZWISKO = 'NOWY'").toInt(), 0);

  gdyOtwarte(edycja(), [&] {
    wpisz(edycja().edNazwisko, "nowy");
    wpisz(edycja().edImie, "jan");
    edycja().edPESEL->setFocus();
    wpisz(edycja().edPESEL, "85010112345");
    QTest::mouseClick(edycja().btnOK, Qt::LeftButton);
    EXPECT_FALSE(edycja().isVisible());
  });
  lista().aDodaj->trigger();
  EXPECT_EQ(zatwierdzone("select count(*) from PACJENCI where NAZWISKO = 'NOWY' and PLEC = 'K' and AKTYW = 'T'"), 1);
  // Recounted: the list counts active patients only (the removed one is not among them).
  EXPECT_EQ(lista().Dane().IloscWynikow, 2);
}

TEST_F(EdycjaPacjenta, EnterAndDoubleClickEditTheCurrentPatientAndCancelRollsBack) {
  ASSERT_TRUE(ds().locate("ID", 1));
  gdyOtwarte(edycja(), [&] {
    EXPECT_EQ(ds().state(), Dataset::Edit);
    EXPECT_EQ(edycja().lblID->text(), "1");
    wpisz(edycja().edNazwisko, "X");
    edycja().btnAnuluj->click();
  });
  QTest::keyClick(lista().DBGrid1, Qt::Key_Return);
  EXPECT_EQ(ds().text("NAZWISKO"), "NOWAK");

  gdyOtwarte(edycja(), [&] {
    EXPECT_EQ(ds().state(), Dataset::Edit);
    edycja().edNazwisko->end(false);
    wpisz(edycja().edNazwisko, "OWA");
    edycja().btnOKClick();
    EXPECT_FALSE(edycja().isVisible()) << t.komunikaty->ostatni().toStdString() << edycja().edNazwisko->text().toStdString();
  });
  lista().DBGrid1DblClick();
  EXPECT_EQ(ds().text("NAZWISKO"), "NOWAKOWA");
  EXPECT_EQ(zatwierdzone("select count(*) from PACJENCI where ID = 1 and NAZWISKO = 'NOWAKOWA'"), 1);
}

TEST_F(EdycjaPacjenta, TheThreeDateButtonsOpenTheCalendarOnTheirOwnField) {
  otworzNowy();
  const struct {
    QPushButton* przycisk;
    const char* pole;
    QDate dzien;
  } przypadki[] = {{edycja().btnDataUr, "DATAUR", QDate(2005, 3, 21)},
                   {edycja().btnDtDeklarLek, "DTDEKLARLEK", QDate(2024, 5, 6)},
                   {edycja().btnDtDeklarPiel, "DTDEKLARPIEL", QDate(2023, 12, 31)}};
  for (const auto& p : przypadki) {
    EXPECT_EQ(p.przycisk->focusPolicy(), Qt::NoFocus);
    p.przycisk->click();
    EXPECT_TRUE(Form_Kalendarz->isVisible()) << p.pole;
    emit Form_Kalendarz->MonthCalendar1->activated(p.dzien);
    EXPECT_EQ(ds().value(p.pole).toDate(), p.dzien) << p.pole;
    if (Form_Kalendarz->isVisible()) Form_Kalendarz->close();
  }
  EXPECT_EQ(edycja().edDtDeklarPiel->text(), "31-12-2023");
}

TEST_F(EdycjaPacjenta, AFailedPostKeepsTheDialogOpenWithWhatWasTyped) {
  // The next key is one already taken, so the insert fails on the server.
  t.baza.wykonaj({"alter sequence GEN_PACJENCI_ID restart with 0"});
  otworzNowy();
  wpisz(edycja().edNazwisko, "nowak");
  wpisz(edycja().edImie, "ewa");
  edycja().edPESEL->setFocus();
  wpisz(edycja().edPESEL, "85010112345");
  EXPECT_ANY_THROW(edycja().btnOKClick());
  EXPECT_TRUE(edycja().isVisible());
  EXPECT_EQ(ds().state(), Dataset::Insert);
  EXPECT_EQ(edycja().edNazwisko->text(), "NOWAK");
  EXPECT_EQ(ds().value("DATAUR").toDate(), QDate(1985, 1, 1));
  // Every try takes the next key: 2 is taken as well, 3 is free.
  EXPECT_ANY_THROW(edycja().btnOKClick());
  edycja().btnOKClick();
  EXPECT_FALSE(edycja().isVisible());
  EXPECT_EQ(ds().intValue("ID"), 3);
}
