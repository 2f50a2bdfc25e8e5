#include "app/ZegarReguly.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace ZegarReguly;

namespace {
int M(int g, int m) { return g * 60 + m; }
}  // namespace

TEST(ZegarReguly, MousePositionToMinute) {
  struct P {
    const char* nazwa;
    int x, y, interwal;
    bool alt;
    int wynik;
  };
  const std::vector<P> przypadki = {
      {"9 o'clock", 14, 64, 10, false, M(9, 0)},
      {"12 o'clock", 64, 14, 10, false, M(12, 0)},
      {"3 o'clock", 114, 64, 10, false, M(15, 0)},
      {"straight down", 64, 114, 10, false, M(18, 0)},
      {"slightly left of straight down", 63, 127, 10, false, M(6, 0)},
      {"slightly left of straight down with Alt", 63, 127, 10, true, M(6, 1)},
      {"slightly right of straight down", 65, 127, 10, true, M(17, 58)},
      {"a little clockwise of 10 o'clock, interval 15", 21, 38, 15, false, M(10, 0)},
      {"the same with Alt", 21, 38, 15, true, M(10, 3)},
      {"a little clockwise of 10 o'clock, interval 1 taken as 5", 21, 38, 1, false, M(10, 0)},
      {"interval 0 taken as 10", 21, 38, 0, false, M(10, 0)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(MinutaZPozycji(p.x, p.y, p.interwal, p.alt), p.wynik);
  }
  EXPECT_EQ(InterwalZegara(3), 5);
  EXPECT_EQ(InterwalZegara(60), 60);
  EXPECT_EQ(InterwalZegara(61), 10);
}

TEST(ZegarReguly, HandPointsAtItsTime) {
  struct P {
    const char* nazwa;
    int minuta;
    QPoint koniec;
  };
  const std::vector<P> przypadki = {
      {"9:00 points left", M(9, 0), QPoint(14, 64)},
      {"12:00 points up", M(12, 0), QPoint(63, 14)},
      {"15:00 points right", M(15, 0), QPoint(113, 63)},
      {"18:00 points down", M(18, 0), QPoint(64, 113)},
      {"20:00 points at 8 o'clock", M(20, 0), QPoint(20, 89)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(KoniecWskazowki(p.minuta), p.koniec);
  }
  // Over the whole dial the hand's tip reads back as (nearly) its own minute.
  for (int m = M(6, 10); m <= M(18, 0); m += 7) {
    const QPoint k = KoniecWskazowki(m);
    EXPECT_LE(std::abs(MinutaZPozycji(k.x(), k.y(), 10, true) - m), 4) << m;
  }
}
