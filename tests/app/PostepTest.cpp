// The progress window: its text and its hold on the focus.
#include "app/TForm_Postep.h"
#include "support/KomunikatySkryptowe.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

TEST(Postep, CountsTheStepsInItsText) {
  ZKomunikatami komunikaty;
  TForm_Postep postep;
  postep.Rozpocznij(200);
  EXPECT_TRUE(postep.isVisible());
  EXPECT_EQ(postep.Label1->text(), "0 z 200 [0%]");
  EXPECT_EQ(postep.ProgressBar1->maximum(), 200);
  EXPECT_EQ(postep.ProgressBar1->value(), 0);
  struct P {
    int krokow;
    QString tekst;
  };
  const std::vector<P> przypadki = {
      {1, "1 z 200   [0%]"}, {2, "2 z 200   [1%]"}, {50, "50 z 200   [25%]"}, {133, "133 z 200   [66%]"},
      {200, "200 z 200   [100%]"},
  };
  int zrobione = 0;
  for (const auto& p : przypadki) {
    for (; zrobione < p.krokow; ++zrobione) postep.Krok();
    EXPECT_EQ(postep.Label1->text(), p.tekst);
    EXPECT_EQ(postep.ProgressBar1->value(), p.krokow);
  }
  // A new run starts from nothing; an empty one cannot divide by zero.
  postep.Rozpocznij(0);
  EXPECT_EQ(postep.Label1->text(), "0 z 0 [0%]");
  postep.Krok();
  EXPECT_EQ(postep.Label1->text(), "1 z 0   [100%]");
  postep.Zakoncz();
  EXPECT_FALSE(postep.isVisible());
}

TEST(Postep, TheUserCannotCloseItAndItKeepsTheFocus) {
  ZKomunikatami komunikaty;
  TForm_Postep postep;
  EXPECT_FALSE(postep.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(postep.windowFlags() & Qt::WindowStaysOnTopHint);
  postep.Rozpocznij(10);
  postep.close();
  EXPECT_TRUE(postep.isVisible());
  QTest::keyClick(&postep, Qt::Key_Escape);
  EXPECT_TRUE(postep.isVisible());

  QApplication::processEvents();
  ASSERT_TRUE(postep.isActiveWindow());
  QWidget inne;
  inne.show();
  inne.activateWindow();
  // The switch, the window's answer to it and the switch back.
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  EXPECT_TRUE(postep.isActiveWindow());
  EXPECT_GE(komunikaty->ileSygnalow(), 1);

  postep.Zakoncz();
  EXPECT_FALSE(postep.isVisible());
  // Closed by its caller, it no longer holds the focus.
  komunikaty->wyczysc();
  inne.activateWindow();
  QApplication::processEvents();
  EXPECT_EQ(komunikaty->ileSygnalow(), 0);
}
