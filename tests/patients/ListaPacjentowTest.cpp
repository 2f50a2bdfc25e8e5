// The patient list window over a real database: paging, the server filter,
// the search in the page, the quick filter, the card scan, remove and restore,
// choose mode. The window is opened with open() so that no test waits on it.
#include "patients/DelegatPacjentow.h"
#include "patients/TForm_Pacjenci.h"
#include "patients/TForm_Tessor_Pacjenci.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/Kolory.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString wstaw(int id, const QString& nazwisko, const QString& imie, const QString& pesel, const QString& aktyw = "T",
              const QString& reszta = QString()) {
  return QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW%1) values (%2, '%3', '%4', '%5', '%6'%7)")
      .arg(reszta.isEmpty() ? QString() : reszta.section(u'|', 0, 0))
      .arg(id)
      .arg(QString(nazwisko).replace("'", "''"))
      .arg(imie)
      .arg(pesel)
      .arg(aktyw)
      .arg(reszta.isEmpty() ? QString() : reszta.section(u'|', 1, 1));
}

// A key press carrying text, as the keyboard (or a wedge scanner) delivers it.
void znak(QWidget* w, const QString& tekst, int klawisz = 0) {
  QKeyEvent k(QEvent::KeyPress, klawisz, Qt::NoModifier, tekst);
  QApplication::sendEvent(w, &k);
}

}  // namespace

class ListaPacjentow : public ::testing::Test {
 protected:
  void TearDown() override {
    if (okno().isVisible()) okno().reject();
    QApplication::processEvents();
  }
  TForm_Pacjenci& okno() { return *Form_Pacjenci; }
  Dataset& ds() { return okno().sqlPacjenci(); }

  void otworz(const QString& tryb = "EDYCJA", const QString& filtr = QString()) {
    okno().Tryb = tryb;
    okno().WybraneID = 0;
    okno().FiltrPoczatkowy = filtr;
    okno().open();
    okno().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno()));
  }
  QStringList nazwiska() {
    QStringList l;
    for (int i = 0; i < ds().count(); ++i) l << ds().valueAt(i, "_nazwisko_imie").toString();
    return l;
  }
  void filtruj(const QString& tekst) {
    okno().edFiltruj->setFocus();
    okno().edFiltruj->setText(tekst);
    QTest::keyClick(okno().edFiltruj, Qt::Key_Return);
  }
  void wypelnij() {
    t.baza.wykonaj({wstaw(1, "KOWALSKI", "JAN", "80010112345"), wstaw(2, "ŁUKASIK", "JÓZEF", "75020254321"),
                    wstaw(3, "NOWAK", "ANNA", "90030398765"), wstaw(4, "ŁUKASIEWICZ", "EWA", "85040411111"),
                    wstaw(5, "KOWALCZYK", "PIOTR", "70050522222", "N")});
  }

  // The start-up over an empty database says there are no doctors.
  void SetUp() override { t.komunikaty->wyczysc(); }

  OknoGlowneTestowe t;
};

TEST_F(ListaPacjentow, NoPatientsGiveOnePageAndNothingToChoose) {
  otworz("WYBOR");
  EXPECT_EQ(okno().lblWyniki->text(), "Wyników: 0.  Strona 1/1");
  for (QAction* a : {okno().aPoprzednia, okno().aNastepna, okno().aEdytuj, okno().aHistoria, okno().aUsun,
                     okno().aPrzywroc})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
  EXPECT_FALSE(okno().btnPoprzednia->isEnabled());
  EXPECT_FALSE(okno().btnNastepna->isEnabled());
  EXPECT_TRUE(okno().btnOK->isVisible());
  EXPECT_FALSE(okno().btnOK->isEnabled());
  EXPECT_TRUE(okno().aDodaj->isEnabled());
}

