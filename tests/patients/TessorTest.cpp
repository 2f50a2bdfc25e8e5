// Taking patients over from the companion program's register: the picker over
// a companion database the fixture builds itself (the PACJENT columns the
// picker reads), and the import into the clinic's register through Ctrl+Insert
// of the patient list.
#include "db/Statement.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Pacjenci_Edycja.h"
#include "patients/TForm_Tessor_Pacjenci.h"
#include "patients/TessorReguly.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/Kolory.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const char* const TabelaPacjent =
    "create table PACJENT (\n"
    "  ID integer not null primary key,\n"
    "  TESSOR_ID integer not null,\n"
    "  NAZWISKO varchar(64),\n"
    "  IMIE varchar(32),\n"
    "  PESEL varchar(11),\n"
    "  ADRES varchar(64),\n"
    "  KODP varchar(6),\n"
    "  POCZTA varchar(32),\n"
    "  URDATA date,\n"
    "  URMIEJSCE varchar(32),\n"
    "  PLEC char(1),\n"
    "  OPIS varchar(512),\n"
    "  DEKLARDATA date,\n"
    "  DTAKTUALIZ timestamp,\n"
    "  ICD10 varchar(8),\n"
    "  ZLEC_DATA date,\n"
    "  ZLEC_LEKARZ_ID integer,\n"
    "  ZLEC_NUMER integer)";

// A companion register in a folder of its own.
class BazaTessor {
 public:
  BazaTessor() {
    Connection::createDatabase(sciezka(), TessorReguly::ParametryPolaczenia());
    Connection c;
    c.open(sciezka(), TessorReguly::ParametryPolaczenia(), Connection::Access::Embedded);
    Statement(c, QString::fromLatin1(TabelaPacjent)).execute();
    c.commitRetaining();
    const QStringList wiersze = {
        "1, 'KOWALSKI', 'JAN', '80010112340', 'Kwiatowa 12 5', '00-950', 'Warszawa', '1980-01-01', 'Radom', 'M', "
        "'2024-02-03', 12",
        "2, 'KOWALCZYK', 'ANNA', '85020254323', '3 Maja 10', '30-001', 'Kraków', '1985-02-02', null, 'K', null, null",
        "3, 'NOWAK', 'PIOTR', '90030398765', 'Polna 7', '60-100', 'Poznań', '1990-03-03', null, 'M', '2023-05-06', "
        "null",
        // No birth date and no sex: the PESEL tells a woman born 21 March 2005.
        "4, 'BEZDATY', 'EWA', '05232112349', 'Długa 3 m. 4', '80-200', 'Gdańsk', null, null, null, null, null",
        "5, 'USUNIĘTA', 'ZOFIA', '75050511118', 'Krótka 1', '90-001', 'Łódź', '1975-05-05', null, 'K', null, null",
    };
    for (const QString& w : wiersze)
      Statement(c, QStringLiteral("insert into PACJENT (ID, NAZWISKO, IMIE, PESEL, ADRES, KODP, POCZTA, URDATA, "
                                  "URMIEJSCE, PLEC, DEKLARDATA, ZLEC_NUMER, TESSOR_ID, DTAKTUALIZ) values (") +
                       w + QStringLiteral(", 100, '2024-06-07 08:09:10')"))
          .execute();
    c.commitRetaining();
    c.close();
  }
  QString sciezka() const { return dir_.filePath(QStringLiteral("TESSOR.FDB")); }
  // More rows, named WIERSZ001 on, with keys from 101.
  void dodaj(int ile) {
    Connection c;
    c.open(sciezka(), TessorReguly::ParametryPolaczenia(), Connection::Access::Embedded);
    for (int i = 1; i <= ile; ++i)
      Statement(c, QStringLiteral("insert into PACJENT (ID, TESSOR_ID, NAZWISKO, IMIE, PESEL) values (%1, 1, "
                                  "'WIERSZ%2', 'X', '%3')")
                       .arg(100 + i)
                       .arg(i, 3, 10, QChar(u'0'))
                       .arg(i))
          .execute();
    c.commitRetaining();
    c.close();
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace

class Tessor : public ::testing::Test {
 protected:
  void SetUp() override {
    t.okno().Stan.tessor_fdb = tessor.sciezka();
    t.komunikaty->wyczysc();
  }
  void TearDown() override {
    for (QDialog* d : {static_cast<QDialog*>(Form_Tessor_Pacjenci), static_cast<QDialog*>(Form_Pacjenci)})
      if (d->isVisible()) d->reject();
    QApplication::processEvents();
  }
  TForm_Tessor_Pacjenci& wybor() { return *Form_Tessor_Pacjenci; }
  Dataset& ds() { return wybor().sqlPacjent(); }

  void otworz() {
    wybor().open();
    QApplication::processEvents();
    // Offscreen, the main window may take the activation back meanwhile.
    QApplication::setActiveWindow(&wybor());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wybor()));
    ASSERT_EQ(QApplication::activeWindow(), &wybor());
  }
  QStringList nazwiska() {
    QStringList l;
    for (int i = 0; i < ds().count(); ++i) l << ds().valueAt(i, "_pacjent_name").toString();
    return l;
  }
  void filtruj(const QString& tekst) {
    wybor().edFiltruj->setFocus();
    wybor().edFiltruj->setText(tekst);
    QTest::keyClick(wybor().edFiltruj, Qt::Key_Return);
  }

