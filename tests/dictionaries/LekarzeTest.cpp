// The doctor dictionary: colour rules, the list and its editor over a real
// database, and the main window's doctor command.
#include "db/Dataset.h"
#include "dictionaries/LekarzeReguly.h"
#include "dictionaries/TForm_Lekarze.h"
#include "dictionaries/TForm_Lekarze_Edycja.h"
#include "support/BazaTestowa.h"
#include "support/KomunikatySkryptowe.h"
#include "support/OknoGlowneTestowe.h"
#include "ui/Kolory.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs `co` once the modal window opened next is up, and closes it afterwards
// if `co` left it open (also when an assertion in `co` failed).
void gdyOtwarte(QDialog& okno, std::function<void()> co) {
  QTimer::singleShot(0, &okno, [&okno, co] {
    EXPECT_TRUE(okno.isVisible());
    // Shortcuts work only in the active window.
    okno.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&okno] { return QApplication::activeWindow() == &okno; }));
    co();
    if (okno.isVisible()) okno.reject();
  });
}

void wpisz(QWidget* w, const QString& tekst) {
  for (const QChar z : tekst) {
    QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
    QApplication::sendEvent(w, &k);
  }
}

}  // namespace

TEST(LekarzeReguly, RandomColourIsLightAndDrawnRedGreenBlue) {
  for (quint32 ziarno : {1u, 7u, 2024u, 99999u}) {
    QRandomGenerator g(ziarno), wzor(ziarno);
    const QColor c = LosowyKolor(g);
    EXPECT_EQ(c.red(), 200 + int(wzor.bounded(55)));
    EXPECT_EQ(c.green(), 200 + int(wzor.bounded(55)));
    EXPECT_EQ(c.blue(), 200 + int(wzor.bounded(55)));
  }
  QRandomGenerator g(5);
  int najmniej = 255, najwiecej = 0;
  for (int i = 0; i < 3000; ++i) {
    const QColor c = LosowyKolor(g);
    for (int s : {c.red(), c.green(), c.blue()}) {
      najmniej = std::min(najmniej, s);
      najwiecej = std::max(najwiecej, s);
    }
  }
  EXPECT_EQ(najmniej, 200);
  EXPECT_EQ(najwiecej, 254);
}

TEST(LekarzeReguly, PickedColourComponentsRiseToAtLeast100) {
  struct Przypadek {
    QColor wybrany, zapisany;
  };
  const Przypadek tabela[] = {
      {{10, 150, 255}, {100, 150, 255}},
      {{0, 0, 0}, {100, 100, 100}},
      {{99, 100, 101}, {100, 100, 101}},
      {{255, 5, 200}, {255, 100, 200}},
  };
  for (const auto& p : tabela) EXPECT_EQ(KolorCoNajmniej100(p.wybrany), p.zapisany) << p.wybrany.name().toStdString();
}

class Lekarze : public ::testing::Test {
 protected:
  void dodajLekarzy(const QStringList& wiersze) {
    QStringList sql;
    for (const QString& w : wiersze) sql << "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) values (" + w + ")";
    baza.wykonaj(sql);
  }
  // What another workstation sees: only committed rows.
  QVariant zatwierdzone(const QString& sql) {
    auto druga = baza.drugiePolaczenie();
    Statement st(*druga, sql);
    st.execute();
    return st.rows().isEmpty() ? QVariant() : st.rows().first().value(0);
  }
  int otworz(const QString& tryb, int wybrane, std::function<void()> co) {
    lista.Tryb = tryb;
    lista.WybraneID = wybrane;
    gdyOtwarte(lista, std::move(co));
    return lista.exec();
  }

  BazaTestowa baza;
  ZKomunikatami k;
  TForm_Lekarze lista{baza.polaczenie()};
  TForm_Lekarze_Edycja edycja{lista};
};

