// The advice-type and examination windows over a real database, driven as
// the receptionist drives them. Modal dialogs are acted on from a zero timer
// and always closed there, so no test waits on a window.
#include "app/Okna.h"
#include "db/Dataset.h"
#include "dictionaries/TForm_Badania.h"
#include "dictionaries/TForm_Badania_Edycja.h"
#include "dictionaries/TForm_Porady.h"
#include "dictionaries/TForm_Porady_Edycja.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <functional>

namespace {

void pokaz(OknoSlownika& o, const QString& tryb, int id) {
  o.Tryb = tryb;
  o.WybraneID = id;
  o.show();
  o.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&o));
}

// Runs a modal step with `dzialaj` acting on the dialog that opens; the
// dialog is closed afterwards if the action left it open.
void zModalnym(QDialog& dialog, const std::function<void()>& dzialaj, const std::function<void()>& otworz) {
  QTimer::singleShot(0, &dialog, [&] {
    dzialaj();
    if (dialog.isVisible()) dialog.reject();
  });
  otworz();
}

// Typed text with Polish letters (QTest::keyClicks cannot send those).
void wpisz(QWidget* w, const QString& tekst) {
  for (const QChar c : tekst) {
    QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &k);
  }
}

QStringList nazwy(const Dataset& ds) {
  QStringList n;
  for (int i = 0; i < ds.count(); ++i) n << ds.valueAt(i, "NAZWA").toString();
  return n;
}

}  // namespace

class Slowniki : public ::testing::Test {
 protected:
  // The start-up over an empty database says there are no doctors.
  void SetUp() override { t.komunikaty->wyczysc(); }
  void TearDown() override {
    Form_Porady->hide();
    Form_Badania->hide();
  }
  void badania(const QStringList& lista) {
    QStringList sql;
    int id = 1;
    for (const QString& n : lista)
      sql << QString("insert into BADANIA (ID, KOD, NAZWA, USUN) values (%1, 'K%2', '%3', 'N')")
                 .arg(id)
                 .arg(id, 2, 10, QChar('0'))
                 .arg(QString(n).replace("'", "''")),
          ++id;
    t.baza.wykonaj(sql);
  }
  OknoGlowneTestowe t;
};

TEST_F(Slowniki, ChooseModeOnAnEmptyListOffersOnlyCancel) {
  for (OknoSlownika* o : {static_cast<OknoSlownika*>(Form_Porady), static_cast<OknoSlownika*>(Form_Badania)}) {
    SCOPED_TRACE(o->windowTitle().toStdString());
    o->Tryb = "WYBOR";
    o->WybraneID = 0;
    int wynik = -1;
    zModalnym(
        *o,
        [&] {
          EXPECT_TRUE(o->btnOK->isVisible());
          EXPECT_FALSE(o->btnOK->isEnabled());
          EXPECT_EQ(o->btnAnuluj->text(), "Anuluj");
          EXPECT_TRUE(o->aDodaj->isEnabled());
          EXPECT_FALSE(o->aUsun->isEnabled());
          EXPECT_FALSE(o->aEdytuj->isEnabled());
          QTest::keyClick(o->SG, Qt::Key_Return);  // the disabled default button does nothing
          o->SGDblClick();
          EXPECT_TRUE(o->isVisible());
          o->btnAnuluj->click();
        },
        [&] { wynik = o->exec(); });
    EXPECT_EQ(wynik, QDialog::Rejected);
    EXPECT_EQ(o->WybraneID, 0);
    EXPECT_FALSE(o->dataset().isOpen());
  }
}

