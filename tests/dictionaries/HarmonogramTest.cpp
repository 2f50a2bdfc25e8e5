// The weekly work-schedule editor over a real database, driven by real mouse
// events: drawing, moving, resizing and removing ranges, the doctor list and
// the interval, and the main window's schedule command.
#include "db/Connection.h"
#include "db/Dataset.h"
#include "db/Statement.h"
#include "dictionaries/HarmonogramDane.h"
#include "dictionaries/HarmonogramGeometria.h"
#include "dictionaries/HarmonogramWidok.h"
#include "dictionaries/TForm_Harmonogram.h"
#include "schedule/DemoDane.h"
#include "schedule/FiltrSkanera.h"
#include "schedule/SiatkaDnia.h"
#include "schedule/SiatkaDniaWidok.h"
#include "schedule/SiatkaWizytDane.h"
#include "schedule/ZakladkiLekarzy.h"
#include "support/BazaTestowa.h"
#include "support/KomunikatySkryptowe.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace HarmonogramGeometria;

namespace {

int M(int g, int m) { return g * 60 + m; }
const int x0 = X0(0);

// A point of the grid at this minute of this day row (2 minutes per pixel).
QPoint Punkt(int minuta, int wiersz) { return {x0 + minuta / 2, wiersz * SkokWiersza + 12}; }

// A move with the button held, sent straight to the widget that holds the mouse.
void Przeciagnij(QWidget* w, QPoint p, Qt::MouseButtons przyciski = Qt::LeftButton) {
  QMouseEvent e(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, przyciski, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void Najedz(QWidget* w, QPoint p) { Przeciagnij(w, p, Qt::NoButton); }

struct ZakresWBazie {
  int dzien, godz1, godz2;
  bool operator==(const ZakresWBazie&) const = default;
};

std::ostream& operator<<(std::ostream& os, const ZakresWBazie& z) {
  return os << z.dzien << ' ' << z.godz1 << '-' << z.godz2;
}

}  // namespace

class Harmonogram : public ::testing::Test {
 protected:
  Harmonogram() {
    baza.wykonaj(
        {"insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'ADAMSKA', 'ANNA', '1234567', 0, 'N')",
         "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'BANAŚ', 'BOGDAN', '7654321', 0, 'N')",
         "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (3, 'CEGŁA', 'CELINA', '1', 0, 'T')"});
  }
  ~Harmonogram() override { okno.reject(); }

  void dodaj(int id, int lekarz, int dzien, const char* od, const char* doo) {
    baza.wykonaj({QString::asprintf("insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) values "
                                    "(%d, %d, %d, '%s', '%s')",
                                    id, lekarz, dzien, od, doo)});
  }
  void pokaz(int lekarz = 1, int interwal = 10) {
    okno.reject();
    okno.LekarzId = lekarz;
    okno.Interwal = interwal;
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  }
  // The doctor's committed ranges, as another workstation reads them.
  std::vector<ZakresWBazie> zapisane(int lekarz = 1) {
    auto druga = baza.drugiePolaczenie();
    Statement st(*druga, QString::asprintf("select DZIEN, GODZ1, GODZ2 from HARMONOGRAM where LEKARZ_ID = %d "
                                           "order by DZIEN, GODZ1",
                                           lekarz));
    st.execute();
    std::vector<ZakresWBazie> w;
    for (const auto& r : st.rows())
      w.push_back({r.value(0).toInt(), CzasDnia::MinutaZCzasu(r.value(1).toTime()),
                   CzasDnia::MinutaZCzasu(r.value(2).toTime())});
    return w;
  }
  PoleZakresu* pole(int numer) { return okno.findChild<PoleZakresu*>(QString::asprintf("Panel%04d", numer)); }
  // Press at one point of the grid, drag to another, release there.
  void rysuj(QPoint od, QPoint doo) {
    QTest::mousePress(okno.SG1, Qt::LeftButton, {}, od);
    Przeciagnij(okno.SG1, doo);
    QTest::mouseRelease(okno.SG1, Qt::LeftButton, {}, doo);
  }
  // Press on a box at x inside it, drag by dx pixels in steps, release.
  void przesun(PoleZakresu* p, int x, int dx, int krok = 0) {
    const int y = p->height() / 2;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(x, y));
    const int kroki = krok == 0 ? 1 : std::abs(dx / krok);
    const int lewo = p->x();
    for (int i = 1; i <= kroki; ++i) {
      // The mouse's place on the grid, in the box's coordinates as it stands now.
      const int naSiatce = lewo + x + dx * i / kroki;
      Przeciagnij(p, QPoint(naSiatce - p->x(), y));
    }
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(lewo + x + dx - p->x(), y));
  }

