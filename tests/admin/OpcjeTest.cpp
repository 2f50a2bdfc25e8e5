// The options window: list normalising, which files it writes, the printer
// boxes, the login page, the closing question, and what the main window does
// after it.
#include "admin/OpcjeReguly.h"
#include "app/PanelSiatki.h"
#include "app/PlikLogowania.h"
#include "app/TForm_Logowanie.h"
#include "admin/TForm_Opcje.h"
#include "common/PlikIni.h"
#include "common/Win1250.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs `co` once `okno` is on screen (modal windows cannot be driven after
// exec()). The polling timer belongs to the window, so it never outlives it.
void GdyWidoczne(QWidget* okno, std::function<void()> co) {
  auto* t = new QTimer(okno);
  t->setInterval(5);
  QObject::connect(t, &QTimer::timeout, okno, [t, okno, co] {
    if (!okno->isVisible()) return;
    t->stop();
    t->deleteLater();
    co();
  });
  t->start();
}

void GdyOpcje(std::function<void()> co) { GdyWidoczne(Form_Opcje, std::move(co)); }
void GdyLogowanie(std::function<void()> co) { GdyWidoczne(Form_Logowanie, std::move(co)); }

// Key by key; Enter for a line break, letters outside ASCII as text-only key events.
void Wpisz(QWidget* pole, const QString& tekst) {
  for (const QChar z : tekst) {
    if (z == u'\n') {
      QTest::keyClick(pole, Qt::Key_Return);
    } else if (z.unicode() < 128) {
      QTest::keyClick(pole, z.toLatin1());
    } else {
      QKeyEvent nacisk(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(z));
      QApplication::sendEvent(pole, &nacisk);
    }
  }
}

void Kliknij(QWidget* przycisk) { QTest::mouseClick(przycisk, Qt::LeftButton); }

// Shows a page the way a person does, by clicking its name.
void Strona(int numer) {
  QListWidget* lista = Form_Opcje->ListBox1;
  QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(numer)).center());
}

const QDateTime kDawno(QDate(2001, 2, 3), QTime(4, 5, 6));

const char* const kListy[] = {"lista_gmin.txt", "lista_powiatow.txt", "lista_wojewodztw.txt"};

void ZapiszListe(const QString& plik, const QStringList& linie) {
  ASSERT_TRUE(Win1250::zapiszLinie(plik, linie));
  QFile f(plik);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  ASSERT_TRUE(f.setFileTime(kDawno, QFileDevice::FileModificationTime));
}

bool Zapisany(const QString& plik) { return QFileInfo(plik).lastModified() != kDawno; }

QByteArray Bajty(const QString& plik) {
  QFile f(plik);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(UporzadkujListe, UpperCaseTrimmedInPolishOrderWithEmptyLinesFirstAndDuplicatesKept) {
  struct Przypadek {
    const char* tekst;
    const char* wynik;
  } przypadki[] = {
      {"  wola \n\nbrzeg", "\nBRZEG\nWOLA\n"},
      {"żary\nzgierz\nźródła\nłódź\nlublin\nmadryt", "LUBLIN\nŁÓDŹ\nMADRYT\nZGIERZ\nŹRÓDŁA\nŻARY\n"},
      {"ćmielów\ncedynia\nczersk", "CEDYNIA\nCZERSK\nĆMIELÓW\n"},
      {"ozorków\nośno\nopole\nsopot\nśrem", "OPOLE\nOŚNO\nOZORKÓW\nSOPOT\nŚREM\n"},
      {"ąb\naz\nęł\nez\nńa\nnz", "AZ\nĄB\nEZ\nĘŁ\nNZ\nŃA\n"},
      {"kolo\nKoło\nkolo", "KOLO\nKOLO\nKOŁO\n"},
      {"b\r\na\r\n", "A\nB\n"},  // the final line break adds no line
      {"x\n \n", "\nX\n"},
      {"\n \n", "\n\n"},  // empty lines keep their count
      {"", ""},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.tekst);
    const QString wynik = OpcjeReguly::UporzadkujListe(QString::fromUtf8(p.tekst));
    EXPECT_EQ(wynik, QString::fromUtf8(p.wynik));
    EXPECT_EQ(OpcjeReguly::UporzadkujListe(wynik), wynik);  // a normalised list stays as it is
  }
}

