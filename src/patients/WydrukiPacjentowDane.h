#pragma once
// Patients as the printouts read them: the PACJENCI columns with the list's
// computed fields _nazwisko_imie, _adres, _lekarz_name and _lekarz_pwzl.
#include "patients/WarunkiPacjentow.h"

#include <memory>

class Connection;
class Dataset;

namespace WydrukiPacjentow {

// One page of the list under the conditions, in list order. Open.
std::unique_ptr<Dataset> OtworzStrone(Connection& polaczenie, const WarunkiPacjentow::Warunki& w, int strona);
// The number of patients under the conditions.
int IloscWynikow(Connection& polaczenie, const WarunkiPacjentow::Warunki& w);
// The one patient with this ID (no row when there is none). Open.
std::unique_ptr<Dataset> OtworzPacjenta(Connection& polaczenie, int pacjentId);

}  // namespace WydrukiPacjentow
