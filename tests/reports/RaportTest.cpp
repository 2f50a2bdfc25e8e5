#include "reports/KodKreskowy.h"
#include "reports/PodgladRaportu.h"
#include "reports/Raport.h"
#include "reports/RegulyRaportu.h"

#include "common/Win1250.h"
#include "db/Dataset.h"
#include "support/BazaTestowa.h"
#include "support/PlikPdf.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void zapisz(const QString& sciezka, const QString& tekst, bool utf8 = true) {
  QFile f(sciezka);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(utf8 ? tekst.toUtf8() : Win1250::zakoduj(tekst));
}

// Patients of a fresh database in a dataset with one computed field.
class RaportNadBaza : public ::testing::Test {
 protected:
  void SetUp() override {
    baza.wykonaj({
        "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, DATAUR, AKTYW) values "
        "(1, 'Kowalska', 'Anna', '85051701234', 'Lipowa', '3', '1985-05-17', 'T')",
        "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, DATAUR, AKTYW) values "
        "(2, 'Żółkiewski', 'Łukasz', '90010112345', null, null, null, 'T')",
        "insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (3, 'Nowak', 'Ewa', '02270803628', 'T')",
    });
    dane = std::make_unique<Dataset>(baza.polaczenie());
    dane->setSelectSql(QStringLiteral("select * from PACJENCI order by ID"));
    dane->addCalculatedField(QStringLiteral("_nazwisko_imie"));
    dane->setCalculate([](Record& r) {
      r.setValue(QStringLiteral("_nazwisko_imie"), r.text(QStringLiteral("NAZWISKO")) + ' ' + r.text(QStringLiteral("IMIE")));
    });
    dane->open();
  }
  QString szablon(const QString& tekst, const char* nazwa = "T.frf") {
    const QString s = dir.filePath(QString::fromLatin1(nazwa));
    zapisz(s, tekst, false);
    return s;
  }
  QString tekst(Raport& r) { return r.Dokument().toPlainText(); }

  BazaTestowa baza;
  QTemporaryDir dir;
  std::unique_ptr<Dataset> dane;
};

}  // namespace

TEST(RegulyRaportu, ValuesReadAsTheProgramShowsThem) {
  struct Przypadek {
    QVariant v;
    const char* tekst;
  };
  const Przypadek tabela[] = {
      {QDate(2026, 12, 9), "09-12-2026"}, {QTime(8, 5), "08:05"}, {QDateTime(QDate(2024, 2, 29), QTime(23, 59, 30)), "29-02-2024 23:59"},
      {QVariant(), ""},                   {QVariant(QMetaType(QMetaType::QString)), ""},  {42, "42"},
      {QStringLiteral(" Kowalski Jan "), " Kowalski Jan "},
  };
  for (const auto& p : tabela) EXPECT_EQ(RegulyRaportu::TekstWartosci(p.v), QString::fromUtf8(p.tekst)) << p.tekst;
}

TEST(RegulyRaportu, PageComesFromTheTemplateHeadWithSoundDefaults) {
  struct Przypadek {
    const char* glowa;
    QSizeF mm;
    QPageLayout::Orientation orientacja;
    QMarginsF marginesy;
    bool stopka;
  };
  const QMarginsF m15(15, 15, 15, 15);
  const Przypadek tabela[] = {
      {"", {210, 297}, QPageLayout::Portrait, m15, true},
      {R"(<meta name="strona" content="A4 poziomo">)", {210, 297}, QPageLayout::Landscape, m15, true},
      {R"(<meta content="A5" name="strona"><meta name="marginesy" content="5">)", {148, 210}, QPageLayout::Portrait, {5, 5, 5, 5}, true},
      {R"(<meta name="strona" content="CR80"><meta name="marginesy" content="4 5 3 6"><meta name="stopka" content="NIE">)",
       {85.6, 53.98}, QPageLayout::Portrait, {6, 4, 5, 3}, false},
      {R"(<meta name="strona" content="100 x 50,5 mm"><meta name="marginesy" content="1 2 x">)", {100, 50.5}, QPageLayout::Portrait, m15, true},
      {R"(<meta name="strona" content="nieznana"><meta name="marginesy" content="-3">)", {210, 297}, QPageLayout::Portrait, m15, true},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.glowa);
    const auto u = RegulyRaportu::UkladZSzablonu(QString::fromUtf8(p.glowa));
    const QSizeF mm = u.rozmiar.size(QPageSize::Millimeter);
    EXPECT_NEAR(mm.width(), p.mm.width(), 0.2);
    EXPECT_NEAR(mm.height(), p.mm.height(), 0.2);
    EXPECT_EQ(u.orientacja, p.orientacja);
    EXPECT_EQ(u.marginesyMm, p.marginesy);
    EXPECT_EQ(u.stopka, p.stopka);
  }
}

