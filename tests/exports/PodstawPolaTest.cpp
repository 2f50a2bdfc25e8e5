#include "exports/PodstawPola.h"

#include <gtest/gtest.h>

namespace {

// A visit query row as the export sees it.
ListaPolRekordu rekordWizyty() {
  return ListaPolRekordu({
      {"DATA", QDate(2011, 3, 7)},
      {"GODZ", QTime(8, 5)},
      {"ICD10", "J06"},
      {"P_NAZWISKO", "Kowalska"},
      {"P_IMIE", "Łucja"},
      {"P_ULICA", "Długa"},
      {"P_NRDOMU", "12"},
      {"P_NRLOKAL", "3"},
      {"P_DATAUR", QDate(1980, 12, 1)},
      {"P_DTDEKLARLEK", QVariant(QMetaType::fromType<QDate>())},  // null DATE
      {"P_DTDEKLARPIEL", QDate()},                                // empty DATE
      {"P_PLEC", "K"},
      {"L_NAZWISKO", QVariant()},                                 // no doctor joined
      {"PORADA_KOD", "<P.IMIE>"},
      {"PORADA_NAZWA", "a>b<"},
  });
}

struct Przypadek {
  const char* opis;
  QString tresc;
  QString wynik;
};

}  // namespace

TEST(PodstawPola, GenericRule) {
  const Przypadek przypadki[] = {
      {"no placeholders", "stały tekst", "stały tekst"},
      {"two placeholders and a blank", "<P.NAZWISKO> <P.IMIE>", "Kowalska Łucja"},
      {"literal text around", "ul. <P.ULICA> <P.NRDOMU>/<P.NRLOKAL>", "ul. Długa 12/3"},
      {"every occurrence", "<P.PLEC><P.PLEC>-<P.PLEC>", "KK-K"},
      {"name without case, token as typed", "<p.nazwisko>|<P.Nazwisko>", "Kowalska|Kowalska"},
      {"date column", "<P.DATAUR>", "1980-12-01"},
      {"null and empty dates", "[<P.DTDEKLARLEK>][<P.DTDEKLARPIEL>]", "[][]"},
      {"null text", "[<L.NAZWISKO>]", "[]"},
      {"unknown placeholders stay", "<P.NIC> <ICD10> <>", "<P.NIC> J06 <>"},
      {"'>' before the first '<' stops everything", "a>b <P.NAZWISKO>", "a>b <P.NAZWISKO>"},
      {"'>' later stops the rest", "<ICD10> x> <P.IMIE>", "J06 x> <P.IMIE>"},
      {"no closing bracket", "<P.IMIE", "<P.IMIE"},
      {"token spans to the first '>'", "<A<ICD10> <ICD10>", "<AJ06 J06"},
      {"inserted value not rescanned", "<PORADA.KOD> <P.IMIE>", "<P.IMIE> Łucja"},
  };
  const ListaPolRekordu rekord = rekordWizyty();
  for (const auto& p : przypadki) EXPECT_EQ(PodstawPola(p.tresc, rekord), p.wynik) << p.opis;
}

TEST(PodstawPola, VisitComputedPlaceholders) {
  const Przypadek przypadki[] = {
      {"all three", "<LP>;<DATA>;<GODZ>", "7;2011-03-07;08:05"},
      {"every occurrence", "<LP>/<LP>", "7/7"},
      {"lower case goes to the generic rule", "<lp>|<data>", "<lp>|2011-03-07"},
      {"computed despite an early '>'", "> <LP> <DATA> <P.IMIE>", "> 7 2011-03-07 <P.IMIE>"},
      {"mixed with generic", "<LP>. <P.NAZWISKO> <ICD10>", "7. Kowalska J06"},
  };
  const ListaPolRekordu rekord = rekordWizyty();
  for (const auto& p : przypadki)
    EXPECT_EQ(KomorkaWizyty(p.tresc, rekord, 7, QDate(2011, 3, 7), QTime(8, 5)), p.wynik) << p.opis;
  EXPECT_EQ(KomorkaWizyty("<DATA>|<GODZ>", ListaPolRekordu(), 1, QDate(), QTime()), "|");
  EXPECT_EQ(KomorkaWizyty("<GODZ>", ListaPolRekordu(), 1, QDate(), QTime(17, 30)), "17:30");
}

TEST(PodstawPola, DeclarationComputedPlaceholders) {
  const ListaPolRekordu rekord({{"DTDEKLARLEK", QDate(2011, 3, 1)}, {"P_NAZWISKO", "Nowak"}, {"L_PWZL", QVariant()}});
  const Przypadek przypadki[] = {
      {"all three", "<LP>;<TYP_DEKLARACJI>;<DATA_DEKLARACJI>", "4;3;2011-03-31"},
      {"lower case stays", "<typ_deklaracji>|<Lp>", "<typ_deklaracji>|<Lp>"},
      {"bare declaration column by the generic rule", "<DTDEKLARLEK>", "2011-03-01"},
      {"doctor missing gives empty", "[<L.PWZL>] <P.NAZWISKO>", "[] Nowak"},
      {"computed despite an early '>'", "a>b <TYP_DEKLARACJI> <P.NAZWISKO>", "a>b 3 <P.NAZWISKO>"},
  };
  for (const auto& p : przypadki)
    EXPECT_EQ(KomorkaDeklaracji(p.tresc, rekord, 4, 3, QDate(2011, 3, 31)), p.wynik)
        << p.opis;
}
