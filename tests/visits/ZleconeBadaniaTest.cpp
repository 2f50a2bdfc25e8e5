#include "db/Statement.h"
#include "dictionaries/TForm_Badania.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/SiatkaListy.h"
#include "visits/ZakladkaZleconychBadan.h"
#include "visits/ZleceniaReguly.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

using Wiersze = QList<ZlecenieBadania>;

TEST(ZleceniaReguly, ComparesStoredAndListedRows) {
  struct P {
    const char* opis;
    Wiersze zapisane, biezace;
    QList<int> usuniete;
    Wiersze zmienione;
    QList<int> nowe;
  };
  const std::vector<P> przypadki = {
      {"nothing", {}, {}, {}, {}, {}},
      {"new visit", {}, {{0, 5}, {0, 6}}, {}, {}, {0, 1}},
      {"unchanged", {{1, 5}, {2, 6}}, {{1, 5}, {2, 6}}, {}, {}, {}},
      {"one removed, one added", {{1, 5}, {2, 6}}, {{2, 6}, {0, 7}}, {1}, {}, {1}},
      {"changed examination", {{1, 5}, {2, 6}}, {{1, 9}, {2, 6}}, {}, {{1, 9}}, {}},
      {"all removed", {{1, 5}, {2, 6}}, {}, {1, 2}, {}, {}},
      {"same examination twice", {{1, 5}}, {{1, 5}, {0, 5}}, {}, {}, {1}},
  };
  for (const P& p : przypadki) {
    SCOPED_TRACE(p.opis);
    const auto r = ZleceniaReguly::Porownaj(p.zapisane, p.biezace);
    EXPECT_EQ(r.usuniete, p.usuniete);
    EXPECT_EQ(r.zmienione, p.zmienione);
    EXPECT_EQ(r.nowe, p.nowe);
  }
}

// The visit editor's part as the tab sees it: the visit record is posted in
// the program's transaction, the main window commits after OK and rolls back
// after Cancel.
class ZleconeBadania : public ::testing::Test {
 protected:
  ZleconeBadania()
      : t([](BazaTestowa& b) {
          OknoGlowneTestowe::JedenLekarz(b);
          b.wykonaj({"insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (1, 'NOWAK', 'ANNA', '', 'T')",
                     "insert into BADANIA (ID, KOD, NAZWA, USUN) values (11, 'MORF', 'Morfologia', 'N')",
                     "insert into BADANIA (ID, KOD, NAZWA, USUN) values (12, 'GLU', 'Glukoza', 'N')",
                     "insert into BADANIA (ID, KOD, NAZWA, USUN) values (13, 'LIP', 'Lipidogram', 'N')",
                     "insert into BADANIA (ID, KOD, NAZWA, USUN) values (14, 'OB', 'Odczyn Biernackiego', 'T')"});
        }, true) {
    t.komunikaty->wyczysc();
    auto* uklad = new QVBoxLayout(&edytor);
    icd10 = new QLineEdit(&edytor);
    zakladka = new ZakladkaZleconychBadan(&edytor);
    ok = new QPushButton("OK", &edytor);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &edytor, &QDialog::accept);
    uklad->addWidget(icd10);
    uklad->addWidget(zakladka);
    uklad->addWidget(ok);
    edytor.resize(529, 449);
  }

  Connection& pol() { return t.okno().Polaczenie(); }

  int nowaWizyta() {
    Statement gen(pol(), "SELECT GEN_ID(GEN_WIZYTY_ID, 1) FROM RDB$DATABASE");
    gen.execute();
    const int id = gen.rows().first().first().toInt();
    Statement ins(pol(),
                  "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
                  "values (:id, 1, 999, 0, '2026-12-09', '14:30', '')");
    ins.setParam("id", id);
    ins.execute();
    return id;
  }

  // BADANIE_ID of the visit's rows as the program's transaction sees them.
  QList<int> wiersze(int wizyta) {
    Statement s(pol(), "select BADANIE_ID from BADANIASPLOT where WIZYTA_ID = :w order by BADANIE_ID");
    s.setParam("w", wizyta);
    s.execute();
    QList<int> w;
    for (const Row& r : s.rows()) w << r[0].toInt();
    return w;
  }
  int wszystkie() { return t.baza.wartosc("select count(*) from BADANIASPLOT").toInt(); }

  // Runs an action of the tab with the grid focused; the examination list opens
  // modally and chooses `badanie` (0 = cancel).
  void wybierz(QAction* a, int badanie) {
    // Activation does not come back by itself offscreen after a dialog closed.
    QApplication::setActiveWindow(&edytor);
    zakladka->DBGrid1->setFocus();
    ASSERT_TRUE(a->isEnabled());
    TForm_Badania& lista = *Form_Badania;
    QTimer::singleShot(0, &lista, [&lista, badanie] {
      EXPECT_TRUE(lista.TrybWyboru());
      if (badanie != 0 && lista.dataset().locate("ID", badanie))
        lista.btnOK->click();
      else
        lista.reject();
    });
    a->trigger();
  }

  void pokaz() {
    edytor.show();
    QApplication::setActiveWindow(&edytor);
    zakladka->PokazanoZakladke();
  }

  QStringList kody() {
    QStringList k;
    for (int i = 0; i < zakladka->DBGrid1->QTableView::model()->rowCount(); ++i)
      k << zakladka->DBGrid1->QTableView::model()->index(i, 0).data().toString() + "|" +
               zakladka->DBGrid1->QTableView::model()->index(i, 1).data().toString();
    return k;
  }

  OknoGlowneTestowe t;
  QDialog edytor;
  QLineEdit* icd10;
  ZakladkaZleconychBadan* zakladka;
  QPushButton* ok;
};

