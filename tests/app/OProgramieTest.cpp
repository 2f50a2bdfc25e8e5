// The About window opened by the main window's action.
#include "app/StanProgramu.h"
#include "app/TForm_OProgramie.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Takes the links the About window hands to the desktop.
class OdbiorcaLinkow : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> adresy;
 public slots:
  void otworz(const QUrl& adres) { adresy << adres; }
};

}  // namespace

TEST(OProgramie, OpensFromTheMainWindowWithVersionAndLinks) {
  OknoGlowneTestowe o;
  OdbiorcaLinkow odbiorca;
  for (const char* schemat : {"http", "https", "mailto"})
    QDesktopServices::setUrlHandler(QString::fromLatin1(schemat), &odbiorca, "otworz");
  o.okno().Stan.LogowanieWlaczone = true;
  o.okno().Stan.Zalogowany = true;
  o.okno().WznowOdliczanie();
  ASSERT_TRUE(o.okno().timerLogowanieTimeOut.isActive());

  bool widoczne = false, odliczanie = false;
  QString wersja, kolorWww;
  QTimer::singleShot(0, [&] {
    widoczne = QApplication::activeModalWidget() == Form_OProgramie;
    odliczanie = o.okno().timerLogowanieTimeOut.isActive();
    wersja = Form_OProgramie->lblWersja->text();
    QEvent wejscie(QEvent::Enter);
    QApplication::sendEvent(Form_OProgramie->lblWww, &wejscie);
    kolorWww = Form_OProgramie->lblWww->palette().color(QPalette::WindowText).name();
    QEvent wyjscie(QEvent::Leave);
    QApplication::sendEvent(Form_OProgramie->lblWww, &wyjscie);
    QTest::mouseClick(Form_OProgramie->lblWww, Qt::LeftButton);
    QTest::mouseClick(Form_OProgramie->lblEmail, Qt::LeftButton);
    Form_OProgramie->reject();
  });
  o.okno().aOProgramie->trigger();

  for (const char* schemat : {"http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(schemat));
  EXPECT_TRUE(widoczne);
  EXPECT_TRUE(odliczanie) << "the About box leaves the inactivity countdown running";
  EXPECT_EQ(wersja, "v. " + WersjaProduktu(QStringLiteral("FileVersion")));
  EXPECT_EQ(kolorWww, QColor(Qt::red).name());
  EXPECT_EQ(Form_OProgramie->lblWww->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(Form_OProgramie->windowTitle(), "O programie");
  ASSERT_EQ(odbiorca.adresy.size(), 2);
  EXPECT_EQ(odbiorca.adresy[0], QUrl("http://" + TForm_OProgramie::AdresWww));
  EXPECT_EQ(odbiorca.adresy[1].scheme(), "mailto");
  EXPECT_EQ(odbiorca.adresy[1].toString(),
            "mailto:" + TForm_OProgramie::AdresEmail + "?subject=" + TForm_OProgramie::TematListu);
}

#include "OProgramieTest.moc"