  BazaTessor tessor;
  OknoGlowneTestowe t{OknoGlowneTestowe::JedenLekarz, true};
};

TEST_F(Tessor, OpensOnItsOwnConnectionAndClosesIt) {
  otworz();
  EXPECT_EQ(wybor().windowTitle(), "Baza danych: Tessor - Pacjenci");
  EXPECT_TRUE(wybor().Dane().IBDatabaseTESSOR.isOpen());
  EXPECT_NE(&wybor().Dane().IBDatabaseTESSOR, &t.okno().Polaczenie());
  EXPECT_EQ(nazwiska(), QStringList({"BEZDATY EWA", "KOWALCZYK ANNA", "KOWALSKI JAN", "NOWAK PIOTR", "USUNIĘTA ZOFIA"}));
  EXPECT_EQ(wybor().Label4->text(), "Wyników: 5.  Strona 1/1");
  EXPECT_FALSE(wybor().btnPoprzednia->isEnabled());
  EXPECT_FALSE(wybor().btnNastepna->isEnabled());
  EXPECT_TRUE(wybor().btnOK->isEnabled());
  EXPECT_TRUE(wybor().edFiltruj->hasFocus());
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  // The update time shows as the program shows times.
  EXPECT_EQ(ds().valueAt(0, "_dtaktualiz").toString(), "07-06-2024 08:09");
  wybor().btnAnuluj->click();
  EXPECT_FALSE(wybor().isVisible());
  EXPECT_FALSE(wybor().Dane().IBDatabaseTESSOR.isOpen());
  EXPECT_FALSE(ds().isOpen());
}

TEST_F(Tessor, FiltersByNamePrefixOrPeselPrefix) {
  otworz();
  const struct {
    QString filtr;
    QStringList wynik;
  } przypadki[] = {
      {"kow", {"KOWALCZYK ANNA", "KOWALSKI JAN"}},
      {"KOWALSKI J", {"KOWALSKI JAN"}},
      {"8502", {"KOWALCZYK ANNA"}},
      {"0", {"BEZDATY EWA"}},
      {"usunię", {"USUNIĘTA ZOFIA"}},
      {"jan", {}},
      {"o'b", {}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.filtr.toStdString());
    filtruj(p.filtr);
    EXPECT_TRUE(wybor().FiltrWlaczony);
    EXPECT_TRUE(wybor().btnFiltruj->isChecked());
    EXPECT_EQ(nazwiska(), p.wynik);
    EXPECT_EQ(wybor().Label4->text(), QStringLiteral("Wyników: %1.  Strona 1/1").arg(p.wynik.size()));
    EXPECT_EQ(wybor().btnOK->isEnabled(), !p.wynik.isEmpty());
    EXPECT_TRUE(wybor().DBGrid1->hasFocus());
  }
  // The button switches it off again: everything is back.
  wybor().btnFiltruj->click();
  EXPECT_FALSE(wybor().FiltrWlaczony);
  EXPECT_EQ(ds().count(), 5);
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 0);
}

