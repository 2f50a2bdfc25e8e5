#include "patients/TessorReguly.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {
QMap<QString, QVariant> mapa(const TessorReguly::Pola& pola) {
  QMap<QString, QVariant> m;
  for (const auto& [k, v] : pola) m.insert(k, v);
  return m;
}
}  // namespace

TEST(TessorReguly, TheNewPatientTakesBirthDateAndSexFromThePeselOnlyWhenMissing) {
  const struct {
    const char* pesel;
    QDate urdata;
    const char* plec;
    QDate dataur;
    const char* plecWynik;
  } przypadki[] = {
      {"05232112349", {}, "", QDate(2005, 3, 21), "K"},
      {"05232112349", QDate(2005, 3, 20), "M", QDate(2005, 3, 20), "M"},  // the companion's own values stay
      {"80010112340", {}, " ", QDate(1980, 1, 1), "K"},  // a blank sex is none
      {"abc", {}, "", {}, ""},  // nothing to derive: the editor asks
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.pesel);
    TessorReguly::PacjentTessor t;
    t.PESEL = p.pesel;
    t.URDATA = p.urdata;
    t.PLEC = p.plec;
    const auto m = mapa(TessorReguly::NowyPacjent(t, 1));
    EXPECT_EQ(m.value("PESEL").toString(), p.pesel);
    EXPECT_EQ(m.value("DATAUR").toDate(), p.dataur);
    EXPECT_EQ(m.value("PLEC").toString(), p.plecWynik);
    EXPECT_EQ(m.value("AKTYW").toString(), "T");
    EXPECT_FALSE(m.contains("DTDEKLARLEK") || m.contains("DTDEKLARPIEL"));
  }
}

TEST(TessorReguly, TextsAreCutToTheRegisterColumns) {
  TessorReguly::PacjentTessor t;
  t.PESEL = "80010112340";
  t.ADRES = QString(40, u'A') + " 123456789 7";
  t.POCZTA = QString(40, u'P');
  const auto m = mapa(TessorReguly::NowyPacjent(t, 0));
  EXPECT_EQ(m.value("ULICA").toString(), QString(32, u'A'));
  EXPECT_EQ(m.value("NRDOMU").toString(), "12345678");
  EXPECT_EQ(m.value("NRLOKAL").toString(), "7");
  EXPECT_EQ(m.value("POCZTA").toString(), QString(32, u'P'));
  EXPECT_TRUE(m.value("NAZWISKO").isNull());
}

TEST(TessorReguly, Messages) {
  EXPECT_EQ(TessorReguly::BrakPliku("/x/T.FDB"), "Brak pliku bazy danych programu 'Tessor':\n/x/T.FDB");
  EXPECT_EQ(TessorReguly::BladPolaczenia("/x/T.FDB", "zły"),
            QString::fromUtf8("Błąd w trakcie podłączenia do bazy danych programu 'Tessor':\n\n/x/T.FDB\n\nzły"));
  EXPECT_EQ(TessorReguly::PacjentJuzJest("1"), QString::fromUtf8("Pacjent z nr pesel '1' już jest w baze pacjentów!"));
  EXPECT_EQ(TessorReguly::ParametryPolaczenia(),
            QStringList({"user_name=sysdba", "password=quillfern", "lc_ctype=WIN1250"}));
}
