#include "patients/ImportDeklaracjiReguly.h"

#include "common/Win1250.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ImportDeklaracji;

namespace {

const QString pelnyNaglowek = QStringLiteral(
    "PESEL;Nazwisko;Imię;Data urodzenia;Kod pocztowy;Miejscowość;Ulica;Nr domu;Nr lokalu;"
    "Gmina;Powiat;Województwo;Płeć;Typ deklaracji;Data operacji;Nr prawa wyk. zaw. lek.;"
    "PESEL lekarza");

RekordDeklaracji rekord(const char* pesel, const char* dataUr, const char* plec) {
  RekordDeklaracji r;
  r.pesel = QString::fromUtf8(pesel);
  r.nazwisko = QStringLiteral("KOWALSKA");
  r.imie = QStringLiteral("Anna");
  r.dataUrodzeniaTekst = QString::fromUtf8(dataUr);
  r.dataUrodzenia = DataZTekstu(r.dataUrodzeniaTekst);
  r.plec = QString::fromUtf8(plec);
  r.pwzl = QStringLiteral("1234567");
  r.peselLekarza = QStringLiteral("85051701230");
  return r;
}

}  // namespace

TEST(ImportDeklaracji, EmptyAndTitleLinesAreDroppedWhereverTheyStand) {
  struct Przypadek {
    const char* tekst;
    QStringList linie;
  };
  const Przypadek tabela[] = {
      {"LISTA DEKLARACJI Z PROGRAMU KS-SWD\r\nH\r\nA\r\n\r\nB\r\n", {"H", "A", "B"}},
      {"\r\n\r\nH\nA\rLISTA DEKLARACJI Z PROGRAMU KS-SWD\r\nB", {"H", "A", "B"}},
      {"H\r\nA\r\nLISTA DEKLARACJI Z PROGRAMU KS-SWD\r\n\r\n", {"H", "A"}},
      // Only the exact title is dropped; a line of spaces is not empty.
      {"LISTA DEKLARACJI Z PROGRAMU KS-SWD \r\nlista deklaracji z programu ks-swd\r\n \r\n",
       {"LISTA DEKLARACJI Z PROGRAMU KS-SWD ", "lista deklaracji z programu ks-swd", " "}},
      {"", {}},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.tekst);
    EXPECT_EQ(LinieListy(QString::fromUtf8(p.tekst)), p.linie);
  }
}

TEST(ImportDeklaracji, FieldsSplitAtEverySemicolonWithoutQuoting) {
  struct Przypadek {
    const char* linia;
    QStringList pola;
  };
  const Przypadek tabela[] = {
      {"a;b;c", {"a", "b", "c"}},
      {"a;b;", {"a", "b", ""}},
      {";", {"", ""}},
      {"\"a;b\";c", {"\"a", "b\"", "c"}},
      {" a ; b ", {" a ", " b "}},
      {"", {""}},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.linia);
    EXPECT_EQ(PodzielPola(QString::fromUtf8(p.linia)), p.pola);
  }
}

TEST(ImportDeklaracji, HeaderNamesTrimmedCaselessInAnyOrder) {
  EXPECT_EQ(Naglowek().pozycjaKolumny(PeselLekarza), -1);
  const Naglowek pelny = SprawdzNaglowek(pelnyNaglowek);
  ASSERT_TRUE(pelny.poprawny);
  for (int k = 0; k < IloscKolumn; ++k) EXPECT_EQ(pelny.pozycja[k], k);

  // Reversed order, surrounding spaces, other case, an unknown column, no optional ones.
  const Naglowek n = SprawdzNaglowek(QStringLiteral(
      " PŁEĆ ;województwo;POWIAT;gmina;Inna kolumna;NR LOKALU;nr domu;ULICA;miejscowość;"
      "KOD POCZTOWY;data urodzenia;IMIĘ; nazwisko;pesel  "));
  EXPECT_TRUE(n.poprawny);
  EXPECT_TRUE(n.brakujace.isEmpty());
  EXPECT_EQ(n.pozycjaKolumny(Plec), 0);
  EXPECT_EQ(n.pozycjaKolumny(NrLokalu), 5);
  EXPECT_EQ(n.pozycjaKolumny(Nazwisko), 12);
  EXPECT_EQ(n.pozycjaKolumny(Pesel), 13);
  for (Kolumna k : {TypDeklaracji, DataOperacji, NrPrawaWykonywania, PeselLekarza})
    EXPECT_EQ(n.pozycjaKolumny(k), -1);

  // The first of two equal names counts.
  EXPECT_EQ(SprawdzNaglowek(pelnyNaglowek + QStringLiteral(";pesel")).pozycjaKolumny(Pesel), 0);
}