TEST_F(Lekarze, AddedDoctorIsStoredInCapitalsWithALightRandomColour) {
  int wynik = otworz("EDYCJA", 0, [&] {
    // An empty list: only adding is possible, and there is nothing to choose.
    EXPECT_FALSE(lista.btnOK->isVisible());
    EXPECT_EQ(lista.btnAnuluj->text(), "Zamknij");
    EXPECT_TRUE(lista.aDodaj->isEnabled());
    EXPECT_FALSE(lista.aUsun->isEnabled());
    EXPECT_FALSE(lista.aEdytuj->isEnabled());
    gdyOtwarte(edycja, [&] {
      EXPECT_EQ(QApplication::focusWidget(), edycja.edNazwisko);
      // A card scan arriving meanwhile is swallowed, not typed.
      for (const char* z : {"\x02", "9", "1", "\x03"}) {
        QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(z));
        QApplication::sendEvent(edycja.edNazwisko, &e);
      }
      EXPECT_EQ(edycja.edNazwisko->text(), "");
      QTest::keyClicks(edycja.edNazwisko, "kowal");
      wpisz(edycja.edNazwisko, "ska-żółć");
      QTest::keyClicks(edycja.edImie, "anna");
      QTest::keyClicks(edycja.edPWZL, "ab12");
      QTest::keyClicks(edycja.edPESEL, "0523x2101-246 ");
      EXPECT_EQ(edycja.edPESEL->text(), "05232101246");
      QTest::mouseClick(edycja.btnOK, Qt::LeftButton);
      EXPECT_FALSE(edycja.isVisible());
    });
    QTest::keyClick(lista.DBGrid1, Qt::Key_Insert);
    EXPECT_EQ(lista.sqlLekarze->count(), 1);
    EXPECT_TRUE(lista.aEdytuj->isEnabled());
  });
  EXPECT_EQ(wynik, QDialog::Rejected);
  const int id = zatwierdzone("select ID from LEKARZE").toInt();
  EXPECT_GT(id, 0);
  EXPECT_EQ(lista.WybraneID, id);
  EXPECT_EQ(zatwierdzone("select NAZWISKO || '/' || IMIE || '/' || PWZL || '/' || PESEL || '/' || USUN from LEKARZE")
                .toString(),
            "KOWALSKA-ŻÓŁĆ/ANNA/AB12/05232101246/N");
  const QColor kolor = Kolory::zBGR(zatwierdzone("select KOLOR from LEKARZE").toInt());
  for (int s : {kolor.red(), kolor.green(), kolor.blue()}) {
    EXPECT_GE(s, 200);
    EXPECT_LE(s, 254);
  }
  EXPECT_FALSE(lista.sqlLekarze->isOpen());
}

TEST_F(Lekarze, EditingCancelledStoresNothing) {
  dodajLekarzy({"5, 'NOWAK', 'EWA', '123', NULL, 13421772, 'N'"});
  otworz("EDYCJA", 5, [&] {
    edycja.WybierzKolor = [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 0, 0)); };
    gdyOtwarte(edycja, [&] {
      EXPECT_EQ(edycja.lblID->text(), "5");
      EXPECT_EQ(edycja.edNazwisko->selectedText(), "NOWAK");
      QTest::keyClicks(edycja.edNazwisko, "kot");
      QTest::mousePress(edycja.shpKolor, Qt::LeftButton);
      EXPECT_EQ(lista.sqlLekarze->text("NAZWISKO"), "KOT");
      QTest::keyClick(&edycja, Qt::Key_Escape);
    });
    // Enter opens the editor in edit mode.
    QTest::keyClick(lista.DBGrid1, Qt::Key_Return);
    EXPECT_EQ(lista.sqlLekarze->state(), Dataset::Browse);
    EXPECT_EQ(lista.sqlLekarze->text("NAZWISKO"), "NOWAK");
  });
  EXPECT_EQ(lista.WybraneID, 5);
  EXPECT_EQ(zatwierdzone("select NAZWISKO || ' ' || KOLOR from LEKARZE").toString(), "NOWAK 13421772");
  EXPECT_EQ(baza.wartosc("select NAZWISKO from LEKARZE").toString(), "NOWAK");
}

TEST_F(Lekarze, RemovingByFlagRepositionsTheCursor) {
  struct Przypadek {
    const char* opis;
    QStringList lekarze;
    int usuwany;
    bool tak;
    int biezacyPo;  // 0: empty list
    int wierszyPo;
  };
  const Przypadek tabela[] = {
      {"middle row: the previous one", {"1, 'ADAMSKA', 'ANNA', '', '', 0, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 0, 'N'",
                                        "3, 'CIEŚLAK', 'CEZARY', '', '', 0, 'N'"}, 2, true, 1, 2},
      {"first row: the new first", {"1, 'ADAMSKA', 'ANNA', '', '', 0, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 0, 'N'"}, 1,
       true, 2, 1},
      {"the only doctor: empty list", {"7, 'NOWAK', 'EWA', '', '', 0, 'N'"}, 7, true, 0, 0},
      {"answered No: nothing changes", {"1, 'ADAMSKA', 'ANNA', '', '', 0, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 0, 'N'"},
       2, false, 2, 2},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.opis);
    baza.wykonaj({"delete from LEKARZE"});
    dodajLekarzy(p.lekarze);
    k->wyczysc();
    k->odpowiedzi = {p.tak};
    otworz("EDYCJA", p.usuwany, [&] {
      lista.aUsun->trigger();
      EXPECT_EQ(lista.sqlLekarze->count(), p.wierszyPo);
      EXPECT_EQ(lista.BiezaceID(), p.biezacyPo);
      EXPECT_EQ(lista.aUsun->isEnabled(), p.wierszyPo > 0);
      EXPECT_EQ(lista.aEdytuj->isEnabled(), p.wierszyPo > 0);
    });
    EXPECT_EQ(lista.WybraneID, p.biezacyPo);
    ASSERT_EQ(k->wpisy.size(), 1);
    EXPECT_EQ(k->wpisy[0].tytul, "Usunięcie lekarza z listy");
    EXPECT_EQ(zatwierdzone(QString("select USUN from LEKARZE where ID = %1").arg(p.usuwany)).toString(),
              p.tak ? "T" : "N");
  }
  EXPECT_EQ(k->wpisy[0].tekst, "Na pewno usunąć z listy lekarza [2] 'BANAŚ BOGDAN'");
}

