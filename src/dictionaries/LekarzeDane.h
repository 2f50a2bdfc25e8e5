#pragma once
// The doctor dictionary's dataset: the doctors in use (USUN = 'N') in
// alphabetical order, with the statements of one shape for LEKARZE; a new
// row takes its ID from GEN_LEKARZE_ID when it is posted.
#include "db/DatasetModel.h"

namespace LekarzeDane {

// Sets the statements and the key rule of sqlLekarze.
void przygotuj(Dataset& sqlLekarze);
// The list grid's columns: ID, Nazwisko, Imię, PWZL, PESEL.
QList<ModelColumn> kolumny();

}  // namespace LekarzeDane