TEST_F(ZleconeBadania, NewVisitWithTwoExaminationsIsWrittenWithItsIdOnOk) {
  zakladka->Wczytaj(pol(), 0);
  pokaz();
  wybierz(zakladka->aBadanieDodaj, 11);
  wybierz(zakladka->aBadanieDodaj, 13);
  wybierz(zakladka->aBadanieDodaj, 0);  // cancelled list adds nothing
  EXPECT_EQ(kody(), QStringList({"MORF|Morfologia", "LIP|Lipidogram"}));
  EXPECT_EQ(wszystkie(), 0);
  EXPECT_EQ(wiersze(0), QList<int>());  // nothing written while the editor is open

  const int wizyta = nowaWizyta();  // OK: the visit is posted
  zakladka->Zapisz(pol(), wizyta);
  zakladka->Zapisz(pol(), wizyta);  // a second write finds nothing left to do
  zakladka->Zamknij();
  pol().commitRetaining();
  EXPECT_EQ(t.baza.wartosc(QString("select count(*) from BADANIASPLOT where WIZYTA_ID = %1 "
                                   "and BADANIE_ID in (11, 13)").arg(wizyta)).toInt(), 2);
  EXPECT_EQ(wszystkie(), 2);
}

TEST_F(ZleconeBadania, CancelledNewVisitLeavesNoRowsEvenAfterAListWindowCommitted) {
  for (const bool zatwierdzenie : {true, false}) {
    SCOPED_TRACE(zatwierdzenie ? "commit in between" : "rollback in between");
    zakladka->Wczytaj(pol(), 0);
    pokaz();
    wybierz(zakladka->aBadanieDodaj, 12);
    // A list window opened from the editor ends the shared transaction.
    if (zatwierdzenie)
      pol().commitRetaining();
    else
      pol().rollbackRetaining();
    wybierz(zakladka->aBadanieDodaj, 11);
    EXPECT_EQ(zakladka->Zlecone().Ilosc(), 2);
    zakladka->Zamknij();  // Cancel
    pol().rollbackRetaining();
    EXPECT_EQ(wszystkie(), 0);
    // The next new visit starts empty.
    zakladka->Wczytaj(pol(), 0);
    EXPECT_EQ(zakladka->Zlecone().Ilosc(), 0);
    zakladka->Zamknij();
  }
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty());
}

