#include "dictionaries/HarmonogramGeometria.h"

#include <gtest/gtest.h>

using namespace HarmonogramGeometria;

namespace {
int M(int g, int m) { return g * 60 + m; }
const QPoint siatka(8, 40);
const int x0 = X0(siatka.x());  // 83
}  // namespace

TEST(HarmonogramGeometria, SnappingAndMousePosition) {
  struct P {
    const char* nazwa;
    int minuta, interwal, wynik;
  };
  const std::vector<P> przypadki = {
      {"press at 08:17", M(8, 17), 10, M(8, 10)},
      {"release at 11:59", M(11, 59), 10, M(11, 50)},
      {"interval 7: last step of the hour", M(8, 59), 7, M(8, 56)},
      {"interval 7 starts again at the hour", M(9, 6), 7, M(9, 0)},
      {"interval 7 on a step", M(9, 7), 7, M(9, 7)},
      {"just left of 00:00 truncates to 00:00", -8, 10, 0},
      {"further left stays negative", -18, 10, -10},
      {"an interval below 5 is taken as 5", M(8, 4), 1, M(8, 0)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(Zaokraglij(p.minuta, p.interwal), p.wynik);
  }
  EXPECT_EQ(x0, 8 + 74 + 1);
  EXPECT_EQ(MinutaZX(x0 + M(8, 17) / 2, x0, 10), M(8, 10));
  EXPECT_EQ(MinutaZX(x0 + M(11, 59) / 2, x0, 10), M(11, 50));
}

TEST(HarmonogramGeometria, BoxGeometry) {
  // Tuesday 08:00-12:00: two minutes per pixel, rows 25 pixels apart.
  EXPECT_EQ(ProstokatPola(M(8, 0), M(12, 0), 2, siatka), QRect(x0 + 241, 40 + 50 + 2, 120, 22));
  // Monday to Wednesday drawing box covers three rows.
  EXPECT_EQ(ProstokatRysowania(M(8, 0), M(12, 0), 1, 3, siatka), QRect(x0 + 241, 40 + 25 + 2, 120, 72));
  EXPECT_TRUE(StrefaZmianyRozmiaru(116, 120));
  EXPECT_FALSE(StrefaZmianyRozmiaru(115, 120));
}

TEST(HarmonogramGeometria, CellUnderTheMouse) {
  struct P {
    const char* nazwa;
    int x, y, wiersz, kolumna;
    bool godzina;
  };
  for (const P& p : std::vector<P>{{"day name of Monday", 10, 30, 1, 0, false},
                                   {"header over 00", 80, 10, 0, 1, false},
                                   {"first pixel of 00 on Sunday", 75, 7 * 25, 7, 1, true},
                                   {"line after 00 still belongs to it", 104, 60, 2, 1, true},
                                   {"first pixel of 01", 105, 60, 2, 2, true},
                                   {"last pixel of 23", 794, 60, 2, 24, true},
                                   {"right of the grid", 795, 60, 2, -1, false},
                                   {"below the grid", 100, 200, -1, 1, false},
                                   {"above the grid", 100, -1, -1, 1, false}}) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(WierszZY(p.y), p.wiersz);
    EXPECT_EQ(KolumnaZX(p.x), p.kolumna);
    EXPECT_EQ(KomorkaGodzin(p.x, p.y), p.godzina);
  }
}

TEST(HarmonogramGeometria, OverlapRule) {
  const QRect wtorek = ProstokatPola(M(8, 0), M(12, 0), 2, siatka);
  struct P {
    const char* nazwa;
    QRect ruchome;
    bool naklada;
  };
  const std::vector<P> przypadki = {
      {"starts where the other ends", ProstokatPola(M(12, 0), M(13, 0), 2, siatka), true},
      {"ends where the other starts", ProstokatPola(M(7, 0), M(8, 0), 2, siatka), true},
      {"one interval of 5 after it", ProstokatPola(M(12, 5), M(13, 0), 2, siatka), false},
      {"one interval of 5 before it", ProstokatPola(M(7, 0), M(7, 55), 2, siatka), false},
      {"inside it", ProstokatPola(M(9, 0), M(10, 0), 2, siatka), true},
      {"same hours on another day", ProstokatPola(M(8, 0), M(12, 0), 3, siatka), false},
      {"drawing over Monday to Wednesday", ProstokatRysowania(M(11, 0), M(14, 0), 1, 3, siatka), true},
      {"drawing over Wednesday to Friday", ProstokatRysowania(M(11, 0), M(14, 0), 3, 5, siatka), false},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(SprawdzNakladanie(p.ruchome, {wtorek}), p.naklada);
  }
  EXPECT_FALSE(SprawdzNakladanie(wtorek, {}));
}