TEST_F(Tessor, PagesOfOneHundred) {
  tessor.dodaj(145);
  otworz();
  EXPECT_EQ(wybor().Label4->text(), "Wyników: 150.  Strona 1/2");
  EXPECT_EQ(ds().count(), 100);
  EXPECT_FALSE(wybor().btnPoprzednia->isEnabled());
  EXPECT_TRUE(wybor().btnNastepna->isEnabled());
  QTest::keyClick(wybor().DBGrid1, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(wybor().Label4->text(), "Wyników: 150.  Strona 2/2");
  ASSERT_EQ(ds().count(), 50);
  EXPECT_EQ(ds().valueAt(49, "NAZWISKO").toString(), "WIERSZ145");
  EXPECT_TRUE(wybor().btnPoprzednia->isEnabled());
  EXPECT_FALSE(wybor().btnNastepna->isEnabled());
  wybor().btnPoprzednia->click();
  EXPECT_EQ(ds().count(), 100);
  EXPECT_EQ(ds().valueAt(0, "NAZWISKO").toString(), "BEZDATY");
  // The filter counts again, from the first page.
  filtruj("WIERSZ");
  EXPECT_EQ(wybor().Label4->text(), "Wyników: 145.  Strona 1/2");
  filtruj("WIERSZ0");
  EXPECT_EQ(wybor().Label4->text(), "Wyników: 99.  Strona 1/1");
}

TEST_F(Tessor, SwitchingTheFilterOnWithAnEmptyBoxOnlyBeeps) {
  otworz();
  wybor().aFiltruj->trigger();
  EXPECT_FALSE(wybor().FiltrWlaczony);
  EXPECT_FALSE(wybor().btnFiltruj->isChecked());
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
  EXPECT_EQ(t.komunikaty->teksty(), QStringList());
  EXPECT_EQ(ds().count(), 5);
  // Enter in the empty box does not filter either: it goes to the grid.
  QTest::keyClick(wybor().edFiltruj, Qt::Key_Return);
  EXPECT_FALSE(wybor().FiltrWlaczony);
  EXPECT_TRUE(wybor().DBGrid1->hasFocus());
  EXPECT_TRUE(wybor().isVisible());
}

TEST_F(Tessor, SearchMovesWithinThePageAndMarksAMiss) {
  otworz();
  wybor().edSzukaj->setText("kowals");
  EXPECT_EQ(ds().text("NAZWISKO"), "KOWALSKI");
  wybor().edSzukaj->setText("9003");
  EXPECT_EQ(ds().text("NAZWISKO"), "NOWAK");
  EXPECT_NE(wybor().edSzukaj->palette().color(QPalette::Base), Kolory::NieZnaleziono);
  wybor().edSzukaj->setText("zzz");
  EXPECT_EQ(ds().text("NAZWISKO"), "NOWAK");
  EXPECT_EQ(wybor().edSzukaj->palette().color(QPalette::Base), Kolory::NieZnaleziono);
  wybor().edSzukaj->clear();
  EXPECT_NE(wybor().edSzukaj->palette().color(QPalette::Base), Kolory::NieZnaleziono);
}

TEST_F(Tessor, EnterAndEscBelongToTheBoxesAndToOkAndCancelInTheGrid) {
  otworz();
  wybor().edFiltruj->setText("kow");
  EXPECT_FALSE(wybor().btnOK->isDefault());
  QTest::keyClick(wybor().edFiltruj, Qt::Key_Escape);
  EXPECT_TRUE(wybor().isVisible());
  EXPECT_EQ(wybor().edFiltruj->text(), "");
  EXPECT_EQ(ds().count(), 5);  // not reloaded
  EXPECT_TRUE(wybor().DBGrid1->hasFocus());
  EXPECT_TRUE(wybor().btnOK->isDefault());
  wybor().edSzukaj->setFocus();
  EXPECT_FALSE(wybor().btnOK->isDefault());
  QTest::keyClick(wybor().edSzukaj, Qt::Key_Escape);
  EXPECT_TRUE(wybor().isVisible());
  EXPECT_TRUE(wybor().DBGrid1->hasFocus());
  // Enter in the grid confirms the current row.
  ds().moveTo(2);
  QTest::keyClick(wybor().DBGrid1, Qt::Key_Return);
  EXPECT_FALSE(wybor().isVisible());
  EXPECT_EQ(wybor().result(), QDialog::Accepted);
  EXPECT_EQ(wybor().WybranyPacjent.ID, 1);
  EXPECT_EQ(wybor().WybranyPacjent.ADRES, "Kwiatowa 12 5");
  otworz();
  wybor().DBGrid1->setFocus();
  QTest::keyClick(wybor().DBGrid1, Qt::Key_Escape);
  EXPECT_FALSE(wybor().isVisible());
  EXPECT_EQ(wybor().result(), QDialog::Rejected);
}

TEST_F(Tessor, RememberedFilterAndSearchAndTheLastChosenPatient) {
  wybor().WybranyPacjent = {};
  otworz();
  wybor().cbxPamietajFiltr->setChecked(true);
  filtruj("kow");
  ASSERT_EQ(nazwiska(), QStringList({"KOWALCZYK ANNA", "KOWALSKI JAN"}));
  ds().moveTo(1);
  wybor().btnOKClick();
  ASSERT_EQ(wybor().WybranyPacjent.ID, 1);

  otworz();
  EXPECT_EQ(wybor().edFiltruj->text(), "kow");
  EXPECT_TRUE(wybor().FiltrWlaczony);
  EXPECT_TRUE(wybor().btnFiltruj->isChecked());
  EXPECT_EQ(nazwiska(), QStringList({"KOWALCZYK ANNA", "KOWALSKI JAN"}));
  EXPECT_EQ(ds().intValue("ID"), 1);  // back on the last chosen one
  EXPECT_TRUE(wybor().edFiltruj->hasFocus());
  wybor().edSzukaj->setText("kowalc");
  EXPECT_EQ(ds().intValue("ID"), 2);
  wybor().reject();

  otworz();
  EXPECT_EQ(wybor().edSzukaj->text(), "kowalc");
  EXPECT_EQ(ds().intValue("ID"), 2);  // the search ran again
  EXPECT_TRUE(wybor().DBGrid1->hasFocus());
  wybor().reject();

  // Unticked: both boxes and the filter start afresh.
  wybor().cbxPamietajFiltr->setChecked(false);
  otworz();
  EXPECT_EQ(wybor().edFiltruj->text(), "");
  EXPECT_EQ(wybor().edSzukaj->text(), "");
  EXPECT_FALSE(wybor().FiltrWlaczony);
  EXPECT_EQ(ds().count(), 5);
  EXPECT_EQ(ds().intValue("ID"), 1);  // the last chosen one is still found
}

TEST_F(Tessor, MissingFileAndFileThatIsNoDatabaseGiveTheirMessageAndAnEmptyPicker) {
  QTemporaryDir dir;
  const QString brak = dir.filePath("BRAK.FDB");
  const QString tekstowy = dir.filePath("TEKST.FDB");
  {
    QFile f(tekstowy);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
  }
  for (const QString& sciezka : {brak, tekstowy}) {
    SCOPED_TRACE(sciezka.toStdString());
    t.komunikaty->wyczysc();
    t.okno().Stan.tessor_fdb = sciezka;
    otworz();
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
    ASSERT_EQ(t.komunikaty->teksty().size(), 1);
    const QString tekst = t.komunikaty->ostatni();
    if (sciezka == brak) {
      EXPECT_EQ(tekst, "Brak pliku bazy danych programu 'Tessor':\n" + brak);
    } else {
      const QString poczatek = "Błąd w trakcie podłączenia do bazy danych programu 'Tessor':\n\n" + tekstowy + "\n\n";
      EXPECT_TRUE(tekst.startsWith(poczatek)) << tekst.toStdString();
      EXPECT_GT(tekst.size(), poczatek.size());  // the engine's own words follow
    }
    EXPECT_FALSE(wybor().Dane().IBDatabaseTESSOR.isOpen());
    EXPECT_EQ(wybor().DBGrid1->model()->rowCount(), 0);
    EXPECT_FALSE(wybor().btnOK->isEnabled());
    EXPECT_EQ(wybor().Label4->text(), "Wyników: 0.  Strona 1/1");
    // Filtering has nothing to read and says nothing more.
    filtruj("kow");
    EXPECT_EQ(t.komunikaty->teksty().size(), 1);
    wybor().reject();
  }
}

class PrzejecieZTessor : public Tessor {
 protected:
  void SetUp() override {
    Tessor::SetUp();
    lista().Tryb = "EDYCJA";
    lista().FiltrPoczatkowy.clear();
    // The row as taken over, posted as the editor's OK would.
    lista().OtworzEdytor = [this] {
      lista().sqlPacjenci().post();
      return true;
    };
    lista().open();
    lista().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lista()));
  }
  void TearDown() override {
    lista().OtworzEdytor = nullptr;
    Tessor::TearDown();
  }
  TForm_Pacjenci& lista() { return *Form_Pacjenci; }

  // Ctrl+Insert in the list, the companion row `id` confirmed in the picker
  // (or the picker cancelled when id is 0).
  void przejmij(int id, bool klawiszem = false) {
    QTimer::singleShot(0, [this, id] {
      ASSERT_TRUE(wybor().isVisible());
      if (id == 0) {
        wybor().btnAnuluj->click();
        return;
      }
      wybor().sqlPacjent().locate("ID", id);
      wybor().btnOK->click();
    });
    if (klawiszem) {
      QApplication::setActiveWindow(&lista());
      QTest::keyClick(lista().DBGrid1, Qt::Key_Insert, Qt::ControlModifier);
    } else {
      lista().aDodajZTessor->trigger();
    }
    EXPECT_FALSE(wybor().isVisible());
  }
  QVariant w(const QString& sql) { return t.baza.wartosc(sql); }
};