TEST(ImportDeklaracji, HeaderMissingARequiredNameFails) {
  struct Przypadek {
    QString naglowek;
    QStringList brakujace;
  };
  const Przypadek tabela[] = {
      {QString(pelnyNaglowek).replace(QStringLiteral("Imię;"), QStringLiteral("Imie;")), {"Imię"}},
      {QString(pelnyNaglowek).replace(QStringLiteral("Płeć;"), QString()), {"Płeć"}},
      {QStringLiteral("PESEL,Nazwisko,Imię"),
       {"PESEL", "Nazwisko", "Imię", "Data urodzenia", "Kod pocztowy", "Miejscowość", "Ulica",
        "Nr domu", "Nr lokalu", "Gmina", "Powiat", "Województwo", "Płeć"}},
      {QString(), QStringList(NazwyKolumn().begin(), NazwyKolumn().begin() + IloscWymaganych)},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.naglowek.toStdString());
    const Naglowek n = SprawdzNaglowek(p.naglowek);
    EXPECT_FALSE(n.poprawny);
    EXPECT_EQ(n.brakujace, p.brakujace);
  }
}

TEST(ImportDeklaracji, DatesReadByCharacterPositions) {
  struct Przypadek {
    const char* tekst;
    QDate data;
  };
  const Przypadek tabela[] = {
      {"1980-05-17", {1980, 5, 17}},
      {"1980/05/17", {1980, 5, 17}},
      {"1980-05-17 12:30:00", {1980, 5, 17}},
      {"2024-02-29", {2024, 2, 29}},
      {"2023-02-29", {}},
      {"1980-13-01", {}},
      {"1980-5-17", {}},
      {"17-05-1980", {}},
      {"1980-05-1", {}},
      {"198a-05-17", {}},
      {"1980- 5-17", {}},
      {"", {}},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.tekst);
    EXPECT_EQ(DataZTekstu(QString::fromUtf8(p.tekst)), p.data);
  }
}

TEST(ImportDeklaracji, DeclarationTypeIsAWholeNumberOrZero) {
  const std::pair<const char*, int> tabela[] = {
      {"1", 1}, {"2", 2}, {"3", 3}, {"03", 3}, {"", 0}, {"x", 0}, {"1.0", 0}, {"1a", 0}, {"-1", -1}};
  for (const auto& [tekst, typ] : tabela) EXPECT_EQ(TypZTekstu(QString::fromUtf8(tekst)), typ) << tekst;
}

