// The export windows over a real database, and orbe-admin writing the same files.
#include "support/DialogZapisuTestowy.h"
#include "support/OrbeAdminTestowy.h"
#include "DaneEksportu.h"

#include "common/PlikIni.h"
#include "common/Win1250.h"
#include "exports/DialogZapisu.h"
#include "exports/ListyPol.h"
#include "exports/SzablonyPrzykladowe.h"
#include "exports/TForm_EksportDeklaracji.h"
#include "exports/TForm_EksportWizyt.h"
#include "exports/TForm_Kolumny.h"
#include "support/OknoGlowneTestowe.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QByteArray bajty(const QString& sciezka) {
  QFile f(sciezka);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

using WynikPolecenia = WynikOrbeAdmin;

// The built orbe-admin on the data folder of ORBE_DATA_DIR.
WynikPolecenia orbeAdmin(const QStringList& argumenty) { return UruchomOrbeAdmin(argumenty); }

// ORBE_DATA_DIR for one test.
struct KatalogDanych {
  QByteArray poprzedni = qgetenv("ORBE_DATA_DIR");
  explicit KatalogDanych(const QString& katalog) { qputenv("ORBE_DATA_DIR", katalog.toUtf8()); }
  ~KatalogDanych() { qputenv("ORBE_DATA_DIR", poprzedni); }
};

void pokaz(QDialog* okno) {
  okno->show();
  QApplication::processEvents();
}

}  // namespace

TEST(TForm_EksportWizyt, PreviewOfTheMainWindowsMonthAndItsYearAndMonthControls) {
  OknoGlowneTestowe t;
  WstawWizytyLutego2012(t.baza);
  Win1250::zapiszLinie(t.baza.katalog() + "KolumnyEW.txt", {"Lp=<LP>", "Godzina=<GODZ>", "Pacjent=<P.NAZWISKO>"});
  t.okno().DateTimePicker1->setDate(QDate(2012, 2, 14));
  TForm_EksportWizyt& okno = *Form_EksportWizyt;
  pokaz(&okno);

  EXPECT_EQ(okno.windowTitle(), "Eksport wizyt   -   tylko wizyty z wpisanym ICD10");
  EXPECT_EQ(okno.UpDown1->value(), 2012);
  EXPECT_EQ(okno.ComboBox1->currentText(), "Luty");
  EXPECT_EQ(okno.ComboBox1->count(), 12);
  EXPECT_EQ(okno.SG1->model()->columnCount(), 3);
  EXPECT_EQ(okno.SG1->model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(), "C");
  EXPECT_EQ(okno.SG1->model()->headerData(2, Qt::Horizontal, Qt::UserRole).toString(), "Pacjent");
  EXPECT_EQ(okno.Wiersze().size(), 4);
  EXPECT_EQ(okno.Wiersze().first(), QStringList({"1", "08:05", "Kowalska"}));
  EXPECT_EQ(okno.SG1->columnWidth(1), 128);
  EXPECT_TRUE(okno.aZapisz->isEnabled());
  EXPECT_EQ(okno.ProponowanaNazwaPliku(), "EksportWizyt_2012-02.csv");

  // Another month rebuilds the preview; an empty one disables "Zapisz".
  okno.ComboBox1->setCurrentIndex(3);
  EXPECT_TRUE(okno.Wiersze().isEmpty());
  EXPECT_FALSE(okno.aZapisz->isEnabled());
  EXPECT_EQ(okno.ProponowanaNazwaPliku(), "EksportWizyt_2012-04.csv");
  okno.UpDown1->setValue(2000);
  okno.UpDown1->stepBy(-1);
  EXPECT_EQ(okno.UpDown1->value(), 2000);
  okno.UpDown1->setValue(2100);
  okno.UpDown1->stepBy(1);
  EXPECT_EQ(okno.UpDown1->value(), 2100);
  okno.UpDown1->setValue(2012);
  okno.ComboBox1->setCurrentIndex(1);
  EXPECT_EQ(okno.Wiersze().size(), 4);
  EXPECT_TRUE(okno.aZapisz->isEnabled());

  // Column widths and the window size are kept in SzerKolumnEW.
  okno.SG1->setColumnWidth(0, 200);
  okno.reject();
  PlikIni ini(t.baza.katalog() + "orbe.ini");
  EXPECT_EQ(ini.czytajLiczbe("SzerKolumnEW", "c0", 0), 200);
  EXPECT_EQ(ini.czytajLiczbe("SzerKolumnEW", "c2", 0), 128);
  EXPECT_EQ(ini.czytajLiczbe("SzerKolumnEW", "Width", 0), okno.width());
  EXPECT_EQ(ini.czytajLiczbe("SzerKolumnED", "Width", -1), -1);

  // "Kolumny": the editor adds a column; the preview follows the file, the
  // new column at the default width, the old ones as they were.
  pokaz(&okno);
  EXPECT_EQ(okno.SG1->columnWidth(0), 200);
  QString tytulEdytora;
  QTimer::singleShot(0, [&] {
    tytulEdytora = Form_Kolumny->windowTitle();
    Form_Kolumny->aDodaj->trigger();
    Form_Kolumny->SG1->zamknijEdytor();
    Form_Kolumny->SG1->item(3, 1)->setText("Data");
    Form_Kolumny->SG1->item(3, 2)->setText("<DATA>");
    Form_Kolumny->btnOK->click();
  });
  okno.aKolumny->trigger();
  EXPECT_EQ(tytulEdytora, "Kolumny  -  Edycja kolumn dla pliku  'EksportWizyt'");
  EXPECT_EQ(Form_Kolumny->NumerListy, ListaPolWizyt);
  EXPECT_EQ(okno.SG1->model()->columnCount(), 4);
  EXPECT_EQ(okno.Wiersze().last(), QStringList({"4", "19:00", "Kowalska", "2012-02-29"}));
  EXPECT_EQ(okno.SG1->columnWidth(0), 200);
  EXPECT_EQ(okno.SG1->columnWidth(3), 128);
  okno.reject();
}

