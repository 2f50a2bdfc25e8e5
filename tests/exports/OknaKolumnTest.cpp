// The template editor and the placeholder picker, as real widgets.
#include "app/Okna.h"
#include "common/Win1250.h"
#include "exports/ListyPol.h"
#include "exports/TForm_Kolumny.h"
#include "exports/TForm_Kolumny_ListaPol.h"
#include "support/KomunikatySkryptowe.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Edytor {
  QTemporaryDir dir;
  TForm_Kolumny okno;
  ZKomunikatami k;

  explicit Edytor(const QStringList& linie) {
    okno.SciezkaSzablonu = dir.filePath("KolumnyEW.txt");
    okno.NazwaEksportu = "EksportWizyt";
    if (!linie.isEmpty()) Win1250::zapiszLinie(okno.SciezkaSzablonu, linie);
    okno.show();
    QApplication::processEvents();
  }
  QString komorka(int r, int c) { return okno.SG1->item(r, c)->text(); }
  QStringList plik() { return Win1250::czytajLinie(okno.SciezkaSzablonu); }
};

}  // namespace

TEST(TForm_Kolumny, ShowsTheTemplateWithLettersFooterAndCaption) {
  Edytor e({"Nazwisko=<P.NAZWISKO>", "Wzór=a=b", "bez znaku"});
  EXPECT_EQ(e.okno.windowTitle(), "Kolumny  -  Edycja kolumn dla pliku  'EksportWizyt'");
  EXPECT_EQ(e.okno.SG1->rowCount(), 3);
  EXPECT_EQ(e.komorka(0, 0), "A");
  EXPECT_EQ(e.komorka(1, 1), "Wzór");
  EXPECT_EQ(e.komorka(1, 2), "a=b");
  EXPECT_EQ(e.komorka(2, 1), "");
  EXPECT_EQ(e.komorka(2, 2), "bez znaku");
  EXPECT_EQ(e.okno.PanelIlosci->text(), "  Ilość kolumn 3  ( A ÷ C )");
  EXPECT_EQ(e.okno.SG1->columnWidth(0), 32);
  EXPECT_FALSE(e.okno.Zmiany());
  // Closing without changes asks nothing.
  e.okno.reject();
  EXPECT_TRUE(e.k->teksty().isEmpty());
}

TEST(TForm_Kolumny, ActionStatesFollowTheCurrentRowAndColumn) {
  Edytor pusty({});
  EXPECT_EQ(pusty.okno.PanelIlosci->text(), "  Ilość kolumn 0  (  ÷  )");
  EXPECT_TRUE(pusty.okno.aDodaj->isEnabled());
  for (QAction* a : {pusty.okno.aWstaw, pusty.okno.aUsun, pusty.okno.aWGore, pusty.okno.aWDol, pusty.okno.aWstawPole})
    EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();

  Edytor e({"A=1", "B=2", "C=3"});
  struct Przypadek {
    int wiersz, kolumna;
    bool wGore, wDol, pole;
  };
  const Przypadek przypadki[] = {{0, 1, false, true, false}, {1, 2, true, true, true}, {2, 2, true, false, true}};
  for (const auto& p : przypadki) {
    e.okno.SG1->setCurrentCell(p.wiersz, p.kolumna);
    EXPECT_TRUE(e.okno.aWstaw->isEnabled());
    EXPECT_TRUE(e.okno.aUsun->isEnabled());
    EXPECT_EQ(e.okno.aWGore->isEnabled(), p.wGore) << p.wiersz;
    EXPECT_EQ(e.okno.aWDol->isEnabled(), p.wDol) << p.wiersz;
    EXPECT_EQ(e.okno.aWstawPole->isEnabled(), p.pole) << p.wiersz;
  }
  // The letter column never holds the current cell.
  e.okno.SG1->setCurrentCell(1, 0);
  EXPECT_EQ(e.okno.SG1->currentColumn(), 1);
}