TEST(ImportDeklaracji, RecordFieldsTakenAsTheyStand) {
  const Naglowek n = SprawdzNaglowek(pelnyNaglowek);
  const OdczytRekordu o = CzytajRekord(
      n, QStringLiteral("05232101246;kowalska ; Anna;2005-03-21;00-950;Warszawa;Kwiatowa;12;;"
                        "Śródmieście;warszawski;mazowieckie;K;1;2023-02-01;1234567;"));
  ASSERT_TRUE(o.rekord.has_value());
  const RekordDeklaracji& r = *o.rekord;
  EXPECT_EQ(r.pesel, "05232101246");
  EXPECT_EQ(r.nazwisko, "kowalska ");
  EXPECT_EQ(r.imie, " Anna");
  EXPECT_EQ(r.dataUrodzenia, QDate(2005, 3, 21));
  EXPECT_EQ(r.kodp, "00-950");
  EXPECT_EQ(r.poczta, "Warszawa");
  EXPECT_EQ(r.ulica, "Kwiatowa");
  EXPECT_EQ(r.nrdomu, "12");
  EXPECT_EQ(r.nrlokal, "");
  EXPECT_EQ(r.gmina, "Śródmieście");
  EXPECT_EQ(r.powiat, "warszawski");
  EXPECT_EQ(r.wojewodztwo, "mazowieckie");
  EXPECT_EQ(r.plec, "K");
  EXPECT_EQ(r.typDeklaracji, 1);
  EXPECT_EQ(r.dataOperacji, QDate(2023, 2, 1));
  EXPECT_EQ(r.pwzl, "1234567");
  EXPECT_EQ(r.peselLekarza, "");  // the empty last field after ";"
}

TEST(ImportDeklaracji, LineLackingAFieldOfAPresentColumnIsUnreadable) {
  const Naglowek pelny = SprawdzNaglowek(pelnyNaglowek);
  const Naglowek wymagane = SprawdzNaglowek(pelnyNaglowek.section(u';', 0, 12));
  // The header with an unknown last column that the records leave out.
  const Naglowek zDodatkowa = SprawdzNaglowek(pelnyNaglowek.section(u';', 0, 12) + ";Uwagi");
  const QString trzynascie = QStringLiteral("1;2;3;4;5;6;7;8;9;10;11;12;13");
  struct Przypadek {
    const Naglowek* naglowek;
    QString linia;
    const char* powod;  // empty: readable
  };
  const Przypadek tabela[] = {
      {&pelny, trzynascie + ";14;15;16;17", ""},
      {&pelny, trzynascie + ";14;15;16;", ""},
      {&pelny, trzynascie + ";14;15;16", "brak pola 'PESEL lekarza'"},
      {&pelny, trzynascie, "brak pola 'Typ deklaracji'"},
      {&pelny, QStringLiteral("05232101246"), "brak pola 'Nazwisko'"},
      {&wymagane, trzynascie, ""},
      {&wymagane, trzynascie + ";x;y", ""},
      {&wymagane, trzynascie.section(u';', 0, 11), "brak pola 'Płeć'"},
      {&zDodatkowa, trzynascie, ""},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.linia.toStdString());
    const OdczytRekordu o = CzytajRekord(*p.naglowek, p.linia);
    EXPECT_EQ(o.rekord.has_value(), *p.powod == 0);
    EXPECT_EQ(o.powod, QString::fromUtf8(p.powod));
  }
  // Absent optional columns read as no type, no date, no doctor.
  const RekordDeklaracji r = *CzytajRekord(wymagane, trzynascie).rekord;
  EXPECT_EQ(r.typDeklaracji, 0);
  EXPECT_FALSE(r.dataOperacji.isValid());
  EXPECT_TRUE(r.pwzl.isEmpty() && r.peselLekarza.isEmpty());
}

