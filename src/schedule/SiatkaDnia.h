#pragma once
// The rows of one doctor's day: free slots every so many minutes across the
// working ranges with the day's visits placed among them at their own times,
// and the questions the commands and the drawing ask of those rows.
// Plain values in, plain values out; the main window feeds it from its queries.
#include "common/CzasDnia.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <array>
#include <vector>

namespace SiatkaDnia {

using CzasDnia::InterwalSiatki;

// One working range of the day, HARMONOGRAM.GODZ1 .. GODZ2 in minutes.
struct ZakresPracy {
  int godz1 = 0;
  int godz2 = 0;
};

// One visit of the day with the texts its row shows.
struct WizytaDnia {
  int id = 0;
  int minuta = 0;  // WIZYTY.GODZ, seconds dropped
  QString nazwisko, imie;
  QString ulica, nrDomu, nrLokal, kodP, poczta;
  QString pesel;
  QString poradaKod, poradaNazwa;  // empty when the visit has no advice type
  QString icd10;
};

enum Kolumna {
  KolId = 0,       // visit ID in decimal, "" on a free row (the arrow column)
  KolGodz = 1,     // "HH:NN", the only record of the row's time
  KolNazwisko = 2,
  KolAdres = 3,    // two lines
  KolPesel = 4,
  KolPorada = 5,   // two lines: code, name
  KolIcd10 = 6,
  LiczbaKolumn = 7
};

using WierszSiatki = std::array<QString, LiczbaKolumn>;
using Wiersze = std::vector<WierszSiatki>;  // data rows only, index 0 = first row

// Header texts and design widths (pixels) of the seven columns.
const WierszSiatki& Naglowki();
int SzerokoscKolumny(int kolumna);

struct GodzinyDnia {
  int dzienOd = 600;
  int dzienDo = 720;
};

// ISO weekday, Monday = 1 .. Sunday = 7 (HARMONOGRAM.DZIEN).
int DzienTygodnia(const QDate& data);

// Start and end of the day. Ranges in GODZ1 order: start of the first, end of
// the last (the range that starts last). No ranges: the span of the visits,
// the start floored to the interval within its hour. Nothing at all: 10:00-12:00.
GodzinyDnia UstalGodzinyDnia(const std::vector<ZakresPracy>& zakresy,
                             const std::vector<WizytaDnia>& wizyty, int grafikCo);

// Texts of a visit's row (all seven columns).
WierszSiatki WierszWizyty(const WizytaDnia& w);

// All data rows in ascending time; visits in the order given (GODZ, ID).
// The interval goes through InterwalSiatki. Free slots before midnight
// (negative minutes, when a visit lies before the first slot) are left out.
Wiersze ZbudujSiatke(const std::vector<ZakresPracy>& zakresy, const std::vector<WizytaDnia>& wizyty,
                     int grafikCo);

// A row stands for a visit exactly when its column-0 text is a non-zero integer.
bool JestWizyta(const WierszSiatki& w);
int IdWizyty(const WierszSiatki& w);  // 0 on a free row
// Time of a row, read from its column-1 text (-1 / invalid when unreadable).
int MinutaWiersza(const WierszSiatki& w);
QTime GodzinaWiersza(const WierszSiatki& w);

// True when some range has GODZ1 <= minuta <= GODZ2.
bool WZakresiePracy(const std::vector<ZakresPracy>& zakresy, int minuta);

// The in-hours test the drawing asks once per cell: the last answer is kept,
// keyed by doctor + "." + time text. Loading new ranges drops it, so a key
// seen on another day cannot bring back that day's answer.
class WGodzinachPracy {
 public:
  void UstawZakresy(std::vector<ZakresPracy> zakresy);
  const std::vector<ZakresPracy>& Zakresy() const { return zakresy_; }
  bool Sprawdz(int lekarzId, const QString& tekstGodziny);
  bool Sprawdz(int lekarzId, const WierszSiatki& w) { return Sprawdz(lekarzId, w[KolGodz]); }

 private:
  std::vector<ZakresPracy> zakresy_;
  QString klucz_;
  bool wynik_ = false;
};

// Time for a visit booked at the first free time: the first free row's time,
// or the last row's time plus the interval when every row is taken (kept
// within the day: never past 23:59). Does not look at the current time.
QTime PierwszyWolnyTermin(const Wiersze& wiersze, int grafikCo);

// Row to select for the time "teraz" (seconds count): the first row whose time
// is not earlier than it, else the last row; with fewer than two rows the
// current selection (wybrany, -1 = none) stays.
int UstawWierszWgCzasu(const Wiersze& wiersze, const QTime& teraz, int wybrany);

// Colours are 0xBBGGRR values (blue * 65536 + green * 256 + red).
// Each byte lowered by n with 8-bit wrap-around, no clamping.
int PrzyciemnijKolor(int kolor, int n);

struct KoloryWierszy {
  int podstawowy = 0;  // odd grid rows (the first data row is grid row 1)
  int parzysty = 0;    // even grid rows
  int wybrany = 0;     // the selected row
};
KoloryWierszy KoloryLekarza(int kolor);  // KOLOR, shaded by 10 and by 40
KoloryWierszy KoloryPozaGodzinami();      // white, shaded by 10 and by 40

// Fill of data row "indeks" (0-based) from the triple it falls under.
int KolorWiersza(const KoloryWierszy& k, int indeks, bool wybrany);

}  // namespace SiatkaDnia