TEST_F(PrzejecieZTessor, PeselGivesTheMissingBirthDateAndSexAndTheAddressIsSplit) {
  przejmij(4, true);
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  const QString gdzie = " from PACJENCI where PESEL = '05232112349'";
  ASSERT_EQ(w("select count(*)" + gdzie).toInt(), 1);
  EXPECT_EQ(w("select DATAUR" + gdzie).toDate(), QDate(2005, 3, 21));
  EXPECT_EQ(w("select PLEC" + gdzie).toString(), "K");
  EXPECT_EQ(w("select NAZWISKO || '|' || IMIE" + gdzie).toString(), "BEZDATY|EWA");
  EXPECT_EQ(w("select ULICA" + gdzie).toString(), "Długa 3 m.");
  EXPECT_EQ(w("select NRDOMU" + gdzie).toString(), "4");
  EXPECT_TRUE(w("select NRLOKAL" + gdzie).isNull());
  EXPECT_EQ(w("select KODP || '|' || POCZTA" + gdzie).toString(), "80-200|Gdańsk");
  EXPECT_EQ(w("select AKTYW" + gdzie).toString(), "T");
  for (const char* pole : {"LEKARZ_ID", "GMINA", "POWIAT", "WOJEWODZTWO", "DTDEKLARLEK", "DTDEKLARPIEL"})
    EXPECT_TRUE(w(QStringLiteral("select %1").arg(pole) + gdzie).isNull()) << pole;
  // The list counts the new patient.
  EXPECT_EQ(lista().lblWyniki->text(), "Wyników: 1.  Strona 1/1");
}