TEST_F(Lekarze, ChooseModeEnterChoosesAndCtrlEnterEdits) {
  dodajLekarzy({"1, 'ADAMSKA', 'ANNA', '', '', 0, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 0, 'N'"});
  bool edytorOtwarty = false;
  const int wynik = otworz("WYBOR", 2, [&] {
    EXPECT_TRUE(lista.btnOK->isVisible());
    EXPECT_EQ(lista.btnAnuluj->text(), "Anuluj");
    EXPECT_EQ(lista.BiezaceID(), 2);
    gdyOtwarte(edycja, [&] {
      edytorOtwarty = true;
      EXPECT_EQ(edycja.edNazwisko->text(), "BANAŚ");
    });
    QTest::keyClick(lista.DBGrid1, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(edytorOtwarty);
    EXPECT_TRUE(lista.isVisible());
    QTest::keyClick(lista.DBGrid1, Qt::Key_Return);
    EXPECT_FALSE(lista.isVisible());
  });
  EXPECT_EQ(wynik, QDialog::Accepted);
  EXPECT_EQ(lista.WybraneID, 2);
}

TEST_F(Lekarze, DoubleClickChoosesOnlyARowAndARemovedDoctorLeavesTheFirstRow) {
  // Choose mode on an empty list: nothing happens.
  otworz("WYBOR", 0, [&] {
    EXPECT_FALSE(lista.btnOK->isEnabled());
    lista.DBGrid1DblClick();
    EXPECT_TRUE(lista.isVisible());
  });
  EXPECT_EQ(lista.WybraneID, 0);
  dodajLekarzy({"1, 'ADAMSKA', 'ANNA', '', '', 0, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 0, 'T'",
                "3, 'CIEŚLAK', 'CEZARY', '', '', 0, 'N'"});
  const int wynik = otworz("WYBOR", 2, [&] {
    EXPECT_EQ(lista.sqlLekarze->count(), 2);
    EXPECT_EQ(lista.BiezaceID(), 1);
    lista.sqlLekarze->moveTo(1);
    const QRect r = lista.DBGrid1->visualRect(lista.DBGrid1->model()->index(1, 1));
    QTest::mouseDClick(lista.DBGrid1->viewport(), Qt::LeftButton, {}, r.center());
  });
  EXPECT_EQ(wynik, QDialog::Accepted);
  EXPECT_EQ(lista.WybraneID, 3);
  // Another mode text shows as edit mode, but a double-click does nothing.
  bool edytor = false;
  otworz("INNY", 1, [&] {
    EXPECT_FALSE(lista.btnOK->isVisible());
    EXPECT_EQ(lista.btnAnuluj->text(), "Zamknij");
    gdyOtwarte(edycja, [&] { edytor = true; });  // closes the editor should it open
    lista.DBGrid1DblClick();
    EXPECT_TRUE(lista.isVisible());
  });
  EXPECT_FALSE(edytor);
}

TEST_F(Lekarze, PickedColourIsRaisedAndStoredOnOk) {
  dodajLekarzy({"4, 'NOWAK', 'EWA', '', '', 13421772, 'N'"});
  QColor poczatkowy;
  otworz("EDYCJA", 4, [&] {
    gdyOtwarte(edycja, [&] {
      EXPECT_EQ(edycja.shpKolor->kolor(), Kolory::zBGR(13421772));
      EXPECT_EQ(edycja.shpKolor->cursor().shape(), Qt::PointingHandCursor);
      // A cancelled dialog keeps the swatch.
      edycja.WybierzKolor = [](const QColor&, QWidget*) { return std::optional<QColor>(); };
      QTest::mousePress(edycja.shpKolor, Qt::LeftButton);
      EXPECT_EQ(edycja.shpKolor->kolor(), Kolory::zBGR(13421772));
      edycja.WybierzKolor = [&](const QColor& c, QWidget*) {
        poczatkowy = c;
        return std::optional<QColor>(QColor(10, 150, 255));
      };
      QTest::mousePress(edycja.shpKolor, Qt::RightButton);
      EXPECT_EQ(edycja.shpKolor->kolor(), QColor(100, 150, 255));
      EXPECT_EQ(lista.sqlLekarze->intValue("KOLOR"), 13421772);
      QTest::mouseClick(edycja.btnOK, Qt::LeftButton);
    });
    lista.aEdytuj->trigger();
  });
  EXPECT_EQ(poczatkowy, Kolory::zBGR(13421772));
  EXPECT_EQ(zatwierdzone("select KOLOR from LEKARZE where ID = 4").toInt(), 255 * 65536 + 150 * 256 + 100);
}

TEST_F(Lekarze, PeselIsCheckedOnOk) {
  struct Przypadek {
    const char* pesel;
    bool przyjety;
  };
  const Przypadek tabela[] = {
      {"", true}, {"05232101246", true}, {"05232101247", false}, {"0523210124", false}, {"00000000000", false}};
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.pesel);
    baza.wykonaj({"delete from LEKARZE"});
    k->wyczysc();
    bool otwartyPoOK = false;
    QWidget* fokus = nullptr;
    otworz("EDYCJA", 0, [&] {
      gdyOtwarte(edycja, [&] {
        QTest::keyClicks(edycja.edNazwisko, "lis");
        QTest::keyClicks(edycja.edPESEL, p.pesel);
        QTest::mouseClick(edycja.btnOK, Qt::LeftButton);
        otwartyPoOK = edycja.isVisible();
        fokus = QApplication::focusWidget();
      });
      lista.aDodaj->trigger();
    });
    EXPECT_EQ(otwartyPoOK, !p.przyjety);
    EXPECT_EQ(zatwierdzone("select count(*) from LEKARZE").toInt(), p.przyjety ? 1 : 0);
    if (p.przyjety) {
      EXPECT_TRUE(k->teksty().isEmpty());
    } else {
      EXPECT_EQ(k->teksty(), QStringList{"Błędny nr PESEL"});
      EXPECT_EQ(k->ileSygnalow(), 1);
      EXPECT_EQ(fokus, edycja.edPESEL);
    }
  }
}

