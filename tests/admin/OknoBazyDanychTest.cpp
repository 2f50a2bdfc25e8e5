// The database window through the real main window: aBazaDanych and the
// start-up connection show it, a script plays the user.
#include "PorownanieBaz.h"
#include "admin/TForm_BazaDanych.h"
#include "app/Okna.h"
#include "app/PanelSiatki.h"
#include "db/ParametryPolaczenia.h"
#include "db/PlikMaskowany.h"
#include "db/Services.h"
#include "common/Win1250.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Krok = std::function<void(TForm_BazaDanych&)>;

// One script step per showing of the window; showings beyond the steps untick
// the box so that no test can loop.
struct Scenariusz {
  std::vector<Krok> kroki;
  int pokazan = 0;
  TForm_BazaDanych::ZeSkryptem skrypt{[this](TForm_BazaDanych& o) {
    const int i = pokazan++;
    if (i < static_cast<int>(kroki.size())) kroki[i](o);
    else o.cbxPokazPonownieOkno->setChecked(false);
  }};
};

QStringList informacje(KomunikatySkryptowe& k) {
  QStringList t;
  for (const Wpis& w : k.wpisy)
    if (w.rodzaj == Wpis::Informacja) t << w.tekst;
  return t;
}

}  // namespace

TEST(OknoBazyDanych, EachShowingStartsFromTheState) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  t.okno().Stan.RemoteBackupDir = "E:\\Kopie\\";
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_EQ(o.windowTitle(), "Baza danych");
    EXPECT_EQ(o.ListaStron->count(), 3);
    EXPECT_EQ(o.ListaStron->item(2)->text(), "Kopia bazy danych");
    EXPECT_EQ(o.Strony->currentIndex(), 0);
    EXPECT_TRUE(o.rbBazaLokalna->isChecked());
    EXPECT_FALSE(o.Edit1->isEnabled());
    EXPECT_FALSE(o.btnZapiszWyborDB->isEnabled());
    EXPECT_FALSE(o.NiezapisanaLokalizacja || o.ZmianaLokalizacji);
    EXPECT_EQ(o.Edit5->text(), "E:\\Kopie\\");
    EXPECT_EQ(o.Edit6->text(), "ORBE_" + QDate::currentDate().toString("yyyy-MM-dd") + ".FBK");
    EXPECT_TRUE(o.panelKopiiZdalnej->isHidden());
    EXPECT_TRUE(o.btnBackup->isEnabled());
    EXPECT_TRUE(o.lblOstrzezenie->isHidden());
    EXPECT_TRUE(o.cbxPokazPonownieOkno->isChecked());
    EXPECT_FALSE(o.btnPomoc->isEnabled());
    // The second page's "Zapisz" needs both the user name and the password.
    o.ListaStron->setCurrentRow(1);
    EXPECT_EQ(o.Strony->currentIndex(), 1);
    QTest::keyClicks(o.Edit3, "SYSDBA");
    EXPECT_FALSE(o.btnZapiszNoweParametry->isEnabled());
    QTest::keyClicks(o.Edit4, "x");
    EXPECT_TRUE(o.btnZapiszNoweParametry->isEnabled());
    EXPECT_FALSE(o.ZmianaLokalizacji);
    // Values typed and left unsaved do not outlive the showing; the box does.
    o.cbxPokazPonownieOkno->setChecked(false);
  });
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_TRUE(o.Edit3->text().isEmpty());
    EXPECT_TRUE(o.Edit4->text().isEmpty());
    EXPECT_EQ(o.Strony->currentIndex(), 0);
    EXPECT_FALSE(o.cbxPokazPonownieOkno->isChecked());
  });
  t.okno().aBazaDanych->trigger();
  t.okno().aBazaDanych->trigger();
  EXPECT_EQ(s.pokazan, 2);
  EXPECT_TRUE(t.okno().Polaczony());
  EXPECT_TRUE(t.okno().aBazaDanych->isEnabled());
}