TEST(UporzadkujListe, PolishOrderIgnoresLetterCase) {
  using OpcjeReguly::PrzedWgPolskiego;
  EXPECT_TRUE(PrzedWgPolskiego("lz", "Ła"));
  EXPECT_TRUE(PrzedWgPolskiego("Lz", "ła"));
  EXPECT_TRUE(PrzedWgPolskiego("zz", "Źa"));
  EXPECT_TRUE(PrzedWgPolskiego("źz", "Ża"));
  EXPECT_FALSE(PrzedWgPolskiego("ża", "Z"));
  EXPECT_FALSE(PrzedWgPolskiego("a", "A"));
  EXPECT_FALSE(PrzedWgPolskiego("A", "a"));
}

class OpcjeTest : public ::testing::Test {
 protected:
  explicit OpcjeTest(
      const std::function<void(BazaTestowa&)>& przygotuj = [](BazaTestowa&) {}, bool start = true)
      : o([przygotuj](BazaTestowa& b) {
          ZapiszListe(b.katalog() + kListy[0], {"BRZEG", "WOLA"});
          ZapiszListe(b.katalog() + kListy[1], {"KOLSKI"});
          ZapiszListe(b.katalog() + kListy[2], {"ŁÓDZKIE", "ŚLĄSKIE"});
          OknoGlowneTestowe::JedenLekarz(b);
          przygotuj(b);
        }, start) {}

  TForm1& okno() { return o.okno(); }
  QString plik(const char* nazwa) { return o.baza.katalog() + QString::fromLatin1(nazwa); }
  void PostarzListy() {
    for (const char* l : kListy) {
      QFile f(plik(l));
      ASSERT_TRUE(f.open(QIODevice::ReadWrite));
      ASSERT_TRUE(f.setFileTime(kDawno, QFileDevice::FileModificationTime));
    }
  }
  // Opens the window from the main window's command and lets `co` drive it;
  // `co` must close it.
  void Opcje(std::function<void()> co) {
    GdyOpcje(std::move(co));
    ASSERT_TRUE(okno().aOpcje->isEnabled());
    okno().aOpcje->trigger();
    ASSERT_FALSE(Form_Opcje->isVisible());
  }

  OknoGlowneTestowe o;
};

TEST_F(OpcjeTest, AnEditedListIsSavedNormalisedAndOnlyItsOwnFileIsWritten) {
  struct Przypadek {
    int zakladka;
    bool odNowa;        // the box cleared before typing
    const char* wpisz;  // typed at the end of the box
    int plik;
    QStringList linie;
  } przypadki[] = {
      {0, true, "wola\n  łask \n\nżary\nlipno", 0, {"", "LIPNO", "ŁASK", "WOLA", "ŻARY"}},
      {1, false, "bielski ", 1, {"BIELSKI", "KOLSKI"}},  // the cursor ends on the line after the last name
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.wpisz);
    PostarzListy();
    QList<QByteArray> przed;
    for (const char* l : kListy) przed << Bajty(plik(l));
    Opcje([&] {
      Strona(1);
      Form_Opcje->PageControl2->setCurrentIndex(p.zakladka);
      auto* pole = static_cast<QPlainTextEdit*>(Form_Opcje->PageControl2->currentWidget());
      if (p.odNowa) pole->selectAll();
      else pole->moveCursor(QTextCursor::End);
      Wpisz(pole, QString::fromUtf8(p.wpisz));
      Kliknij(Form_Opcje->btnOK);
    });
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(kListy[i]);
      if (i == p.plik) {
        EXPECT_TRUE(Zapisany(plik(kListy[i])));
        QByteArray oczekiwane;
        for (const QString& l : p.linie) oczekiwane += Win1250::zakoduj(l) + "\r\n";
        EXPECT_EQ(Bajty(plik(kListy[i])), oczekiwane);
      } else {
        EXPECT_FALSE(Zapisany(plik(kListy[i])));
        EXPECT_EQ(Bajty(plik(kListy[i])), przed[i]);
      }
    }
  }
  EXPECT_TRUE(o.komunikaty->teksty().isEmpty());
}

