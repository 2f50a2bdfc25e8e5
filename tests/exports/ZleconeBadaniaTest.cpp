// The ordered-examinations summary window over a real database.
#include "support/DialogZapisuTestowy.h"
#include "exports/DialogZapisu.h"
#include "exports/TForm_ZleconeBadania.h"
#include "exports/ZleconeBadaniaReguly.h"
#include "db/Dataset.h"
#include "support/OknoGlowneTestowe.h"
#include "support/PlikPdf.h"
#include "support/PodgladTestowy.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor Czerwony(0xFF, 0x00, 0x00);

// December 2026 with an examination ordered twice at one visit, a removed
// examination, a removed doctor, rows just outside the month and a row of a
// visit not saved yet.
void WstawZleceniaGrudnia2026(BazaTestowa& b) {
  OknoGlowneTestowe::JedenLekarz(b);
  b.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
      "values (2, 'Zieliński', 'Adam', '7654321', '65020212345', 0, 'T')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, AKTYW) "
      "values (10, 999, 'Kowalska', 'Anna', '80050612346', 'T')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (1, 'B01', 'Morfologia', 'N')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (2, 'A05', 'Żelazo', 'T')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (3, 'C10', 'OB; odczyn', 'N')",
      "insert into BADANIA (ID, KOD, NAZWA, USUN) values (4, 'D00', 'Nie zlecane', 'N')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (100, 10, 999, 0, '2026-12-01', '08:00')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (101, 10, 2, 0, '2026-12-31', '18:00')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (102, 10, 999, 0, '2026-11-30', '23:00')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ) values (103, 10, 999, 0, '2027-01-01', '00:00')",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (1, 100, 1)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (2, 100, 1)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (3, 101, 2)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (4, 101, 3)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (5, 102, 3)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (6, 103, 1)",
      "insert into BADANIASPLOT (ID, WIZYTA_ID, BADANIE_ID) values (7, 0, 4)",
  });
}

QByteArray bajty(const QString& sciezka) {
  QFile f(sciezka);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TForm_ZleconeBadania& pokaz(OknoGlowneTestowe& t, const QDate& dzien) {
  t.okno().DateTimePicker1->setDate(dzien);
  Form_ZleconeBadania->show();
  QApplication::setActiveWindow(Form_ZleconeBadania);
  QApplication::processEvents();
  return *Form_ZleconeBadania;
}

QStringList wiersz(TForm_ZleconeBadania& o, int r) {
  QStringList komorki;
  for (int c = 0; c < o.DBGrid1->model()->columnCount(); ++c)
    komorki << o.DBGrid1->model()->index(r, c).data().toString();
  return komorki;
}

QColor tloDaty(QDateEdit* d) { return d->palette().color(QPalette::Base); }

}  // namespace

TEST(ZleconeBadaniaReguly, MonthOfTheDayAndTheEnabledCommands) {
  struct Przypadek {
    QDate dzien, od, do_;
  };
  for (const Przypadek& p : {Przypadek{{2024, 2, 15}, {2024, 2, 1}, {2024, 2, 29}},
                             Przypadek{{2023, 2, 1}, {2023, 2, 1}, {2023, 2, 28}},
                             Przypadek{{2026, 12, 31}, {2026, 12, 1}, {2026, 12, 31}}}) {
    const OkresWykazuBadan okres = OkresMiesiacaDnia(p.dzien);
    EXPECT_EQ(okres.od, p.od);
    EXPECT_EQ(okres.do_, p.do_);
  }
  EXPECT_TRUE(OkresPoprawny({2026, 12, 1}, {2026, 12, 1}));
  EXPECT_FALSE(OkresPoprawny({2026, 12, 2}, {2026, 12, 1}));

  struct Stan {
    bool poprawny, otwarty;
    int wierszy;
    StanAkcjiWykazu akcje;
  };
  for (const Stan& s : {Stan{true, false, 0, {true, false, false}}, Stan{false, false, 0, {false, false, false}},
                        Stan{true, true, 0, {false, false, false}}, Stan{true, true, 3, {false, true, true}}})
    EXPECT_EQ(AkcjeWykazu(s.poprawny, s.otwarty, s.wierszy), s.akcje) << s.poprawny << s.otwarty << s.wierszy;

  EXPECT_EQ(ZmiennaWykazuBadan("data1", {2026, 12, 1}, {2026, 12, 31}), "01-12-2026");
  EXPECT_EQ(ZmiennaWykazuBadan("data2", {2026, 12, 1}, {2026, 12, 31}), "31-12-2026");
  EXPECT_EQ(ZmiennaWykazuBadan("DATA1", {2026, 12, 1}, {2026, 12, 31}), std::nullopt);
  EXPECT_EQ(ZmiennaWykazuBadan("lekarz", {2026, 12, 1}, {2026, 12, 31}), std::nullopt);
}