TEST(RegulyRaportu, TemplateTextIsWindows1250UnlessItSaysUtf8) {
  const QString polskie = QStringLiteral("Wykaz pacjentów: zażółć gęślą jaźń");
  EXPECT_EQ(RegulyRaportu::TekstSzablonu(Win1250::zakoduj(polskie)), polskie);
  const QString utf = QStringLiteral("<meta charset=\"UTF-8\">") + polskie;
  EXPECT_EQ(RegulyRaportu::TekstSzablonu(utf.toUtf8()), utf);
  EXPECT_EQ(RegulyRaportu::TekstSzablonu("\xEF\xBB\xBF" + polskie.toUtf8()), polskie);
}

TEST(RegulyRaportu, PrinterIsFoundWithoutRegardToCase) {
  const QStringList drukarki = {"PDF", "Zebra ZC300", "Evolis Primacy"};
  struct Przypadek {
    const char* nazwa;
    int indeks;
  };
  const Przypadek tabela[] = {{"Zebra ZC300", 1}, {"zebra zc300", 1}, {"EVOLIS PRIMACY", 2}, {"---", -1}, {"", -1}, {"Zebra", -1}};
  for (const auto& p : tabela) EXPECT_EQ(RegulyRaportu::IndeksDrukarki(drukarki, QString::fromUtf8(p.nazwa)), p.indeks) << p.nazwa;
}

TEST_F(RaportNadBaza, VariablesAreAnsweredByTheProgramThenTheDatasetThenEmpty) {
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral(
      "<p>[{{tytul}}]</p>"
      "{{#wiersze}}<p>{{_nr}}|{{imie}}|{{IMIE}}|{{Imie}}|{{_nazwisko_imie}}|{{DATAUR}}|{{nieznana}}|{{wiersz}}"
      "{{#ULICA}}+{{ULICA}}{{/ULICA}}{{^ULICA}}-{{/ULICA}}</p>{{/wiersze}}"
      "<p>poza:{{NAZWISKO}}|{{wiersz}}</p>"))));
  r.UstawTytul(QStringLiteral("Próba"));
  r.UstawDane(dane.get());
  QStringList pytania;
  // Answers come with the dataset standing on the row being printed; names keep their case.
  r.UstawZmienne([&](const QString& n) -> std::optional<QString> {
    pytania << n;
    if (n == QLatin1String("imie")) return QStringLiteral("imię:") + dane->text(QStringLiteral("IMIE"));
    if (n == QLatin1String("wiersz")) return QString::number(dane->recNo());
    if (n == QLatin1String("DATAUR")) return QString();  // an empty answer is an answer
    return std::nullopt;
  });
  dane->moveTo(1);
  r.Przygotuj();
  EXPECT_EQ(dane->recNo(), 1);
  const QStringList linie = tekst(r).split('\n');
  const QStringList oczekiwane = {
      "[Próba]",
      "1|imię:Anna|Anna|Anna|Kowalska Anna|||0+Lipowa",
      "2|imię:Łukasz|Łukasz|Łukasz|Żółkiewski Łukasz|||1-",
      "3|imię:Ewa|Ewa|Ewa|Nowak Ewa|||2-",
      "poza:Żółkiewski|1",
  };
  EXPECT_EQ(linie, oczekiwane);
  EXPECT_TRUE(pytania.contains("Imie"));
  EXPECT_TRUE(pytania.contains("nieznana"));
  EXPECT_FALSE(pytania.contains("tytul"));
  EXPECT_FALSE(pytania.contains("_nr"));
}