TEST_F(Lekarze, GridShowsTheDoctorsColourInTheIdColumnAndTheSelectedRowBold) {
  dodajLekarzy({"1, 'ADAMSKA', 'ANNA', '', '', 255, 'N'", "2, 'BANAŚ', 'BOGDAN', '', '', 65280, 'N'",
                "3, 'CIEŚLAK', 'CEZARY', '', '', 16711680, 'N'"});
  otworz("EDYCJA", 2, [&] {
    lista.DBGrid1->setFocus();
    const QImage obraz = lista.DBGrid1->viewport()->grab().toImage();
    auto piksel = [&](int wiersz, int kolumna) {
      const QRect r = lista.DBGrid1->visualRect(lista.DBGrid1->model()->index(wiersz, kolumna));
      return QColor(obraz.pixel(r.left() + 2, r.top() + 2));
    };
    EXPECT_EQ(piksel(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(piksel(1, 0), QColor(0, 255, 0));  // selected, still the doctor's colour
    EXPECT_EQ(piksel(2, 0), QColor(0, 0, 255));
    EXPECT_EQ(piksel(0, 1), Kolory::WierszNieparzysty);
    EXPECT_EQ(piksel(1, 1), lista.DBGrid1->hasFocus() ? Kolory::WybranyZFokusem : Kolory::WybranyBezFokusu);
    EXPECT_EQ(piksel(2, 3), Kolory::WierszNieparzysty);
    EXPECT_TRUE(lista.DBGrid1->pogrubiony(1));
    EXPECT_FALSE(lista.DBGrid1->pogrubiony(0));
  });
}

TEST(LekarzeOknoGlowne, DoctorCommandOpensTheListOnTheCurrentDoctorAndTakesBackItsChoice) {
  OknoGlowneTestowe t;
  t.baza.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (1, 'ADAMSKA', 'ANNA', 0, 'N')",
                  "insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (2, 'BANAŚ', 'BOGDAN', 0, 'N')"});
  ASSERT_TRUE(t.okno().aLekarze->isEnabled());
  t.okno().Stan.BiezacyLekarz = 2;
  gdyOtwarte(*Form_Lekarze, [&] {
    EXPECT_EQ(Form_Lekarze->Tryb, "EDYCJA");
    EXPECT_EQ(Form_Lekarze->BiezaceID(), 2);
    EXPECT_EQ(Form_Lekarze->btnAnuluj->text(), "Zamknij");
    QTest::keyClick(Form_Lekarze->DBGrid1, Qt::Key_Up);
    QTest::keyClick(Form_Lekarze, Qt::Key_Escape);
  });
  t.okno().aLekarze->trigger();
  EXPECT_FALSE(Form_Lekarze->isVisible());
  EXPECT_EQ(t.okno().Stan.BiezacyLekarz, 1);
}