TEST_F(ListaPacjentow, ExactlyOneHundredMakeTwoPagesTheSecondEmpty) {
  QStringList sql;
  for (int i = 1; i <= 100; ++i) sql << wstaw(i, QStringLiteral("NAZWISKO%1").arg(100 - i, 3, 10, QChar('0')), "X", "1");
  t.baza.wykonaj(sql);
  otworz();
  EXPECT_EQ(okno().lblWyniki->text(), "Wyników: 100.  Strona 1/2");
  ASSERT_EQ(ds().count(), 100);
  EXPECT_EQ(ds().valueAt(0, "ID").toInt(), 100);  // by surname, not by key
  EXPECT_FALSE(okno().aPoprzednia->isEnabled());
  EXPECT_TRUE(okno().aNastepna->isEnabled());
  QTest::keyClick(okno().DBGrid1, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(okno().lblWyniki->text(), "Wyników: 100.  Strona 2/2");
  EXPECT_EQ(ds().count(), 0);
  EXPECT_TRUE(okno().aPoprzednia->isEnabled());
  EXPECT_FALSE(okno().aNastepna->isEnabled());
  EXPECT_FALSE(okno().aEdytuj->isEnabled());
  okno().btnPoprzednia->click();
  EXPECT_EQ(ds().count(), 100);
  EXPECT_EQ(okno().lblWyniki->text(), "Wyników: 100.  Strona 1/2");
}

TEST_F(ListaPacjentow, TheServerFilterMatchesPrefixesOfNameOrPeselLiterally) {
  wypelnij();
  t.baza.wykonaj({wstaw(6, "O'BRIEN", "ANNA", "60060633333"), wstaw(7, "A%B", "X", "1"), wstaw(8, "AXB", "X", "2"),
                  wstaw(9, "A_B", "X", "3")});
  otworz();
  struct Przypadek {
    QString filtr;
    QStringList wynik;
  };
  const QList<Przypadek> przypadki = {
      {"łuk", {"ŁUKASIEWICZ EWA", "ŁUKASIK JÓZEF"}},
      {"ŁUKASIK j", {"ŁUKASIK JÓZEF"}},
      {"kowal", {"KOWALSKI JAN"}},  // the removed KOWALCZYK is not in the active view
      {"9003", {"NOWAK ANNA"}},
      {"anna", {}},  // a first name alone is not a prefix; letters match no PESEL
      {"o'b", {"O'BRIEN ANNA"}},
      {"a%", {"A%B X"}},
      {"a_", {"A_B X"}},
      {"123456789012345", {}},
  };
  for (const Przypadek& p : przypadki) {
    filtruj(p.filtr);
    EXPECT_TRUE(okno().FiltrWlaczony) << p.filtr.toStdString();
    EXPECT_TRUE(okno().btnFiltruj->isChecked());
    EXPECT_EQ(nazwiska(), p.wynik) << p.filtr.toStdString();
    EXPECT_EQ(okno().lblWyniki->text(), QStringLiteral("Wyników: %1.  Strona 1/1").arg(p.wynik.size()));
  }
  // Esc in the box switches the filter off; switching it on with an empty box does nothing.
  QTest::keyClick(okno().edFiltruj, Qt::Key_Escape);
  EXPECT_FALSE(okno().FiltrWlaczony);
  EXPECT_EQ(ds().count(), 8);
  okno().aFiltruj->trigger();
  EXPECT_FALSE(okno().FiltrWlaczony);
  EXPECT_FALSE(okno().btnFiltruj->isChecked());
}

TEST_F(ListaPacjentow, TheSearchMovesWithinThePageAndColoursTheBoxWhenNothingIsFound) {
  wypelnij();
  otworz();
  struct Przypadek {
    QString tekst;
    QString wiersz;  // name of the current row afterwards
    bool znaleziony;
  };
  const QList<Przypadek> przypadki = {{"now", "NOWAK ANNA", true},
                                      {"xyz", "NOWAK ANNA", false},
                                      {"8001", "KOWALSKI JAN", true},
                                      {"łukasik", "ŁUKASIK JÓZEF", true},
                                      {"", "ŁUKASIK JÓZEF", true}};
  for (const Przypadek& p : przypadki) {
    okno().edSzukaj->setText(p.tekst);
    EXPECT_EQ(ds().text("_nazwisko_imie"), p.wiersz) << p.tekst.toStdString();
    EXPECT_EQ(okno().edSzukaj->palette().color(QPalette::Base) == Kolory::NieZnaleziono, !p.znaleziony)
        << p.tekst.toStdString();
  }
}

TEST_F(ListaPacjentow, RemovedOnlyViewIsGreyAndRestoreAndRemoveAskFirst) {
  wypelnij();
  otworz();
  okno().cbxPokazUsunietych->click();
  ASSERT_EQ(nazwiska(), QStringList{"KOWALCZYK PIOTR"});
  EXPECT_EQ(okno().DBGrid1->kolorTekstu(0), Kolory::TekstUsuniety);
  EXPECT_TRUE(okno().aPrzywroc->isEnabled());
  EXPECT_FALSE(okno().aUsun->isEnabled());

  t.komunikaty->odpowiedzi = {false, true};
  okno().aPrzywroc->trigger();
  EXPECT_EQ(t.baza.wartosc("select AKTYW from PACJENCI where ID = 5").toString(), "N");
  okno().aPrzywroc->trigger();
  ASSERT_EQ(t.komunikaty->wpisy.size(), 2);
  EXPECT_EQ(t.komunikaty->wpisy[1].tytul, "Przywrócenie pacjenta");
  EXPECT_EQ(t.komunikaty->wpisy[1].tekst, "Przywrócić pacjenta [5] 'KOWALCZYK PIOTR'");
  EXPECT_EQ(t.baza.wartosc("select AKTYW from PACJENCI where ID = 5").toString(), "T");
  EXPECT_EQ(ds().count(), 1);  // stays in the page until the next reload
  EXPECT_EQ(okno().DBGrid1->kolorTekstu(0), QColor(Qt::black));
  EXPECT_TRUE(okno().aUsun->isEnabled());
  EXPECT_FALSE(okno().aPrzywroc->isEnabled());

  okno().cbxPokazUsunietych->click();
  ASSERT_TRUE(ds().locate("ID", 3));
  t.komunikaty->wyczysc();
  t.komunikaty->odpowiedzi = {true};
  okno().aUsun->trigger();
  EXPECT_EQ(t.komunikaty->wpisy.value(0).tytul, "Usunięcie pacjenta z listy");
  EXPECT_EQ(t.komunikaty->wpisy.value(0).tekst, "Na pewno usunąć z listy pacjenta [3] 'NOWAK ANNA'");
  EXPECT_EQ(t.baza.wartosc("select AKTYW from PACJENCI where ID = 3").toString(), "N");
  EXPECT_EQ(okno().DBGrid1->kolorTekstu(ds().recNo()), Kolory::TekstUsuniety);
  EXPECT_TRUE(nazwiska().contains("NOWAK ANNA"));
  QTest::keyClick(okno().DBGrid1, Qt::Key_F5);
  EXPECT_FALSE(nazwiska().contains("NOWAK ANNA"));
}

TEST_F(ListaPacjentow, QuickFilterByTypingIntoTheGridAndBackspaceToEmpty) {
  wypelnij();
  otworz();
  okno().DBGrid1->setFocus();
  for (const QString& z : {"k", "o", "w", "a", "l"}) znak(okno().DBGrid1, z);
  znak(okno().DBGrid1, "+");  // not a quick-filter character
  EXPECT_EQ(okno().edFiltruj->text(), "kowal");
  EXPECT_FALSE(okno().FiltrWlaczony);
  EXPECT_TRUE(okno().timerSzybkieFiltrowanie.isActive());
  EXPECT_EQ(okno().timerSzybkieFiltrowanie.interval(), 500);
  ASSERT_TRUE(QTest::qWaitFor([&] { return okno().FiltrWlaczony; }, 5000));
  EXPECT_EQ(nazwiska(), QStringList{"KOWALSKI JAN"});
  EXPECT_TRUE(okno().btnFiltruj->isChecked());

  for (int i = 0; i < 4; ++i) znak(okno().DBGrid1, "\b", Qt::Key_Backspace);
  EXPECT_EQ(okno().edFiltruj->text(), "k");
  EXPECT_TRUE(okno().FiltrWlaczony);  // the timer runs again
  znak(okno().DBGrid1, "\b", Qt::Key_Backspace);
  EXPECT_EQ(okno().edFiltruj->text(), "");
  EXPECT_FALSE(okno().FiltrWlaczony);  // at once
  EXPECT_EQ(ds().count(), 4);

  okno().cbxSzybkieFiltrowanie->setChecked(false);
  znak(okno().DBGrid1, "n");
  EXPECT_EQ(okno().edFiltruj->text(), "");
}

TEST_F(ListaPacjentow, EscInTheGridClearsAnActiveFilterThenCloses) {
  wypelnij();
  otworz();
  filtruj("now");
  ASSERT_TRUE(okno().FiltrWlaczony);
  QTest::keyClick(okno().DBGrid1, Qt::Key_Escape);
  EXPECT_FALSE(okno().FiltrWlaczony);
  EXPECT_EQ(okno().edFiltruj->text(), "");
  EXPECT_EQ(ds().count(), 4);
  EXPECT_TRUE(okno().isVisible());
  QTest::keyClick(okno().DBGrid1, Qt::Key_Escape);
  EXPECT_FALSE(okno().isVisible());
  EXPECT_EQ(okno().result(), QDialog::Rejected);
  EXPECT_FALSE(ds().isOpen());
}

TEST_F(ListaPacjentow, ACardScanFiltersByWhatWasScannedWhereverTheFocusIs) {
  wypelnij();
  otworz();
  okno().edSzukaj->setFocus();
  znak(okno().edSzukaj, QString(QChar(2)));
  for (QChar c : QString("75020254321")) znak(okno().edSzukaj, QString(c));
  EXPECT_TRUE(okno().SkanOdczyt);
  EXPECT_EQ(okno().edSzukaj->text(), "");
  znak(okno().edSzukaj, QString(QChar(3)));
  EXPECT_FALSE(okno().SkanOdczyt);
  EXPECT_TRUE(okno().BuforSkanu.isEmpty());
  EXPECT_FALSE(okno().timerIgnorujSkaner.isActive());
  EXPECT_EQ(okno().edFiltruj->text(), "75020254321");
  EXPECT_TRUE(okno().FiltrWlaczony);
  EXPECT_EQ(nazwiska(), QStringList{"ŁUKASIK JÓZEF"});
  EXPECT_EQ(okno().edSzukaj->text(), "");
  EXPECT_FALSE(okno().timerSzybkieFiltrowanie.isActive());  // nothing reached the quick filter
}

TEST_F(ListaPacjentow, AScanWithoutItsEndGivesTheScannerMessageAndTypingWorksAgain) {
  wypelnij();
  otworz();
  okno().DBGrid1->setFocus();
  znak(okno().DBGrid1, QString(QChar(2)));
  znak(okno().DBGrid1, "1");
  znak(okno().DBGrid1, "2");
  EXPECT_EQ(okno().timerIgnorujSkaner.interval(), 1000);
  EXPECT_TRUE(okno().timerIgnorujSkaner.isActive());
  EXPECT_EQ(okno().edFiltruj->text(), "");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !t.komunikaty->teksty().isEmpty(); }, 5000));
  EXPECT_EQ(t.komunikaty->teksty(),
            QStringList{"Brak znaku końca transmisji ze skanera kodów.\nSprawdź konfigurację skanera."});
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
  EXPECT_FALSE(okno().SkanOdczyt);
  EXPECT_TRUE(okno().BuforSkanu.isEmpty());  // the next scan starts clean
  znak(okno().DBGrid1, "n");
  EXPECT_EQ(okno().edFiltruj->text(), "n");
}