TEST_F(PrzejecieZTessor, TheDeclarationDateGoesWhereTheOptionSays) {
  const struct {
    int dtdekl, id;
    QDate lek, piel;
  } przypadki[] = {
      {0, 1, QDate(2024, 2, 3), {}},
      {1, 1, {}, QDate(2024, 2, 3)},
      {1, 3, {}, QDate(2023, 5, 6)},
      {2, 1, {}, {}},
      {0, 2, {}, {}},  // the companion has no declaration date
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(testing::Message() << p.dtdekl << " " << p.id);
    t.okno().Stan.tessor_dtdekl = p.dtdekl;
    QVariant lek, piel;
    bool edytor = false;
    // The editor sees the new row and is cancelled: nothing is kept.
    lista().OtworzEdytor = [&] {
      Dataset& d = lista().sqlPacjenci();
      edytor = d.state() == Dataset::Insert;
      lek = d.value("DTDEKLARLEK");
      piel = d.value("DTDEKLARPIEL");
      d.cancel();
      return false;
    };
    przejmij(p.id);
    EXPECT_TRUE(edytor);
    EXPECT_EQ(lek.toDate(), p.lek);
    EXPECT_EQ(piel.toDate(), p.piel);
    EXPECT_EQ(lek.isNull(), !p.lek.isValid());
    EXPECT_EQ(piel.isNull(), !p.piel.isValid());
    EXPECT_EQ(w("select count(*) from PACJENCI").toInt(), 0);
  }
  // Confirmed in the editor, the row is committed with its date.
  t.okno().Stan.tessor_dtdekl = 0;
  lista().OtworzEdytor = [&] {
    lista().sqlPacjenci().post();
    return true;
  };
  przejmij(1);
  EXPECT_EQ(w("select DTDEKLARLEK from PACJENCI where PESEL = '80010112340'").toDate(), QDate(2024, 2, 3));
  EXPECT_TRUE(w("select DTDEKLARPIEL from PACJENCI where PESEL = '80010112340'").isNull());
}