  BazaTestowa baza;
  ZKomunikatami k;
  QStringList lista{"1=0", "2=0"};
  TForm_Harmonogram okno{baza.polaczenie(), lista};
};

TEST_F(Harmonogram, WindowHasItsGeometryHeadersDoctorsAndInterval) {
  dodaj(10, 1, 2, "08:00", "12:00");
  dodaj(11, 1, 1, "16:00", "18:30");
  dodaj(12, 2, 5, "09:00", "10:00");
  pokaz(2, 15);
  EXPECT_EQ(okno.size(), QSize(796, 262));
  EXPECT_EQ(okno.windowTitle(), "Harmonogram pracy lekarzy");
  EXPECT_EQ(okno.SG1->Tekst(0, 1), "00");
  EXPECT_EQ(okno.SG1->Tekst(0, 24), "23");
  EXPECT_EQ(okno.SG1->Tekst(3, 0), "Środa");
  ASSERT_EQ(okno.ComboBox1->count(), 2);
  EXPECT_EQ(okno.ComboBox1->itemText(0), "ADAMSKA ANNA  [1234567]");
  EXPECT_EQ(okno.ComboBox1->itemText(1), "BANAŚ BOGDAN  [7654321]");
  EXPECT_EQ(okno.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(okno.UpDown1->value(), 15);
  EXPECT_EQ(okno.UpDown1->minimum(), 5);
  EXPECT_EQ(okno.UpDown1->maximum(), 60);
  ASSERT_EQ(okno.Panele().size(), 1u);
  EXPECT_EQ(pole(1)->Podpis(), "09:00 ÷ 10:00");

  // Another doctor: his boxes, numbered from 1 in the order of day and start.
  pokaz(1, 10);
  ASSERT_EQ(okno.Panele().size(), 2u);
  EXPECT_EQ(pole(1)->dzien, 1);
  EXPECT_EQ(pole(1)->Podpis(), "16:00 ÷ 18:30");
  EXPECT_EQ(pole(1)->toolTip(), "Poniedziałek:  16:00 ÷ 18:30");
  EXPECT_EQ(pole(2)->geometry(), QRect(x0 + 241, 2 * 25 + 2, 120, 22));
  EXPECT_EQ(pole(2)->Kolor(), KoloryHarmonogramu::Zwykly);
  EXPECT_EQ(pole(2)->id, 10);

  // The drop-down chooses the doctor of the main window's list at that position.
  QTest::keyClick(okno.ComboBox1, Qt::Key_Down);
  EXPECT_EQ(okno.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(okno.LekarzId, 2);
  ASSERT_EQ(okno.Panele().size(), 1u);
  EXPECT_EQ(pole(1)->id, 12);

  // The up-down changes the interval, which snapping then uses.
  QTest::keyClick(okno.UpDown1, Qt::Key_Up);
  EXPECT_EQ(okno.Interwal, 11);
  okno.UpDown1->setValue(60);
  QTest::keyClick(okno.UpDown1, Qt::Key_Up);
  EXPECT_EQ(okno.Interwal, 60);

  // A card scan typed into the window is held by the scanner filter.
  filtrSkanera().zatrzymaj();
  QKeyEvent stx(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(QChar(2)));
  QApplication::sendEvent(okno.ComboBox1, &stx);
  EXPECT_TRUE(filtrSkanera().aktywny());
  filtrSkanera().zatrzymaj();
}

TEST_F(Harmonogram, DrawingOverDaysAsksOnceAndInsertsOneRowPerDay) {
  struct P {
    const char* nazwa;
    QPoint od, doo;
    bool odpowiedz;
    QStringList pytania;
    std::vector<ZakresWBazie> wiersze;
  };
  const QString trzyDni = "Dni:   Poniedziałek, Wtorek, Środa, \nGodziny przyjęć:  08:00 ÷ 12:00\n\nDodać wpis?";
  const std::vector<P> przypadki = {
      {"Monday to Wednesday", Punkt(M(8, 0), 1), Punkt(M(12, 0), 3), true, {trzyDni},
       {{1, M(8, 0), M(12, 0)}, {2, M(8, 0), M(12, 0)}, {3, M(8, 0), M(12, 0)}}},
      {"snapped to the interval", Punkt(M(8, 17), 4), Punkt(M(11, 59), 4), true,
       {"Dni:   Czwartek, \nGodziny przyjęć:  08:10 ÷ 11:50\n\nDodać wpis?"}, {{4, M(8, 10), M(11, 50)}}},
      {"answered No", Punkt(M(8, 0), 1), Punkt(M(12, 0), 3), false, {trzyDni}, {}},
      {"upward", Punkt(M(8, 0), 3), Punkt(M(12, 0), 1), true, {}, {}},
      {"right to left", Punkt(M(12, 0), 1), Punkt(M(8, 0), 1), true, {}, {}},
      {"to 24:00", Punkt(M(20, 0), 1), QPoint(x0 + 720 + 3, 37), true, {}, {}},
      {"pressed on a day name", QPoint(30, 37), Punkt(M(12, 0), 1), true, {}, {}},
      {"pressed on the header", Punkt(M(8, 0), 0), Punkt(M(12, 0), 1), true, {}, {}},
  };
  for (const P& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    baza.wykonaj({"delete from HARMONOGRAM"});
    pokaz();
    k->wyczysc();
    k->odpowiedzi = {p.odpowiedz};
    rysuj(p.od, p.doo);
    EXPECT_EQ(k->teksty(), p.pytania);
    for (const Wpis& w : k->wpisy) EXPECT_EQ(w.tytul, "Nowy wpis");
    EXPECT_EQ(zapisane(), p.wiersze);
    EXPECT_EQ(okno.Panele().size(), p.wiersze.size());
    EXPECT_FALSE(okno.Panel00->isVisible());
  }
}

TEST_F(Harmonogram, NewRangeTakesItsKeyFromTheSequenceWhenItIsStarted) {
  Dataset zakresy(baza.polaczenie());
  HarmonogramDane::przygotujZakresy(zakresy);
  HarmonogramDane::OtworzZakresy(zakresy, 1);
  zakresy.append();
  const int id = zakresy.intValue("ID");
  EXPECT_GT(id, 0);
  EXPECT_EQ(baza.wartosc("select gen_id(GEN_HARMONOGRAM_ID, 0) from RDB$DATABASE").toInt(), id);
  zakresy.cancel();
  HarmonogramDane::DodajZakresy(zakresy, 1, 6, 7, M(9, 0), M(10, 0));
  EXPECT_EQ(baza.wartosc("select min(ID) from HARMONOGRAM").toInt(), id + 1);
}

TEST_F(Harmonogram, WithNoDoctorChosenNothingIsDrawn) {
  pokaz(0);
  ASSERT_EQ(okno.ComboBox1->currentIndex(), -1);
  k->odpowiedzi = {true};
  rysuj(Punkt(M(8, 0), 1), Punkt(M(12, 0), 1));
  EXPECT_TRUE(k->teksty().isEmpty());
  EXPECT_EQ(baza.wartosc("select count(*) from HARMONOGRAM").toInt(), 0);
}

TEST_F(Harmonogram, DrawingBoxFollowsTheMouseAndTurnsRedWhereItTouchesARange) {
  dodaj(10, 1, 2, "12:00", "14:00");
  pokaz();
  QTest::mousePress(okno.SG1, Qt::LeftButton, {}, Punkt(M(8, 0), 1));
  EXPECT_TRUE(okno.Panel00->isVisible());
  Przeciagnij(okno.SG1, Punkt(M(11, 0), 2));
  EXPECT_EQ(okno.Panel00->geometry(), QRect(x0 + 241, 27, 90, 47));
  EXPECT_EQ(okno.Panel00->Podpis(), "08:00 ÷ 11:00");
  EXPECT_EQ(okno.SG1->toolTip(), "Pon. Wto. \n08:00 ÷ 11:00");
  EXPECT_EQ(okno.Panel00->Kolor(), KoloryHarmonogramu::Rysowany);
  // Ending where Tuesday's range starts counts as touching it.
  Przeciagnij(okno.SG1, Punkt(M(12, 0), 2));
  EXPECT_EQ(okno.Panel00->Kolor(), KoloryHarmonogramu::Nakladanie);
  QTest::mouseRelease(okno.SG1, Qt::LeftButton, {}, Punkt(M(12, 0), 2));
  EXPECT_TRUE(k->teksty().isEmpty());
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{2, M(12, 0), M(14, 0)}}));
  EXPECT_FALSE(okno.Panel00->isVisible());

  // A press without a move offers nothing, whatever the last drawing was.
  QTest::mousePress(okno.SG1, Qt::LeftButton, {}, Punkt(M(8, 0), 4));
  QTest::mouseRelease(okno.SG1, Qt::LeftButton, {}, Punkt(M(8, 0), 4));
  EXPECT_TRUE(k->teksty().isEmpty());

  // Hovering the grid names the day and the snapped minute.
  Najedz(okno.SG1, Punkt(M(9, 25), 6));
  EXPECT_EQ(okno.SG1->toolTip(), "Sobota  09:20");
  Najedz(okno.SG1, Punkt(M(9, 25), 0));
  EXPECT_EQ(okno.SG1->toolTip(), "");
}