TEST(TForm_ZleconeBadania, OpensOnTheMainWindowsMonthAndAWrongPeriodTurnsRed) {
  OknoGlowneTestowe t(WstawZleceniaGrudnia2026, true);
  TForm_ZleconeBadania& o = pokaz(t, QDate(2024, 2, 15));
  EXPECT_EQ(o.windowTitle(), "Zlecone badania");
  EXPECT_EQ(o.DateTimePicker1->text(), "01-02-2024");
  EXPECT_EQ(o.DateTimePicker2->text(), "29-02-2024");
  EXPECT_NE(tloDaty(o.DateTimePicker1), Czerwony);
  EXPECT_TRUE(o.Panel1->isVisible());
  EXPECT_EQ(o.Panel1->text(), "Wybierz daty i kliknij 'Generuj'");
  EXPECT_FALSE(o.DBGrid1->isVisible());
  EXPECT_FALSE(o.Label4->isVisible());
  EXPECT_TRUE(o.aGeneruj->isEnabled());
  EXPECT_FALSE(o.aZapisz->isEnabled());
  EXPECT_FALSE(o.aDrukuj->isEnabled());
  EXPECT_EQ(o.aGeneruj->toolTip(), "Generuj wykaz ilościowy badań");
  EXPECT_EQ(o.aZapisz->shortcut(), QKeySequence("Ctrl+S"));
  EXPECT_EQ(o.aDrukuj->shortcut(), QKeySequence("Ctrl+P"));

  // An empty period: a zero count, an empty grid, nothing to save or print,
  // and "Generuj" waits for another date.
  o.aGeneruj->trigger();
  EXPECT_TRUE(o.DBGrid1->isVisible());
  EXPECT_TRUE(o.DBGrid1->hasFocus());
  EXPECT_TRUE(o.Label4->isVisible());
  EXPECT_EQ(o.Label4->text(), "Razem pozycji: 0");
  EXPECT_EQ(o.DBGrid1->model()->rowCount(), 0);
  EXPECT_FALSE(o.aGeneruj->isEnabled());
  EXPECT_FALSE(o.aZapisz->isEnabled());
  EXPECT_FALSE(o.aDrukuj->isEnabled());

  // "To" before "from": both pickers red, the result gone, no "Generuj".
  o.DateTimePicker2->setDate(QDate(2024, 1, 31));
  EXPECT_EQ(tloDaty(o.DateTimePicker1), Czerwony);
  EXPECT_EQ(tloDaty(o.DateTimePicker2), Czerwony);
  EXPECT_FALSE(o.DBGrid1->isVisible());
  EXPECT_FALSE(o.Label4->isVisible());
  EXPECT_TRUE(o.Panel1->isVisible());
  EXPECT_FALSE(o.sqlZleconeBadania().isOpen());
  EXPECT_FALSE(o.aGeneruj->isEnabled());
  o.aGeneruj->trigger();
  EXPECT_FALSE(o.sqlZleconeBadania().isOpen());

  // Moving "from" back makes the period sound again.
  o.DateTimePicker1->setDate(QDate(2024, 1, 1));
  EXPECT_NE(tloDaty(o.DateTimePicker1), Czerwony);
  EXPECT_NE(tloDaty(o.DateTimePicker2), Czerwony);
  EXPECT_TRUE(o.aGeneruj->isEnabled());

  // A result left open is gone at the next showing, which takes the month again.
  o.DateTimePicker1->setDate(QDate(2026, 12, 1));
  o.DateTimePicker2->setDate(QDate(2026, 12, 31));
  o.aGeneruj->trigger();
  EXPECT_EQ(o.Label4->text(), "Razem pozycji: 3");
  o.reject();
  EXPECT_FALSE(o.sqlZleconeBadania().isOpen());
  pokaz(t, QDate(2023, 2, 3));
  EXPECT_EQ(o.DateTimePicker1->text(), "01-02-2023");
  EXPECT_EQ(o.DateTimePicker2->text(), "28-02-2023");
  EXPECT_FALSE(o.DBGrid1->isVisible());
  EXPECT_FALSE(o.Label4->isVisible());
  o.reject();
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty()) << t.komunikaty->teksty().join('|').toStdString();
}

