// The patient editor's rules: the PESEL fill-in, the checks in order, the
// postal-code table and the division lists.
#include "patients/EdycjaPacjentaReguly.h"

#include <gtest/gtest.h>

using namespace EdycjaPacjentaReguly;

namespace {
// 052321 012 4 with its check digit: a girl born 21 March 2005.
const QString Dziewczyna = QStringLiteral("05232101246");
const QString Chlopiec = QStringLiteral("05232101253");  // same day, tenth digit 5
}  // namespace

TEST(EdycjaPacjentaReguly, PeselFillsOnlyWhatIsEmptyAndOnlyWhenValid) {
  struct Przypadek {
    QString pesel;
    QDate data;
    QString plec;
    bool poprawny;
    std::optional<QDate> nowaData;
    std::optional<QString> nowaPlec;
  } tabela[] = {
      {Dziewczyna, {}, "", true, QDate(2005, 3, 21), "K"},
      {Chlopiec, {}, "", true, QDate(2005, 3, 21), "M"},
      {Dziewczyna, QDate(2000, 1, 1), "", true, std::nullopt, "K"},
      {Dziewczyna, {}, "M", true, QDate(2005, 3, 21), std::nullopt},
      {Dziewczyna, QDate(2005, 3, 21), "K", true, std::nullopt, std::nullopt},
      {"05232101247", {}, "", false, std::nullopt, std::nullopt},
      {"", {}, "", false, std::nullopt, std::nullopt},
      // Month digits 13 and 33 encode no date; the sex still comes.
      {"05132101243", {}, "", true, std::nullopt, "K"},
      {"05332101249", {}, "", true, std::nullopt, "K"},
  };
  for (const auto& p : tabela) {
    const auto u = UzupelnijZPesel(p.pesel, p.data, p.plec);
    SCOPED_TRACE(p.pesel.toStdString());
    EXPECT_EQ(u.peselPoprawny, p.poprawny);
    EXPECT_EQ(u.dataUrodzenia, p.nowaData);
    EXPECT_EQ(u.plec, p.nowaPlec);
  }
}

TEST(EdycjaPacjentaReguly, ChecksStopAtTheFirstFailureInOrder) {
  const DaneDoSprawdzenia dobre{"NOWAK", "ANNA", Dziewczyna, QDate(2005, 3, 21), "K"};
  struct Przypadek {
    std::function<void(DaneDoSprawdzenia&)> zmiana;
    std::optional<InnyPacjent> inny;
    PoleBledu pole;
    QString komunikat;
  } tabela[] = {
      {[](auto& d) { d = {}; }, std::nullopt, PoleBledu::Nazwisko, "Wpisz nazwisko"},
      {[](auto& d) { d.imie.clear(); d.pesel.clear(); }, std::nullopt, PoleBledu::Imie, "Wpisz imię"},
      {[](auto& d) { d.pesel = "0523210124"; }, InnyPacjent{"X", "Y", "T"}, PoleBledu::Pesel, "Błędny nr PESEL"},
      {[](auto& d) { d.pesel.clear(); }, std::nullopt, PoleBledu::Pesel, "Błędny nr PESEL"},
      {[](auto& d) { d.dataUrodzenia = {}; }, InnyPacjent{"KOT", "JAN", "T"}, PoleBledu::Pesel,
       "Pacjent z podanym nr PESEL już występuje w bazie danych jako:\nKOT JAN"},
      {[](auto&) {}, InnyPacjent{"KOT", "JAN", "N"}, PoleBledu::Pesel,
       "Pacjent z podanym nr PESEL już występuje w bazie danych jako:\nKOT JAN (Usunięty)"},
      {[](auto& d) { d.dataUrodzenia = {}; d.plec.clear(); }, std::nullopt, PoleBledu::DataUrodzenia,
       "Niezgodność nr PESEL z datą urodzenia"},
      {[](auto& d) { d.dataUrodzenia = QDate(2005, 3, 22); }, std::nullopt, PoleBledu::DataUrodzenia,
       "Niezgodność nr PESEL z datą urodzenia"},
      {[](auto& d) { d.plec = "M"; }, std::nullopt, PoleBledu::Plec, "Niezgodność nr PESEL z wybraną płcią"},
      {[](auto& d) { d.plec.clear(); }, std::nullopt, PoleBledu::Plec, "Niezgodność nr PESEL z wybraną płcią"},
      {[](auto&) {}, std::nullopt, PoleBledu::Brak, ""},
  };
  for (const auto& p : tabela) {
    DaneDoSprawdzenia d = dobre;
    p.zmiana(d);
    QStringList pytania;
    const auto w = SprawdzDane(d, [&](const QString& pesel) {
      pytania << pesel;
      return p.inny;
    });
    SCOPED_TRACE(p.komunikat.toStdString());
    EXPECT_EQ(w.pole, p.pole);
    EXPECT_EQ(w.komunikat, p.komunikat);
    EXPECT_EQ(w.poprawny(), p.pole == PoleBledu::Brak);
    // The database is asked only about a valid PESEL.
    if (!pytania.isEmpty()) EXPECT_EQ(pytania, QStringList{Dziewczyna});
    if (p.pole == PoleBledu::Nazwisko || p.pole == PoleBledu::Imie || p.komunikat == "Błędny nr PESEL")
      EXPECT_TRUE(pytania.isEmpty());
  }
}

