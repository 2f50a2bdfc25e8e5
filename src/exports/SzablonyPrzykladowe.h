#pragma once
// The column templates an installation starts from: a clinic edits them in
// the exports' "Kolumny" window. The program itself never invents a template.
#include "exports/SzablonKolumn.h"

#include <QString>

inline constexpr char PlikKolumnWizyt[] = "KolumnyEW.txt";
inline constexpr char PlikKolumnDeklaracji[] = "KolumnyED.txt";

SzablonKolumn PrzykladowySzablonWizyt();
SzablonKolumn PrzykladowySzablonDeklaracji();

// Writes both templates into the data folder (ending with "/"), each only when
// the file is missing, so a clinic's own columns are never replaced. Returns
// the paths written.
QStringList ZainstalujPrzykladoweSzablony(const QString& katalogDanych);