TEST(TForm_EksportWizyt, SaveDialogStartsInEksportDirAndProposesTheMonthsName) {
  OknoGlowneTestowe t;
  WstawWizytyLutego2012(t.baza);
  ZainstalujPrzykladoweSzablony(t.baza.katalog());
  t.okno().DateTimePicker1->setDate(QDate(2012, 2, 1));
  t.okno().Stan.eksport_dir = "/nonexistent-orbe-folder/";
  t.okno().Stan.KatalogDokumentow = "/tmp";
  pokaz(Form_EksportWizyt);

  QTemporaryDir dir;
  DialogTestowy dialog;
  // Cancelled: nothing written, the folder unchanged.
  Form_EksportWizyt->aZapisz->trigger();
  EXPECT_EQ(dialog.ile, 1);
  EXPECT_EQ(dialog.katalog, "/tmp");
  EXPECT_EQ(dialog.nazwa, "EksportWizyt_2012-02.csv");
  EXPECT_EQ(dialog.filtr, "Pliki CSV (*.csv);;Wszystkie pliki (*.*)");
  EXPECT_EQ(t.okno().Stan.eksport_dir, "/nonexistent-orbe-folder/");

  dialog.odpowiedz = dir.filePath("luty.csv");
  Form_EksportWizyt->aZapisz->trigger();
  EXPECT_EQ(t.okno().Stan.eksport_dir, dir.path() + "/");
  const QStringList linie = Win1250::czytajLinie(dialog.odpowiedz);
  ASSERT_EQ(linie.size(), 5);
  EXPECT_EQ(linie.first(), NaglowkiSzablonu(PrzykladowySzablonWizyt()).join(';'));
  EXPECT_TRUE(linie.at(1).startsWith("1;2012-02-01;08:05;J01;Kowalska;Żaneta;")) << linie.at(1).toStdString();

  Form_EksportWizyt->aZapisz->trigger();
  EXPECT_EQ(dialog.katalog, dir.path() + "/");
  Form_EksportWizyt->reject();
}

TEST(TForm_EksportDeklaracji, MissingTemplateBeepsAndShowsNoColumns) {
  OknoGlowneTestowe t;
  WstawDeklaracje2011(t.baza);
  t.okno().DateTimePicker1->setDate(QDate(2011, 3, 20));
  t.komunikaty->wyczysc();
  pokaz(Form_EksportDeklaracji);
  EXPECT_EQ(Form_EksportDeklaracji->windowTitle(), "Eksport deklaracji");
  EXPECT_EQ(t.komunikaty->ileSygnalow(), 1);
  EXPECT_EQ(t.komunikaty->ostatni(), "Brak pliku definicji kolumn:\n" + t.baza.katalog() + "KolumnyED.txt");
  EXPECT_EQ(Form_EksportDeklaracji->SG1->model()->columnCount(), 0);
  EXPECT_EQ(Form_EksportDeklaracji->Wiersze().size(), 5);
  EXPECT_EQ(Form_EksportDeklaracji->ProponowanaNazwaPliku(), "EksportDeklaracji_2011-03.csv");
  Form_EksportDeklaracji->reject();
}

