#include "patients/RozbijAdres.h"

#include <gtest/gtest.h>

TEST(RozbijAdres, StreetHouseAndFlatTable) {
  struct Przypadek {
    const char* adres;
    AdresRozbity wynik;
  };
  const Przypadek tabela[] = {
      {"Kwiatowa 12 5", {"Kwiatowa", "12", "5"}},
      {"Kwiatowa 12", {"Kwiatowa", "12", ""}},
      {"Kwiatowa 12/5", {"Kwiatowa", "12/5", ""}},
      {"3 Maja 10", {"3 Maja", "10", ""}},
      {"Kwiatowa 12 m. 5", {"Kwiatowa 12 m.", "5", ""}},
      {"Kwiatowa 5 b", {"Kwiatowa 5 b", "", ""}},
      {"Kwiatowa", {"Kwiatowa", "", ""}},
      {"12", {"12", "", ""}},
      // The first word is never a number, even as one of the last two.
      {"3 5", {"3", "5", ""}},
      {"Aleja Róż 7a 12", {"Aleja Róż", "7a", "12"}},
      {"", {"", "", ""}},
      // Two blanks leave an empty word, which is no number.
      {"Kwiatowa  12", {"Kwiatowa ", "12", ""}},
      {"Kwiatowa 12  5", {"Kwiatowa 12 ", "5", ""}},
      {"Kwiatowa 12 ", {"Kwiatowa 12 ", "", ""}},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.adres);
    const AdresRozbity a = RozbijAdres(QString::fromUtf8(p.adres));
    EXPECT_EQ(a.ulica, p.wynik.ulica);
    EXPECT_EQ(a.nrDomu, p.wynik.nrDomu);
    EXPECT_EQ(a.nrLokalu, p.wynik.nrLokalu);
  }
}
