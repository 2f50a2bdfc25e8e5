// orbe-admin pesel, run as the administrator would run it.
#include "support/OrbeAdminTestowy.h"
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using Wynik = WynikOrbeAdmin;

Wynik uruchom(const QStringList& argumenty) { return UruchomOrbeAdmin(argumenty); }

}  // namespace

TEST(OrbeAdminPesel, PrintsValidityDateAndSexWithTheExitCode) {
  struct Przypadek {
    const char* pesel;
    int kod;
    const char* wyjscie;
  };
  const Przypadek tabela[] = {
      {"05232101246", 0, "PESEL 05232101246: poprawny\ndata urodzenia: 2005-03-21\npłeć: K\n"},
      {"85851701234", 0, "PESEL 85851701234: poprawny\ndata urodzenia: 1885-05-17\npłeć: M\n"},
      // A wrong check digit: the date and sex digits still read.
      {"05232101247", 1, "PESEL 05232101247: niepoprawny\ndata urodzenia: 2005-03-21\npłeć: K\n"},
      {"00130101233", 0, "PESEL 00130101233: poprawny\ndata urodzenia: brak\npłeć: M\n"},
      {"052321012X6", 1, "PESEL 052321012X6: niepoprawny\ndata urodzenia: 2005-03-21\npłeć: brak\n"},
  };
  for (const auto& p : tabela) {
    SCOPED_TRACE(p.pesel);
    const Wynik w = uruchom({QStringLiteral("pesel"), QString::fromLatin1(p.pesel)});
    EXPECT_EQ(w.kod, p.kod);
    EXPECT_EQ(w.wyjscie, QString::fromUtf8(p.wyjscie));
  }
}

TEST(OrbeAdminPesel, WithoutANumberItTellsHowToUseIt) {
  EXPECT_EQ(uruchom({QStringLiteral("pesel")}).kod, 2);
}