TEST(TForm_EksportWizyt, MainWindowActionsOpenTheExportWindows) {
  OknoGlowneTestowe t;
  ZainstalujPrzykladoweSzablony(t.baza.katalog());
  for (auto [akcja, okno] : {std::pair<QAction*, QDialog*>{t.okno().aEksportWizyt, Form_EksportWizyt},
                             std::pair<QAction*, QDialog*>{t.okno().aEksportDeklaracji, Form_EksportDeklaracji}}) {
    bool widoczne = false;
    QTimer::singleShot(0, [&] {
      widoczne = okno->isVisible() && okno->isModal();
      okno->reject();
    });
    ASSERT_TRUE(akcja->isEnabled());
    akcja->trigger();
    EXPECT_TRUE(widoczne) << okno->windowTitle().toStdString();
  }
}

TEST(OrbeAdmin, ExportCommandsWriteTheWindowsFilesByteForByte) {
  QTemporaryDir dir;
  QString zOkna[2];
  {
    OknoGlowneTestowe t;
    WstawWizytyLutego2012(t.baza);
    WstawDeklaracje2011(t.baza);
    ZainstalujPrzykladoweSzablony(t.baza.katalog());
    DialogTestowy dialog;
    const std::pair<OknoEksportu*, QDate> okna[] = {{Form_EksportWizyt, QDate(2012, 2, 1)},
                                                    {Form_EksportDeklaracji, QDate(2011, 3, 1)}};
    for (int i = 0; i < 2; ++i) {
      t.okno().DateTimePicker1->setDate(okna[i].second);
      pokaz(okna[i].first);
      zOkna[i] = dir.filePath(QString("okno%1.csv").arg(i));
      dialog.odpowiedz = zOkna[i];
      okna[i].first->aZapisz->trigger();
      okna[i].first->reject();
    }
    // The embedded engine gives the file to one process at a time.
    t.okno().Polaczenie().close();
    t.baza.polaczenie().close();

    const struct {
      const char* polecenie;
      const char* miesiac;
    } polecenia[] = {{"export-visits", "2012-02"}, {"export-declarations", "2011-03"}};
    for (int i = 0; i < 2; ++i) {
      const QString plik = dir.filePath(QString("cli%1.csv").arg(i));
      const WynikPolecenia w = orbeAdmin({polecenia[i].polecenie, polecenia[i].miesiac, plik});
      EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
      EXPECT_FALSE(bajty(zOkna[i]).isEmpty());
      EXPECT_EQ(bajty(plik), bajty(zOkna[i])) << polecenia[i].polecenie;
    }
  }
}

TEST(OrbeAdmin, ExportFailsWithoutTemplateOrWithABadMonth) {
  QTemporaryDir dir;
  KatalogDanych dane(dir.path() + "/");
  const struct {
    QStringList argumenty;
    const char* komunikat;
  } przypadki[] = {
      {{"export-visits", "2012-02", dir.filePath("a.csv")}, "Brak pliku definicji kolumn:\n"},
      {{"export-declarations", "2012-02", dir.filePath("a.csv")}, "KolumnyED.txt"},
      {{"export-visits", "2012-13", dir.filePath("a.csv")}, "RRRR-MM"},
      {{"export-visits", "1999-12", dir.filePath("a.csv")}, "RRRR-MM"},
      {{"export-declarations", "2012-02"}, "RRRR-MM"},
  };
  for (const auto& p : przypadki) {
    const WynikPolecenia w = orbeAdmin(p.argumenty);
    EXPECT_NE(w.kod, 0) << p.argumenty.join(' ').toStdString();
    EXPECT_TRUE(w.bledy.contains(QString::fromUtf8(p.komunikat))) << w.bledy.toStdString();
  }
  EXPECT_FALSE(QFile::exists(dir.filePath("a.csv")));
}

TEST(OrbeAdmin, InitInstallsSampleTemplatesWithListedPlaceholders) {
  QTemporaryDir dir;
  const QString katalog = dir.path() + "/dane/";
  KatalogDanych dane(katalog);
  const WynikPolecenia w = orbeAdmin({"init"});
  ASSERT_EQ(w.kod, 0) << w.bledy.toStdString();
  const struct {
    const char* plik;
    int lista;
  } szablony[] = {{"KolumnyEW.txt", ListaPolWizyt}, {"KolumnyED.txt", ListaPolDeklaracji}};
  for (const auto& s : szablony) {
    const SzablonKolumn szablon = CzytajSzablonKolumn(katalog + s.plik);
    EXPECT_GE(szablon.size(), 10) << s.plik;
    QList<PozycjaListyPol> lista;
    WczytajListePol(s.lista, lista);
    QStringList skroty;
    for (const auto& p : lista) skroty.append(p.skrot);
    // Every placeholder of a sample is one the picker offers.
    for (const KolumnaSzablonu& k : szablon)
      for (const QString& czesc : k.tresc.split(' '))
        EXPECT_TRUE(skroty.contains(czesc)) << s.plik << ": " << czesc.toStdString();
  }
}