TEST_F(OpcjeTest, OkWithoutChangesWritesNoListButTheSettings) {
  PostarzListy();
  QFile::remove(plik("orbe.ini"));
  Opcje([] {
    for (int i = 0; i < 5; ++i) Strona(i);
    EXPECT_EQ(Form_Opcje->MemoWojewodztwa->toPlainText(), QString("ŁÓDZKIE\nŚLĄSKIE\n"));
    Kliknij(Form_Opcje->btnOK);
  });
  for (const char* l : kListy) EXPECT_FALSE(Zapisany(plik(l))) << l;
  EXPECT_TRUE(QFile::exists(plik("orbe.ini")));
  EXPECT_TRUE(o.komunikaty->teksty().isEmpty());
}

TEST_F(OpcjeTest, AListFileNotYetNormalisedIsShownNormalisedAndWrittenOnOk) {
  ZapiszListe(plik(kListy[2]), {"śląskie", " łódzkie"});
  Opcje([] {
    EXPECT_EQ(Form_Opcje->MemoWojewodztwa->toPlainText(), QString("ŁÓDZKIE\nŚLĄSKIE\n"));
    EXPECT_FALSE(Form_Opcje->ZmianyOpcji);
    Kliknij(Form_Opcje->btnOK);
  });
  EXPECT_TRUE(Zapisany(plik(kListy[2])));
  EXPECT_EQ(Win1250::czytajLinie(plik(kListy[2])), QStringList({"ŁÓDZKIE", "ŚLĄSKIE"}));
  EXPECT_FALSE(Zapisany(plik(kListy[0])));
}

class OpcjeDrukarkiTest : public OpcjeTest {
 protected:
  OpcjeDrukarkiTest()
      : OpcjeTest([](BazaTestowa& b) {
          PlikIni ini(b.katalog() + "orbe.ini");
          ini.zapiszTekst("Drukowanie", "drukarka_biletow", "Stara drukarka");
          ini.zapiszTekst("Drukowanie", "drukarka_kart", "Zebra P330i");
          ASSERT_TRUE(ini.zapisz());
        }) {}
};

TEST_F(OpcjeDrukarkiTest, AStoredPrinterNoLongerInstalledShowsEmptyAndOkStoresEmpty) {
  Form_Opcje->ZrodloDrukarek = [] { return QStringList{"HP LaserJet", "Zebra P330i"}; };
  Opcje([] {
    Strona(3);
    const QStringList oczekiwane{"---", "HP LaserJet", "Zebra P330i"};
    for (QComboBox* box : {Form_Opcje->ComboBox2, Form_Opcje->ComboBox3}) {
      QStringList pozycje;
      for (int i = 0; i < box->count(); ++i) pozycje << box->itemText(i);
      EXPECT_EQ(pozycje, oczekiwane);
      EXPECT_FALSE(box->isEditable());
    }
    EXPECT_EQ(Form_Opcje->ComboBox2->currentIndex(), -1);
    EXPECT_EQ(Form_Opcje->ComboBox2->currentText(), QString());
    EXPECT_EQ(Form_Opcje->ComboBox3->currentText(), QString("Zebra P330i"));
    Kliknij(Form_Opcje->btnOK);
  });
  EXPECT_EQ(okno().Stan.drukarka_biletow, QString());
  EXPECT_EQ(okno().Stan.drukarka_kart, QString("Zebra P330i"));
  const PlikIni ini(plik("orbe.ini"));
  EXPECT_EQ(ini.czytajTekst("Drukowanie", "drukarka_biletow", "---"), QString());
  EXPECT_EQ(ini.czytajTekst("Drukowanie", "drukarka_kart", "---"), QString("Zebra P330i"));
  EXPECT_TRUE(o.komunikaty->teksty().isEmpty());
}