TEST(OknoBazyDanych, NewCredentialsAreScrambledAndTheDefaultsComeBack) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  const QString plik = t.baza.katalog() + "params.db";
  const QString jawne = "user_name=SYSDBA\r\npassword=Tajne1ąść\r\nlc_ctype=WIN1250\r\n";
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_FALSE(o.btnPrzywrocParametryDomyslne->isEnabled());
    QTest::keyClicks(o.Edit3, "SYSDBA");
    o.Edit4->setText("Tajne1ąść");  // typing Polish letters is not simulated
    o.btnZapiszNoweParametry->click();  // answered No
    EXPECT_FALSE(QFile::exists(plik));
    EXPECT_EQ(o.Edit3->text(), "SYSDBA");
    t.komunikaty->odpowiedzi = {true};
    o.btnZapiszNoweParametry->click();
    EXPECT_EQ(t.komunikaty->wpisy.last().tytul, "Zmiana parametrów połączenia");
    EXPECT_EQ(t.komunikaty->wpisy.last().tekst, "Na pewno zmienić parametry połączenia? \n\n");
    EXPECT_TRUE(o.Edit3->text().isEmpty() && o.Edit4->text().isEmpty());
    EXPECT_TRUE(o.btnPrzywrocParametryDomyslne->isEnabled());
  });
  t.okno().aBazaDanych->trigger();
  ASSERT_TRUE(QFile::exists(plik));
  EXPECT_EQ(QFile(plik).size(), 3 * Win1250::zakoduj(jawne).size());
  EXPECT_EQ(OdczytajPlikMaskowany(plik), jawne);
  EXPECT_EQ(ParametryPolaczenia(t.baza.katalog()),
            QStringList({"user_name=SYSDBA", "password=Tajne1ąść", "lc_ctype=WIN1250"}));

  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_TRUE(o.btnPrzywrocParametryDomyslne->isEnabled());
    o.btnPrzywrocParametryDomyslne->click();
    EXPECT_FALSE(QFile::exists(plik));
    EXPECT_FALSE(o.btnPrzywrocParametryDomyslne->isEnabled());
  });
  t.okno().aBazaDanych->trigger();
  EXPECT_EQ(ParametryPolaczenia(t.baza.katalog()), DomyslneParametryPolaczenia());
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 0);
}

TEST(OknoBazyDanych, ALocationChangeDisablesBackupAndRestoreUntilReopened) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    o.rbBazaZdalna->click();
    EXPECT_TRUE(o.Edit1->isEnabled());
    EXPECT_TRUE(o.btnZapiszWyborDB->isEnabled());
    // Nothing is refused: the next connection shows whether the host answers.
    QTest::keyClicks(o.Edit1, "127.0.0.1/1");
    QTest::keyClicks(o.Edit2, "D:\\Dane");
    o.btnZapiszWyborDB->click();
    EXPECT_EQ(t.okno().Stan.Host, "127.0.0.1/1");
    EXPECT_EQ(t.okno().Stan.Dir, "D:\\Dane");
    EXPECT_FALSE(o.btnZapiszWyborDB->isEnabled());
    o.ListaStron->setCurrentRow(2);
    EXPECT_FALSE(o.panelKopiiZdalnej->isHidden());
    EXPECT_FALSE(o.btnBackup->isEnabled());
    EXPECT_FALSE(o.btnRestore->isEnabled());
    EXPECT_FALSE(o.lblOstrzezenie->isHidden());
    EXPECT_EQ(o.lblOstrzezenie->text(), "Przed wykonaniem operacji zamknij i ponownie otworz to okno.");
  });
  // The unreachable host fails and the window comes back, whole again.
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_TRUE(o.rbBazaZdalna->isChecked());
    EXPECT_EQ(o.Edit2->text(), "D:\\Dane");
    EXPECT_TRUE(o.btnBackup->isEnabled());
    EXPECT_TRUE(o.btnRestore->isEnabled());
    EXPECT_TRUE(o.lblOstrzezenie->isHidden());
    o.rbBazaLokalna->click();
    o.btnZapiszWyborDB->click();
  });
  t.okno().aBazaDanych->trigger();
  EXPECT_EQ(s.pokazan, 2);
  ASSERT_EQ(t.komunikaty->teksty().size(), 1);
  EXPECT_TRUE(t.komunikaty->ostatni().startsWith("Błąd otwarcia:\n"));
  EXPECT_TRUE(t.okno().Stan.Host.isEmpty() && t.okno().Stan.Dir.isEmpty());
  EXPECT_TRUE(t.okno().Polaczony());
  EXPECT_EQ(t.okno().TekstPanelu(1), "lokalna");
  EXPECT_TRUE(t.okno().panelSiatki->isVisible());
}