TEST_F(Harmonogram, MovedBoxIsStoredAndAMoveEndingRedSnapsBack) {
  dodaj(10, 1, 1, "08:00", "10:00");
  dodaj(11, 1, 1, "12:00", "14:00");
  pokaz();
  PoleZakresu* rano = pole(1);
  Najedz(rano, QPoint(10, 5));
  EXPECT_EQ(rano->cursor().shape(), Qt::PointingHandCursor);

  przesun(rano, 10, 20);
  EXPECT_EQ(okno.WybranyPanel, 1);
  EXPECT_EQ(rano->Podpis(), "08:40 ÷ 10:40");
  EXPECT_EQ(rano->toolTip(), "Poniedziałek:  08:40 ÷ 10:40");
  EXPECT_EQ(rano->Kolor(), KoloryHarmonogramu::Wybrany);
  EXPECT_EQ(pole(2)->Kolor(), KoloryHarmonogramu::Zwykly);
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{1, M(8, 40), M(10, 40)}, {1, M(12, 0), M(14, 0)}}));

  const QRect przed = rano->geometry();
  QTest::mousePress(rano, Qt::LeftButton, {}, QPoint(10, 5));
  Przeciagnij(rano, QPoint(10 + 60, 5));
  EXPECT_EQ(rano->Podpis(), "10:40 ÷ 12:40");
  EXPECT_EQ(rano->Kolor(), KoloryHarmonogramu::Nakladanie);
  QTest::mouseRelease(rano, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(rano->geometry(), przed);
  EXPECT_EQ(rano->Podpis(), "08:40 ÷ 10:40");
  EXPECT_EQ(rano->Kolor(), KoloryHarmonogramu::Wybrany);
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{1, M(8, 40), M(10, 40)}, {1, M(12, 0), M(14, 0)}}));

  // Pressing the grid leaves no box selected.
  QTest::mousePress(okno.SG1, Qt::RightButton, {}, Punkt(M(20, 0), 5));
  EXPECT_EQ(okno.WybranyPanel, 0);
  EXPECT_EQ(rano->Kolor(), KoloryHarmonogramu::Zwykly);
}