TEST(ImportDeklaracji, ValueLongerThanItsColumnIsNamed) {
  struct Przypadek {
    Kolumna kolumna;
    QString RekordDeklaracji::*pole;
  };
  const Przypadek tabela[] = {
      {Pesel, &RekordDeklaracji::pesel},       {Nazwisko, &RekordDeklaracji::nazwisko},
      {Imie, &RekordDeklaracji::imie},         {KodPocztowy, &RekordDeklaracji::kodp},
      {Miejscowosc, &RekordDeklaracji::poczta}, {Ulica, &RekordDeklaracji::ulica},
      {NrDomu, &RekordDeklaracji::nrdomu},     {NrLokalu, &RekordDeklaracji::nrlokal},
      {Gmina, &RekordDeklaracji::gmina},       {Powiat, &RekordDeklaracji::powiat},
      {Wojewodztwo, &RekordDeklaracji::wojewodztwo}, {Plec, &RekordDeklaracji::plec},
  };
  const std::pair<Kolumna, int> dlugosci[] = {{Pesel, 11}, {Nazwisko, 64}, {Imie, 32}, {KodPocztowy, 6},
                                              {Miejscowosc, 32}, {Ulica, 32}, {NrDomu, 8}, {NrLokalu, 8},
                                              {Gmina, 32}, {Powiat, 32}, {Wojewodztwo, 32}, {Plec, 1}};
  for (const auto& [k, d] : dlugosci) EXPECT_EQ(DlugoscKolumny(k), d) << NazwyKolumn()[k].toStdString();
  for (const auto& p : tabela) {
    SCOPED_TRACE(NazwyKolumn()[p.kolumna].toStdString());
    RekordDeklaracji r;
    r.*p.pole = QString(DlugoscKolumny(p.kolumna), u'Ż');
    EXPECT_EQ(PoleZaDlugie(r), QString());
    EXPECT_EQ(PowodZaDlugiegoPola(r), QString());
    r.*p.pole += u'x';
    EXPECT_EQ(PoleZaDlugie(r), NazwyKolumn()[p.kolumna]);
    EXPECT_EQ(PowodZaDlugiegoPola(r), QStringLiteral("za długie pole '%1' (dopuszczalna długość: %2)")
                                          .arg(NazwyKolumn()[p.kolumna])
                                          .arg(DlugoscKolumny(p.kolumna)));
  }
  // Values that are not written as text are not limited.
  RekordDeklaracji r;
  r.pwzl = r.peselLekarza = r.dataUrodzeniaTekst = QString(100, u'1');
  EXPECT_EQ(PoleZaDlugie(r), QString());
}

TEST(ImportDeklaracji, DoctorByLicenceElseByPeselElseZero) {
  LekarzeImportu l;
  l.dodajLekarza(1, "abc123", "85051701230");
  l.dodajLekarza(2, "7777777", "");
  l.dodajLekarza(3, "", "05232101246");
  l.dodajLekarza(4, "ABC123", "");  // same licence in other case: the last one wins
  struct Przypadek {
    const char* pwzl;
    const char* pesel;
    int id;
  };
  const Przypadek tabela[] = {
      {"7777777", "05232101246", 2},  // licence first
      {"abc123", "", 4},
      {"Abc123", "", 4},
      {"0000000", "05232101246", 3},   // unknown licence: by PESEL
      {"", "85051701230", 1},
      {"", "", 0},                     // doctors without licence or PESEL are never found by ""
      {"0000000", "99999999999", 0},
      {"7777777 ", "", 0},             // keys are compared whole
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(std::string(p.pwzl) + "/" + p.pesel);
    EXPECT_EQ(ZnajdzLekarza(l, QString::fromUtf8(p.pwzl), QString::fromUtf8(p.pesel)), p.id);
  }
  MapaLekarzy m;
  m.dodaj(QStringLiteral("źdźbło"), 5);
  EXPECT_EQ(m.znajdz(QStringLiteral("ŹDŹBŁO")), 5);
  EXPECT_EQ(m.znajdz(QStringLiteral("zdzblo")), 0);
}

TEST(ImportDeklaracji, DeclarationDatesByType) {
  const DatyDeklaracji zapisane{QDate(2020, 1, 1), QDate(2021, 6, 30)};
  const QDate operacja(2023, 2, 1);
  struct Przypadek {
    int typ;
    QDate data;
    DatyDeklaracji wynik;
  };
  const Przypadek tabela[] = {
      {1, operacja, {operacja, zapisane.pielegniarka}},
      {2, operacja, zapisane},
      {3, operacja, {zapisane.lekarz, operacja}},
      {0, operacja, zapisane},
      {1, QDate(), zapisane},
      {3, QDate(), zapisane},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.typ);
    EXPECT_EQ(NoweDatyDeklaracji(zapisane, p.typ, p.data), p.wynik);
  }
  // A new patient has no stored dates.
  EXPECT_EQ(NoweDatyDeklaracji({}, 3, operacja), (DatyDeklaracji{QDate(), operacja}));
}