TEST_F(PrzejecieZTessor, APeselAlreadyRegisteredBlocksTheImportEvenForARemovedPatient) {
  t.baza.wykonaj({"insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (50, 'USUNIĘTA', 'ZOFIA', "
                  "'75050511118', 'N')",
                  "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (51, 'KOWALSKI', 'JAN', "
                  "'80010112340', 'T')",
                  "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (52, 'ADAMSKI', 'ADAM', '1', 'T')"});
  lista().aOdswiezExecute();
  ASSERT_EQ(lista().sqlPacjenci().intValue("ID"), 52);
  bool edytor = false;
  lista().OtworzEdytor = [&] { return edytor = true; };
  const struct {
    int id;
    QString pesel;
    int biezacy;
  } przypadki[] = {{5, "75050511118", 52}, {1, "80010112340", 51}};
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.pesel.toStdString());
    t.komunikaty->wyczysc();
    przejmij(p.id);
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
    EXPECT_EQ(t.komunikaty->teksty(), QStringList{"Pacjent z nr pesel '" + p.pesel + "' już jest w baze pacjentów!"});
    EXPECT_FALSE(edytor);
    EXPECT_EQ(w("select count(*) from PACJENCI where PESEL = '" + p.pesel + "'").toInt(), 1);
    // The list goes to the patient when the page holds him.
    EXPECT_EQ(lista().sqlPacjenci().intValue("ID"), p.biezacy);
  }
  EXPECT_EQ(w("select count(*) from PACJENCI").toInt(), 3);
}

TEST_F(PrzejecieZTessor, CancellingThePickerAddsNothing) {
  bool edytor = false;
  lista().OtworzEdytor = [&] { return edytor = true; };
  przejmij(0);
  EXPECT_FALSE(edytor);
  EXPECT_EQ(w("select count(*) from PACJENCI").toInt(), 0);
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  EXPECT_EQ(lista().lblWyniki->text(), "Wyników: 0.  Strona 1/1");
}

TEST_F(PrzejecieZTessor, WithoutAReplacementThePatientEditorOpensOnTheTakenOverRow) {
  lista().OtworzEdytor = nullptr;
  QString nazwisko, pesel;
  auto* czekaj = new QTimer;
  czekaj->setInterval(5);
  QObject::connect(czekaj, &QTimer::timeout, [&, czekaj] {
    if (!Form_Pacjenci_Edycja->isVisible()) return;
    czekaj->stop();
    czekaj->deleteLater();
    nazwisko = Form_Pacjenci_Edycja->edNazwisko->text();
    pesel = Form_Pacjenci_Edycja->edPESEL->text();
    Form_Pacjenci_Edycja->reject();
  });
  czekaj->start();
  przejmij(4);
  EXPECT_EQ(nazwisko, "BEZDATY");
  EXPECT_EQ(pesel, "05232112349");
  // Cancelled in the editor: nothing is kept.
  EXPECT_EQ(w("select count(*) from PACJENCI where PESEL = '05232112349'").toInt(), 0);
}
