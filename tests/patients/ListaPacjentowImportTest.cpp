// The patient list's declarations import and its printouts, from the window:
// the file dialog is the test's, the messages are scripted, the preview is
// saved as PDF and the printers are named ones that write PDF files.
#include "app/TForm_Postep.h"
#include "common/Win1250.h"
#include "db/DbError.h"
#include "db/Statement.h"
#include "patients/ImportDeklaracjiReguly.h"
#include "patients/TForm_Pacjenci.h"
#include "support/DrukarkiTestowe.h"
#include "support/OknoGlowneTestowe.h"
#include "support/PlikPdf.h"
#include "support/PodgladTestowy.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString Szablony = QStringLiteral(ORBE_SOURCE_DIR "/templates/");

const QString Naglowek =
    "PESEL;Nazwisko;Imię;Data urodzenia;Kod pocztowy;Miejscowość;Ulica;Nr domu;Nr lokalu;Gmina;Powiat;"
    "Województwo;Płeć;Typ deklaracji;Data operacji;Nr prawa wyk. zaw. lek.;PESEL lekarza";

QString linia(const QString& pesel, const QString& nazwisko, const QString& pwzl) {
  return QStringList{pesel, nazwisko, "ANNA", "2005-03-21", "00-950", "WARSZAWA", "POLNA", "1", "", "WARSZAWA",
                     "WARSZAWA", "MAZOWIECKIE", "K", "1", "2023-02-01", pwzl, ""}
      .join(';');
}

// 130 patients, two pages; ANNA ABACKA (05232101246) is the first by name.
void przygotuj(BazaTestowa& b) {
  QStringList sql{"insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, KOLOR, USUN) values (7, 'NOWAK', 'JAN', '1234567', 255, 'N')",
                  "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (1, 'ABACKA', 'ANNA', '05232101246', 'N')"};
  for (int i = 2; i <= 130; ++i)
    sql << QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (%1, 'PACJENT%2', 'JAN', '%3', 'T')")
               .arg(i)
               .arg(i, 3, 10, QChar(u'0'))
               .arg(80000000000LL + i);
  sql << "alter sequence GEN_PACJENCI_ID restart with 130";
  b.wykonaj(sql);
}

}  // namespace

class ListaPacjentowImport : public ::testing::Test {
 protected:
  void SetUp() override { t.komunikaty->wyczysc(); }
  void TearDown() override {
    if (okno().isVisible()) okno().reject();
    QApplication::processEvents();
  }
  TForm_Pacjenci& okno() { return *Form_Pacjenci; }
  Dataset& ds() { return okno().sqlPacjenci(); }
  void otworz() {
    okno().Tryb = "EDYCJA";
    okno().open();
    okno().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&okno()));
  }
  // The dialog answers with this path and remembers who asked.
  void wybierz(const QString& sciezka) {
    okno().WybierzPlikImportu = [this, sciezka](QWidget* rodzic) {
      ++pytanODialog;
      rodzicDialogu = rodzic;
      return sciezka;
    };
  }
  QString plik(const QStringList& linie) {
    const QString p = t.baza.katalog() + "deklaracje.csv";
    Win1250::zapiszLinie(p, linie);
    return p;
  }
  QString logi() const { return t.baza.katalog() + "Logi/"; }
  QStringList plikiLogow() const { return QDir(logi()).entryList(QDir::Files, QDir::Name); }
  QVariant zDrugiegoPolaczenia(const QString& sql) {
    auto c = t.baza.drugiePolaczenie();
    Statement st(*c, sql);
    st.execute();
    return st.rows().isEmpty() ? QVariant() : st.rows()[0][0];
  }

  OknoGlowneTestowe t{przygotuj, true};
  int pytanODialog = 0;
  QWidget* rodzicDialogu = nullptr;
};