TEST_F(OpcjeTest, AChangeClosedOtherwiseThanByOkAsksWhetherToSave) {
  struct Przypadek {
    const char* opis;
    std::function<void()> zamknij;
    bool tak;
    int grafik_co;
  } przypadki[] = {
      {"Anuluj, Tak", [] { Kliknij(Form_Opcje->btnAnuluj); }, true, 11},
      {"Esc, Nie", [] { QTest::keyClick(Form_Opcje->ListBox1, Qt::Key_Escape); }, false, 11},
      {"zamknięcie okna, Tak", [] { Form_Opcje->close(); }, true, 12},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.opis);
    o.komunikaty->wyczysc();
    o.komunikaty->odpowiedzi = {p.tak};
    Opcje([&] {
      QTest::keyClick(Form_Opcje->UpDown1, Qt::Key_Up);
      p.zamknij();
    });
    ASSERT_EQ(o.komunikaty->wpisy.size(), 1);
    EXPECT_EQ(o.komunikaty->wpisy[0].rodzaj, Wpis::Pytanie);
    EXPECT_EQ(o.komunikaty->wpisy[0].tytul, QString("Opcje"));
    EXPECT_EQ(o.komunikaty->wpisy[0].tekst, QString("Zapisać zmiany"));
    EXPECT_EQ(okno().Stan.grafik_co, p.grafik_co);
    EXPECT_EQ(PlikIni(plik("orbe.ini")).czytajLiczbe("Wizyty", "grafik_co", 0), p.grafik_co);
  }
}

TEST_F(OpcjeTest, TheMinuteBoxesKeepToTheirRangesAndTheIntervalTakesNoTyping) {
  struct Przypadek {
    QSpinBox* TForm_Opcje::*pole;
    int start;
    Qt::Key klawisz;
    int wynik;
  } przypadki[] = {
      {&TForm_Opcje::UpDown1, 60, Qt::Key_Up, 60},
      {&TForm_Opcje::UpDown1, 1, Qt::Key_Down, 1},
      {&TForm_Opcje::UpDown1, 2, Qt::Key_Down, 1},
      {&TForm_Opcje::UpDown2, 30, Qt::Key_Up, 30},
      {&TForm_Opcje::UpDown2, 0, Qt::Key_Down, 0},
      {&TForm_Opcje::UpDown2, 0, Qt::Key_Up, 1},
  };
  Opcje([&] {
    for (const auto& p : przypadki) {
      QSpinBox* pole = Form_Opcje->*p.pole;
      pole->setValue(p.start);
      QTest::keyClick(pole, p.klawisz);
      EXPECT_EQ(pole->value(), p.wynik) << pole->objectName().toStdString() << " " << p.start;
    }
    Form_Opcje->UpDown1->setValue(10);
    QTest::keyClicks(Form_Opcje->UpDown1, "5");
    EXPECT_EQ(Form_Opcje->UpDown1->value(), 10);
    Kliknij(Form_Opcje->btnOK);
  });
}

class OpcjeLogowanieTest : public OpcjeTest {
 protected:
  OpcjeLogowanieTest()
      : OpcjeTest([](BazaTestowa& b) { ASSERT_TRUE(ZapiszPlikLogowania(b.katalog() + "logow.db", "admin", "tajne")); },
                  false) {}
  void SetUp() override {
    GdyLogowanie([] {
      Wpisz(Form_Logowanie->Edit1, "admin\n");
      Wpisz(Form_Logowanie->Edit2, "tajne\n");
    });
    o.uruchomStart();
    ASSERT_TRUE(okno().Stan.Zalogowany);
  }
};

TEST_F(OpcjeLogowanieTest, OnlyTheLogoutMinutesChangedAndAnulujKeepsTheOldValueYetTheLoginIsAskedAgain) {
  bool zapytano = false;
  GdyLogowanie([&] {
    zapytano = true;
    Form_Logowanie->reject();
  });
  Opcje([] {
    Strona(4);
    QTest::keyClick(Form_Opcje->UpDown2, Qt::Key_Up);
    EXPECT_EQ(Form_Opcje->UpDown2->value(), 11);
    EXPECT_TRUE(Form_Opcje->ZmianaLogowania);
    EXPECT_FALSE(Form_Opcje->ZmianyOpcji);
    Kliknij(Form_Opcje->btnAnuluj);
  });
  EXPECT_TRUE(o.komunikaty->teksty().isEmpty());
  EXPECT_EQ(okno().Stan.logow_timeout, 10);
  EXPECT_EQ(PlikIni(plik("orbe.ini")).czytajLiczbe("Logowanie", "logow_timeout", 0), 10);
  EXPECT_TRUE(zapytano);
  EXPECT_FALSE(okno().Stan.Zalogowany);
  EXPECT_EQ(okno().TekstPanelu(2), QString("Nie zalogowany"));
  EXPECT_TRUE(okno().panelSiatki->NapisWidoczny());
  EXPECT_TRUE(okno().aZaloguj->isEnabled());
}