TEST_F(ZleconeBadania, ExistingVisitShowsStoredRowsAndOkWritesTheDifferences) {
  const int wizyta = nowaWizyta();
  pol().commitRetaining();
  t.baza.wykonaj({QString("insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (101, %1, 11)").arg(wizyta),
                  QString("insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (102, %1, 14)").arg(wizyta),
                  QString("insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (103, %1, 12)").arg(wizyta)});
  struct P {
    bool ok;
    QList<int> potem;
  };
  for (const P& p : {P{false, {11, 12, 14}}, P{true, {11, 13, 14}}}) {
    SCOPED_TRACE(p.ok ? "OK" : "Cancel");
    zakladka->Wczytaj(pol(), wizyta);
    pokaz();
    // A removed dictionary entry still shows its code and name.
    EXPECT_EQ(kody(), QStringList({"MORF|Morfologia", "OB|Odczyn Biernackiego", "GLU|Glukoza"}));
    // Remove the first one: the question, answered No, then Yes.
    zakladka->DBGrid1->setCurrentIndex(zakladka->DBGrid1->QTableView::model()->index(0, 0));
    t.komunikaty->odpowiedzi = {false, true};
    QTest::keyClick(zakladka->DBGrid1, Qt::Key_Delete);
    ASSERT_EQ(t.komunikaty->wpisy.size(), 1);
    EXPECT_EQ(t.komunikaty->wpisy[0].tytul, "Usunięcie badania");
    EXPECT_EQ(t.komunikaty->wpisy[0].tekst, "Na pewno usunąć badanie?\n\n[MORF]  Morfologia");
    EXPECT_EQ(zakladka->Zlecone().Ilosc(), 3);
    QTest::keyClick(zakladka->DBGrid1, Qt::Key_Delete);
    EXPECT_EQ(kody(), QStringList({"OB|Odczyn Biernackiego", "GLU|Glukoza"}));
    // Edit the row now current (Glukoza -> Lipidogram), add Morfologia again.
    zakladka->DBGrid1->setCurrentIndex(zakladka->DBGrid1->QTableView::model()->index(1, 0));
    wybierz(zakladka->aBadanieEdytuj, 13);
    wybierz(zakladka->aBadanieEdytuj, 0);  // a cancelled list leaves the row as it was
    wybierz(zakladka->aBadanieDodaj, 11);
    EXPECT_EQ(kody(), QStringList({"OB|Odczyn Biernackiego", "LIP|Lipidogram", "MORF|Morfologia"}));
    EXPECT_EQ(wiersze(wizyta), QList<int>({11, 12, 14}));  // not written yet
    if (p.ok) {
      zakladka->Zapisz(pol(), wizyta);
      zakladka->Zamknij();
      pol().commitRetaining();
    } else {
      zakladka->Zamknij();
      pol().rollbackRetaining();
    }
    EXPECT_EQ(wiersze(wizyta), p.potem);
    t.komunikaty->wyczysc();
  }
  // The kept rows keep their keys; the changed row is updated in place.
  EXPECT_EQ(t.baza.wartosc("select BADANIE_ID from BADANIASPLOT where ID = 103").toInt(), 13);
  EXPECT_EQ(t.baza.wartosc("select count(*) from BADANIASPLOT where ID = 101").toInt(), 0);
}