TEST_F(ListaPacjentowImport, ImportWritesCommitsReportsAndShowsTheListFromItsFirstPage) {
  otworz();
  okno().aNastepna->trigger();
  ASSERT_EQ(okno().Dane().Strona, 1);
  t.komunikaty->wyczysc();
  wybierz(plik({ImportDeklaracji::TytulListy, Naglowek, linia("05232101246", "ABACKA", "1234567"), "",
                linia("", "BEZPESELA", "1234567"), linia("05232101260", "NOWICKA", "9999999")}));
  // Runs at the first repaint the import allows, after its first line.
  bool postepWidoczny = false;
  QString postepTekst;
  QTimer::singleShot(0, [&] {
    postepWidoczny = Form_Postep->isVisible();
    postepTekst = Form_Postep->Label1->text();
    Form_Postep->grab().save(QDir(ORBE_BIN_DIR).filePath("PostepImportu.png"));
  });
  okno().aImportuj->trigger();
  EXPECT_TRUE(postepWidoczny);
  EXPECT_EQ(postepTekst, "1 z 4   [25%]");

  EXPECT_EQ(pytanODialog, 1);
  EXPECT_EQ(rodzicDialogu, &okno());
  // Each attention list, then the log, each after a beep.
  const QStringList teksty = t.komunikaty->teksty();
  ASSERT_EQ(teksty.size(), 3) << teksty.join("\n---\n").toStdString();
  EXPECT_TRUE(teksty[0].startsWith("UWAGA!!!\n\nIlość pacjentów bez nr PESEL: 1 (nie dodano do bazy)"));
  EXPECT_TRUE(teksty[1].startsWith("UWAGA!!!\n\nIlość pacjentów bez przypisanego lekarza: 1"));
  ASSERT_TRUE(teksty[2].startsWith("Szczegóły aktualizacji zapisano w pliku:\n" + logi() + "Aktualizacja_"));
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(t.komunikaty->wpisy[2 * i].rodzaj, Wpis::Sygnal) << i;

  const QString log = teksty[2].section('\n', 1);
  ASSERT_TRUE(QFileInfo::exists(log));
  const QStringList wpisy = Win1250::czytajLinie(log);
  EXPECT_EQ(wpisy.mid(1), QStringList({"Plik źródłowy '" + t.baza.katalog() + "deklaracje.csv'", "",
                                       "ZAKTUALIZOWANO: 1", "05232101246;ABACKA;ANNA", "", "DODANO: 1",
                                       "05232101260;NOWICKA;ANNA", ""}));
  EXPECT_EQ(plikiLogow().size(), 3) << plikiLogow().join(' ').toStdString();

  // Started with the header and the records, one step per record, closed.
  EXPECT_FALSE(Form_Postep->isVisible());
  EXPECT_EQ(Form_Postep->Label1->text(), "3 z 4   [75%]");

  // Committed: another connection sees both, the removed one active again.
  EXPECT_EQ(zDrugiegoPolaczenia("select AKTYW from PACJENCI where PESEL = '05232101246'").toString(), "T");
  EXPECT_EQ(zDrugiegoPolaczenia("select LEKARZ_ID from PACJENCI where PESEL = '05232101246'").toInt(), 7);
  EXPECT_EQ(zDrugiegoPolaczenia("select LEKARZ_ID from PACJENCI where PESEL = '05232101260'").toInt(), 0);

  // The list again from the top of its first page, with the new count.
  EXPECT_EQ(okno().Dane().Strona, 0);
  EXPECT_EQ(okno().Dane().IloscWynikow, 131);
  EXPECT_EQ(ds().recNo(), 0);
  EXPECT_EQ(ds().text("_nazwisko_imie"), "ABACKA ANNA");
  EXPECT_EQ(okno().lblWyniki->text(), "Wyników: 131.  Strona 1/2");
  EXPECT_TRUE(okno().aUsun->isEnabled());
  EXPECT_FALSE(okno().aPoprzednia->isEnabled());
  okno().grab().save(QDir(ORBE_BIN_DIR).filePath("PacjenciPoImporcie.png"));
}

TEST_F(ListaPacjentowImport, CancelledDialogOnlyMakesTheLogFolder) {
  otworz();
  wybierz(QString());
  okno().aImportuj->trigger();
  EXPECT_EQ(pytanODialog, 1);
  EXPECT_TRUE(QFileInfo(logi()).isDir());
  EXPECT_TRUE(plikiLogow().isEmpty());
  EXPECT_TRUE(t.komunikaty->wpisy.isEmpty());
  EXPECT_EQ(okno().Dane().IloscWynikow, 129);
}

TEST_F(ListaPacjentowImport, WrongHeaderIsShownAndLoggedAndNothingIsRead) {
  otworz();
  QString bezPlci = Naglowek;
  bezPlci.replace(";Płeć;", ";Plec;");
  wybierz(plik({bezPlci, linia("05232101260", "NOWICKA", "1234567")}));
  okno().aImportuj->trigger();
  const QStringList teksty = t.komunikaty->teksty();
  ASSERT_EQ(teksty.size(), 2);
  EXPECT_EQ(teksty[0], "Błędny format pliku źródłowego.");
  EXPECT_TRUE(teksty[1].startsWith("Szczegóły aktualizacji zapisano w pliku:\n"));
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);  // before the closing message only
  EXPECT_EQ(Win1250::czytajLinie(teksty[1].section('\n', 1)).value(2), "Błędny format pliku źródłowego.");
  EXPECT_FALSE(Form_Postep->isVisible());
  EXPECT_EQ(zDrugiegoPolaczenia("select count(*) from PACJENCI").toInt(), 130);
}