TEST_F(RaportNadBaza, NoDatasetOrNoRowsStillPrepares) {
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral("<p>{{#wiersze}}{{PESEL}}{{/wiersze}}{{^wiersze}}brak{{/wiersze}}|{{PESEL}}|</p>"))));
  r.Przygotuj();
  EXPECT_EQ(tekst(r), "brak||");
  Dataset pusty(baza.polaczenie());
  pusty.setSelectSql(QStringLiteral("select * from PACJENCI where ID < 0"));
  pusty.open();
  r.UstawDane(&pusty);
  r.Przygotuj();
  EXPECT_EQ(tekst(r), "brak||");
  EXPECT_EQ(r.IloscStron(), 1);
}

TEST_F(RaportNadBaza, MissingTemplateKeepsWhatTheReportHeld) {
  Raport r;
  EXPECT_FALSE(r.Wczytaj(dir.filePath("brak.frf")));
  r.Przygotuj();
  EXPECT_EQ(tekst(r), "");  // nothing at the first use

  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral("<p>Pierwszy {{#wiersze}}{{PESEL}} {{/wiersze}}</p>"))));
  r.UstawDane(dane.get());
  r.Przygotuj();
  EXPECT_FALSE(r.Wczytaj(dir.filePath("brak.frf")));
  r.UstawTytul(QStringLiteral("Inny"));
  r.Przygotuj();
  EXPECT_EQ(tekst(r).trimmed(), "Pierwszy 85051701234 90010112345 02270803628");
}

TEST_F(RaportNadBaza, BrokenTagsRaiseAnErrorNamingTheFile) {
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral("{{#wiersze}}bez końca"), "Zly.frf")));
  try {
    r.Przygotuj();
    FAIL() << "no error";
  } catch (const std::exception& e) {
    EXPECT_TRUE(QString::fromUtf8(e.what()).contains("Zly.frf")) << e.what();
  }
}

TEST_F(RaportNadBaza, TextIsEscapedAndWindows1250TemplatesRead) {
  baza.wykonaj({"update PACJENCI set ULICA = '<b>Róg & Syn</b>' where ID = 1"});
  dane->close();
  dane->open();
  Raport r;
  const QString s = dir.filePath("w.frf");
  zapisz(s, QStringLiteral("<p>Ulica: {{ULICA}}; żółw</p>"), false);
  ASSERT_TRUE(r.Wczytaj(s));
  r.UstawDane(dane.get());
  r.Przygotuj();
  EXPECT_EQ(tekst(r), "Ulica: <b>Róg & Syn</b>; żółw");
}

TEST_F(RaportNadBaza, PdfHoldsEveryRowOverNumberedPages) {
  QStringList wstaw;
  for (int i = 10; i < 130; ++i)
    wstaw << QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (%1, 'Pacjent%1', 'Jan', '%2', 'T')")
                 .arg(i)
                 .arg(80000000000LL + i);
  baza.wykonaj(wstaw);
  dane->close();
  dane->open();
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral(
      "<html><head><meta name=\"strona\" content=\"A5\"></head><body><h3>Lista</h3>"
      "<table border=\"1\">{{#wiersze}}<tr><td>{{_nr}}</td><td>{{NAZWISKO}}</td></tr>{{/wiersze}}</table></body></html>"))));
  r.UstawTytul(QStringLiteral("Lista"));
  r.UstawDane(dane.get());
  r.Przygotuj();
  ASSERT_GT(r.IloscStron(), 2);
  const QString pdf = dir.filePath("lista.pdf");
  ASSERT_TRUE(r.ZapiszPdf(pdf));
  EXPECT_EQ(PlikPdf::Strony(pdf), r.IloscStron());
  const QString t = PlikPdf::Tekst(pdf);
  for (const char* s : {"Kowalska", "Żółkiewski", "Pacjent10", "Pacjent129", "Strona 1 z", "Strona 2 z"}) EXPECT_TRUE(t.contains(s)) << s;
  EXPECT_TRUE(t.contains(QStringLiteral("Strona %1 z %1").arg(r.IloscStron())));
  EXPECT_NEAR(PlikPdf::RozmiarStrony(pdf).split(" x ").first().toDouble(), 419.5, 1.0);  // A5 width in points
}