TEST_F(ZleconeBadania, KeysActOnlyWhileTheGridHasTheFocus) {
  const int wizyta = nowaWizyta();
  pol().commitRetaining();
  t.baza.wykonaj({QString("insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (101, %1, 11)").arg(wizyta)});
  zakladka->Wczytaj(pol(), wizyta);
  pokaz();
  // In the ICD-10 field Delete edits the text and Enter presses the editor's OK.
  icd10->setFocus();
  zakladka->UstawAkcje();
  EXPECT_FALSE(zakladka->aBadanieDodaj->isEnabled());
  EXPECT_FALSE(zakladka->aBadanieUsun->isEnabled());
  EXPECT_FALSE(zakladka->aBadanieEdytuj->isEnabled());
  icd10->setText("J06");
  icd10->setCursorPosition(0);
  QTest::keyClick(icd10, Qt::Key_Delete);
  EXPECT_EQ(icd10->text(), "06");
  QTest::keyClick(icd10, Qt::Key_Insert);
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  EXPECT_EQ(zakladka->Zlecone().Ilosc(), 1);
  QTest::keyClick(icd10, Qt::Key_Return);
  EXPECT_EQ(edytor.result(), QDialog::Accepted);
  EXPECT_FALSE(edytor.isVisible());

  // In the grid the three keys are the actions.
  pokaz();
  EXPECT_TRUE(zakladka->DBGrid1->hasFocus());
  EXPECT_TRUE(zakladka->aBadanieEdytuj->isEnabled());
  bool otwarta = false;
  QTimer::singleShot(0, Form_Badania, [&] {
    otwarta = Form_Badania->isVisible() && Form_Badania->WybraneID == 11;
    Form_Badania->reject();
  });
  QTest::keyClick(zakladka->DBGrid1, Qt::Key_Return);
  EXPECT_TRUE(otwarta);
  EXPECT_TRUE(edytor.isVisible());
  QApplication::setActiveWindow(&edytor);
  QTimer::singleShot(0, Form_Badania, [&] {
    otwarta = Form_Badania->isVisible() && Form_Badania->WybraneID == 0;
    Form_Badania->reject();
  });
  QTest::keyClick(zakladka->DBGrid1, Qt::Key_Insert);
  EXPECT_TRUE(otwarta);
  QApplication::setActiveWindow(&edytor);
  EXPECT_TRUE(zakladka->DBGrid1->hasFocus());
  t.komunikaty->odpowiedzi = {false};
  QTest::keyClick(zakladka->DBGrid1, Qt::Key_Delete);
  EXPECT_EQ(t.komunikaty->wpisy.size(), 1);
  // With no rows only "Dodaj" is left and Enter goes to OK again.
  t.komunikaty->odpowiedzi = {true};
  QTest::keyClick(zakladka->DBGrid1, Qt::Key_Delete);
  EXPECT_EQ(zakladka->Zlecone().Ilosc(), 0);
  EXPECT_TRUE(zakladka->aBadanieDodaj->isEnabled());
  EXPECT_FALSE(zakladka->aBadanieEdytuj->isEnabled());
  QTest::keyClick(zakladka->DBGrid1, Qt::Key_Return);
  EXPECT_FALSE(edytor.isVisible());
}

TEST_F(ZleconeBadania, SelectedRowIsBoldOnSkyBlueOrSilverAndOddRowsAreGrey) {
  zakladka->Wczytaj(pol(), 0);
  pokaz();
  wybierz(zakladka->aBadanieDodaj, 11);
  wybierz(zakladka->aBadanieDodaj, 12);
  wybierz(zakladka->aBadanieDodaj, 13);
  QApplication::setActiveWindow(&edytor);
  zakladka->DBGrid1->setCurrentIndex(zakladka->DBGrid1->QTableView::model()->index(1, 0));
  SiatkaListy& s = *zakladka->DBGrid1;
  const QColor baza = s.palette().color(QPalette::Base);
  EXPECT_EQ(*s.tlo(1, 0), QColor(0xA6, 0xCA, 0xF0));
  EXPECT_TRUE(s.pogrubiony(1));
  EXPECT_FALSE(s.pogrubiony(0));
  EXPECT_EQ(*s.tlo(0, 1), QColor(0xF5, 0xF5, 0xF5));
  EXPECT_EQ(*s.tlo(2, 1), QColor(0xF5, 0xF5, 0xF5));
  icd10->setFocus();
  EXPECT_EQ(*s.tlo(1, 0), QColor(0xC0, 0xC0, 0xC0));
  zakladka->DBGrid1->setCurrentIndex(zakladka->DBGrid1->QTableView::model()->index(0, 0));
  EXPECT_EQ(*s.tlo(1, 0), baza);
  EXPECT_EQ(s.QTableView::model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Kod");
  EXPECT_EQ(s.QTableView::model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Nazwa");
  EXPECT_EQ(s.columnWidth(0), 120);
  EXPECT_EQ(s.columnWidth(1), 350);
  edytor.grab().save(QDir::temp().filePath("zlecone_badania.png"));
}

}  // namespace
