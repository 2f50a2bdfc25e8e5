#include "patients/WarunkiPacjentow.h"

#include <gtest/gtest.h>

using namespace WarunkiPacjentow;

namespace {

const QStringList prefiks{
    "  (",
    "    upper(NAZWISKO||' '||IMIE) STARTING WITH cast(:t as varchar(100))",
    "    or",
    "    PESEL STARTING WITH cast(:t as varchar(100))",
    "  )"};

}  // namespace

TEST(WarunkiPacjentow, ConditionsAndFilterParameterTable) {
  struct Przypadek {
    bool wlaczony;
    const char* tekst;
    bool usunieci;
    const char* t;  // nullptr: no filter
  };
  const Przypadek tabela[] = {
      {false, "kowal", false, nullptr},
      {true, "", false, nullptr},
      {false, "", true, nullptr},
      {true, "kowal", false, "KOWAL"},
      {true, "żółć gęślą", true, "ŻÓŁĆ GĘŚLĄ"},
      {true, "źdźbło ńą", false, "ŹDŹBŁO ŃĄ"},
      {true, "0523", false, "0523"},
      // Quote, percent and underscore are plain characters of the value.
      {true, "o'brien", false, "O'BRIEN"},
      {true, "50%_x", false, "50%_X"},
      {true, "x' or '1'='1", true, "X' OR '1'='1"},
      // A space alone is a text too.
      {true, " ", false, " "},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.tekst);
    const Warunki w = BudujWarunki(p.wlaczony, QString::fromUtf8(p.tekst), p.usunieci);
    QStringList linie{"where"};
    if (p.t) linie << prefiks << "  and";
    linie << (p.usunieci ? "  AKTYW = 'N'" : "  AKTYW = 'T'");
    EXPECT_EQ(w.linie, linie);
    EXPECT_EQ(w.filtruje(), p.t != nullptr);
    if (p.t) {
      EXPECT_EQ(w.parametry, (QVariantMap{{"t", QString::fromUtf8(p.t)}}));
    } else {
      EXPECT_TRUE(w.parametry.isEmpty());
    }
    // The user's text never reaches the statement.
    if (!QString::fromUtf8(p.tekst).trimmed().isEmpty())
      EXPECT_FALSE(ZapytanieStrony("PACJENCI", w, 0).contains(QString::fromUtf8(p.tekst).toUpper()));

    const Warunki wt = BudujWarunkiTessor(p.wlaczony, QString::fromUtf8(p.tekst));
    EXPECT_EQ(wt.linie, p.t ? QStringList{"where"} + prefiks : QStringList{});
    EXPECT_EQ(wt.parametry, w.parametry);
  }
}

TEST(WarunkiPacjentow, OverlongFilterIsCutToTheCastLength) {
  const Warunki w = BudujWarunki(true, QString(150, u'a'), false);
  EXPECT_EQ(w.parametry.value("t").toString(), QString(DlugoscFiltra, u'A'));
}

TEST(WarunkiPacjentow, PageAndCountStatements) {
  const Warunki w = BudujWarunki(true, "nowak", false);
  EXPECT_EQ(ZapytanieStrony("PACJENCI", w, 0),
            "select first 100 skip 0 *\nfrom PACJENCI\nwhere\n" + prefiks.join('\n') +
                "\n  and\n  AKTYW = 'T'\norder by NAZWISKO, IMIE, ID");
  EXPECT_EQ(ZapytanieIlosci("PACJENCI", BudujWarunki(false, "", true)),
            "select count(*) as ILOSC\nfrom PACJENCI\nwhere\n  AKTYW = 'N'");
  // The companion register without a filter has no where at all.
  EXPECT_EQ(ZapytanieStrony("PACJENT", BudujWarunkiTessor(false, "x"), 3),
            "select first 100 skip 300 *\nfrom PACJENT\norder by NAZWISKO, IMIE, ID");
  EXPECT_EQ(ZapytanieIlosci("PACJENT", BudujWarunkiTessor(true, "")), "select count(*) as ILOSC\nfrom PACJENT");

  const std::pair<int, const char*> strony[] = {
      {0, "select first 100 skip 0 *"}, {1, "select first 100 skip 100 *"},
      {2, "select first 100 skip 200 *"}, {99, "select first 100 skip 9900 *"}};
  for (const auto& [strona, linia] : strony)
    EXPECT_EQ(ZapytanieStrony("PACJENCI", w, strona).section('\n', 0, 0), linia) << strona;
}

TEST(WarunkiPacjentow, PageCountIsCountDivHundredPlusOne) {
  const std::pair<int, int> tabela[] = {{0, 1}, {1, 1}, {99, 1}, {100, 2}, {101, 2},
                                        {199, 2}, {200, 3}, {250, 3}, {1000, 11}};
  for (const auto& [ilosc, strony] : tabela) EXPECT_EQ(IloscStron(ilosc), strony) << ilosc;
}