TEST_F(RaportNadBaza, BarcodeTagEmbedsTheImageOfTheRenderedText) {
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral(
      "<html><head><meta name=\"strona\" content=\"CR80\"><meta name=\"stopka\" content=\"nie\"></head><body>"
      "<p>{{NAZWISKO}}</p><p>{{#kod128}} {{PESEL}} {{/kod128}}</p></body></html>"))));
  r.UstawDane(dane.get());
  dane->moveTo(2);
  r.Przygotuj();
  EXPECT_EQ(r.Kody(), QStringList{"02270803628"});
  ASSERT_TRUE(r.Html().contains("<img src=\"kod128:1\""));
  const QImage obraz = r.Dokument().resource(QTextDocument::ImageResource, QUrl("kod128:1")).value<QImage>();
  ASSERT_FALSE(obraz.isNull());
  const KodKreskowy k = Kod128(QStringLiteral("02270803628"), 1, 40);
  EXPECT_EQ(k.tekst, "02270803628");
  EXPECT_TRUE(k.blad.isEmpty());
  EXPECT_EQ(obraz, k.obraz);
  // Code 128 of 11 digits: start, five digit pairs, a switch, one digit, check (11 modules each), stop (13).
  EXPECT_EQ(k.moduly, 11 * 9 + 13);

  const QString pdf = dir.filePath("karta.pdf");
  ASSERT_TRUE(r.ZapiszPdf(pdf));
  EXPECT_EQ(PlikPdf::Strony(pdf), 1);
  EXPECT_EQ(PlikPdf::Obrazy(pdf), 1);
  EXPECT_TRUE(PlikPdf::Tekst(pdf).contains("Nowak"));
  EXPECT_FALSE(PlikPdf::Tekst(pdf).contains("Strona"));
}

TEST_F(RaportNadBaza, PreviewShowsThePagesAndFindsText) {
  QStringList wstaw;
  for (int i = 10; i < 90; ++i)
    wstaw << QStringLiteral("insert into PACJENCI (ID, NAZWISKO, IMIE, PESEL, AKTYW) values (%1, 'Pacjent%1', 'Jan', '1', 'T')").arg(i);
  baza.wykonaj(wstaw);
  dane->close();
  dane->open();
  Raport r;
  ASSERT_TRUE(r.Wczytaj(szablon(QStringLiteral("<h2>Podgląd</h2>{{#wiersze}}<p>{{_nr}}. {{NAZWISKO}}</p>{{/wiersze}}"))));
  r.UstawTytul(QStringLiteral("Pacjenci"));
  r.UstawDane(dane.get());
  r.Przygotuj();
  const int stron = r.IloscStron();
  ASSERT_GE(stron, 2);
  bool pokazany = false;
  QTimer::singleShot(0, [&] {
    auto* okno = qobject_cast<PodgladRaportu*>(QApplication::activeModalWidget());
    ASSERT_NE(okno, nullptr);
    pokazany = true;
    auto* widok = okno->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(widok, nullptr);
    EXPECT_EQ(widok->pageCount(), stron);
    EXPECT_EQ(okno->windowTitle(), "Podgląd wydruku - Pacjenci");
    EXPECT_TRUE(okno->Szukaj("Pacjent89"));
    EXPECT_EQ(widok->currentPage(), stron);
    EXPECT_FALSE(okno->Szukaj("Nie ma takiego"));
    EXPECT_TRUE(okno->Szukaj("Podgląd"));
    EXPECT_EQ(widok->currentPage(), 1);
    okno->grab().save(QDir(ORBE_BIN_DIR).filePath("podglad_raportu.png"));
    okno->reject();
  });
  r.Podglad(nullptr);
  EXPECT_TRUE(pokazany);
  EXPECT_EQ(r.IloscStron(), stron);
}