TEST(TForm_ZleconeBadania, CountsEveryOrderOfThePeriodAndSavesTheFile) {
  OknoGlowneTestowe t(WstawZleceniaGrudnia2026, true);
  TForm_ZleconeBadania& o = pokaz(t, QDate(2026, 12, 15));
  o.aGeneruj->trigger();

  // Twice at one visit counts 2; the removed examination and the removed
  // doctor's visit count; November, January and the unsaved visit do not.
  EXPECT_EQ(o.Label4->text(), "Razem pozycji: 3");
  ASSERT_EQ(o.DBGrid1->model()->rowCount(), 3);
  EXPECT_EQ(o.DBGrid1->model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "L.p.");
  EXPECT_EQ(o.DBGrid1->model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Ilość");
  EXPECT_EQ(o.DBGrid1->columnWidth(1), 128);
  EXPECT_EQ(o.DBGrid1->columnWidth(2), 451);
  EXPECT_EQ(wiersz(o, 0), QStringList({"1", "A05", "Żelazo", "1"}));
  EXPECT_EQ(wiersz(o, 1), QStringList({"2", "B01", "Morfologia", "2"}));
  EXPECT_EQ(wiersz(o, 2), QStringList({"3", "C10", "OB; odczyn", "1"}));
  EXPECT_TRUE(o.aZapisz->isEnabled());
  EXPECT_TRUE(o.aDrukuj->isEnabled());

  // Generating again numbers from 1 again.
  o.DateTimePicker1->setDate(QDate(2026, 12, 2));
  o.DateTimePicker1->setDate(QDate(2026, 12, 1));
  o.aGeneruj->trigger();
  EXPECT_EQ(wiersz(o, 0).first(), "1");

  t.okno().Stan.eksport_dir = "/nonexistent-orbe-folder/";
  t.okno().Stan.KatalogDokumentow = "/tmp";
  o.sqlZleconeBadania().moveTo(1);
  QTemporaryDir dir;
  DialogTestowy dialog;
  o.aZapisz->trigger();  // cancelled
  EXPECT_EQ(dialog.ile, 1);
  EXPECT_EQ(dialog.katalog, "/tmp");
  EXPECT_EQ(dialog.nazwa, "Badania_2026-12-01÷2026-12-31.csv");
  EXPECT_EQ(dialog.filtr, "Pliki CSV (*.csv);;Wszystkie pliki (*.*)");
  EXPECT_EQ(t.okno().Stan.eksport_dir, "/nonexistent-orbe-folder/");

  dialog.odpowiedz = dir.filePath(dialog.nazwa);
  o.aZapisz->trigger();
  EXPECT_EQ(bajty(dialog.odpowiedz),
            QByteArray("Wykaz ilo\x9C" "ciowy bada\xF1: 2026-12-01\xF7" "2026-12-31\r\n"
                       "\r\n"
                       "Lp;Nazwa;Ilo\x9C\xE6\r\n"
                       "1;\xAF" "elazo;1\r\n"
                       "2;Morfologia;2\r\n"
                       "3;OB; odczyn;1\r\n"));
  EXPECT_EQ(t.okno().Stan.eksport_dir, dir.path() + "/");
  EXPECT_EQ(o.sqlZleconeBadania().recNo(), 1);
  EXPECT_EQ(o.DBGrid1->currentIndex().row(), 1);

  // The shortcut saves too, starting where the last file went.
  QTest::keyClick(&o, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(dialog.ile, 3);
  EXPECT_EQ(dialog.katalog, dir.path() + "/");
  o.reject();
}

TEST(TForm_ZleconeBadania, PrintsThePeriodAndTheRows) {
  OknoGlowneTestowe t(WstawZleceniaGrudnia2026, true);
  t.okno().Stan.KatalogProgramu = QStringLiteral(ORBE_SOURCE_DIR "/templates/");
  TForm_ZleconeBadania& o = pokaz(t, QDate(2026, 12, 15));
  o.aGeneruj->trigger();
  o.sqlZleconeBadania().moveTo(2);
  PodgladTestowy podglad;
  o.aDrukuj->trigger();
  ASSERT_EQ(podglad.wydruki.size(), 1);
  EXPECT_EQ(podglad.ostatni().tytul, "ZleconeBadania");
  const QString tekst = PlikPdf::Tekst(podglad.ostatni().pdf);
  EXPECT_TRUE(tekst.contains("01-12-2026")) << tekst.toStdString();
  EXPECT_TRUE(tekst.contains("31-12-2026"));
  for (const char* nazwa : {"Żelazo", "Morfologia", "OB; odczyn"})
    EXPECT_TRUE(tekst.contains(QString::fromUtf8(nazwa))) << nazwa;
  EXPECT_LT(tekst.indexOf("Żelazo"), tekst.indexOf("Morfologia"));
  EXPECT_EQ(o.sqlZleconeBadania().recNo(), 2);

  // A missing template is not reported; the report keeps what it held.
  QTemporaryDir pusty;
  t.okno().Stan.KatalogProgramu = pusty.path() + '/';
  QTest::keyClick(&o, Qt::Key_P, Qt::ControlModifier);
  ASSERT_EQ(podglad.wydruki.size(), 2);
  EXPECT_TRUE(PlikPdf::Tekst(podglad.ostatni().pdf).contains("Morfologia"));
  EXPECT_TRUE(t.komunikaty->teksty().isEmpty()) << t.komunikaty->teksty().join('|').toStdString();
  o.reject();
}

TEST(TForm_ZleconeBadania, MainWindowCommandOpensItAndScansAreSwallowed) {
  OknoGlowneTestowe t(WstawZleceniaGrudnia2026, true);
  t.okno().DateTimePicker1->setDate(QDate(2026, 12, 15));
  QString od;
  bool modalne = false;
  QTimer::singleShot(0, [&] {
    od = Form_ZleconeBadania->DateTimePicker1->text();
    modalne = Form_ZleconeBadania->isModal();
    // A card scan framed by STX / ETX does not type into the date.
    Form_ZleconeBadania->DateTimePicker2->setFocus();
    QTest::keyClick(Form_ZleconeBadania->DateTimePicker2, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClicks(Form_ZleconeBadania->DateTimePicker2, "0101");
    QTest::keyClick(Form_ZleconeBadania->DateTimePicker2, Qt::Key_C, Qt::ControlModifier);
    Form_ZleconeBadania->btnZamknij->click();
  });
  t.okno().aZleconeBadania->trigger();
  EXPECT_EQ(od, "01-12-2026");
  EXPECT_TRUE(modalne);
  EXPECT_EQ(Form_ZleconeBadania->DateTimePicker2->date(), QDate(2026, 12, 31));
}