TEST_F(Harmonogram, MovesStopAtTheEndsOfTheDayAndAnOddLengthBecomesEven) {
  struct P {
    const char* nazwa;
    const char *od, *doo;
    int interwal, dx;
    ZakresWBazie wynik;
  };
  for (const P& p : std::vector<P>{{"stops at 00:00", "02:00", "04:00", 10, -400, {3, 0, M(2, 0)}},
                                   {"stops before 24:00", "20:00", "22:00", 10, 400, {3, M(21, 50), M(23, 50)}},
                                   {"35 minutes become 34", "08:00", "08:35", 5, 10, {3, M(8, 20), M(8, 54)}}}) {
    SCOPED_TRACE(p.nazwa);
    baza.wykonaj({"delete from HARMONOGRAM"});
    dodaj(10, 1, 3, p.od, p.doo);
    pokaz(1, p.interwal);
    przesun(pole(1), 5, p.dx, p.dx > 0 ? 5 : -5);
    EXPECT_EQ(zapisane(), std::vector<ZakresWBazie>{p.wynik});
    EXPECT_EQ(pole(1)->Podpis(), PodpisZakresu(p.wynik.godz1, p.wynik.godz2));
  }
}

TEST_F(Harmonogram, SelectedBoxIsResizedByItsRightEdge) {
  dodaj(10, 1, 4, "08:00", "10:00");
  pokaz();
  PoleZakresu* p = pole(1);
  ASSERT_EQ(p->width(), 60);
  // Only the selected box offers the split cursor on its right edge.
  Najedz(p, QPoint(58, 5));
  EXPECT_EQ(p->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(20, 5));
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{4, M(8, 0), M(10, 0)}}));
  Najedz(p, QPoint(55, 5));
  EXPECT_EQ(p->cursor().shape(), Qt::PointingHandCursor);
  Najedz(p, QPoint(57, 5));
  EXPECT_EQ(p->cursor().shape(), Qt::SplitHCursor);

  QTest::mousePress(p, Qt::LeftButton, {}, QPoint(57, 5));
  Przeciagnij(p, QPoint(100, 5));
  EXPECT_EQ(p->Podpis(), "08:00 ÷ 11:30");
  EXPECT_EQ(p->width(), 105);
  // Never at or before the start: the box keeps its last valid width.
  Przeciagnij(p, QPoint(-20, 5));
  EXPECT_EQ(p->width(), 105);
  QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(-20, 5));
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{4, M(8, 0), M(11, 30)}}));
}

