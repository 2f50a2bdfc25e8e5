#include "schedule/SiatkaDnia.h"
#include "ui/Kolory.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace SiatkaDnia;

namespace {

int M(int g, int m) { return g * 60 + m; }

WizytaDnia wizyta(int id, int minuta) {
  WizytaDnia w;
  w.id = id;
  w.minuta = minuta;
  w.nazwisko = "Nowak";
  w.imie = "Anna";
  return w;
}

// A row as "HH:NN" (free) or "HH:NN=ID" (visit).
QStringList opis(const Wiersze& wiersze) {
  QStringList l;
  for (const auto& w : wiersze) l << (w[KolId].isEmpty() ? w[KolGodz] : w[KolGodz] + "=" + w[KolId]);
  return l;
}

QStringList wolne(int od, int doMin, int co = 10) {
  QStringList l;
  for (int m = od; m <= doMin; m += co) l << CzasDnia::TekstGodziny(m);
  return l;
}

struct PrzypadekSiatki {
  const char* nazwa;
  std::vector<ZakresPracy> zakresy;
  std::vector<WizytaDnia> wizyty;
  int co;
  GodzinyDnia godziny;
  QStringList wiersze;
};

}  // namespace

TEST(SiatkaDnia, RowsOfTheDay) {
  const std::vector<ZakresPracy> rano = {{M(8, 0), M(12, 0)}};
  const std::vector<PrzypadekSiatki> przypadki = {
      {"visit at a slot replaces its free row", rano, {wizyta(1, M(8, 0))}, 10, {M(8, 0), M(12, 0)},
       QStringList{"08:00=1"} + wolne(M(8, 10), M(12, 0))},
      {"visit between slots stands between them", rano, {wizyta(1, M(8, 5))}, 10, {M(8, 0), M(12, 0)},
       QStringList{"08:00", "08:05=1"} + wolne(M(8, 10), M(12, 0))},
      {"visit before the hours gets slots in front of it", rano, {wizyta(1, M(7, 35))}, 10,
       {M(8, 0), M(12, 0)}, QStringList{"07:30", "07:35=1", "07:40", "07:50"} + wolne(M(8, 0), M(12, 0))},
      {"visit after the end stretches the day, nothing after it", rano, {wizyta(1, M(12, 30))}, 10,
       {M(8, 0), M(12, 0)}, wolne(M(8, 0), M(12, 20)) + QStringList{"12:30=1"}},
      {"visits at one minute in query order, no free row", rano, {wizyta(5, M(9, 0)), wizyta(7, M(9, 0))},
       10, {M(8, 0), M(12, 0)},
       wolne(M(8, 0), M(8, 50)) + QStringList{"09:00=5", "09:00=7"} + wolne(M(9, 10), M(12, 0))},
      {"no schedule: span of the visits, start floored", {}, {wizyta(1, M(9, 17)), wizyta(2, M(11, 2))}, 10,
       {M(9, 10), M(11, 2)}, QStringList{"09:10", "09:17=1"} + wolne(M(9, 20), M(11, 0)) + QStringList{"11:02=2"}},
      {"flooring starts again at the full hour", {}, {wizyta(1, M(8, 55))}, 25, {M(8, 50), M(8, 55)},
       {"08:50", "08:55=1"}},
      {"the day ends with the range that starts last", {{M(8, 0), M(16, 0)}, {M(9, 0), M(12, 0)}}, {}, 10,
       {M(8, 0), M(12, 0)}, wolne(M(8, 0), M(12, 0))},
      {"no schedule and no visits: 10:00 to 12:00", {}, {}, 10, {M(10, 0), M(12, 0)}, wolne(M(10, 0), M(12, 0))},
      {"an interval below 1 is taken as 10", {}, {}, 0, {M(10, 0), M(12, 0)}, wolne(M(10, 0), M(12, 0))},
      {"an interval above 60 is taken as 10", rano, {}, 61, {M(8, 0), M(12, 0)}, wolne(M(8, 0), M(12, 0))},
      {"an interval of 60 is kept", rano, {}, 60, {M(8, 0), M(12, 0)}, wolne(M(8, 0), M(12, 0), 60)},
      {"an interval of 1 is kept", {{M(8, 0), M(8, 4)}}, {}, 1, {M(8, 0), M(8, 4)}, wolne(M(8, 0), M(8, 4), 1)},
      {"no free slot before midnight", {{M(0, 5), M(1, 0)}}, {wizyta(1, M(0, 3))}, 10, {M(0, 5), M(1, 0)},
       QStringList{"00:03=1"} + wolne(M(0, 5), M(0, 55))},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    const GodzinyDnia g = UstalGodzinyDnia(p.zakresy, p.wizyty, p.co);
    EXPECT_EQ(g.dzienOd, p.godziny.dzienOd);
    EXPECT_EQ(g.dzienDo, p.godziny.dzienDo);
    EXPECT_EQ(opis(ZbudujSiatke(p.zakresy, p.wizyty, p.co)), p.wiersze);
  }
  EXPECT_EQ(ZbudujSiatke(rano, {}, 10).size(), 25u);
}

