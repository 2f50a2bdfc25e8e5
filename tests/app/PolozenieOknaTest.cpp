#include "app/PolozenieOkna.h"

#include <gtest/gtest.h>

using namespace PolozenieOkna;

TEST(PolozenieOkna, PickerNextToItsField) {
  const QSize ekran(1024, 768);
  const QSize kalendarz(200, 160);
  const QSize zegar(128, 128);
  struct P {
    const char* nazwa;
    QRect pole;
    QPoint przyKalendarzu, przyZegarze;
  };
  const std::vector<P> przypadki = {
      {"first try", QRect(100, 200, 80, 20), QPoint(100, 220), QPoint(180, 200)},
      {"exactly fits", QRect(824, 588, 72, 20), QPoint(824, 608), QPoint(896, 588)},
      {"too wide", QRect(900, 200, 80, 20), QPoint(824, 220), QPoint(896, 200)},
      {"too low (the calendar opens above the field)", QRect(100, 700, 80, 20), QPoint(100, 540), QPoint(180, 640)},
      {"both", QRect(900, 700, 80, 20), QPoint(824, 540), QPoint(896, 640)},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    EXPECT_EQ(PolozenieKalendarza(p.pole, kalendarz, ekran), p.przyKalendarzu);
    EXPECT_EQ(PolozenieZegara(p.pole, zegar, ekran), p.przyZegarze);
  }
}