TEST_F(Harmonogram, RemovingAsksWithTheDayAndHours) {
  dodaj(10, 1, 2, "08:00", "12:00");
  dodaj(11, 1, 3, "08:00", "12:00");
  pokaz();
  // The right button selects the box and opens its menu.
  QTest::mousePress(pole(1), Qt::RightButton, {}, QPoint(20, 5));
  QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(20, 5), pole(1)->mapToGlobal(QPoint(20, 5)));
  QApplication::sendEvent(pole(1), &menu);
  EXPECT_EQ(okno.WybranyPanel, 1);
  EXPECT_TRUE(okno.popmenuPanelX->isVisible());
  EXPECT_EQ(okno.pmPanelX_Usun->text(), "Usuń");
  okno.popmenuPanelX->hide();
  // The menu took the release: moving the mouse afterwards drags nothing.
  const QRect przed = pole(1)->geometry();
  Przeciagnij(pole(1), QPoint(80, 5), Qt::NoButton);
  EXPECT_EQ(pole(1)->geometry(), przed);
  k->odpowiedzi = {false, true};
  okno.pmPanelX_Usun->trigger();
  EXPECT_EQ(okno.Panele().size(), 2u);
  okno.pmPanelX_Usun->trigger();
  ASSERT_EQ(k->wpisy.size(), 2);
  EXPECT_EQ(k->wpisy[0].tytul, "Usunięcie wpisu");
  EXPECT_EQ(k->wpisy[0].tekst, "Wtorek:  08:00 ÷ 12:00\n\nNa pewno usunąć wpis?");
  EXPECT_EQ(zapisane(), (std::vector<ZakresWBazie>{{3, M(8, 0), M(12, 0)}}));
  EXPECT_EQ(okno.WybranyPanel, 0);
  ASSERT_EQ(okno.Panele().size(), 1u);
  EXPECT_EQ(pole(1)->id, 11);
  // With no box selected the menu does nothing.
  okno.pmPanelX_Usun->trigger();
  EXPECT_EQ(k->wpisy.size(), 2);
}