TEST_F(OpcjeTest, OnlyTheLogoutMinutesChangedWithoutLoginShowsBezLogowania) {
  okno().UstawPanel(2, "?");
  Opcje([] {
    QTest::keyClick(Form_Opcje->UpDown2, Qt::Key_Down);
    Kliknij(Form_Opcje->btnAnuluj);
  });
  EXPECT_TRUE(o.komunikaty->teksty().isEmpty());
  EXPECT_EQ(okno().Stan.logow_timeout, 10);
  EXPECT_EQ(okno().TekstPanelu(2), QString("Bez logowania"));
}

TEST_F(OpcjeTest, ZapiszNeedsBothBoxesAndSwitchesTheLoginOnAtOnceAndWylaczOffAgain) {
  QString napisPrzedZapisem;
  bool wylaczPrzedZapisem = true;
  bool zapytano = false;
  GdyLogowanie([&] {
    zapytano = true;
    Form_Logowanie->reject();
  });
  Opcje([&] {
    Strona(4);
    napisPrzedZapisem = Form_Opcje->lblStanLogowania->text();
    wylaczPrzedZapisem = Form_Opcje->btnWylaczLogowanie->isEnabled();
    struct Przypadek {
      const char* uzytkownik;
      const char* haslo;
      bool wlaczony;
    } przypadki[] = {{"", "", false}, {"jan", "", false}, {"", "x", false}, {"jan", "x", true}};
    for (const auto& p : przypadki) {
      Form_Opcje->Edit3->clear();
      Form_Opcje->Edit4->clear();
      Wpisz(Form_Opcje->Edit3, p.uzytkownik);
      Wpisz(Form_Opcje->Edit4, p.haslo);
      EXPECT_EQ(Form_Opcje->btnZapiszParametryLogowania->isEnabled(), p.wlaczony) << p.uzytkownik << "/" << p.haslo;
    }
    Form_Opcje->Edit4->clear();
    Wpisz(Form_Opcje->Edit4, "Hasło");
    Kliknij(Form_Opcje->btnZapiszParametryLogowania);
    EXPECT_EQ(Form_Opcje->lblStanLogowania->text(), QString("WŁĄCZONE"));
    EXPECT_TRUE(Form_Opcje->btnWylaczLogowanie->isEnabled());
    EXPECT_TRUE(Form_Opcje->Edit3->text().isEmpty());
    EXPECT_TRUE(Form_Opcje->Edit4->text().isEmpty());
    EXPECT_FALSE(Form_Opcje->btnZapiszParametryLogowania->isEnabled());
    EXPECT_TRUE(Form_Opcje->ZmianaLogowania);
    EXPECT_FALSE(Form_Opcje->ZmianyOpcji);
    Kliknij(Form_Opcje->btnAnuluj);
  });
  EXPECT_EQ(napisPrzedZapisem, QString("WYŁĄCZONE"));
  EXPECT_FALSE(wylaczPrzedZapisem);
  // Written at once, whatever closed the window, and asked for at once.
  const DaneLogowania d = CzytajPlikLogowania(plik("logow.db"));
  EXPECT_EQ(d.uzytkownik, QString("jan"));
  EXPECT_EQ(d.haslo, QString("Hasło"));
  EXPECT_TRUE(okno().Stan.LogowanieWlaczone);
  // The new login counts as nobody logged in until the prompt is answered.
  EXPECT_TRUE(zapytano);
  EXPECT_FALSE(okno().Stan.Zalogowany);
  EXPECT_TRUE(okno().panelSiatki->NapisWidoczny());
  EXPECT_FALSE(okno().aOpcje->isEnabled());

  GdyLogowanie([] {
    Wpisz(Form_Logowanie->Edit1, "jan\n");
    Wpisz(Form_Logowanie->Edit2, "Hasło\n");
  });
  okno().aZaloguj->trigger();
  ASSERT_TRUE(okno().Stan.Zalogowany);

  Opcje([] {
    Strona(4);
    EXPECT_EQ(Form_Opcje->lblStanLogowania->text(), QString("WŁĄCZONE"));
    Kliknij(Form_Opcje->btnWylaczLogowanie);
    EXPECT_EQ(Form_Opcje->lblStanLogowania->text(), QString("WYŁĄCZONE"));
    EXPECT_FALSE(Form_Opcje->btnWylaczLogowanie->isEnabled());
    Kliknij(Form_Opcje->btnOK);
  });
  EXPECT_FALSE(QFile::exists(plik("logow.db")));
  EXPECT_FALSE(okno().Stan.LogowanieWlaczone);
  EXPECT_EQ(okno().TekstPanelu(2), QString("Bez logowania"));
  EXPECT_FALSE(okno().panelSiatki->NapisWidoczny());
  EXPECT_FALSE(okno().aWyloguj->isEnabled());
}

