// The calendar popup on a date edit, driven with the mouse and keys.
#include "app/TForm_Kalendarz.h"
#include "OknoZPolem.h"

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QGuiApplication>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The cell of a day of the shown month. Days 10..20 never show twice.
QRect KomorkaDnia(QCalendarWidget* kalendarz, int dzien) {
  auto* widok = kalendarz->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
  const QAbstractItemModel* model = widok->model();
  for (int w = 0; w < model->rowCount(); ++w)
    for (int k = 0; k < model->columnCount(); ++k) {
      const QModelIndex i = model->index(w, k);
      if (model->data(i).toString() == QString::number(dzien)) return widok->visualRect(i);
    }
  return {};
}

QWidget* WidokDni(QCalendarWidget* kalendarz) {
  return kalendarz->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))->viewport();
}

}  // namespace

TEST(Kalendarz, OpensOnTheFieldsDateOrOnToday) {
  TForm_Kalendarz kalendarz;
  struct P {
    const char* nazwa;
    QString tekst;
    QDate pokazana;
  };
  const std::vector<P> przypadki = {
      {"a date", "15-03-2027", QDate(2027, 3, 15)},
      {"an empty field", "", QDate::currentDate()},
      {"an edit mask with nothing typed", "  -  -    ", QDate::currentDate()},
      {"no valid date", "31-02-2027", QDate::currentDate()},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    OknoZPolem o(p.tekst);
    kalendarz.Pokaz(o.pole);
    EXPECT_TRUE(kalendarz.isVisible());
    EXPECT_EQ(kalendarz.MonthCalendar1->selectedDate(), p.pokazana);
    EXPECT_EQ(o.pole->text(), p.tekst);  // opening writes nothing
    kalendarz.close();
  }
}

TEST(Kalendarz, AClickWritesAndStaysOpenADoubleClickWritesAndCloses) {
  TForm_Kalendarz kalendarz;
  OknoZPolem o("15-03-2027");
  QSignalSpy wybrane(&kalendarz, &TForm_Kalendarz::Wybrano);
  kalendarz.Pokaz(o.pole);
  QWidget* dni = WidokDni(kalendarz.MonthCalendar1);

  QTest::mouseClick(dni, Qt::LeftButton, {}, KomorkaDnia(kalendarz.MonthCalendar1, 15).center());
  EXPECT_EQ(o.edycje->count(), 0) << "the day already written";
  EXPECT_TRUE(kalendarz.isVisible());

  QTest::mouseClick(dni, Qt::LeftButton, {}, KomorkaDnia(kalendarz.MonthCalendar1, 17).center());
  EXPECT_EQ(o.pole->text(), "17-03-2027");
  EXPECT_EQ(o.edycje->count(), 1);
  EXPECT_TRUE(kalendarz.isVisible());

  QTest::mouseClick(dni, Qt::LeftButton, {}, KomorkaDnia(kalendarz.MonthCalendar1, 17).center());
  EXPECT_EQ(o.edycje->count(), 1) << "clicking the day just written again";

  // A double click as the system delivers it: press, release, double click, release.
  const QPoint na19 = KomorkaDnia(kalendarz.MonthCalendar1, 19).center();
  QTest::mouseClick(dni, Qt::LeftButton, {}, na19);
  QTest::mouseDClick(dni, Qt::LeftButton, {}, na19);
  QTest::mouseRelease(dni, Qt::LeftButton, {}, na19);
  EXPECT_EQ(o.pole->text(), "19-03-2027");
  EXPECT_FALSE(kalendarz.isVisible());
  ASSERT_GE(wybrane.count(), 2);
  EXPECT_EQ(wybrane.last().at(0).toDate(), QDate(2027, 3, 19));

  // A new showing starts from the field as it is now.
  kalendarz.Pokaz(o.pole);
  EXPECT_EQ(kalendarz.MonthCalendar1->selectedDate(), QDate(2027, 3, 19));
  QTest::keyClick(kalendarz.MonthCalendar1, Qt::Key_Escape);
  EXPECT_FALSE(kalendarz.isVisible());
  EXPECT_EQ(o.pole->text(), "19-03-2027");
}

TEST(Kalendarz, ADateFieldNearTheBottomGetsItsCalendarAboveIt) {
  TForm_Kalendarz kalendarz;
  const QRect ekran = QGuiApplication::primaryScreen()->availableGeometry();
  OknoZPolem nisko("15-03-2027", QPoint(100, ekran.height() - 40));
  kalendarz.Pokaz(nisko.pole);
  const QPoint polePoz = nisko.pole->mapToGlobal(QPoint(0, 0));
  EXPECT_EQ(kalendarz.x(), polePoz.x());
  EXPECT_EQ(kalendarz.y() + kalendarz.height(), polePoz.y());
  kalendarz.close();

  OknoZPolem wysoko("15-03-2027", QPoint(100, 50));
  kalendarz.Pokaz(wysoko.pole);
  EXPECT_EQ(kalendarz.pos(), wysoko.pole->mapToGlobal(QPoint(0, wysoko.pole->height())));
  kalendarz.close();
}