TEST(ImportDeklaracji, ChecksAfterWritingFillTheirLists) {
  struct Przypadek {
    RekordDeklaracji r;
    int lekarz;
    QStringList bledne, data, plec, bezLekarza;
  };
  const Przypadek tabela[] = {
      {rekord("05232101246", "2005-03-21", "K"), 7, {}, {}, {}, {}},
      {rekord("05232101246", "2005-03-21", "M"), 7, {}, {},
       {"05232101246\tK/M\tKOWALSKA Anna"}, {}},
      {rekord("05232101246", "2005-03-21", "k"), 7, {}, {},
       {"05232101246\tK/k\tKOWALSKA Anna"}, {}},
      {rekord("05232101246", "2005-03-22", "K"), 0, {},
       {"05232101246\t22-03-2005\tKOWALSKA Anna"}, {},
       {"05232101246\tKOWALSKA\tAnna\t1234567\t85051701230"}},
      // An unreadable date of birth never agrees and shows as it stands in the file.
      {rekord("05232101246", "21.03.2005", "K"), 7, {}, {"05232101246\t21.03.2005\tKOWALSKA Anna"}, {}, {}},
      {rekord("05232101247", "2005-03-21", "K"), 7, {"05232101247\tKOWALSKA Anna"}, {}, {}, {}},
      // No sex can be read from the PESEL: it is reported as invalid only.
      {rekord("052321012", "2005-03-21", "K"), 7, {"052321012\tKOWALSKA Anna"}, {}, {}, {}},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE((p.r.pesel + " " + p.r.dataUrodzeniaTekst + " " + p.r.plec).toStdString());
    ListyImportu listy;
    DodajUwagi(listy, p.r, p.lekarz);
    EXPECT_EQ(listy.lista(ListaUwag::BlednePesele), p.bledne);
    EXPECT_EQ(listy.lista(ListaUwag::NiezgodnaData), p.data);
    EXPECT_EQ(listy.lista(ListaUwag::NiezgodnaPlec), p.plec);
    EXPECT_EQ(listy.lista(ListaUwag::BezLekarza), p.bezLekarza);
    EXPECT_TRUE(listy.lista(ListaUwag::BezPesel).isEmpty());
    EXPECT_TRUE(listy.lista(ListaUwag::Nieczytelne).isEmpty());
  }
}

TEST(ImportDeklaracji, ListLineFormats) {
  const RekordDeklaracji r = rekord("", "2005-03-21", "K");
  EXPECT_EQ(PozycjaBezPesel(r), "KOWALSKA Anna");
  const RekordDeklaracji z = rekord("05232101246", "", "K");
  EXPECT_EQ(PozycjaZapisana(z), "05232101246;KOWALSKA;Anna");
  EXPECT_EQ(PozycjaNieczytelna("brak pola 'Płeć'", "1;2;3"), "brak pola 'Płeć'\t1;2;3");
}

