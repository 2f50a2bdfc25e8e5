// The visit editor's text checks, panel lines and the order of its OK checks.
#include "visits/EdycjaWizytyReguly.h"
#include "support/WypisywanieQt.h"

#include <gtest/gtest.h>

using namespace EdycjaWizytyReguly;

TEST(RegulyEdycjiWizyty, DateTextIsReadByPositionAndMustBeACalendarDate) {
  const struct {
    const char* tekst;
    bool poprawna;
  } przypadki[] = {
      {"11-12-2026", true}, {"29-02-2024", true},  {"29-02-2023", false}, {"31-04-2026", false},
      {"00-01-2026", false}, {"01-13-2026", false}, {"01/01/2026", true},  {"1-01-2026", false},
      {"01-01-20266", false}, {"", false},          {"ab-01-2026", false}, {"01-01-0000", false},
  };
  for (const auto& p : przypadki) EXPECT_EQ(DataPoprawna(QString::fromUtf8(p.tekst)), p.poprawna) << p.tekst;
}

TEST(RegulyEdycjiWizyty, TimeTextIsHourZeroToTwentyThreeAndMinutesToFiftyNine) {
  const struct {
    const char* tekst;
    bool poprawna;
  } przypadki[] = {
      {"00:00", true}, {"23:59", true}, {"24:00", false}, {"12:60", false}, {"10:00", true},
      {"9:00", false}, {":", false},    {"  :  ", false}, {"1a:00", false}, {"10.30", true},
  };
  for (const auto& p : przypadki) EXPECT_EQ(GodzinaPoprawna(QString::fromUtf8(p.tekst)), p.poprawna) << p.tekst;
}

TEST(RegulyEdycjiWizyty, TodayIsAValidTextOfTodaysDate) {
  const QDate dzis(2026, 12, 11);
  EXPECT_TRUE(Dzisiaj("11-12-2026", dzis));
  EXPECT_FALSE(Dzisiaj("12-12-2026", dzis));
  EXPECT_FALSE(Dzisiaj("11-12-202", dzis));
}

TEST(RegulyEdycjiWizyty, PanelLines) {
  EXPECT_EQ(LiniePacjenta({"NOWAK", "ANNA", "DŁUGA", "5", "3", "32-020", "WIELICZKA", "80051700000"}),
            QStringList({"NOWAK ANNA", "DŁUGA 5/3", "32-020 WIELICZKA", "PESEL: 80051700000"}));
  // No flat number: no slash.
  EXPECT_EQ(LiniePacjenta({"KRÓL", "ZOFIA", "LEŚNA", "1", "", "32-020", "WIELICZKA", "1"})[1], "LEŚNA 1");
  // A missing patient leaves the blank panel.
  EXPECT_EQ(LiniePacjenta({}), QStringList({" ", " ", " ", "PESEL: "}));
  EXPECT_EQ(LinieLekarza({"ADAMSKI", "JAN", "1234567"}), QStringList({"ADAMSKI JAN", "PWZL: 1234567"}));
  EXPECT_EQ(LiniePorady({"P01", "Porada lekarska"}), QStringList({"P01", "Porada lekarska"}));
}

TEST(RegulyEdycjiWizyty, ChecksStopAtTheFirstFailureInOrder) {
  const Wizyta dobra{"11-12-2026", "10:00", 1, 2, 3, "J06.9"};
  auto z = [](Wizyta w, auto zmiana) {
    zmiana(w);
    return w;
  };
  const struct {
    Wizyta w;
    bool zmienGodzine;
    Blad blad;
  } przypadki[] = {
      {dobra, false, Blad::Brak},
      {z(dobra, [](Wizyta& w) { w.tekstDaty = "32-12-2026"; w.tekstGodziny = "24:00"; w.pacjentId = 0; }), true,
       Blad::Data},
      {z(dobra, [](Wizyta& w) { w.tekstGodziny = "24:00"; w.pacjentId = 0; }), true, Blad::Godzina},
      {z(dobra, [](Wizyta& w) { w.pacjentId = 0; w.lekarzId = 0; }), true, Blad::Pacjent},
      {z(dobra, [](Wizyta& w) { w.lekarzId = 0; }), true, Blad::Lekarz},
      {z(dobra, [](Wizyta& w) { w.icd10.clear(); }), true, Blad::GodzinaZajeta},
      {z(dobra, [](Wizyta& w) { w.poradaId = 0; }), false, Blad::IcdBezPorady},
      {z(dobra, [](Wizyta& w) { w.icd10.clear(); }), false, Blad::PoradaBezIcd},
      {z(dobra, [](Wizyta& w) { w.icd10.clear(); w.poradaId = 0; }), false, Blad::Brak},
  };
  for (const auto& p : przypadki) {
    bool zapytano = false;
    const Blad b = SprawdzDane(p.w, [&] {
      zapytano = true;
      return p.zmienGodzine;
    });
    EXPECT_EQ(b, p.blad) << static_cast<int>(p.blad);
    // The time is looked up only after the date, time, patient and doctor passed.
    EXPECT_EQ(zapytano, p.blad >= Blad::GodzinaZajeta || p.blad == Blad::Brak);
  }
}

TEST(RegulyEdycjiWizyty, Messages) {
  EXPECT_EQ(Komunikat(Blad::Data), "Niepoprawna data.");
  EXPECT_EQ(Komunikat(Blad::Godzina), "Niepoprawna godzina.");
  EXPECT_EQ(Komunikat(Blad::Pacjent), "Wybierz pacjenta.");
  EXPECT_EQ(Komunikat(Blad::Lekarz), "Wybierz lekarza.");
  EXPECT_EQ(Komunikat(Blad::IcdBezPorady), "Jeśli wpisano 'ICD10' to należy też wybrać 'Poradę'.");
  EXPECT_EQ(Komunikat(Blad::PoradaBezIcd), "Jeśli wybrano 'Poradę' to należy też wpisać 'ICD10'.");
}