TEST_F(Slowniki, OpensOnTheGivenRowAndHandsTheChosenRowBack) {
  t.baza.wykonaj({"insert into PORADY (ID, KOD, NAZWA) values (11, 'P1', 'Porada pierwsza')",
                  "insert into PORADY (ID, KOD, NAZWA) values (12, 'P2', 'Porada druga')",
                  "insert into PORADY (ID, KOD, NAZWA) values (13, 'P3', 'Porada trzecia')"});
  badania({"Morfologia", "Glukoza", "Lipidogram"});
  struct P {
    OknoSlownika* okno;
    int idDrugiego, idTrzeciego;
    bool zawsze;  // hands the current row back however it closes
  };
  for (const P& p : {P{Form_Porady, 12, 13, true}, P{Form_Badania, 2, 3, false}}) {
    OknoSlownika& o = *p.okno;
    SCOPED_TRACE(o.windowTitle().toStdString());
    for (int nieznany : {0, 999}) {
      pokaz(o, "EDYCJA", nieznany);
      EXPECT_EQ(o.dataset().recNo(), 0);
      EXPECT_FALSE(o.btnOK->isVisible());
      EXPECT_EQ(o.btnAnuluj->text(), "Zamknij");
      o.reject();
    }
    // Moving on and closing with Zamknij.
    pokaz(o, "WYBOR", p.idDrugiego);
    EXPECT_EQ(o.dataset().intValue("ID"), p.idDrugiego);
    EXPECT_TRUE(o.SG->currentIndex().row() == o.dataset().recNo());
    o.dataset().next();
    o.reject();
    EXPECT_EQ(o.WybraneID, p.zawsze ? p.idTrzeciego : p.idDrugiego);
    // Enter in choose mode presses OK.
    o.WybraneID = p.idDrugiego;
    int wynik = -1;
    zModalnym(
        o,
        [&] {
          EXPECT_EQ(o.dataset().intValue("ID"), p.idDrugiego);
          QTest::keyClick(o.SG, Qt::Key_Down);
          QTest::keyClick(o.SG, Qt::Key_Return);
        },
        [&] { wynik = o.exec(); });
    EXPECT_EQ(wynik, QDialog::Accepted);
    EXPECT_EQ(o.WybraneID, p.idTrzeciego);
    // A double click in choose mode chooses as well.
    o.WybraneID = p.idDrugiego;
    zModalnym(o, [&] { o.SGDblClick(); }, [&] { wynik = o.exec(); });
    EXPECT_EQ(wynik, QDialog::Accepted);
    EXPECT_EQ(o.WybraneID, p.idDrugiego);
  }
}

TEST_F(Slowniki, RemovingAnExaminationFlagsItAndRepositions) {
  badania({"Morfologia", "Glukoza", "Lipidogram", "Kreatynina"});
  TForm_Badania& o = *Form_Badania;
  pokaz(o, "EDYCJA", 0);
  t.komunikaty->odpowiedzi = {false, true, true};
  o.aUsunExecute();  // answered No
  EXPECT_EQ(o.dataset().count(), 4);
  ASSERT_EQ(t.komunikaty->wpisy.size(), 1);
  EXPECT_EQ(t.komunikaty->wpisy[0].tytul, "Usunięcie badania");
  EXPECT_EQ(t.komunikaty->wpisy[0].tekst, "Na pewno usunąć badanie?\n\n[K01]  Morfologia");

  o.aUsunExecute();  // the first row: the list reopens on its new first row
  EXPECT_EQ(nazwy(o.dataset()), QStringList({"Glukoza", "Lipidogram", "Kreatynina"}));
  EXPECT_EQ(o.dataset().recNo(), 0);
  EXPECT_EQ(o.SG->currentIndex().row(), 0);
  EXPECT_EQ(t.baza.wartosc("select USUN from BADANIA where ID = 1").toString(), "T");

  o.dataset().moveTo(2);  // Kreatynina: back on the row before it
  o.aUsunExecute();
  EXPECT_EQ(nazwy(o.dataset()), QStringList({"Glukoza", "Lipidogram"}));
  EXPECT_EQ(o.dataset().text("NAZWA"), "Lipidogram");
  EXPECT_EQ(t.baza.wartosc("select count(*) from BADANIA").toInt(), 4);
  o.reject();
}