TEST(OknoBazyDanych, ARemoteBackupGoesToTheFolderOnTheHost) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  t.okno().Stan.Host = "127.0.0.1/1";  // refused at once
  t.okno().Stan.Dir = "D:\\Dane";
  t.okno().Stan.LastBackupDir = "/home/x";
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    EXPECT_TRUE(o.rbBazaZdalna->isChecked());
    o.Edit5->setText("E:\\Kopie");
    o.btnBackup->click();
  });
  t.okno().aBazaDanych->trigger();
  const StanProgramu& st = t.okno().Stan;
  EXPECT_EQ(st.RemoteBackupDir, "E:\\Kopie\\");
  EXPECT_EQ(st.LastBackupDir, "E:\\Kopie\\");
  const QStringList info = informacje(*t.komunikaty);
  ASSERT_EQ(info.size(), 1);
  EXPECT_TRUE(info[0].startsWith("Błąd w trakcie wykonywania kopii bazy danych:\n")) << info[0].toStdString();
  EXPECT_GT(info[0].size(), QString("Błąd w trakcie wykonywania kopii bazy danych:\n").size());
  // The beep of the backup, then the one of the reconnection.
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 2);
  EXPECT_FALSE(t.okno().Polaczony());
  EXPECT_EQ(t.okno().TekstPanelu(1), "Niepodłączony");
}

TEST(OknoBazyDanych, LocalBackupAndRestoreWithTheProgressLines) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  t.baza.wykonaj(DaneWszystkichTabel());
  QTemporaryDir kopie;
  const QString plik = kopie.filePath("ORBE_kopia.FBK");
  const QString start = t.okno().Stan.LastBackupDir;
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    QString katalogDialogu, nazwaDialogu;
    o.DialogZapisu = [&](const QString& k, const QString& n) {
      katalogDialogu = k;
      nazwaDialogu = n;
      return plik;
    };
    o.DialogOtwarcia = [&](const QString& k) {
      katalogDialogu = k;
      return plik;
    };
    o.ListaStron->setCurrentRow(2);
    o.btnBackup->click();
    EXPECT_EQ(katalogDialogu, start);
    EXPECT_EQ(nazwaDialogu, o.Edit6->text());
    EXPECT_TRUE(QFile::exists(plik));
    EXPECT_GT(o.memoPostep->blockCount(), 10);
    EXPECT_TRUE(o.memoPostep->toPlainText().contains("gbak:"));
    EXPECT_EQ(informacje(*t.komunikaty).value(0), "Poprawnie wykonano kopię bazy danych.");
    EXPECT_EQ(t.okno().Stan.LastBackupDir, kopie.path() + "/");

    // The test's own connection still holds the database open.
    t.komunikaty->odpowiedzi = {true};
    o.btnRestore->click();
    EXPECT_EQ(katalogDialogu, kopie.path() + "/");
    EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
    EXPECT_TRUE(informacje(*t.komunikaty)
                    .value(1)
                    .startsWith("Błąd w trakcie odtwarzania bazy danych z kopii\n"
                                "Prawdopodobnie inny użytkownik jest podłączony do bazy danych:\n"))
        << informacje(*t.komunikaty).value(1).toStdString();
    EXPECT_TRUE(o.btnRestore->isEnabled());
    EXPECT_TRUE(o.btnZamknij->isEnabled());

    // Once everyone is gone the restore brings the deleted rows back.
    t.baza.wykonaj({"delete from BADANIASPLOT", "delete from WIZYTY"});
    t.baza.polaczenie().close();
    t.komunikaty->odpowiedzi = {true};
    o.btnRestore->click();
    EXPECT_EQ(informacje(*t.komunikaty).value(2), "Poprawnie odtworzono bazę danych z kopii");
    EXPECT_GT(o.memoPostep->blockCount(), 10);
  });
  t.okno().aBazaDanych->trigger();
  ASSERT_TRUE(t.okno().Polaczony());
  EXPECT_EQ(WierszeZapytania(t.okno().Polaczenie(), "select count(*) from WIZYTY").value(0).value(0).toInt(), 2);
  Connection kopia;
  const QString odtworzona = kopie.filePath("SPRAWDZ.FDB");
  Services(QString(), DomyslneParametryPolaczenia()).restore(plik, odtworzona, {});
  kopia.open(odtworzona, DomyslneParametryPolaczenia(), Connection::Access::Embedded);
  ExpectTeSameDane(t.okno().Polaczenie(), kopia);
}