TEST(ImportDeklaracji, AttentionFilesNamesContentsAndMessages) {
  const QString kat = KatalogLogow(QStringLiteral("/dane/orbe/"));
  EXPECT_EQ(kat, "/dane/orbe/Logi/");
  const QString t = ZnacznikCzasu(QDateTime(QDate(2024, 1, 5), QTime(7, 3, 59)));
  EXPECT_EQ(t, "2024-01-05_0703");
  EXPECT_EQ(ZnacznikCzasu(QDateTime(QDate(2024, 12, 31), QTime(23, 59))), "2024-12-31_2359");
  EXPECT_EQ(NazwaLoguAktualizacji(kat, t), "/dane/orbe/Logi/Aktualizacja_2024-01-05_0703.txt");

  struct Przypadek {
    ListaUwag lista;
    const char* plik;
    QStringList naglowek;
    const char* komunikat;
  };
  const Przypadek tabela[] = {
      {ListaUwag::BezPesel, "_bez_peseli", {"Ilość pacjentów bez PESEL: 2 (nie dodano do bazy)"},
       "UWAGA!!!\n\nIlość pacjentów bez nr PESEL: 2 (nie dodano do bazy)\n\n"
       "Lista pacjentów bez nr PESEL została zapisana do pliku:\n"},
      {ListaUwag::BlednePesele, "_bledne_pesele", {"Ilość błędnych nr PESEL: 2"},
       "UWAGA!!!\n\nIlość błędnych nr PESEL: 2\n\nLista błędnych nr PESEL została zapisana do pliku:\n"},
      {ListaUwag::NiezgodnaData, "_niezgodne_pesel-dataur", {"Ilość niezgodnych nr PESEL z datą urodzenia: 2"},
       "UWAGA!!!\n\nIlość niezgodności nr PESEL z datą urodzenia: 2\n\n"
       "Lista niezgodności została zapisana do pliku:\n"},
      {ListaUwag::NiezgodnaPlec, "_niezgodne_pesel-plec", {"Ilość niezgodnych pól PESEL/PŁEĆ: 2"},
       "UWAGA!!!\n\nIlość niezgodności nr PESEL z polem PŁEĆ: 2\n\n"
       "Lista niezgodności została zapisana do pliku:\n"},
      {ListaUwag::BezLekarza, "_pacjenci_bez_lekarza",
       {"Ilość pacjentów bez przypisanego lekarza: 2",
        "Kolumny: (pacjent) pesel, nazwisko, imię, (lekarz) pwzl, pesel"},
       "UWAGA!!!\n\nIlość pacjentów bez przypisanego lekarza: 2\n\nLista została zapisana do pliku:\n"},
      {ListaUwag::Nieczytelne, "_nieczytelne_linie",
       {"Ilość nieczytelnych linii: 2 (nie dodano do bazy)", "Kolumny: powód, linia pliku"},
       "UWAGA!!!\n\nIlość nieczytelnych linii pliku: 2 (nie dodano do bazy)\n\n"
       "Lista nieczytelnych linii została zapisana do pliku:\n"},
  };
  ASSERT_EQ(std::size(tabela), WszystkieListyUwag.size());
  const QStringList pozycje{"a", "b"};
  for (size_t i = 0; i < std::size(tabela); ++i) {
    const auto& p = tabela[i];
    SCOPED_TRACE(p.plik);
    EXPECT_EQ(WszystkieListyUwag[i], p.lista);  // the order the files are written in
    const QString plik = NazwaPlikuUwag(p.lista, kat, t);
    EXPECT_EQ(plik, kat + "Aktualizacja_2024-01-05_0703" + p.plik + ".txt");
    EXPECT_EQ(TrescPlikuUwag(p.lista, pozycje), p.naglowek + pozycje);
    EXPECT_EQ(KomunikatUwag(p.lista, 2, plik), QString::fromUtf8(p.komunikat) + plik);
  }
  // The file name is put in as it is, even with "%d" or "%s" in it.
  EXPECT_TRUE(KomunikatUwag(ListaUwag::BezPesel, 1, "/x/%d%s.txt").endsWith("\n/x/%d%s.txt"));
  EXPECT_EQ(KomunikatLogu("/d/Logi/A.txt"), "Szczegóły aktualizacji zapisano w pliku:\n/d/Logi/A.txt");
}

