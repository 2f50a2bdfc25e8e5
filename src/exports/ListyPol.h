#pragma once
// The placeholder lists the template editor's picker offers: 1001 for the
// declaration export, 1002 for the visit export. Program resources in
// Windows-1250, one "placeholder=description" line each.
#include <QList>
#include <QString>

inline constexpr int ListaPolDeklaracji = 1001;
inline constexpr int ListaPolWizyt = 1002;

struct PozycjaListyPol {
  QString skrot;
  QString opis;
  bool operator==(const PozycjaListyPol&) const = default;
};

// False (and an empty list) when the program has no list of that number.
bool WczytajListePol(int numer, QList<PozycjaListyPol>& lista);