TEST_F(Slowniki, RemovingAnAdviceTypeDeletesItEvenWhenOldVisitsGaveIt) {
  t.baza.wykonaj({"insert into PORADY (ID, KOD, NAZWA) values (1, 'A', 'Porada A')",
                  "insert into PORADY (ID, KOD, NAZWA) values (2, 'B', 'Porada B')",
                  "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA) values (1, 1, 1, 1, '2026-01-05')"});
  TForm_Porady& o = *Form_Porady;
  pokaz(o, "EDYCJA", 1);
  t.komunikaty->odpowiedzi = {true};
  o.aUsunExecute();
  EXPECT_EQ(t.komunikaty->wpisy.value(0).tytul, "Usunięcie porady");
  EXPECT_EQ(t.komunikaty->wpisy.value(0).tekst, "Na pewno usunąć poradę?\n\n[A]  Porada A");
  EXPECT_EQ(nazwy(o.dataset()), QStringList({"Porada B"}));
  EXPECT_EQ(t.baza.wartosc("select count(*) from PORADY").toInt(), 1);
  // The visit keeps its reference and shows no advice, as the history's left join does.
  EXPECT_EQ(t.baza.wartosc("select PORADA_ID from WIZYTY where ID = 1").toInt(), 1);
  EXPECT_TRUE(t.baza.wartosc("select P.KOD from WIZYTY W left join PORADY P on P.ID = W.PORADA_ID").isNull());
  o.reject();
}

TEST_F(Slowniki, AnEmptyCodeIsRefusedAndATypedRowIsSaved) {
  struct P {
    OknoSlownika* okno;
    EdycjaSlownika* edycja;
    QString komunikat, tabela;
  };
  for (const P& p : {P{Form_Porady, Form_Porady_Edycja, "Wpisz kod porady.", "PORADY"},
                     P{Form_Badania, Form_Badania_Edycja, "Wpisz kod badania.", "BADANIA"}}) {
    SCOPED_TRACE(p.komunikat.toStdString());
    t.komunikaty->wyczysc();
    OknoSlownika& o = *p.okno;
    EdycjaSlownika& e = *p.edycja;
    pokaz(o, "EDYCJA", 0);
    zModalnym(
        e,
        [&] {
          EXPECT_EQ(e.focusWidget(), e.edKod);
          wpisz(e.edNazwa, "Żółć");
          e.btnOKClick();
          EXPECT_TRUE(e.isVisible());
          EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
          EXPECT_EQ(t.komunikaty->teksty(), QStringList({p.komunikat}));
          EXPECT_EQ(e.focusWidget(), e.edKod);
          wpisz(e.edKod, "X1");
          e.btnOK->click();
        },
        [&] { o.aDodajExecute(); });
    EXPECT_EQ(o.dataset().count(), 1);
    const int id = o.dataset().intValue("ID");
    EXPECT_GT(id, 0);
    EXPECT_EQ(t.baza.wartosc(QString("select NAZWA from %1 where KOD = 'X1'").arg(p.tabela)).toString(), "Żółć");
    EXPECT_TRUE(o.aEdytuj->isEnabled());

    // An edit abandoned with Anuluj leaves the row as it was.
    zModalnym(
        e,
        [&] {
          EXPECT_EQ(e.lblID->text(), QString::number(id));
          EXPECT_EQ(e.edKod->text(), "X1");
          e.edKod->clear();
          wpisz(e.edKod, "Y2");
          e.btnAnuluj->click();
        },
        [&] { o.aEdytujExecute(); });
    EXPECT_EQ(o.dataset().text("KOD"), "X1");
    EXPECT_EQ(t.baza.wartosc(QString("select KOD from %1").arg(p.tabela)).toString(), "X1");
    o.reject();
  }
  EXPECT_EQ(t.baza.wartosc("select USUN from BADANIA").toString(), "N");
}

class SzybkieFiltrowanie : public Slowniki {
 protected:
  void SetUp() override {
    badania({"Morfologia krwi", "Próba wątrobowa", "WĄTROBA USG", "Glukoza", "Cholesterol całkowity"});
    pokaz(o, "EDYCJA", 0);
    ASSERT_TRUE(o.SG->hasFocus());
  }
  void poczekajNaTimer() {
    EXPECT_TRUE(QTest::qWaitFor([&] { return !o.timerSzybkieFiltrowanie.isActive(); }, 5000));
  }
  TForm_Badania& o = *Form_Badania;
};