TEST(TForm_Kolumny, AddInsertMoveAndDeleteKeepLettersAndFooter) {
  QStringList linie;
  for (int i = 1; i <= 26; ++i) linie.append(QString("K%1=<LP>").arg(i));
  Edytor e(linie);

  e.okno.aDodaj->trigger();
  EXPECT_EQ(e.okno.SG1->rowCount(), 27);
  EXPECT_EQ(e.komorka(26, 0), "AA");
  EXPECT_EQ(e.okno.PanelIlosci->text(), "  Ilość kolumn 27  ( A ÷ AA )");
  EXPECT_EQ(e.okno.SG1->currentRow(), 26);
  EXPECT_EQ(e.okno.SG1->currentColumn(), 1);
  EXPECT_NE(e.okno.SG1->indexWidget(e.okno.SG1->currentIndex()), nullptr);
  EXPECT_TRUE(e.okno.Zmiany());

  // Insert before B: an empty row B, the old B moves to C.
  e.okno.SG1->setCurrentCell(1, 2);
  e.okno.aWstaw->trigger();
  EXPECT_EQ(e.okno.SG1->rowCount(), 28);
  EXPECT_EQ(e.komorka(1, 1), "");
  EXPECT_EQ(e.komorka(2, 1), "K2");
  EXPECT_EQ(e.komorka(27, 0), "AB");
  EXPECT_EQ(e.okno.SG1->currentRow(), 1);
  EXPECT_EQ(e.okno.SG1->currentColumn(), 1);

  // Down and up: the selection moves with the row.
  e.okno.SG1->setCurrentCell(0, 2);
  e.okno.aWDol->trigger();
  EXPECT_EQ(e.komorka(1, 1), "K1");
  EXPECT_EQ(e.komorka(0, 1), "");
  EXPECT_EQ(e.okno.SG1->currentRow(), 1);
  e.okno.aWGore->trigger();
  EXPECT_EQ(e.komorka(0, 1), "K1");
  EXPECT_EQ(e.okno.SG1->currentRow(), 0);

  // Delete C: No keeps it, Yes removes it; letters stay by position.
  e.okno.SG1->setCurrentCell(2, 1);
  e.k->odpowiedzi = {false, true};
  e.okno.aUsun->trigger();
  EXPECT_EQ(e.okno.SG1->rowCount(), 28);
  ASSERT_FALSE(e.k->wpisy.isEmpty());
  EXPECT_EQ(e.k->wpisy.last().tytul, "Usunięcie wiersza");
  EXPECT_EQ(e.k->wpisy.last().tekst, "Na pewno usunąć wiersz 'C'?");
  e.okno.aUsun->trigger();
  EXPECT_EQ(e.okno.SG1->rowCount(), 27);
  EXPECT_EQ(e.komorka(2, 1), "K3");
  EXPECT_EQ(e.komorka(2, 0), "C");
  EXPECT_EQ(e.komorka(26, 0), "AA");
  EXPECT_EQ(e.okno.PanelIlosci->text(), "  Ilość kolumn 27  ( A ÷ AA )");
  // Nothing is written before OK.
  EXPECT_EQ(e.plik(), linie);
}

TEST(TForm_Kolumny, ClosingWithChangesAsksAndYesWritesTheFile) {
  struct Przypadek {
    const char* opis;
    bool tak;
  };
  for (const auto& p : {Przypadek{"answer Yes", true}, Przypadek{"answer No", false}}) {
    Edytor e({"Nazwisko=<P.NAZWISKO>"});
    // A No to the delete question still counts as a change.
    e.k->odpowiedzi = {false, p.tak};
    e.okno.aUsun->trigger();
    e.okno.btnAnuluj->click();
    EXPECT_FALSE(e.okno.isVisible()) << p.opis;
    ASSERT_EQ(e.k->wpisy.size(), 2) << p.opis;
    EXPECT_EQ(e.k->wpisy.last().tytul, "") << p.opis;
    EXPECT_EQ(e.k->wpisy.last().tekst, "Zapisać zmiany?") << p.opis;
    EXPECT_EQ(e.plik(), QStringList{"Nazwisko=<P.NAZWISKO>"}) << p.opis;
  }

  Edytor e({"Nazwisko=<P.NAZWISKO>"});
  e.okno.aDodaj->trigger();
  e.k->odpowiedzi = {true};
  e.okno.reject();
  EXPECT_EQ(e.plik(), QStringList({"Nazwisko=<P.NAZWISKO>", "="}));
}

TEST(TForm_Kolumny, TypedHeaderWithEqualsIsWrittenOnOkWithoutQuestion) {
  Edytor e({});
  e.okno.aDodaj->trigger();
  // The in-place editor is open on the new header.
  QWidget* edytor = e.okno.SG1->indexWidget(e.okno.SG1->currentIndex());
  ASSERT_NE(edytor, nullptr);
  QTest::keyClicks(edytor, "A=B");
  e.okno.SG1->zamknijEdytor();
  e.okno.SG1->setCurrentCell(0, 2);
  QTest::keyClicks(e.okno.SG1, "x");
  e.okno.SG1->zamknijEdytor();
  EXPECT_EQ(e.komorka(0, 1), "A=B");
  EXPECT_EQ(e.komorka(0, 2), "x");
  e.okno.btnOK->click();
  EXPECT_FALSE(e.okno.isVisible());
  EXPECT_TRUE(e.k->teksty().isEmpty());
  EXPECT_EQ(e.plik(), QStringList{"A=B=x"});
  // Read back: split at the first "=".
  e.okno.show();
  QApplication::processEvents();
  EXPECT_EQ(e.komorka(0, 1), "A");
  EXPECT_EQ(e.komorka(0, 2), "B=x");
  EXPECT_FALSE(e.okno.Zmiany());
}