TEST(HarmonogramGeometria, MoveAndResize) {
  struct P {
    const char* nazwa;
    std::optional<Zakres> wynik;
    std::optional<Zakres> oczekiwany;
  };
  const QRect rano = ProstokatPola(M(8, 0), M(12, 0), 1, siatka);
  const QRect wieczor = ProstokatPola(M(20, 0), M(23, 0), 1, siatka);
  const QRect krotki = ProstokatPola(M(8, 0), M(8, 35), 1, siatka);  // 35 minutes, 17 pixels
  const int chwyt = 5;
  auto przesun = [&](const QRect& r, int dx, int co) { return Przesun(r.left(), r.width(), x0, chwyt + dx, chwyt, co); };
  const std::vector<P> przypadki = {
      {"move right by 20 pixels", przesun(rano, 20, 10), Zakres{M(8, 40), M(12, 40)}},
      {"move to 00:00", przesun(rano, -241, 10), Zakres{0, M(4, 0)}},
      {"a little past 00:00 still snaps to 00:00", przesun(rano, -245, 10), Zakres{0, M(4, 0)}},
      {"before 00:00 stops", przesun(rano, -250, 10), std::nullopt},
      {"last start before 24:00", przesun(wieczor, 24, 10), Zakres{M(20, 50), M(23, 50)}},
      {"ending at 24:00 stops", przesun(wieczor, 30, 10), std::nullopt},
      {"odd length becomes even after a move", przesun(krotki, 10, 5), Zakres{M(8, 20), M(8, 54)}},
      {"resize to 11:30", ZmienRozmiar(M(8, 0), 100, 10), Zakres{M(8, 0), M(11, 30)}},
      {"resize to the first step after the start", ZmienRozmiar(M(8, 0), 0, 10), Zakres{M(8, 0), M(8, 10)}},
      {"resize onto the start refused", ZmienRozmiar(M(8, 0), -5, 10), std::nullopt},
      {"resize before the start refused", ZmienRozmiar(M(8, 0), -30, 10), std::nullopt},
      {"resize to 23:50", ZmienRozmiar(M(20, 0), 114, 10), Zakres{M(20, 0), M(23, 50)}},
      {"resize to 24:00 refused", ZmienRozmiar(M(20, 0), 115, 10), std::nullopt},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    ASSERT_EQ(p.wynik.has_value(), p.oczekiwany.has_value());
    if (p.wynik) {
      EXPECT_EQ(p.wynik->start, p.oczekiwany->start);
      EXPECT_EQ(p.wynik->koniec, p.oczekiwany->koniec);
    }
  }
}

TEST(HarmonogramGeometria, DrawingIsOfferedOnlyDownwardAndWithinTheDay) {
  struct P {
    const char* nazwa;
    int start, koniec, wierszStart, wierszBiezacy;
    bool dodac;
  };
  for (const P& p : std::vector<P>{{"Monday to Wednesday", M(8, 0), M(12, 0), 1, 3, true},
                                   {"one day", M(8, 0), M(12, 0), 4, 4, true},
                                   {"upward", M(8, 0), M(12, 0), 3, 1, false},
                                   {"right to left", M(12, 0), M(8, 0), 1, 1, false},
                                   {"empty", M(8, 0), M(8, 0), 1, 1, false},
                                   {"to 24:00", M(20, 0), M(24, 0), 1, 1, false},
                                   {"below the grid", M(8, 0), M(12, 0), 1, -1, false}}) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(RysunekDoDodania(p.start, p.koniec, p.wierszStart, p.wierszBiezacy), p.dodac);
  }
}

TEST(HarmonogramGeometria, Texts) {
  struct P {
    const char* nazwa;
    QString tekst;
    QString oczekiwany;
  };
  const std::vector<P> przypadki = {
      {"caption", PodpisZakresu(M(8, 0), M(12, 0)), "08:00 ÷ 12:00"},
      {"box hint", PodpowiedzPola(5, M(7, 5), M(9, 0)), "Piątek:  07:05 ÷ 09:00"},
      {"drawing hint", PodpowiedzRysowania(1, 2, M(8, 0), M(12, 0)), "Pon. Wto. \n08:00 ÷ 12:00"},
      {"drawing hint with Polish letters", PodpowiedzRysowania(3, 3, M(8, 0), M(12, 0)), "Śro. \n08:00 ÷ 12:00"},
      {"drawing hint of an invalid range", PodpowiedzRysowania(1, 2, M(12, 0), M(8, 0)), ""},
      {"grid hint", PodpowiedzSiatki(7, M(8, 10)), "Niedziela  08:10"},
      {"grid hint on the header", PodpowiedzSiatki(0, M(8, 10)), ""},
      {"grid hint left of 00:00", PodpowiedzSiatki(1, -10), ""},
      {"new range question", PytanieNowyWpis(1, 3, M(8, 0), M(12, 0)),
       "Dni:   Poniedziałek, Wtorek, Środa, \nGodziny przyjęć:  08:00 ÷ 12:00\n\nDodać wpis?"},
      {"delete question", PytanieUsuniecieWpisu(2, M(8, 0), M(12, 0)),
       "Wtorek:  08:00 ÷ 12:00\n\nNa pewno usunąć wpis?"},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(p.tekst, p.oczekiwany);
  }
  EXPECT_EQ(TytulNowyWpis, "Nowy wpis");
  EXPECT_EQ(TytulUsuniecieWpisu, "Usunięcie wpisu");
  EXPECT_EQ(NazwaDnia(4), "Czwartek");
  EXPECT_EQ(NazwaDnia(6), "Sobota");
  EXPECT_EQ(NazwaDnia(8), "");
}