TEST(SiatkaDnia, VisitRowTexts) {
  WizytaDnia w = wizyta(42, M(8, 5));
  w.ulica = "Długa";
  w.nrDomu = "5";
  w.nrLokal = "3a";
  w.kodP = "00-950";
  w.poczta = "Warszawa";
  w.pesel = "44051401359";
  w.poradaKod = "P1";
  w.poradaNazwa = "Porada ogólna";
  w.icd10 = "J06";
  const WierszSiatki r = WierszWizyty(w);
  EXPECT_EQ(r, (WierszSiatki{"42", "08:05", "Nowak Anna", "Długa 5/3a\n00-950 Warszawa", "44051401359",
                             "P1\nPorada ogólna", "J06"}));
  EXPECT_TRUE(JestWizyta(r));
  EXPECT_EQ(IdWizyty(r), 42);
  EXPECT_EQ(GodzinaWiersza(r), QTime(8, 5));

  w.nrLokal.clear();
  w.poradaKod.clear();
  w.poradaNazwa.clear();
  const WierszSiatki bez = WierszWizyty(w);
  EXPECT_EQ(bez[KolAdres], "Długa 5\n00-950 Warszawa");
  EXPECT_EQ(bez[KolPorada], "\n");

  const WierszSiatki wolny = ZbudujSiatke({}, {}, 10).front();
  EXPECT_FALSE(JestWizyta(wolny));
  EXPECT_EQ(wolny, (WierszSiatki{"", "10:00", "", "", "", "", ""}));
}

TEST(SiatkaDnia, InWorkingHoursIncludesBothEndsAndFollowsReloadedRanges) {
  WGodzinachPracy g;
  g.UstawZakresy({{M(8, 0), M(12, 0)}, {M(14, 0), M(18, 0)}});
  struct P {
    const char* godz;
    bool w;
  };
  for (const P& p : std::vector<P>{
           {"07:50", false}, {"08:00", true}, {"12:00", true}, {"12:10", false}, {"13:50", false},
           {"14:00", true}, {"18:00", true}, {"18:10", false}}) {
    SCOPED_TRACE(p.godz);
    EXPECT_EQ(g.Sprawdz(3, QString(p.godz)), p.w);
    EXPECT_EQ(g.Sprawdz(3, QString(p.godz)), p.w);  // the kept answer
  }

  // Overlapping ranges: every row of the grid lies inside.
  g.UstawZakresy({{M(8, 0), M(16, 0)}, {M(9, 0), M(12, 0)}});
  for (const auto& w : ZbudujSiatke(g.Zakresy(), {}, 10)) EXPECT_TRUE(g.Sprawdz(3, w)) << w[KolGodz].toStdString();

  // Another day of the same doctor: the same key must not answer from the old ranges.
  EXPECT_TRUE(g.Sprawdz(3, QStringLiteral("09:00")));
  g.UstawZakresy({{M(14, 0), M(18, 0)}});
  EXPECT_FALSE(g.Sprawdz(3, QStringLiteral("09:00")));
}

