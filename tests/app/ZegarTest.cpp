// The clock picker on a time edit, driven with the mouse and keys.
#include "app/TForm_Zegar.h"
#include "app/ZegarReguly.h"
#include "OknoZPolem.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void RuchMyszy(QWidget* w, QPoint p, Qt::KeyboardModifiers mod) {
  QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, mod);
  QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(Zegar, OpensOnTheFieldsTimeWithTheHandDrawn) {
  TForm_Zegar zegar;
  struct P {
    const char* nazwa;
    QString tekst;
    QString etykieta;
  };
  const std::vector<P> przypadki = {
      {"a time on the dial", "10:30", "10:30"},
      {"20:00 is off the dial but shown", "20:00", "20:00"},
      {"an empty field", "", ""},
      {"an edit mask with nothing typed", "  :  ", ""},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    OknoZPolem o(p.tekst);
    zegar.Pokaz(o.pole, 10);
    EXPECT_TRUE(zegar.isVisible());
    EXPECT_EQ(zegar.Label1->text(), p.etykieta);
    EXPECT_EQ(o.pole->text(), p.tekst);
    zegar.close();
  }
  // 20:00: the hand points at the 8 o'clock position in grey.
  OknoZPolem o("20:00");
  zegar.Pokaz(o.pole, 10);
  const QImage obraz = zegar.grab().toImage();
  const QPoint koniec = ZegarReguly::KoniecWskazowki(20 * 60);
  const QPoint naWskazowce = (QPoint(64, 64) + koniec * 3) / 4;
  EXPECT_EQ(obraz.pixelColor(naWskazowce), QColor(0xA0, 0xA0, 0xA4));
  EXPECT_LT(koniec.x(), 64);
  EXPECT_GT(koniec.y(), 64);
  zegar.close();
}

TEST(Zegar, TheMouseShowsTheTimeAndAPressWritesIt) {
  TForm_Zegar zegar;
  OknoZPolem o("08:00");
  QSignalSpy wybrane(&zegar, &TForm_Zegar::Wybrano);
  zegar.Pokaz(o.pole, 15);

  // A little clockwise of 10 o'clock.
  RuchMyszy(&zegar, QPoint(21, 38), Qt::NoModifier);
  EXPECT_EQ(zegar.Label1->text(), "10:00");
  RuchMyszy(&zegar, QPoint(21, 38), Qt::AltModifier);
  EXPECT_EQ(zegar.Label1->text(), "10:03");
  EXPECT_EQ(o.pole->text(), "08:00") << "moving only shows";
  EXPECT_EQ(o.edycje->count(), 0);

  QTest::mousePress(&zegar, Qt::LeftButton, {}, QPoint(64, 114));
  EXPECT_EQ(o.pole->text(), "18:00");
  EXPECT_EQ(o.edycje->count(), 1);
  EXPECT_FALSE(zegar.isVisible());
  ASSERT_EQ(wybrane.count(), 1);
  EXPECT_EQ(wybrane.at(0).at(0).toInt(), 18 * 60);
}

TEST(Zegar, EscAndAPressOffTheFaceCloseWithoutAPick) {
  TForm_Zegar zegar;
  OknoZPolem o("09:00");
  zegar.Pokaz(o.pole, 10);
  QTest::keyClick(&zegar, Qt::Key_Escape);
  EXPECT_FALSE(zegar.isVisible());

  zegar.Pokaz(o.pole, 10);
  QTest::mousePress(&zegar, Qt::LeftButton, {}, QPoint(1, 1));  // the purple corner
  EXPECT_FALSE(zegar.isVisible());
  EXPECT_EQ(o.pole->text(), "09:00");
  EXPECT_EQ(o.edycje->count(), 0);
}