TEST_F(ListaPacjentow, ChooseModeWithAndWithoutAPesel) {
  wypelnij();
  // A remembered filter from an earlier opening...
  otworz("EDYCJA");
  EXPECT_FALSE(okno().btnOK->isVisible());
  EXPECT_EQ(okno().btnAnuluj->text(), "Zamknij");
  okno().cbxPamietajFiltr->setChecked(true);
  filtruj("kow");
  okno().reject();

  // ...applies in choose mode from a new visit.
  otworz("WYBOR");
  EXPECT_EQ(okno().btnAnuluj->text(), "Anuluj");
  EXPECT_TRUE(okno().FiltrWlaczony);
  EXPECT_EQ(nazwiska(), QStringList{"KOWALSKI JAN"});
  okno().reject();

  // The caller's PESEL wins over it.
  otworz("WYBOR", "90030398765");
  EXPECT_EQ(okno().edFiltruj->text(), "90030398765");
  EXPECT_EQ(nazwiska(), QStringList{"NOWAK ANNA"});
  QTest::keyClick(okno().DBGrid1, Qt::Key_Return);
  EXPECT_FALSE(okno().isVisible());
  EXPECT_EQ(okno().result(), QDialog::Accepted);
  EXPECT_EQ(okno().WybraneID, 3);

  // Without the remember box nothing survives the closing.
  okno().cbxPamietajFiltr->setChecked(false);
  otworz("WYBOR");
  EXPECT_FALSE(okno().FiltrWlaczony);
  EXPECT_EQ(okno().edFiltruj->text(), "");
  EXPECT_EQ(ds().count(), 4);
  ASSERT_TRUE(ds().locate("ID", 2));
  okno().DBGrid1DblClick();
  EXPECT_EQ(okno().result(), QDialog::Accepted);
  EXPECT_EQ(okno().WybraneID, 2);
}

