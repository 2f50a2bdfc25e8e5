// Login: the scrambled login file, the login window, the prompt at start-up,
// logging in and out, and the inactivity countdown.
#include "app/PanelSiatki.h"
#include "app/PlikLogowania.h"
#include "app/TForm_Logowanie.h"
#include "db/PlikMaskowany.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `co` once the login window is on screen (it is modal, so the test
// cannot act on it after exec() has been entered).
void GdyLogowanie(std::function<void()> co) {
  auto* t = new QTimer;
  t->setInterval(5);
  QObject::connect(t, &QTimer::timeout, [t, co] {
    if (!Form_Logowanie->isVisible()) return;
    t->stop();
    t->deleteLater();
    co();
  });
  t->start();
}

// Key by key; letters outside ASCII go as text-only key events.
void Wpisz(QLineEdit* pole, const QString& tekst) {
  for (const QChar z : tekst) {
    if (z.unicode() < 128) {
      QTest::keyClick(pole, z.toLatin1());
    } else {
      QKeyEvent nacisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(z));
      QApplication::sendEvent(pole, &nacisk);
    }
  }
  QTest::keyClick(pole, Qt::Key_Return);
}

// Types both values, Enter after each: the first Enter moves to the password.
void Zaloguj(const QString& uzytkownik, const QString& haslo) {
  Wpisz(Form_Logowanie->Edit1, uzytkownik);
  Wpisz(Form_Logowanie->Edit2, haslo);
}

void CzekajNa(const std::function<bool()>& warunek) {
  for (int i = 0; i < 2000 && !warunek(); ++i) QTest::qWait(5);
}

}  // namespace

TEST(PlikLogowania, OneLetterUserAndPasswordTakeSixteenClearAndFortyEightStoredBytes) {
  QTemporaryDir dir;
  const QString plik = dir.filePath("logow.db");
  EXPECT_EQ(TekstPlikuLogowania("a", "b"), QString("user=a\r\npass=b\r\n"));
  EXPECT_EQ(TekstPlikuLogowania("a", "b").size(), 16);
  ASSERT_TRUE(ZapiszPlikLogowania(plik, "a", "b"));
  EXPECT_EQ(QFile(plik).size(), 48);
  const DaneLogowania d = CzytajPlikLogowania(plik);
  EXPECT_EQ(d.uzytkownik, "a");
  EXPECT_EQ(d.haslo, "b");
}

TEST(PlikLogowania, LinesAreReadByNameWithoutCaseAndMissingOnesAreEmpty) {
  struct Przypadek {
    const char* tekst;
    const char* uzytkownik;
    const char* haslo;
  } przypadki[] = {
      {"user=Jan\r\npass=Tajne\r\n", "Jan", "Tajne"},
      {"PASS=x=y\r\nUser=Ala\r\n", "Ala", "x=y"},  // any order, split at the first "="
      {"user=pierwszy\r\nuser=drugi\r\n", "pierwszy", ""},
      {"pass=tylko\r\n", "", "tylko"},
      {"", "", ""},
      {"bez znaku\r\n", "", ""},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.tekst);
    const DaneLogowania d = OdczytajDaneLogowania(QString::fromUtf8(p.tekst));
    EXPECT_EQ(d.uzytkownik, QString::fromUtf8(p.uzytkownik));
    EXPECT_EQ(d.haslo, QString::fromUtf8(p.haslo));
  }
}

class LogowanieTest : public ::testing::Test {
 protected:
  // Start-up with the prompt answered by `odpowiedz`.
  void Start(std::function<void()> odpowiedz) {
    GdyLogowanie(std::move(odpowiedz));
    o.uruchomStart();
  }
  TForm1& okno() { return o.okno(); }
  OknoGlowneTestowe o{[](BazaTestowa& b) { ZapiszPlikLogowania(b.katalog() + "logow.db", "admin", "Hasło1"); },
                      false};
};