TEST(SiatkaDnia, FirstFreeTime) {
  const std::vector<ZakresPracy> rano = {{M(8, 0), M(12, 0)}};
  struct P {
    const char* nazwa;
    std::vector<ZakresPracy> zakresy;
    std::vector<WizytaDnia> wizyty;
    QTime wynik;
  };
  const std::vector<P> przypadki = {
      {"first row free", rano, {}, QTime(8, 0)},
      {"first free after visits", rano, {wizyta(1, M(8, 0)), wizyta(2, M(8, 10))}, QTime(8, 20)},
      {"every row taken: last row plus the interval", {{M(8, 0), M(8, 20)}},
       {wizyta(1, M(8, 0)), wizyta(2, M(8, 10)), wizyta(3, M(8, 20))}, QTime(8, 30)},
      {"every row taken late in the day stays within the day", {{M(23, 40), M(23, 50)}},
       {wizyta(1, M(23, 40)), wizyta(2, M(23, 50))}, QTime(23, 59)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(PierwszyWolnyTermin(ZbudujSiatke(p.zakresy, p.wizyty, 10), 10), p.wynik);
  }
}

TEST(SiatkaDnia, RowForTheCurrentTime) {
  const Wiersze w = ZbudujSiatke({{M(8, 0), M(8, 30)}}, {}, 10);  // 08:00 .. 08:30
  struct P {
    QTime teraz;
    int wynik;
  };
  for (const P& p : std::vector<P>{{QTime(6, 0), 0},
                                   {QTime(8, 0), 0},
                                   {QTime(8, 0, 30), 1},
                                   {QTime(8, 10), 1},
                                   {QTime(8, 29, 59), 3},
                                   {QTime(23, 0), 3}}) {
    SCOPED_TRACE(p.teraz.toString().toStdString());
    EXPECT_EQ(UstawWierszWgCzasu(w, p.teraz, 2), p.wynik);
  }
  const Wiersze jeden = ZbudujSiatke({{M(8, 0), M(8, 5)}}, {}, 10);
  ASSERT_EQ(jeden.size(), 1u);
  EXPECT_EQ(UstawWierszWgCzasu(jeden, QTime(12, 0), -1), -1);
}

TEST(SiatkaDnia, WeekdayIsIso) {
  EXPECT_EQ(DzienTygodnia(QDate(2024, 1, 1)), 1);  // Monday
  EXPECT_EQ(DzienTygodnia(QDate(2024, 1, 7)), 7);  // Sunday
}

TEST(SiatkaDnia, RowColours) {
  auto rgb = [](int r, int g, int b) { return Kolory::doBGR(QColor(r, g, b)); };
  struct P {
    const char* nazwa;
    KoloryWierszy k;
    KoloryWierszy wynik;
  };
  const std::vector<P> przypadki = {
      {"doctor colour", KoloryLekarza(rgb(200, 230, 255)),
       {rgb(200, 230, 255), rgb(190, 220, 245), rgb(160, 190, 215)}},
      {"a byte below 40 wraps around", KoloryLekarza(rgb(30, 200, 200)),
       {rgb(30, 200, 200), rgb(20, 190, 190), rgb(246, 160, 160)}},
      {"empty colour is black and its shades wrap", KoloryLekarza(0),
       {0, rgb(246, 246, 246), rgb(216, 216, 216)}},
      {"outside hours", KoloryPozaGodzinami(), {rgb(255, 255, 255), rgb(245, 245, 245), rgb(215, 215, 215)}},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(p.k.podstawowy, p.wynik.podstawowy);
    EXPECT_EQ(p.k.parzysty, p.wynik.parzysty);
    EXPECT_EQ(p.k.wybrany, p.wynik.wybrany);
  }
  // Each byte on its own, wrapping below zero, never carrying into the next.
  struct Cien {
    int kolor, n, wynik;
  };
  for (const Cien& c : std::vector<Cien>{{0x0A0A0A, 10, 0x000000},
                                         {0x050A0F, 10, 0xFB0005},
                                         {0x000100, 1, 0xFF00FF},
                                         {0x123456, 0, 0x123456},
                                         {0xFFFFFF, 40, 0xD7D7D7}}) {
    SCOPED_TRACE(c.kolor);
    EXPECT_EQ(PrzyciemnijKolor(c.kolor, c.n), c.wynik);
  }
  const KoloryWierszy k = KoloryPozaGodzinami();
  EXPECT_EQ(KolorWiersza(k, 0, false), k.podstawowy);  // grid row 1
  EXPECT_EQ(KolorWiersza(k, 1, false), k.parzysty);
  EXPECT_EQ(KolorWiersza(k, 1, true), k.wybrany);
}