TEST(OknoBazyDanych, CancellingTheRestoreChangesNothing) {
  Scenariusz s;
  OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, true);
  const QString start = t.okno().Stan.LastBackupDir;
  s.kroki.push_back([&](TForm_BazaDanych& o) {
    int dialogow = 0;
    o.DialogOtwarcia = [&](const QString&) {
      ++dialogow;
      return QString();
    };
    o.memoPostep->setPlainText("poprzednie");
    o.btnRestore->click();  // the question answered No
    EXPECT_EQ(dialogow, 0);
    EXPECT_EQ(o.memoPostep->toPlainText(), "poprzednie");
    t.komunikaty->odpowiedzi = {true};
    o.btnRestore->click();  // the dialog cancelled
    EXPECT_EQ(dialogow, 1);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    o.DialogZapisu = [](const QString&, const QString&) { return QString(); };
    o.btnBackup->click();
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
  });
  t.okno().aBazaDanych->trigger();
  EXPECT_EQ(t.okno().Stan.LastBackupDir, start);
  ASSERT_EQ(t.komunikaty->wpisy.size(), 2);
  EXPECT_EQ(t.komunikaty->wpisy[0].tytul, "Potwierdzenie");
  EXPECT_EQ(t.komunikaty->wpisy[0].tekst, "Na pewno nadpisać aktualną bazę danych?");
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// A failed start-up connection shows the error and the window again while
// the box stays ticked.
TEST(OknoBazyDanych, AFailingStartOffersTheWindowUntilTheBoxIsUnticked) {
  struct Case {
    const char* nazwa;
    bool naprawia;  // the second showing corrects the location instead of unticking
    int pokazan, bledow;
    const char* panel;
  };
  const Case cases[] = {
      {"unticked", false, 2, 2, "Niepodłączony"},
      {"corrected", true, 2, 2, "lokalna"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nazwa);
    Scenariusz s;
    s.kroki.push_back([](TForm_BazaDanych& o) { EXPECT_TRUE(o.cbxPokazPonownieOkno->isChecked()); });
    s.kroki.push_back([&](TForm_BazaDanych& o) {
      if (c.naprawia) {
        o.rbBazaLokalna->click();
        o.btnZapiszWyborDB->click();
      } else {
        o.cbxPokazPonownieOkno->setChecked(false);
      }
    });
    OknoGlowneTestowe t(OknoGlowneTestowe::JedenLekarz, false);
    t.okno().Stan.Dir = "brak";  // no database in that folder
    t.uruchomStart();
    EXPECT_EQ(s.pokazan, c.pokazan);
    const QStringList teksty = t.komunikaty->teksty();
    ASSERT_EQ(teksty.size(), c.bledow);
    for (const QString& tekst : teksty) EXPECT_TRUE(tekst.startsWith("Błąd otwarcia:\n"));
    EXPECT_EQ(t.komunikaty->ileSygnalow(), c.bledow);
    EXPECT_EQ(t.okno().TekstPanelu(1), QString::fromUtf8(c.panel));
    EXPECT_EQ(t.okno().panelSiatki->isVisible(), c.naprawia);
    EXPECT_TRUE(t.okno().aBazaDanych->isEnabled());
    // The settings were written after every showing.
    StanProgramu zapisany;
    zapisany.KatalogDanych = t.baza.katalog();
    CzytajUstawienia(zapisany);
    EXPECT_EQ(zapisany.Dir, c.naprawia ? "" : "brak");
  }
}