TEST_F(ListaPacjentow, FilterBoxesTakeEnterAndDeleteWhileTheyHaveTheFocus) {
  wypelnij();
  otworz("EDYCJA");
  EXPECT_TRUE(okno().aUsun->shortcut().isEmpty());  // until a filter box has once lost the focus
  EXPECT_EQ(okno().aEdytuj->shortcut(), QKeySequence(Qt::Key_Return));
  QTest::keyClick(okno().DBGrid1, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(okno().edFiltruj->hasFocus());
  EXPECT_TRUE(okno().aEdytuj->shortcut().isEmpty());
  EXPECT_TRUE(okno().aUsun->shortcut().isEmpty());
  EXPECT_FALSE(okno().btnOK->isDefault());
  okno().DBGrid1->setFocus();
  EXPECT_EQ(okno().aUsun->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(okno().aEdytuj->shortcut(), QKeySequence(Qt::Key_Return));
  EXPECT_TRUE(okno().btnOK->isDefault());
  okno().reject();

  otworz("WYBOR");
  EXPECT_EQ(okno().aEdytuj->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Return));
  QTest::keyClick(okno().DBGrid1, Qt::Key_W, Qt::ControlModifier);
  EXPECT_TRUE(okno().edSzukaj->hasFocus());
  QTest::keyClick(okno().edSzukaj, Qt::Key_Return);
  EXPECT_TRUE(okno().DBGrid1->hasFocus());
  EXPECT_TRUE(okno().isVisible());  // Enter in the box did not confirm
}

TEST_F(ListaPacjentow, ActionsCarryTheirCaptionsHintsAndShortcuts) {
  otworz();
  struct Przypadek {
    QAction* akcja;
    QString podpis, podpowiedz;
    QKeySequence skrot;
  };
  TForm_Pacjenci& o = okno();
  const QList<Przypadek> przypadki = {
      {o.aDodaj, "Dodaj", "Dodaj pacjenta do listy", QKeySequence(Qt::Key_Insert)},
      {o.aDodajZTessor, "Dodaj pacjenta z bazy 'Tessor'",
       "Dodaj pacjenta z bazy 'Tessor'\nWymaga ustawienia parametru .... w oknie 'Opcje'",
       QKeySequence(Qt::CTRL | Qt::Key_Insert)},
      {o.aImportuj, "Importuj listę pacjentow z pliku CSV", "Importuj listę pacjentow z pliku CSV", {}},
      {o.aEdytuj, "Edytuj", "Edytuj dane pacjenta", QKeySequence(Qt::Key_Return)},
      {o.aUsun, "Usuń pacjenta", "Usuń pacjenta z listy", {}},
      {o.aPrzywroc, "Przywróć usuniętego pacjenta", "", {}},
      {o.aHistoria, "Historia", "Historia pacjenta", QKeySequence(Qt::CTRL | Qt::Key_H)},
      {o.aDrukuj, "Drukuj", "", {}},
      {o.aKarta, "Karta", "", {}},
      {o.aGoToFiltruj, "aGoToFiltruj", "", QKeySequence(Qt::CTRL | Qt::Key_F)},
      {o.aFiltruj, "Filtruj", "Filtrowanie listy pacjentów wg nazwiska i imienia lub nr PESEL",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)},
      {o.aGoToSzukaj, "aGoToSzukaj", "", QKeySequence(Qt::CTRL | Qt::Key_W)},
      {o.aSzukaj, "Szukaj", "Wyszukiwanie pacjenta wg nazwiska i imienia lub nr PESEL",
       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W)},
      {o.aPoprzednia, "Poprzednia", "Poprzednia strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Left)},
      {o.aNastepna, "Nastepna", "Następna strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Right)},
      {o.aOdswiez, "Odśwież", "", QKeySequence(Qt::Key_F5)},
  };
  for (const Przypadek& p : przypadki) {
    EXPECT_EQ(p.akcja->text(), p.podpis);
    EXPECT_EQ(p.akcja->statusTip(), p.podpowiedz) << p.podpis.toStdString();
    EXPECT_EQ(p.akcja->shortcut(), p.skrot) << p.podpis.toStdString();
  }
  // The companion import is out of the menu but Ctrl+Insert still runs it.
  EXPECT_FALSE(o.popmenuDodaj->actions().contains(o.aDodajZTessor));
  EXPECT_TRUE(o.aDodajZTessor->isEnabled());
  int uruchomione = 0;
  QObject::connect(o.aDodajZTessor, &QAction::triggered, [&] { ++uruchomione; });
  QTimer::singleShot(0, [] { Form_Tessor_Pacjenci->reject(); });  // the picker it opens
  QTest::keyClick(o.DBGrid1, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(uruchomione, 1);
  EXPECT_FALSE(o.aKarta->isEnabled());  // no card printer "---"
}

TEST_F(ListaPacjentow, CellsShowTheirSecondLinesAndTheDoctor) {
  t.baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'ZIELIŃSKI', 'ADAM', "
                  "'1234567', 0, 'N')",
                  "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'STARY', 'JAN', '7', 0, 'T')",
                  wstaw(1, "KOWALSKI", "JAN", "80010112345", "T",
                        ", LEKARZ_ID, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, DATAUR, DTDEKLARLEK|, 1, 'POLNA', '5', "
                        "'12', '00-950', 'WARSZAWA', '1980-01-01', '2020-03-12'"),
                  wstaw(2, "NOWAK", "ANNA", "90030398765", "T",
                        ", LEKARZ_ID, ULICA, NRDOMU, DTDEKLARPIEL|, 2, 'LIPOWA', '7', '2021-05-06'")});
  otworz();
  const DelegatPacjentow& d = *okno().delegat;
  struct Przypadek {
    int wiersz;
    QString pole, pierwsza, druga;
  };
  const QList<Przypadek> przypadki = {
      {0, "PESEL", "80010112345", "01-01-1980"},
      {0, "_adres", "POLNA 5/12", "00-950 WARSZAWA"},
      {0, "_lekarz_name", "ZIELIŃSKI ADAM", "1234567"},
      {0, "DTDEKLARLEK", "L:  12-03-2020", "P:  "},
      {1, "PESEL", "90030398765", ""},
      {1, "_adres", "LIPOWA 7", " "},
      {1, "_lekarz_name", "", ""},  // a removed doctor shows none
      {1, "DTDEKLARLEK", "L:  ", "P:  06-05-2021"},
      {1, "_nazwisko_imie", "NOWAK ANNA", ""},
  };
  for (const Przypadek& p : przypadki) {
    EXPECT_EQ(d.pierwszaLinia(p.wiersz, p.pole), p.pierwsza) << p.pole.toStdString();
    EXPECT_EQ(d.drugaLinia(p.wiersz, p.pole), p.druga) << p.pole.toStdString();
  }
  EXPECT_TRUE(d.malaCzcionka("PESEL"));
  EXPECT_FALSE(d.malaCzcionka("_nazwisko_imie"));
  EXPECT_FALSE(d.malaCzcionka("PLEC"));
  // The grid paints without trouble, rows tall enough for two small lines.
  EXPECT_FALSE(okno().DBGrid1->grab().isNull());
  EXPECT_GE(okno().DBGrid1->rowHeight(0), 2 * QFontMetrics(d.czcionkaMala).height());
}

TEST_F(ListaPacjentow, FindingAPatientByPeselCountsRemovedOnesAndTakesAnyText) {
  wypelnij();
  okno().Dane().OtworzLekarzy();
  struct Przypadek {
    QString pesel;
    int id;
  };
  const QList<Przypadek> przypadki = {
      {"75020254321", 2}, {"70050522222", 5}, {"7502025432", 0}, {"' or ''='", 0}, {"750202543210000", 0}};
  for (const Przypadek& p : przypadki) EXPECT_EQ(okno().ZnajdzPacjenta(p.pesel), p.id) << p.pesel.toStdString();
}

TEST_F(ListaPacjentow, TheMainWindowOpensTheListToMaintainIt) {
  wypelnij();
  bool otwarte = false;
  QTimer::singleShot(0, [&] {
    otwarte = okno().isVisible() && okno().Tryb == "EDYCJA" && okno().sqlPacjenci().count() == 4;
    okno().reject();
  });
  t.okno().aPacjenci->trigger();
  EXPECT_TRUE(otwarte);
  EXPECT_FALSE(okno().isVisible());
}