TEST_F(ListaPacjentowImport, AFatalErrorRollsBackClosesTheProgressAndIsRaised) {
  otworz();
  // The log folder cannot be made: a file stands in its place, so the first
  // attention list cannot be written after every line was.
  QFile zawada(t.baza.katalog() + "Logi");
  ASSERT_TRUE(zawada.open(QIODevice::WriteOnly));
  zawada.close();
  wybierz(plik({Naglowek, linia("05232101260", "NOWICKA", "9999999")}));
  try {
    okno().aImportujExecute();
    FAIL() << "no error";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().startsWith("Import przerwany, żadna zmiana z pliku nie została zapisana:")) << e.message().toStdString();
  }
  EXPECT_FALSE(Form_Postep->isVisible());
  EXPECT_EQ(t.baza.wartosc("select count(*) from PACJENCI where PESEL = '05232101260'").toInt(), 0);
  EXPECT_EQ(okno().Dane().IloscWynikow, 129);
  EXPECT_TRUE(ds().isOpen());
}

TEST_F(ListaPacjentowImport, ListPrintoutShowsThePageOnScreenWithTheFilter) {
  PodgladTestowy podglad;
  t.okno().Stan.KatalogProgramu = Szablony;
  otworz();
  okno().edFiltruj->setFocus();
  okno().edFiltruj->setText("pacjent12");
  QTest::keyClick(okno().edFiltruj, Qt::Key_Return);
  ASSERT_TRUE(okno().FiltrWlaczony);
  ds().moveTo(3);
  okno().aDrukuj->trigger();
  ASSERT_EQ(podglad.wydruki.size(), 1);
  const auto& w = podglad.ostatni();
  EXPECT_EQ(w.tytul, "Pacjenci");
  EXPECT_TRUE(w.tekst.contains("10  (Strona 1/1)")) << w.tekst.toStdString();
  EXPECT_TRUE(w.tekst.contains("pacjent12"));
  EXPECT_TRUE(w.tekst.contains("PACJENT120 JAN"));
  EXPECT_TRUE(w.tekst.contains("PACJENT129 JAN"));
  EXPECT_FALSE(w.tekst.contains("PACJENT119 JAN"));
  EXPECT_EQ(ds().recNo(), 3);  // the list stays where it was

  // Filter off: the box's text is not the report's any more.
  okno().aFiltruj->trigger();
  ASSERT_FALSE(okno().FiltrWlaczony);
  okno().aDrukuj->trigger();
  EXPECT_TRUE(podglad.ostatni().tekst.contains("129  (Strona 1/2)"));
  EXPECT_FALSE(podglad.ostatni().tekst.contains("pacjent12"));
}

TEST_F(ListaPacjentowImport, CardGoesToTheCardPrinterNamedInTheSettings) {
  struct Przypadek {
    const char* ustawienie;
    bool wlaczona;
  };
  const Przypadek tabela[] = {{"zebra zc300 usb", true}, {"---", false}, {"Brak", false}};
  t.okno().Stan.KatalogProgramu = Szablony;
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.ustawienie);
    ZDrukarkami drukarki({"PDF", "Zebra ZC300 USB"});
    PodgladTestowy podglad;
    t.okno().Stan.drukarka_kart = QString::fromUtf8(p.ustawienie);
    otworz();
    EXPECT_EQ(okno().aKarta->isEnabled(), p.wlaczona);
    EXPECT_EQ(okno().IndeksDrukarkiKart, p.wlaczona ? 1 : -1);
    ASSERT_TRUE(ds().locate("ID", 5));
    okno().aKarta->trigger();
    EXPECT_TRUE(podglad.wydruki.isEmpty());  // printed at once, no preview
    if (p.wlaczona) {
      ASSERT_EQ(drukarki->uzyte, QStringList{"Zebra ZC300 USB"});
      const QString pdf = drukarki->dir.filePath("wydruk1.pdf");
      EXPECT_EQ(PlikPdf::Strony(pdf), 1);
      EXPECT_TRUE(PlikPdf::Tekst(pdf).contains("PACJENT005 JAN")) << PlikPdf::Tekst(pdf).toStdString();
      EXPECT_TRUE(PlikPdf::Tekst(pdf).contains("80000000005"));
    } else {
      EXPECT_TRUE(drukarki->uzyte.isEmpty());
    }
    EXPECT_EQ(ds().intValue("ID"), 5);
    okno().reject();
    QApplication::processEvents();
  }
}