TEST_F(LogowanieTest, StartUpAsksAfterConnectingAndCancelLeavesTheGridHidden) {
  bool polaczonyPrzyPytaniu = false;
  QString panelPrzyPytaniu;
  Start([&] {
    polaczonyPrzyPytaniu = okno().Polaczony();
    panelPrzyPytaniu = okno().TekstPanelu(2);
    QTest::keyClick(Form_Logowanie->Edit1, Qt::Key_Escape);
  });
  EXPECT_TRUE(polaczonyPrzyPytaniu);
  EXPECT_EQ(panelPrzyPytaniu, "Logowanie...");
  EXPECT_FALSE(Form_Logowanie->isVisible());
  EXPECT_FALSE(okno().Stan.Zalogowany);
  EXPECT_TRUE(okno().panelSiatki->NapisWidoczny());
  EXPECT_EQ(okno().panelSiatki->Napis(), "N I E Z A L O G O W A N Y");
  EXPECT_EQ(okno().TekstPanelu(2), "Nie zalogowany");
  EXPECT_FALSE(okno().DateTimePicker1->isEnabled());
  EXPECT_TRUE(okno().aZaloguj->isEnabled());
  EXPECT_FALSE(okno().aWyloguj->isEnabled());

  // Ctrl+Z asks again; the right name and password open the grid.
  GdyLogowanie([] { Zaloguj("admin", "Hasło1"); });
  // The offscreen platform does not hand activation back when a dialog closes.
  QApplication::setActiveWindow(&okno());
  QTest::keyClick(&okno(), Qt::Key_Z, Qt::ControlModifier);
  CzekajNa([&] { return okno().Stan.Zalogowany; });
  EXPECT_TRUE(okno().Stan.Zalogowany);
  EXPECT_FALSE(okno().panelSiatki->NapisWidoczny());
  EXPECT_EQ(okno().TekstPanelu(2), "Zalogowany");
  EXPECT_TRUE(okno().DateTimePicker1->isEnabled());
  EXPECT_FALSE(okno().aZaloguj->isEnabled());
  EXPECT_TRUE(okno().aWyloguj->isEnabled());
  EXPECT_TRUE(okno().timerLogowanieTimeOut.isActive());

  // Ctrl+W logs out at once: grid hidden, countdown stopped.
  QTest::keyClick(&okno(), Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(okno().Stan.Zalogowany);
  EXPECT_TRUE(okno().panelSiatki->NapisWidoczny());
  EXPECT_EQ(okno().TekstPanelu(2), "Nie zalogowany");
  EXPECT_FALSE(okno().timerLogowanieTimeOut.isActive());
}

TEST_F(LogowanieTest, ComparisonIsExactAndAWrongAnswerKeepsTheWindowWithTheCursorInTheUserBox) {
  struct Proba {
    const char* uzytkownik;
    const char* haslo;
  } bledne[] = {{"Admin", "Hasło1"}, {"admin", "hasło1"}, {"admin ", "Hasło1"}, {"", ""}};
  int proba = 0;
  QStringList stanPoBledzie;
  std::function<void()> nastepna = [&] {
    if (proba == static_cast<int>(std::size(bledne))) {
      Zaloguj("admin", "Hasło1");
      return;
    }
    const Proba& p = bledne[proba++];
    o.komunikaty->wyczysc();
    Zaloguj(QString::fromUtf8(p.uzytkownik), QString::fromUtf8(p.haslo));
    stanPoBledzie << QString("%1 %2 %3 %4")
                         .arg(Form_Logowanie->isVisible())
                         .arg(Form_Logowanie->focusWidget() == Form_Logowanie->Edit1)
                         .arg(o.komunikaty->ileSygnalow())
                         .arg(o.komunikaty->ostatni());
    Form_Logowanie->Edit1->clear();
    Form_Logowanie->Edit2->clear();
    QTimer::singleShot(0, nastepna);
  };
  Start(nastepna);
  ASSERT_EQ(stanPoBledzie.size(), 4);
  for (const QString& s : stanPoBledzie) EXPECT_EQ(s, "1 1 1 Błąd logowania.");
  EXPECT_TRUE(okno().Stan.Zalogowany);
  EXPECT_EQ(okno().TekstPanelu(2), "Zalogowany");
}

TEST_F(LogowanieTest, TheCountdownHidesTheGridBeforeAskingAndRestartsOnEveryCommand) {
  okno().Stan.logow_timeout = 1;
  Start([] { Zaloguj("admin", "Hasło1"); });
  ASSERT_TRUE(okno().Stan.Zalogowany);
  ASSERT_TRUE(okno().timerLogowanieTimeOut.isActive());
  EXPECT_EQ(okno().timerLogowanieTimeOut.interval(), 60000);

  // A command stops the countdown while it runs and starts it afresh after.
  okno().timerLogowanieTimeOut.start(30000);
  bool aktywnyWTrakcie = true;
  QTimer::singleShot(0, [&] {
    QWidget* okienko = QApplication::activeModalWidget();
    aktywnyWTrakcie = okno().timerLogowanieTimeOut.isActive();
    if (okienko) okienko->close();
  });
  okno().aLekarze->trigger();
  EXPECT_FALSE(aktywnyWTrakcie);
  EXPECT_TRUE(okno().timerLogowanieTimeOut.isActive());
  EXPECT_GT(okno().timerLogowanieTimeOut.remainingTime(), 50000);

  // A key in the main window does the same.
  okno().timerLogowanieTimeOut.start(30000);
  QTest::keyClick(&okno(), Qt::Key_Down);
  EXPECT_GT(okno().timerLogowanieTimeOut.remainingTime(), 50000);

  // Run out (shortened): the grid is hidden while the prompt waits.
  bool napisPrzyPytaniu = false;
  bool zalogowanyPrzyPytaniu = true;
  GdyLogowanie([&] {
    napisPrzyPytaniu = okno().panelSiatki->NapisWidoczny();
    zalogowanyPrzyPytaniu = okno().Stan.Zalogowany;
    Form_Logowanie->reject();
  });
  okno().timerLogowanieTimeOut.start(20);
  CzekajNa([&] { return napisPrzyPytaniu; });
  EXPECT_TRUE(napisPrzyPytaniu);
  EXPECT_FALSE(zalogowanyPrzyPytaniu);
  CzekajNa([] { return !Form_Logowanie->isVisible(); });
  EXPECT_FALSE(okno().Stan.Zalogowany);
  EXPECT_TRUE(okno().panelSiatki->NapisWidoczny());
  EXPECT_FALSE(okno().timerLogowanieTimeOut.isActive());
}

TEST_F(LogowanieTest, ZeroTimeoutNeverAsksAgain) {
  okno().Stan.logow_timeout = 0;
  Start([] { Zaloguj("admin", "Hasło1"); });
  ASSERT_TRUE(okno().Stan.Zalogowany);
  EXPECT_FALSE(okno().timerLogowanieTimeOut.isActive());
  QTest::keyClick(&okno(), Qt::Key_Down);
  EXPECT_FALSE(okno().timerLogowanieTimeOut.isActive());
}

TEST(Logowanie, AFileWithoutItsLinesAcceptsAnEmptyNameAndPassword) {
  OknoGlowneTestowe o([](BazaTestowa& b) { ZapiszPlikMaskowany(b.katalog() + "logow.db", "cokolwiek\r\n"); },
                      false);
  GdyLogowanie([] { Zaloguj("", ""); });
  o.uruchomStart();
  EXPECT_TRUE(o.okno().Stan.Zalogowany);
  EXPECT_FALSE(o.okno().panelSiatki->NapisWidoczny());
}

TEST(Logowanie, WithoutTheFileThereIsNoPrompt) {
  OknoGlowneTestowe o;
  EXPECT_FALSE(Form_Logowanie->isVisible());
  EXPECT_FALSE(o.okno().panelSiatki->NapisWidoczny());
  EXPECT_EQ(o.okno().TekstPanelu(2), "Bez logowania");
  EXPECT_FALSE(o.okno().aZaloguj->isEnabled());
  EXPECT_FALSE(o.okno().aWyloguj->isEnabled());
}
