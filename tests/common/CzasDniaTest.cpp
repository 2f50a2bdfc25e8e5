#include "common/CzasDnia.h"

#include <gtest/gtest.h>

using namespace CzasDnia;

TEST(CzasDnia, IntervalsOutOfRange) {
  struct P {
    int wejscie, siatka, wybor;
  };
  for (const P& p : std::vector<P>{{0, 10, 10}, {-5, 10, 10}, {1, 1, 5}, {4, 4, 5}, {5, 5, 5},
                                   {25, 25, 25}, {60, 60, 60}, {61, 10, 10}}) {
    SCOPED_TRACE(p.wejscie);
    EXPECT_EQ(InterwalSiatki(p.wejscie), p.siatka);
    EXPECT_EQ(InterwalWyboru(p.wejscie), p.wybor);
  }
}

TEST(CzasDnia, MinuteTexts) {
  struct P {
    int minuta;
    const char* tekst;
  };
  for (const P& p : std::vector<P>{{0, "00:00"}, {485, "08:05"}, {720, "12:00"}, {1439, "23:59"}}) {
    SCOPED_TRACE(p.tekst);
    EXPECT_EQ(TekstGodziny(p.minuta), p.tekst);
    EXPECT_EQ(MinutaZTekstu(p.tekst), p.minuta);
    EXPECT_EQ(CzasZMinuty(p.minuta), QTime::fromString(p.tekst, "HH:mm"));
  }
  EXPECT_EQ(MinutaZTekstu("08:05:59"), 485);  // characters 4-5 only
  EXPECT_EQ(MinutaZTekstu(""), -1);
  EXPECT_EQ(MinutaZCzasu(QTime(8, 5, 59)), 485);
  EXPECT_FALSE(CzasZMinuty(1440).isValid());
  EXPECT_FALSE(CzasZMinuty(-1).isValid());
}
