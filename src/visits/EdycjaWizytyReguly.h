#pragma once
// The visit editor's rules: the date and time text checks, the panel lines,
// and the order of the OK checks with their messages.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

namespace EdycjaWizytyReguly {

// "DD-MM-YYYY" by position (the separators are not looked at): exactly 10
// characters forming a real calendar date; a part that is no number counts as 0.
bool DataPoprawna(const QString& tekst);
// "HH:NN" by position: exactly 5 characters, hour 0-23, minutes 0-59.
bool GodzinaPoprawna(const QString& tekst);
// The date text is a valid date and that date is `dzis`.
bool Dzisiaj(const QString& tekst, const QDate& dzis);

struct Pacjent {
  QString nazwisko, imie, ulica, nrDomu, nrLokal, kodP, poczta, pesel;
};
struct Lekarz {
  QString nazwisko, imie, pwzl;
};
struct Porada {
  QString kod, nazwa;
};
// The four lines of the patient panel, the two of the doctor and of the advice type.
QStringList LiniePacjenta(const Pacjent& p);
QStringList LinieLekarza(const Lekarz& l);
QStringList LiniePorady(const Porada& p);

// What the OK checks read.
struct Wizyta {
  QString tekstDaty, tekstGodziny;
  int pacjentId = 0, lekarzId = 0, poradaId = 0;
  QString icd10;
};

// The first check that stops OK, in the order they run.
enum class Blad { Brak, Data, Godzina, Pacjent, Lekarz, GodzinaZajeta, IcdBezPorady, PoradaBezIcd };

// Runs the checks in order. `zmienGodzine` is asked only when every earlier
// check passed: it looks the time up and answers whether the user wants to
// change it (true stops with GodzinaZajeta; false books at the taken time).
Blad SprawdzDane(const Wizyta& w, const std::function<bool()>& zmienGodzine);

// The one-line message of a failed check (none for GodzinaZajeta, which asks).
QString Komunikat(Blad b);

inline const char* const kPytanieGodzina =
    "Wybrana godzina jest już zajęta przez innego pacjenta.\nCzy chcesz zmianić godzinę wizyty?";

}  // namespace EdycjaWizytyReguly