TEST(ImportDeklaracji, UpdateLogLayout) {
  const QDateTime start(QDate(2024, 1, 5), QTime(7, 3));
  ListyImportu listy;
  listy.zaktualizowane = {"05232101246;KOWALSKA;Anna", "85051701230;NOWAK;Jan"};
  listy.dodane = {"00222900016;ZIELIŃSKA;Ewa"};
  EXPECT_EQ(LogAktualizacji(start, "/home/rej/deklaracje.csv", false, listy),
            QStringList({"Log aktualizacji 2024-01-05 07:03", "Plik źródłowy '/home/rej/deklaracje.csv'", "",
                         "ZAKTUALIZOWANO: 2", "05232101246;KOWALSKA;Anna", "85051701230;NOWAK;Jan", "",
                         "DODANO: 1", "00222900016;ZIELIŃSKA;Ewa", ""}));
  EXPECT_EQ(LogAktualizacji(start, "/x.csv", true, {}),
            QStringList({"Log aktualizacji 2024-01-05 07:03", "Plik źródłowy '/x.csv'",
                         "Błędny format pliku źródłowego.", "", "ZAKTUALIZOWANO: 0", "", "DODANO: 0", ""}));
}

TEST(ImportDeklaracji, KsSwdFileReadsIntoHeaderAndRecords) {
  QTemporaryDir dir;
  const QString plik = dir.filePath("deklaracje.csv");
  const QString tekst = QStringLiteral(
      "LISTA DEKLARACJI Z PROGRAMU KS-SWD\r\n"
      "\r\n"
      " Płeć ;PESEL;NAZWISKO;Imię;Data urodzenia;Kod pocztowy;Miejscowość;Ulica;Nr domu;Nr lokalu;"
      "Gmina;Powiat;Województwo;typ deklaracji;Data operacji;Nr prawa wyk. zaw. lek.;PESEL lekarza\r\n"
      "K;05232101246;ŻÓŁKIEWSKA;Łucja;2005-03-21;00-950;Łódź;Kwiatowa;12;5;Łódź;łódzki;łódzkie;3;2023-02-01;;\r\n"
      "\n"
      "M;;NOWAK;Jan;1985-05-17;00-001;Kraków;Długa;1;;Kraków;krakowski;małopolskie;1;2023-02-01;7777777;\r"
      "LISTA DEKLARACJI Z PROGRAMU KS-SWD\r\n"
      "M;85051701230;NOWAK\r\n");
  ASSERT_TRUE(Win1250::zapiszBajty(plik, Win1250::zakoduj(tekst)));

  const QStringList linie = UsunPusteITytul(Win1250::czytajLinie(plik));
  ASSERT_EQ(linie.size(), 4);
  const Naglowek n = SprawdzNaglowek(linie.first());
  ASSERT_TRUE(n.poprawny);

  const OdczytRekordu a = CzytajRekord(n, linie.at(1));
  ASSERT_TRUE(a.rekord);
  EXPECT_EQ(a.rekord->nazwisko, "ŻÓŁKIEWSKA");
  EXPECT_EQ(a.rekord->poczta, "Łódź");
  EXPECT_EQ(a.rekord->typDeklaracji, 3);
  EXPECT_EQ(NoweDatyDeklaracji({QDate(2020, 1, 1), {}}, a.rekord->typDeklaracji, a.rekord->dataOperacji),
            (DatyDeklaracji{QDate(2020, 1, 1), QDate(2023, 2, 1)}));

  const OdczytRekordu b = CzytajRekord(n, linie.at(2));
  ASSERT_TRUE(b.rekord);
  EXPECT_TRUE(b.rekord->pesel.isEmpty());
  EXPECT_EQ(PozycjaBezPesel(*b.rekord), "NOWAK Jan");

  const OdczytRekordu c = CzytajRekord(n, linie.at(3));
  EXPECT_FALSE(c.rekord);
  EXPECT_EQ(PozycjaNieczytelna(c.powod, linie.at(3)), "brak pola 'Imię'\tM;85051701230;NOWAK");
}