TEST_F(SzybkieFiltrowanie, ThreeLettersInAnyCaseFilterWhenTheTimerFires) {
  EXPECT_EQ(o.timerSzybkieFiltrowanie.interval(), 200);
  EXPECT_TRUE(o.timerSzybkieFiltrowanie.isSingleShot());
  EXPECT_TRUE(o.cbxSzybkieFiltrowanie->isChecked());
  struct P {
    QString wpisane;
    QStringList widoczne;
  };
  const std::vector<P> przypadki = {
      {"WąT", {"Próba wątrobowa", "WĄTROBA USG"}},
      {"gLu", {"Glukoza"}},
      {"ŁKO", {"Cholesterol całkowity"}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.wpisane.toStdString());
    o.reject();
    pokaz(o, "EDYCJA", 0);  // each showing starts with an empty filter
    wpisz(o.SG, p.wpisane);
    EXPECT_EQ(o.edFiltruj->text(), p.wpisane);
    // Nothing changes before the timer fires.
    EXPECT_TRUE(o.timerSzybkieFiltrowanie.isActive());
    EXPECT_EQ(o.dataset().count(), 5);
    poczekajNaTimer();
    EXPECT_EQ(nazwy(o.dataset()), p.widoczne);
    EXPECT_TRUE(o.FiltrWlaczony());
    EXPECT_TRUE(o.aFiltruj->isChecked());
    EXPECT_TRUE(o.SG->hasFocus());
  }
  o.reject();
}

TEST_F(SzybkieFiltrowanie, BackspaceToEmptyShowsEverythingAtOnce) {
  wpisz(o.SG, "wąt");
  poczekajNaTimer();
  ASSERT_EQ(o.dataset().count(), 2);
  QTest::keyClick(o.SG, Qt::Key_Backspace);
  QTest::keyClick(o.SG, Qt::Key_Backspace);
  EXPECT_EQ(o.edFiltruj->text(), "w");
  EXPECT_TRUE(o.timerSzybkieFiltrowanie.isActive());
  EXPECT_EQ(o.dataset().count(), 2);
  QTest::keyClick(o.SG, Qt::Key_Backspace);
  EXPECT_EQ(o.edFiltruj->text(), "");
  EXPECT_FALSE(o.timerSzybkieFiltrowanie.isActive());
  EXPECT_FALSE(o.FiltrWlaczony());
  EXPECT_FALSE(o.aFiltruj->isChecked());
  EXPECT_EQ(o.dataset().count(), 5);
  o.reject();
}

TEST_F(SzybkieFiltrowanie, TypingDoesNothingWhenQuickFilteringIsOff) {
  o.cbxSzybkieFiltrowanie->setChecked(false);
  o.dataset().moveTo(2);
  wpisz(o.SG, "glu");
  QTest::keyClick(o.SG, Qt::Key_Backspace);
  EXPECT_EQ(o.edFiltruj->text(), "");
  EXPECT_FALSE(o.timerSzybkieFiltrowanie.isActive());
  EXPECT_EQ(o.dataset().count(), 5);
  EXPECT_EQ(o.dataset().recNo(), 2);  // no search by the grid either
  o.cbxSzybkieFiltrowanie->setChecked(true);
  o.reject();
}

TEST_F(Slowniki, FilterBoxMatchesQuotesAndWildcardsLiterally) {
  badania({"Test 50% dawki", "Test 50 dawki", "O'Brien próba", "OBrien", "a_b", "axb"});
  TForm_Badania& o = *Form_Badania;
  pokaz(o, "WYBOR", 0);
  struct P {
    QString tekst;
    QStringList widoczne;
  };
  const std::vector<P> przypadki = {
      {"50%", {"Test 50% dawki"}},
      {"o'b", {"O'Brien próba"}},
      {"'", {"O'Brien próba"}},
      {"_", {"a_b"}},
      {"dawki", {"Test 50% dawki", "Test 50 dawki"}},
      {"x' or '1'='1", {}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.tekst.toStdString());
    o.edFiltruj->setFocus();
    o.edFiltruj->setText(p.tekst);
    QTest::keyClick(o.edFiltruj, Qt::Key_Return);  // applies the filter, does not press OK
    EXPECT_TRUE(o.isVisible());
    EXPECT_TRUE(o.FiltrWlaczony());
    EXPECT_EQ(nazwy(o.dataset()), p.widoczne);
    EXPECT_TRUE(o.SG->hasFocus());
  }
  // Esc in the box empties it and shows everything, and does not close the window.
  o.edFiltruj->setFocus();
  QTest::keyClick(o.edFiltruj, Qt::Key_Escape);
  EXPECT_TRUE(o.isVisible());
  EXPECT_EQ(o.edFiltruj->text(), "");
  EXPECT_FALSE(o.FiltrWlaczony());
  EXPECT_EQ(o.dataset().count(), 6);
  EXPECT_TRUE(o.SG->hasFocus());
  o.reject();
}

