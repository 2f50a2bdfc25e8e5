#include "patients/PacjenciReguly.h"

#include <gtest/gtest.h>

TEST(PacjenciReguly, QuickFilterTakesDigitsLettersPolishLettersSpaceAndDash) {
  struct Przypadek {
    QChar znak;
    bool bierze;
  };
  const QList<Przypadek> przypadki = {
      {u'0', true},  {u'9', true},  {u'A', true},  {u'z', true},  {u'_', true},  {u'[', true},  {u' ', true},
      {u'-', true},  {u'ł', true},  {u'Ź', true},  {u'ó', true},  {u'/', false}, {u'{', false}, {u'+', false},
      {u'.', false}, {u'é', false}, {u'\b', false}, {QChar(2), false}};
  for (const Przypadek& p : przypadki)
    EXPECT_EQ(PacjenciReguly::ZnakSzybkiegoFiltra(p.znak), p.bierze) << int(p.znak.unicode());
}

TEST(PacjenciReguly, SearchPrefersTheNameThenThePesel) {
  const QStringList nazwy{"KOWAL JAN", "80ZZ", "NOWAK EWA"};
  const QStringList pesele{"80010112345", "1", "90030398765"};
  EXPECT_EQ(PacjenciReguly::SzukajWStronie(nazwy, pesele, "now"), 2);
  EXPECT_EQ(PacjenciReguly::SzukajWStronie(nazwy, pesele, "80"), 1);  // a name starting so comes first
  EXPECT_EQ(PacjenciReguly::SzukajWStronie(nazwy, pesele, "9003"), 2);
  EXPECT_EQ(PacjenciReguly::SzukajWStronie(nazwy, pesele, "x"), -1);
}
