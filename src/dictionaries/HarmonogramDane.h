#pragma once
// The weekly schedule editor's data: the doctors in use for its drop-down and
// one doctor's ranges in HARMONOGRAM, with the statements of one shape for the
// table. A new range takes its ID from GEN_HARMONOGRAM_ID when it is started.
#include "db/Dataset.h"

#include <QString>

namespace HarmonogramDane {

void przygotujLekarzy(Dataset& sqlLekarze);
void przygotujZakresy(Dataset& sqlHarmonogram);

// The drop-down entry: surname, first name and the licence number in brackets.
QString PozycjaLekarza(const Dataset& sqlLekarze);

// Closes the ranges, sets :lekarz_id, opens them.
void OtworzZakresy(Dataset& sqlHarmonogram, int lekarzId);

// GODZ1 / GODZ2 of the current row in minutes.
int Start(const Dataset& sqlHarmonogram);
int Koniec(const Dataset& sqlHarmonogram);
int Dzien(const Dataset& sqlHarmonogram);

// One row per day from dzienOd to dzienDo with the same hours, one post each.
void DodajZakresy(Dataset& sqlHarmonogram, int lekarzId, int dzienOd, int dzienDo, int start, int koniec);
// Stores new hours in the row of this ID; false when the row is gone.
bool ZapiszZakres(Dataset& sqlHarmonogram, int id, int start, int koniec);

}  // namespace HarmonogramDane
