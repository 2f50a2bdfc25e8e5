#include "DaneEksportu.h"

#include "exports/EksportDane.h"

#include <gtest/gtest.h>

static SzablonKolumn szablon(const QStringList& linie) {
  SzablonKolumn s;
  for (const QString& l : linie) s.append(RozbierzLinieSzablonu(l));
  return s;
}

TEST(EksportWizyt, MonthOfVisitsWithIcd10InDateTimeAndIdOrder) {
  BazaTestowa baza;
  WstawWizytyLutego2012(baza);
  const SzablonKolumn s = szablon({"Lp=<LP>", "Data=<DATA>", "Godz=<GODZ>", "ICD=<ICD10>", "Pacjent=<P.NAZWISKO> <P.IMIE>",
                                   "Adres=ul. <P.ULICA> <P.NRDOMU>/<P.NRLOKAL>", "Lekarz=<L.NAZWISKO>",
                                   "Porada=<PORADA.KOD>", "Ur=<P.DATAUR>", "Dekl=<P.DTDEKLARLEK>", "Inne=<P.NIEMA>"});
  const PodgladEksportu p = PodgladEksportuWizyt(baza.polaczenie(), 2012, 2, s);
  const QList<QStringList> oczekiwane = {
      {"1", "2012-02-01", "08:05", "J01", "Kowalska Żaneta", "ul. Łąkowa 5/", "Nowak", "A01", "1980-05-06", "", "<P.NIEMA>"},
      {"2", "2012-02-15", "09:00", "B01", " ", "ul.  /", "", "", "", "", "<P.NIEMA>"},
      {"3", "2012-02-15", "09:00", "B02", "Kowalska Żaneta", "ul. Łąkowa 5/", "Nowak", "", "1980-05-06", "", "<P.NIEMA>"},
      {"4", "2012-02-29", "19:00", "K02", "Kowalska Żaneta", "ul. Łąkowa 5/", "Nowak", "A01", "1980-05-06", "", "<P.NIEMA>"},
  };
  EXPECT_EQ(p.wiersze, oczekiwane);
  EXPECT_EQ(p.iloscRekordow, 4);
  EXPECT_EQ(p.kolumnyZapytania,
            QStringList({"DATA", "GODZ", "ICD10", "P_NAZWISKO", "P_IMIE", "P_PESEL", "P_ULICA", "P_NRDOMU", "P_NRLOKAL",
                         "P_KODP", "P_POCZTA", "P_GMINA", "P_POWIAT", "P_WOJEWODZTWO", "P_DATAUR", "P_PLEC",
                         "P_DTDEKLARLEK", "P_DTDEKLARPIEL", "L_NAZWISKO", "L_IMIE", "L_PWZL", "L_PESEL", "PORADA_KOD",
                         "PORADA_NAZWA"}));

  const PodgladEksportu pusty = PodgladEksportuWizyt(baza.polaczenie(), 2012, 4, s);
  EXPECT_EQ(pusty.iloscRekordow, 0);
  EXPECT_TRUE(pusty.wiersze.isEmpty());
}

TEST(EksportDeklaracji, OneRowPerDeclarationInTheMonthPatientsById) {
  BazaTestowa baza;
  WstawDeklaracje2011(baza);
  const SzablonKolumn s = szablon({"Lp=<LP>", "Typ=<TYP_DEKLARACJI>", "Data=<DATA_DEKLARACJI>", "Nazwisko=<P.NAZWISKO>",
                                   "Lekarz=<L.NAZWISKO>", "Lek=<DTDEKLARLEK>", "Piel=<DTDEKLARPIEL>", "Ur=<P.DATAUR>"});
  struct Przypadek {
    int miesiac;
    QList<QStringList> wiersze;
  };
  const Przypadek przypadki[] = {
      {3,
       {
           {"1", "1", "2011-03-01", "Adamska", "Wiśniewski", "2011-03-01", "2011-03-31", "1990-01-01"},
           {"1", "3", "2011-03-31", "Adamska", "Wiśniewski", "2011-03-01", "2011-03-31", "1990-01-01"},
           {"2", "1", "2011-03-15", "Bielski", "Wiśniewski", "2011-03-15", "2011-04-02", ""},
           {"3", "3", "2011-03-10", "Cebula", "", "", "2011-03-10", ""},
           {"4", "1", "2011-03-02", "Dudek", "Wiśniewski", "2011-03-02", "", ""},
       }},
      {4, {{"1", "3", "2011-04-02", "Bielski", "Wiśniewski", "2011-03-15", "2011-04-02", ""}}},
      {6, {}},
  };
  for (const auto& p : przypadki) {
    const PodgladEksportu wynik = PodgladEksportuDeklaracji(baza.polaczenie(), 2011, p.miesiac, s);
    EXPECT_EQ(wynik.wiersze, p.wiersze) << "month " << p.miesiac;
    EXPECT_EQ(wynik.iloscRekordow > 0, !p.wiersze.isEmpty()) << "month " << p.miesiac;
  }
}
