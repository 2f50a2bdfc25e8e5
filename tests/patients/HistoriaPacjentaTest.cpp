// The patient history window over a real database.
#include "db/Dataset.h"
#include "patients/TForm_HistoriaPacjenta.h"
#include "patients/TForm_Pacjenci.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Patient 10: three visits, the middle one (101) with two examinations, by a
// removed doctor and with an advice type gone from its dictionary; the oldest
// (100) with one. Patient 11's examination never shows.
void WstawTrzyWizyty(BazaTestowa& b) {
  OknoGlowneTestowe::JedenLekarz(b);
  b.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
      "values (2, 'Zieliński', 'Adam', '7654321', '65020212345', 0, 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, AKTYW) "
      "values (10, 999, 'Kowalska', 'Żaneta', '80050612346', 'Łąkowa', '5', '2', '00-950', 'Warszawa', 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, AKTYW) "
      "values (11, 999, 'Nowak', 'Ewa', '90010112345', 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, AKTYW) "
      "values (12, 999, 'Bez', 'Wizyt', '75030312345', 'T')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'A01', 'Porada ogólna')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (1, 'B01', 'Morfologia', 'N')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (3, 'C10', 'OB', 'T')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (100, 10, 999, 1, '2026-01-10', '10:00', 'J01')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (101, 10, 2, 7, '2026-02-10', '09:00', 'K02')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (102, 10, 999, 0, '2026-03-10', '08:30', null)",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (200, 11, 999, 0, '2026-02-10', '09:00')",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (1, 100, 1)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (3, 101, 3)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (2, 101, 1)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (4, 200, 1)",
  });
}

QStringList wiersz(SiatkaListy* s, int r) {
  QStringList komorki;
  for (int c = 0; c < s->model()->columnCount(); ++c) komorki << s->model()->index(r, c).data().toString();
  return komorki;
}

QList<int> pogrubione(TForm_HistoriaPacjenta& o) {
  QList<int> wiersze;
  for (int r = 0; r < o.DBGrid2->model()->rowCount(); ++r)
    if (o.DBGrid2->pogrubiony(r)) wiersze << r;
  return wiersze;
}

TForm_HistoriaPacjenta& pokaz(int pacjent) {
  Form_HistoriaPacjenta->PacjentID = pacjent;
  Form_HistoriaPacjenta->show();
  QApplication::setActiveWindow(Form_HistoriaPacjenta);
  QApplication::processEvents();
  return *Form_HistoriaPacjenta;
}

}  // namespace

TEST(TForm_HistoriaPacjenta, NewestVisitFirstAndTheMiddleVisitsExaminationsPickedOut) {
  OknoGlowneTestowe t(WstawTrzyWizyty, true);
  TForm_HistoriaPacjenta& o = pokaz(10);
  EXPECT_EQ(o.windowTitle(), "Historia pacjenta");

  ASSERT_EQ(o.DBGrid1->model()->rowCount(), 3);
  EXPECT_EQ(wiersz(o.DBGrid1, 0), QStringList({"102", "10-03-2026", "08:30", "", "", "", "KOWALSKI"}));
  EXPECT_EQ(wiersz(o.DBGrid1, 2), QStringList({"100", "10-01-2026", "10:00", "J01", "A01", "Porada ogólna", "KOWALSKI"}));
  // The advice type gone from the dictionary leaves its cells empty; the
  // removed doctor is still named.
  EXPECT_EQ(wiersz(o.DBGrid1, 1), QStringList({"101", "10-02-2026", "09:00", "K02", "", "", "Zieliński"}));
  EXPECT_EQ(o.DBGrid1->model()->headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), "Kod porady");

  // Oldest first; the same date and time in the order of entry.
  ASSERT_EQ(o.DBGrid2->model()->rowCount(), 3);
  EXPECT_EQ(wiersz(o.DBGrid2, 0), QStringList({"10-01-2026", "B01", "Morfologia", "KOWALSKI JAN"}));
  EXPECT_EQ(wiersz(o.DBGrid2, 1), QStringList({"10-02-2026", "B01", "Morfologia", "Zieliński Adam"}));
  EXPECT_EQ(wiersz(o.DBGrid2, 2), QStringList({"10-02-2026", "C10", "OB", "Zieliński Adam"}));
  EXPECT_EQ(o.DBGrid2->model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Lekarz");

  // The newest visit has no examinations: the lower grid as it was, nothing bold.
  EXPECT_EQ(o.sqlWizyty().recNo(), 0);
  EXPECT_EQ(o.sqlBadania().recNo(), 0);
  EXPECT_TRUE(pogrubione(o).isEmpty());
  EXPECT_TRUE(o.DBGrid1->hasFocus());

  // Down to the middle visit: its first examination current, both bold, the
  // focus where it was.
  QTest::keyClick(o.DBGrid1, Qt::Key_Down);
  EXPECT_EQ(o.sqlWizyty().intValue("ID"), 101);
  EXPECT_EQ(o.sqlBadania().recNo(), 1);
  EXPECT_EQ(o.DBGrid2->currentIndex().row(), 1);
  EXPECT_EQ(pogrubione(o), QList<int>({1, 2}));
  EXPECT_TRUE(o.DBGrid1->hasFocus());

  QTest::keyClick(o.DBGrid1, Qt::Key_Down);
  EXPECT_EQ(o.sqlBadania().recNo(), 0);
  EXPECT_EQ(pogrubione(o), QList<int>({0}));
  // Back to the newest: the lower grid stays, nothing bold.
  QTest::keyClick(o.DBGrid1, Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(o.sqlWizyty().intValue("ID"), 102);
  EXPECT_EQ(o.sqlBadania().recNo(), 0);
  EXPECT_TRUE(pogrubione(o).isEmpty());

  // Esc closes and closes the queries.
  QTest::keyClick(&o, Qt::Key_Escape);
  EXPECT_FALSE(o.isVisible());
  EXPECT_FALSE(o.sqlWizyty().isOpen());
  EXPECT_FALSE(o.sqlBadania().isOpen());

  // A patient without visits: two empty grids.
  pokaz(12);
  EXPECT_EQ(o.DBGrid1->model()->rowCount(), 0);
  EXPECT_EQ(o.DBGrid2->model()->rowCount(), 0);
  o.reject();
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty()) << t.komunikaty->teksty().join('|').toStdString();
}

