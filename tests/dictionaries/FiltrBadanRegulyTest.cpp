#include "dictionaries/FiltrBadanReguly.h"

#include <gtest/gtest.h>

using namespace FiltrBadan;

TEST(FiltrBadan, PatternIsContainsInCapitalsWithWildcardsEscaped) {
  struct P {
    QString tekst, wzorzec;
  };
  const std::vector<P> przypadki = {
      {"glu", "%GLU%"},
      {"wątroba ół", "%WĄTROBA ÓŁ%"},
      {"50%", "%50\\%%"},
      {"a_b", "%A\\_B%"},
      {"O'Brien", "%O'BRIEN%"},
      {"c:\\x", "%C:\\\\X%"},
      {"", "%%"},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.tekst.toStdString());
    EXPECT_EQ(WzorzecZawiera(p.tekst), p.wzorzec);
  }
}

TEST(FiltrBadan, QuickFilterCharactersAndKeys) {
  for (const QChar c : QString("09AZaz_^[ -ąćęłńóśżźĄĆĘŁŃÓŚŻŹ")) EXPECT_TRUE(ZnakSzybkiegoFiltru(c)) << QString(c).toStdString();
  for (const QChar c : QString("{~/.!%'\"é\t")) EXPECT_FALSE(ZnakSzybkiegoFiltru(c)) << QString(c).toStdString();

  struct P {
    const char* nazwa;
    QString przed;
    QChar znak;
    bool backspace, filtr;
    QString po;
    Reakcja reakcja;
  };
  const std::vector<P> przypadki = {
      {"a letter is appended", "gl", u'u', false, false, "glu", Reakcja::UruchomTimer},
      {"a Polish letter is appended", "w", u'ą', false, true, "wą", Reakcja::UruchomTimer},
      {"another character is ignored", "gl", u'{', false, true, "gl", Reakcja::Nic},
      {"backspace with text left restarts the timer", "glu", {}, true, true, "gl", Reakcja::UruchomTimer},
      {"backspace to empty with the filter on switches it off now", "g", {}, true, true, "", Reakcja::PrzelaczTeraz},
      {"backspace to empty with the filter off waits for the timer", "g", {}, true, false, "", Reakcja::UruchomTimer},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    QString t = p.przed;
    EXPECT_EQ(Klawisz(t, p.znak, p.backspace, p.filtr), p.reakcja);
    EXPECT_EQ(t, p.po);
  }
}
