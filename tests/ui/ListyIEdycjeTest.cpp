#include "db/Dataset.h"
#include "support/BazaTestowa.h"
#include "ui/Kolory.h"
#include "ui/PowiazanieEdycji.h"
#include "ui/SiatkaListy.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

class ListyIEdycje : public ::testing::Test {
 protected:
  void SetUp() override {
    baza.wykonaj({"insert into BADANIA (ID, KOD, NAZWA, USUN) values (1, 'A1', 'Morfologia', 'N')",
                  "insert into BADANIA (ID, KOD, NAZWA, USUN) values (2, 'B2', 'Glukoza', 'N')",
                  "insert into BADANIA (ID, KOD, NAZWA, USUN) values (3, 'C3', 'Lipidogram', 'N')"});
    ds.setSelectSql("select * from BADANIA order by KOD");
    ds.setUpdateSql("update BADANIA set ID = :ID, KOD = :KOD, NAZWA = :NAZWA, USUN = :USUN where ID = :OLD_ID");
    ds.open();
  }
  BazaTestowa baza;
  Dataset ds{baza.polaczenie()};
};

TEST_F(ListyIEdycje, GridAndDatasetFollowEachOther) {
  SiatkaListy s;
  s.ustaw(&ds, {{"ID", "ID"}, {"KOD", "Kod", Qt::AlignCenter}, {"NAZWA", "Nazwa"}});
  s.show();
  EXPECT_EQ(s.model()->rowCount(), 3);
  EXPECT_EQ(s.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Kod");
  ds.moveTo(2);
  EXPECT_EQ(s.currentIndex().row(), 2);
  s.setFocus();
  QTest::keyClick(&s, Qt::Key_Up);
  EXPECT_EQ(ds.recNo(), 1);
  EXPECT_EQ(ds.text("KOD"), "B2");
}

TEST_F(ListyIEdycje, BoundEditShowsTheRowAndWritesWhatIsTyped) {
  QLineEdit nazwa;
  PowiazanieEdycji p;
  p.tekst(&nazwa, "NAZWA", true);
  p.ustawDataset(&ds);
  EXPECT_EQ(nazwa.text(), "Morfologia");
  ds.moveTo(1);
  EXPECT_EQ(nazwa.text(), "Glukoza");
  ds.edit();
  nazwa.clear();
  QTest::keyClicks(&nazwa, "zo");
  for (const QString& z : {QString("ł"), QString("ć")}) {
    QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, z);
    QApplication::sendEvent(&nazwa, &k);
  }
  EXPECT_EQ(nazwa.text(), "ZOŁĆ");
  EXPECT_EQ(ds.text("NAZWA"), "ZOŁĆ");
  ds.post();
  EXPECT_EQ(baza.wartosc("select NAZWA from BADANIA where ID = 2").toString(), "ZOŁĆ");
}