TEST(TForm_HistoriaPacjenta, AnOldVisitsFirstExaminationComesToTheTop) {
  OknoGlowneTestowe t(
      [](BazaTestowa& b) {
        OknoGlowneTestowe::JedenLekarz(b);
        QStringList sql{
            "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, AKTYW) "
            "values (10, 999, 'Kowalska', 'Anna', '80050612346', 'T')",
            "insert into BADANIA (ID, KOD, NAZWA, USUN) values (1, 'B01', 'Morfologia', 'N')",
            "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (1, 10, 999, 0, '2020-01-01', '08:00')",
            "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (2, 10, 999, 0, '2021-01-01', '08:00')",
            "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (3, 10, 999, 0, '2022-01-01', '08:00')",
            "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (4, 10, 999, 0, '2023-01-01', '08:00')",
        };
        // Two examinations at the oldest visit, thirty at the next, two at the
        // next, none at the newest.
        int id = 1;
        for (auto [wizyta, ile] : {std::pair{1, 2}, {2, 30}, {3, 2}})
          for (int i = 0; i < ile; ++i, ++id)
            sql << QStringLiteral("insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (%1, %2, 1)").arg(id).arg(wizyta);
        b.wykonaj(sql);
      },
      true);
  TForm_HistoriaPacjenta& o = pokaz(10);
  ASSERT_EQ(o.sqlWizyty().count(), 4);
  ASSERT_EQ(o.sqlBadania().count(), 34);
  ASSERT_GT(o.DBGrid2->verticalScrollBar()->maximum(), 0);
  const auto gorny = [&] { return o.DBGrid2->rowAt(0); };
  const auto widoczny = [&](int r) {
    const int y = o.DBGrid2->rowViewportPosition(r);
    return y >= 0 && y + o.DBGrid2->rowHeight(r) <= o.DBGrid2->viewport()->height();
  };

  // The newest visit has none: the lower grid as it was.
  EXPECT_EQ(o.sqlBadania().recNo(), 0);
  EXPECT_EQ(gorny(), 0);

  // Visit positions (newest first) and where their first examination ends;
  // a visit without examinations leaves the lower grid where it was.
  struct Krok {
    int wizyta, badanie, gorny;  // gorny -1: anywhere, as long as it shows
  };
  for (const Krok& k : {Krok{1, 32, -1}, Krok{2, 2, 2}, Krok{3, 0, 0}, Krok{0, 0, 0}, Krok{2, 2, 2},
                        Krok{0, 2, 2}, Krok{2, 2, 2}, Krok{1, 32, -1}}) {
    o.sqlWizyty().moveTo(k.wizyta);
    QApplication::processEvents();
    EXPECT_EQ(o.sqlBadania().recNo(), k.badanie) << k.wizyta;
    EXPECT_TRUE(widoczny(k.badanie)) << k.wizyta;
    if (k.gorny >= 0) {
      EXPECT_EQ(gorny(), k.gorny) << k.wizyta;
    } else {
      // In the last screenful: the rows after it show below it.
      EXPECT_TRUE(widoczny(33)) << k.wizyta;
      EXPECT_LT(gorny(), k.badanie) << k.wizyta;
    }
  }
  o.reject();
}

TEST(TForm_HistoriaPacjenta, PatientListOpensItForTheCurrentRow) {
  OknoGlowneTestowe t(WstawTrzyWizyty, true);
  QStringList panel;
  int pacjent = 0, wizyt = 0;
  bool modalne = false, wlaczona = false;
  QTimer::singleShot(0, [&] {
    TForm_Pacjenci& lista = *Form_Pacjenci;
    ASSERT_TRUE(lista.sqlPacjenci().locate("ID", 10));
    lista.UstawAkcje();
    wlaczona = lista.aHistoria->isEnabled();
    QTimer::singleShot(0, [&] {
      TForm_HistoriaPacjenta& h = *Form_HistoriaPacjenta;
      modalne = h.isModal();
      pacjent = h.PacjentID;
      wizyt = h.sqlWizyty().count();
      panel = QStringList{h.lblID->text(), h.lblPESEL->text(), h.lblNazwiskoImie->text(), h.lblAdres->text(),
                          h.lblPoczta->text()};
      h.btnZamknij->click();
    });
    QApplication::setActiveWindow(&lista);
    QTest::keyClick(&lista, Qt::Key_H, Qt::ControlModifier);
    lista.reject();
  });
  t.okno().aPacjenci->trigger();
  EXPECT_TRUE(wlaczona);
  EXPECT_TRUE(modalne);
  EXPECT_EQ(pacjent, 10);
  EXPECT_EQ(wizyt, 3);
  EXPECT_EQ(panel, QStringList({"10", "80050612346", "Kowalska Żaneta", "Łąkowa 5/2", "00-950 Warszawa"}));
}