TEST_F(OpcjeTest, EveryPageStartsWithAMaroonBandUnderItsName) {
  Form_Opcje->ZrodloDrukarek = [] { return QStringList{"HP LaserJet"}; };
  const QString zrzuty = qEnvironmentVariable("ORBE_ZRZUTY");
  Opcje([&] {
    for (int i = 0; i < 5; ++i) {
      Strona(i);
      EXPECT_EQ(Form_Opcje->PageControl1->currentIndex(), i);
      QWidget* strona = Form_Opcje->PageControl1->currentWidget();
      auto* pasek = strona->findChild<QLabel*>();
      ASSERT_NE(pasek, nullptr);
      EXPECT_EQ(pasek->text().trimmed(), Form_Opcje->ListBox1->item(i)->text());
      const QImage obraz = strona->grab().toImage();
      EXPECT_EQ(obraz.pixelColor(2, 2), QColor(0x80, 0x00, 0x00));
      if (i == 0) EXPECT_EQ(Form_Opcje->UpDown1->grab().toImage().pixelColor(4, 4), QColor(0xEE, 0xEE, 0xEE));
      if (!zrzuty.isEmpty()) Form_Opcje->grab().save(QDir(zrzuty).filePath(QString("opcje_%1.png").arg(i)));
    }
    Kliknij(Form_Opcje->btnOK);
  });
}

TEST_F(OpcjeTest, AFileThatCannotBeWrittenIsReportedAndNothingTypedIsLost) {
  // A folder in the file's place: neither the list nor the login file can be replaced.
  ASSERT_TRUE(QFile::remove(plik(kListy[0])));
  ASSERT_TRUE(QDir(o.baza.katalog()).mkdir(kListy[0]));
  ASSERT_TRUE(QDir(o.baza.katalog()).mkdir("logow.db"));
  o.komunikaty->odpowiedzi = {false};
  Opcje([] {
    Strona(1);
    Wpisz(Form_Opcje->MemoGminy, "koło");
    Kliknij(Form_Opcje->btnOK);
    EXPECT_TRUE(Form_Opcje->isVisible());
    EXPECT_EQ(Form_Opcje->MemoGminy->toPlainText(), QString("KOŁO\n"));
    EXPECT_TRUE(Form_Opcje->ZmianyOpcji);

    Strona(4);
    Wpisz(Form_Opcje->Edit3, "jan");
    Wpisz(Form_Opcje->Edit4, "x");
    Kliknij(Form_Opcje->btnZapiszParametryLogowania);
    EXPECT_EQ(Form_Opcje->lblStanLogowania->text(), QString("WYŁĄCZONE"));
    EXPECT_EQ(Form_Opcje->Edit3->text(), QString("jan"));
    EXPECT_FALSE(Form_Opcje->ZmianaLogowania);
    Kliknij(Form_Opcje->btnAnuluj);
  });
  ASSERT_EQ(o.komunikaty->wpisy.size(), 3);
  EXPECT_EQ(o.komunikaty->wpisy[0].rodzaj, Wpis::Blad);
  EXPECT_TRUE(o.komunikaty->wpisy[0].tekst.contains(kListy[0]));
  EXPECT_EQ(o.komunikaty->wpisy[1].rodzaj, Wpis::Blad);
  EXPECT_TRUE(o.komunikaty->wpisy[1].tekst.contains("logow.db"));
  EXPECT_EQ(o.komunikaty->wpisy[2].tekst, QString("Zapisać zmiany"));
  EXPECT_FALSE(okno().Stan.LogowanieWlaczone);
}