TEST_F(Slowniki, FilterBoxTakesDeleteEnterAndEscWhileItHasTheFocus) {
  badania({"Glukoza"});
  TForm_Badania& o = *Form_Badania;
  for (const QString tryb : {"EDYCJA", "WYBOR"}) {
    SCOPED_TRACE(tryb.toStdString());
    pokaz(o, tryb, 0);
    const QList<QKeySequence> klawiszEdycji = o.aEdytuj->shortcuts();
    o.edFiltruj->setFocus();
    EXPECT_TRUE(o.aUsun->shortcut().isEmpty());
    EXPECT_TRUE(o.aEdytuj->shortcuts().isEmpty());
    EXPECT_FALSE(o.btnOK->isDefault());
    o.edFiltruj->setText("glu");
    o.edFiltruj->setCursorPosition(0);
    QTest::keyClick(o.edFiltruj, Qt::Key_Delete);
    EXPECT_EQ(o.edFiltruj->text(), "lu");
    EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
    o.SG->setFocus();
    EXPECT_EQ(o.aUsun->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(o.aEdytuj->shortcuts(), klawiszEdycji);
    EXPECT_EQ(o.aEdytuj->shortcut(),
              tryb == "WYBOR" ? QKeySequence(Qt::CTRL | Qt::Key_Return) : QKeySequence(Qt::Key_Return));
    EXPECT_TRUE(o.btnOK->isDefault());
    // Ctrl+F goes back to the box with its text selected.
    QTest::keyClick(o.SG, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(o.edFiltruj->hasFocus());
    EXPECT_EQ(o.edFiltruj->selectedText(), "lu");
    o.reject();
  }
}

TEST_F(Slowniki, AScanTypedIntoAListOrAnEditorIsSwallowed) {
  badania({"Glukoza"});
  auto skan = [](QWidget* w) {
    wpisz(w, QString(QChar(2)) + "12345" + QChar(3));
  };
  TForm_Badania& o = *Form_Badania;
  pokaz(o, "EDYCJA", 0);
  skan(o.SG);
  EXPECT_EQ(o.edFiltruj->text(), "");
  EXPECT_FALSE(o.timerSzybkieFiltrowanie.isActive());
  zModalnym(
      *Form_Badania_Edycja,
      [&] {
        skan(Form_Badania_Edycja->edKod);
        EXPECT_EQ(Form_Badania_Edycja->edKod->text(), "K01");
      },
      [&] { o.aEdytujExecute(); });
  o.reject();
}

TEST_F(Slowniki, MainWindowOpensBothListsToMaintain) {
  struct P {
    QAction* akcja;
    OknoSlownika* okno;
  };
  for (const P& p : {P{t.okno().aPorady, Form_Porady}, P{t.okno().aBadania, Form_Badania}}) {
    SCOPED_TRACE(p.okno->windowTitle().toStdString());
    ASSERT_TRUE(p.akcja->isEnabled());
    p.okno->Tryb = "WYBOR";
    p.okno->WybraneID = 7;
    bool otwarte = false;
    zModalnym(
        *p.okno,
        [&] {
          otwarte = p.okno->isVisible();
          EXPECT_EQ(p.okno->Tryb, "EDYCJA");
          EXPECT_FALSE(p.okno->btnOK->isVisible());
          EXPECT_EQ(p.okno->btnAnuluj->text(), "Zamknij");
          p.okno->btnAnuluj->click();
        },
        [&] { p.akcja->trigger(); });
    EXPECT_TRUE(otwarte);
    EXPECT_FALSE(p.okno->isVisible());
  }
}
