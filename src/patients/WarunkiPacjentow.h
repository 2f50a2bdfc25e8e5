#pragma once
// Conditions and statements of the paged patient lists (the clinic's own
// register and the companion program's one). The filter text never goes into
// the SQL: it is the value of the parameter :t.
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace WarunkiPacjentow {

constexpr int RozmiarStrony = 100;
// The parameter is cast to this length: a longer text than the compared
// column (PESEL holds 11) would otherwise fail with a string truncation.
// No surname and first name reach it, so a cut text still matches nothing.
constexpr int DlugoscFiltra = 100;

struct Warunki {
  QStringList linie;       // the lines after "from ...", empty when none
  QVariantMap parametry;   // {"t": capitalised filter text} when the filter applies
  bool filtruje() const { return parametry.contains(QStringLiteral("t")); }
};

// The filter applies when it is switched on and its capitalised text is not empty.
QString TekstFiltra(bool filtrWlaczony, const QString& tekst);

// "where", the prefix match on surname + first name or PESEL when the filter
// applies, then "  AKTYW = 'N'" for the removed-only view, "  AKTYW = 'T'" otherwise.
Warunki BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra, bool pokazUsunietych);

// The companion register has no activity flag: no lines when the filter does not apply.
Warunki BudujWarunkiTessor(bool filtrWlaczony, const QString& tekstFiltra);

// "select first 100 skip <strona*100> *" / "from <tabela>" / conditions /
// "order by NAZWISKO, IMIE, ID", lines joined by "\n".
QString ZapytanieStrony(const QString& tabela, const Warunki& w, int strona);
// "select count(*) as ILOSC" / "from <tabela>" / conditions.
QString ZapytanieIlosci(const QString& tabela, const Warunki& w);

// Count div 100 + 1: exactly 100 rows make two pages, the second empty.
int IloscStron(int iloscWynikow);

}  // namespace WarunkiPacjentow