TEST(HarmonogramOknoGlowne, ScheduleCommandTakesBackDoctorAndIntervalAndTheDayGridShowsTheNewHours) {
  OknoGlowneTestowe t(
      [](BazaTestowa& b) {
        b.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (1, 'ADAMSKA', 'ANNA', '1', 0, 'N')",
                   "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (2, 'BANAŚ', 'BOGDAN', '2', 0, 'N')"});
      },
      true);
  TForm1& okno = t.okno();
  ASSERT_EQ(okno.TabControl1->Indeks(), 0);
  ASSERT_TRUE(okno.aHarmonogram->isEnabled());
  const int dzis = SiatkaDnia::DzienTygodnia(okno.DateTimePicker1->date());
  t.komunikaty->wyczysc();
  t.komunikaty->odpowiedzi = {true};
  QTimer::singleShot(0, Form_Harmonogram, [&] {
    EXPECT_TRUE(Form_Harmonogram->isVisible());
    EXPECT_EQ(Form_Harmonogram->LekarzId, 1);
    EXPECT_EQ(Form_Harmonogram->UpDown1->value(), 10);
    QTest::keyClick(Form_Harmonogram->ComboBox1, Qt::Key_Down);
    Form_Harmonogram->UpDown1->setValue(15);
    QTest::mousePress(Form_Harmonogram->SG1, Qt::LeftButton, {}, Punkt(M(8, 0), dzis));
    Przeciagnij(Form_Harmonogram->SG1, Punkt(M(12, 0), dzis));
    QTest::mouseRelease(Form_Harmonogram->SG1, Qt::LeftButton, {}, Punkt(M(12, 0), dzis));
    QTest::keyClick(Form_Harmonogram, Qt::Key_Escape);
  });
  okno.aHarmonogram->trigger();
  EXPECT_FALSE(Form_Harmonogram->isVisible());
  EXPECT_EQ(t.komunikaty->wpisy.size(), 1);
  EXPECT_EQ(okno.Stan.BiezacyLekarz, 2);
  EXPECT_EQ(okno.Stan.grafik_co, 15);
  EXPECT_EQ(okno.TabControl1->Indeks(), 1);
  const auto& wiersze = okno.SG1->Wiersze();
  // Slots every 15 minutes from the start of the range to its end.
  ASSERT_EQ(wiersze.size(), 17u);
  EXPECT_EQ(wiersze.front()[SiatkaDnia::KolGodz], "08:00");
  EXPECT_EQ(wiersze[1][SiatkaDnia::KolGodz], "08:15");
  EXPECT_EQ(wiersze.back()[SiatkaDnia::KolGodz], "12:00");
  QFile ini(okno.Stan.KatalogDanych + "orbe.ini");
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  EXPECT_TRUE(ini.readAll().contains("grafik_co=15"));
}

TEST(HarmonogramDemo, PictureOfTheEditor) {
  const QString zrzut = qEnvironmentVariable("ORBE_ZRZUT_HARMONOGRAMU");
  if (zrzut.isEmpty()) GTEST_SKIP() << "ORBE_ZRZUT_HARMONOGRAMU not set";
  BazaTestowa baza;
  ZKomunikatami k;
  ParametryDemo p;
  p.pacjentow = 20;
  p.dni = 1;
  WypelnijDemo(baza.polaczenie(), p);
  QStringList lista;
  for (const auto& l : SiatkaWizytDane::LekarzeWUzyciu(baza.polaczenie()))
    lista << QString::asprintf("%d=%d", l.id, l.kolor);
  TForm_Harmonogram okno(baza.polaczenie(), lista);
  okno.LekarzId = lista.value(0).section(u'=', 0, 0).toInt();
  okno.Interwal = 15;
  okno.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
  ASSERT_GE(okno.Panele().size(), 2u);
  // One box selected, as after a click.
  QTest::mouseClick(okno.Panele()[1], Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_TRUE(okno.grab().save(zrzut));
  okno.reject();
}