TEST(EdycjaPacjentaReguly, PostalCodeValuesSplitIntoExactlyFourParts) {
  struct Przypadek {
    QString wartosc;
    std::optional<std::array<QString, 4>> czesci;
  } tabela[] = {
      {"Warszawa;Warszawa;warszawa;mazowieckie",
       std::array<QString, 4>{"WARSZAWA", "WARSZAWA", "WARSZAWA", "MAZOWIECKIE"}},
      {"ŁÓDŹ;;ŁÓDZKI;ŁÓDZKIE", std::array<QString, 4>{"ŁÓDŹ", "", "ŁÓDZKI", "ŁÓDZKIE"}},
      {"POCZTA;GMINA;POWIAT;", std::nullopt},  // an empty voivodeship leaves three
      {"A;B;C;D;", std::array<QString, 4>{"A", "B", "C", "D"}},
      {"A;B;C;D;E", std::nullopt},
      {"", std::nullopt},
      {";;;", std::nullopt},
  };
  for (const auto& p : tabela) EXPECT_EQ(CzesciAdresu(p.wartosc), p.czesci) << p.wartosc.toStdString();
  EXPECT_EQ(WartoscAdresu("łask", "Łask", "łaski", "łódzkie"), "ŁASK;ŁASK;ŁASKI;ŁÓDZKIE");
  EXPECT_EQ(WartoscAdresu("", "", "", ""), ";;;");
  for (const auto& [kod, pelny] : {std::pair{"00-950", true}, {"00-95", false}, {"", false}, {"00-9501", false}})
    EXPECT_EQ(KodPelny(kod), pelny) << kod;
}

TEST(EdycjaPacjentaReguly, PostalCodeTableFindsReplacesAndAppendsByCode) {
  QStringList kody{"00-950=WARSZAWA;A;B;C", "98-100=ŁASK;ŁASK;ŁASKI;ŁÓDZKIE", "00-950=DRUGA;X;Y;Z", "zła linia"};
  EXPECT_EQ(WartoscKodu(kody, "00-950"), QString("WARSZAWA;A;B;C"));
  EXPECT_EQ(WartoscKodu(kody, "98-100"), QString("ŁASK;ŁASK;ŁASKI;ŁÓDZKIE"));
  EXPECT_EQ(WartoscKodu(kody, "11-111"), std::nullopt);
  EXPECT_EQ(WartoscKodu(kody, "zła linia"), std::nullopt);
  UstawKod(kody, "98-100", "ŁASK;;;");
  UstawKod(kody, "11-111", "X;Y;Z;W");
  EXPECT_EQ(kody, (QStringList{"00-950=WARSZAWA;A;B;C", "98-100=ŁASK;;;", "00-950=DRUGA;X;Y;Z", "zła linia",
                               "11-111=X;Y;Z;W"}));
}

TEST(EdycjaPacjentaReguly, DivisionListsAskInTheirOwnWordsAndKeepPolishOrder) {
  EXPECT_EQ(PytanieONowaPozycje(Lista::Gminy, "ŁASK"),
            std::pair(QString("Nowa gmina"), QString("Dodać gminę 'ŁASK' do listy gmin?")));
  EXPECT_EQ(PytanieONowaPozycje(Lista::Powiaty, "ŁASKI"),
            std::pair(QString("Nowy powiat"), QString("Dodać powiat 'ŁASKI' do listy powiatów?")));
  EXPECT_EQ(PytanieONowaPozycje(Lista::Wojewodztwa, "ŁÓDZKIE"),
            std::pair(QString("Nowe województwo"), QString("Dodać województwo 'ŁÓDZKIE' do listy województw?")));
  EXPECT_EQ(PlikListy(Lista::Gminy), "lista_gmin.txt");
  EXPECT_EQ(PlikListy(Lista::Powiaty), "lista_powiatow.txt");
  EXPECT_EQ(PlikListy(Lista::Wojewodztwa), "lista_wojewodztw.txt");

  const QStringList pozycje{"ZAKOPANE", "LUBLIN", "ŁÓDŹ"};
  for (const auto& [tekst, nowa] : {std::pair{"łódź", false}, {"  ŁÓDŹ ", false}, {"   ", false}, {"", false},
                                    {"ŁASK", true}, {"ŁÓDŹ-WIDZEW", true}})
    EXPECT_EQ(NowaPozycja(pozycje, QString::fromUtf8(tekst)), nowa) << tekst;
  EXPECT_EQ(DodajPozycje(pozycje, "ŁASK"), (QStringList{"LUBLIN", "ŁASK", "ŁÓDŹ", "ZAKOPANE"}));
  EXPECT_EQ(DodajPozycje({"ŻARY", "ŚREM", "SOPOT", "AUGUSTÓW"}, "ĄTY"),
            (QStringList{"AUGUSTÓW", "ĄTY", "SOPOT", "ŚREM", "ŻARY"}));
}
