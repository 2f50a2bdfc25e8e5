#pragma once
// Times of day as minutes (hour * 60 + minute) and their "HH:NN" texts, shared
// by the day grid, the schedule editor and the clock picker.
#include <QString>
#include <QTime>

namespace CzasDnia {

// The slot interval as every window uses it: a value below 1 or above 60
// (a hand-edited orbe.ini) is taken as 10, so no slot loop can run forever.
int InterwalSiatki(int grafikCo);

// The interval of the clock picker and of the schedule editor, whose controls
// offer 5..60: the grid's interval kept within that range.
int InterwalWyboru(int grafikCo);

// "%02d:%02d" of m div 60 and m mod 60 (8:05 -> "08:05").
QString TekstGodziny(int minuta);

// Minute of a "HH:NN" text: hours from characters 1-2, minutes from 4-5.
// -1 when either part is not a number.
int MinutaZTekstu(const QString& tekst);

// Minute of a time of day, seconds dropped; -1 for an invalid time.
int MinutaZCzasu(const QTime& czas);

// Time of a minute of the day (0..1439), seconds 0; invalid outside that range.
QTime CzasZMinuty(int minuta);

}  // namespace CzasDnia