TEST(TForm_Kolumny, PoleReplacesTheWholeContentCellWithThePickedPlaceholder) {
  TForm_Kolumny_ListaPol lista;
  Form_Kolumny_ListaPol = &lista;
  Edytor e({"Pacjent=nazwisko: <P.IMIE>"});
  e.okno.NumerListy = ListaPolWizyt;
  e.okno.SG1->setCurrentCell(0, 2);
  int wierszy = -1;
  QTimer::singleShot(0, [&] {
    wierszy = lista.VLE1->rowCount();
    lista.VLE1->setCurrentCell(4, 0);
    lista.btnOK->click();
  });
  e.okno.aWstawPole->trigger();
  Form_Kolumny_ListaPol = nullptr;
  EXPECT_EQ(wierszy, 25);
  EXPECT_EQ(e.komorka(0, 2), "<P.NAZWISKO>");
  EXPECT_TRUE(e.okno.Zmiany());
}

TEST(TForm_Kolumny_ListaPol, ListsHoldTheirEntriesInOrder) {
  const QList<PozycjaListyPol> pacjent = {
      {"<P.NAZWISKO>", "Pacjent - Nazwisko"}, {"<P.IMIE>", "Pacjent - Imię"},
      {"<P.PESEL>", "Pacjent - Nr PESEL"},    {"<P.ULICA>", "Pacjent - Ulica"},
      {"<P.NRDOMU>", "Pacjent - Nr domu"},    {"<P.NRLOKAL>", "Pacjent - Nr lokalu"},
      {"<P.KODP>", "Pacjent - Kod pocztowy"}, {"<P.POCZTA>", "Pacjent - Poczta"},
      {"<P.GMINA>", "Pacjent - Gmina"},       {"<P.POWIAT>", "Pacjent - Powiat"},
      {"<P.WOJEWODZTWO>", "Pacjent - Województwo"}, {"<P.DATAUR>", "Pacjent - Data urodzenia"},
      {"<P.PLEC>", "Pacjent - Płeć"}};
  const QList<PozycjaListyPol> lekarz = {{"<L.NAZWISKO>", "Lekarz - Nazwisko"},
                                         {"<L.IMIE>", "Lekarz - Imię"},
                                         {"<L.PWZL>", "Lekarz - Nr prawa wykonywania zawodu lekarza"},
                                         {"<L.PESEL>", "Lekarz - Nr PESEL"}};
  const QList<PozycjaListyPol> lista1001 =
      QList<PozycjaListyPol>{{"<LP>", "Liczba porządkowa"},
                             {"<TYP_DEKLARACJI>", "Typ deklaracji (1-lekarska, 3-pielęgniarska)"},
                             {"<DATA_DEKLARACJI>", "Data deklaracji lekarskiej/pielęgniarskiej"}} +
      pacjent + lekarz;
  const QList<PozycjaListyPol> lista1002 =
      QList<PozycjaListyPol>{{"<LP>", "Liczba porządkowa"},
                             {"<DATA>", "Data wizyty"},
                             {"<GODZ>", "Godzina wizyty"},
                             {"<ICD10>", "Jednostka chorobowa (ICD10)"}} +
      pacjent +
      QList<PozycjaListyPol>{{"<P.DTDEKLARLEK>", "Pacjent - Data deklaracji lekarskiej"},
                             {"<P.DTDEKLARPIEL>", "Pacjent - Data deklaracji pielęgniarskiej"}} +
      lekarz + QList<PozycjaListyPol>{{"<PORADA.KOD>", "Kod porady"}, {"<PORADA.NAZWA>", "Nazwa porady"}};

  for (const auto& [numer, oczekiwana] : {std::pair{1001, lista1001}, std::pair{1002, lista1002}}) {
    QList<PozycjaListyPol> wczytana;
    EXPECT_TRUE(WczytajListePol(numer, wczytana));
    EXPECT_EQ(wczytana, oczekiwana) << numer;
  }
}

TEST(TForm_Kolumny_ListaPol, SelectsTheCurrentPlaceholderIgnoringCaseAndReportsAMissingList) {
  ZKomunikatami k;
  TForm_Kolumny_ListaPol okno;
  EXPECT_EQ(okno.windowTitle(), "Kolumny - Lista pól");
  okno.NumerListy = 1001;
  okno.Tekst = "<p.pesel>";
  okno.show();
  QApplication::processEvents();
  EXPECT_EQ(okno.VLE1->rowCount(), 20);
  EXPECT_EQ(okno.VLE1->currentRow(), 5);
  EXPECT_EQ(okno.VLE1->columnWidth(0), 141);
  okno.btnOK->click();
  EXPECT_EQ(okno.Wybrane(), "<P.PESEL>");

  okno.NumerListy = 1003;
  okno.show();
  QApplication::processEvents();
  EXPECT_EQ(okno.VLE1->rowCount(), 0);
  EXPECT_EQ(k->ostatni(), "Błąd wczytania zasobu '1003'");
  okno.reject();
}
