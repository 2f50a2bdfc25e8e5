#include "patients/Pesel.h"

#include <gtest/gtest.h>

namespace {

struct PrzypadekPesel {
  const char* pesel;
  bool poprawny;
  QDate dataUrodzenia;  // null: no date
  const char* plec;
};

const PrzypadekPesel przypadki[] = {
    // The worked example: weighted sum 90, a woman born 21 March 2005.
    {"05232101246", true, {2005, 3, 21}, "K"},
    // Each century of month codes, 17 May of year 85.
    {"85051701230", true, {1985, 5, 17}, "M"},
    {"85251701236", true, {2085, 5, 17}, "M"},
    {"85451701232", true, {2185, 5, 17}, "M"},
    {"85651701238", true, {2285, 5, 17}, "M"},
    {"85851701234", true, {1885, 5, 17}, "M"},
    // Boundaries of the month ranges and of the covered years.
    {"05320101233", true, {2005, 12, 1}, "M"},
    {"85123100037", true, {1985, 12, 31}, "M"},
    {"99723100049", true, {2299, 12, 31}, "K"},
    {"00810100057", true, {1800, 1, 1}, "M"},
    // Month codes that belong to no century give no date; the number may still be valid.
    {"00130101233", true, {}, "M"},
    {"00330101239", true, {}, "M"},
    {"00530101235", true, {}, "M"},
    {"05730101236", true, {}, "M"},
    {"00930101237", true, {}, "M"},
    {"05000101232", true, {}, "M"},
    {"05200101238", true, {}, "M"},
    // A day the calendar lacks: 1900 was not a leap year, 2000 was.
    {"00022900010", true, {}, "M"},
    {"00222900016", true, {2000, 2, 29}, "M"},
    // Zero groups fail even when the check digit fits.
    {"00000123457", false, {}, "M"},
    {"10009000000", false, {}, "K"},
    {"00000000000", false, {}, "K"},
    // Wrong length, letters and non-ASCII digits.
    {"", false, {}, ""},
    {"0523210124", false, {2005, 3, 21}, "K"},
    {"052321012460", false, {2005, 3, 21}, "K"},
    {"0523210124A", false, {2005, 3, 21}, "K"},
    {"052321012X6", false, {2005, 3, 21}, ""},
    {"O5232101246", false, {}, "K"},
    {"05232101246 ", false, {2005, 3, 21}, "K"},
    {"052321", false, {2005, 3, 21}, ""},
    {"05232", false, {}, ""},
};

}  // namespace

TEST(Pesel, ValidityDateOfBirthAndSexTable) {
  for (const auto& p : przypadki) {
    const QString pesel = QString::fromUtf8(p.pesel);
    SCOPED_TRACE(p.pesel);
    EXPECT_EQ(PeselPoprawny(pesel), p.poprawny);
    EXPECT_EQ(DataUrodzeniaZPesel(pesel), p.dataUrodzenia);
    EXPECT_EQ(PlecZPesel(pesel), QString::fromUtf8(p.plec));
  }
}

TEST(Pesel, FullWidthDigitsAreNotDigits) {
  const QString pesel = QStringLiteral("０5232101246");
  EXPECT_FALSE(PeselPoprawny(pesel));
  EXPECT_FALSE(DataUrodzeniaZPesel(pesel).isValid());
}

TEST(Pesel, AnySingleChangedDigitMakesTheNumberInvalid) {
  const QString dobry = QStringLiteral("05232101246");
  for (int i = 0; i < dobry.size(); ++i) {
    for (char c = '0'; c <= '9'; ++c) {
      if (dobry.at(i) == QLatin1Char(c)) continue;
      QString zly = dobry;
      zly[i] = QLatin1Char(c);
      EXPECT_FALSE(PeselPoprawny(zly)) << zly.toStdString();
    }
  }
}

TEST(Pesel, AgreementWithDateOfBirth) {
  struct Przypadek {
    const char* pesel;
    QDate data;
    bool zgodny;
  };
  const Przypadek tabela[] = {
      {"05232101246", {2005, 3, 21}, true},
      {"85032101246", {2005, 3, 21}, false},
      {"05032101246", {2005, 3, 21}, false},  // the 1905 form
      {"05232201246", {2005, 3, 21}, false},
      {"85051701230", {1985, 5, 17}, true},
      {"85851701234", {1885, 5, 17}, true},
      {"85251701236", {2085, 5, 17}, true},
      {"85451701232", {2185, 5, 17}, true},
      {"85651701238", {2285, 5, 17}, true},
      {"00810100057", {1800, 1, 1}, true},
      {"99723100049", {2299, 12, 31}, true},
      // Outside 1800-2299 nothing agrees, whatever the digits.
      {"99123100000", {1799, 12, 31}, false},
      {"99923100000", {1799, 12, 31}, false},
      {"00010100000", {2300, 1, 1}, false},
      {"00810100000", {2300, 1, 1}, false},
      // Only the first six characters count; a short text never agrees.
      {"052321", {2005, 3, 21}, true},
      {"05232", {2005, 3, 21}, false},
      {"", {2005, 3, 21}, false},
      // A null date never agrees, not even with the 30 December 1899 form.
      {"99923000017", {}, false},
      {"00000000000", {}, false},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.pesel);
    EXPECT_EQ(PeselZgodnyZData(QString::fromUtf8(p.pesel), p.data), p.zgodny);
  }
}
