#include "exports/SzablonyPrzykladowe.h"

#include <QFile>

SzablonKolumn PrzykladowySzablonWizyt() {
  return {
      {"Lp", "<LP>"},
      {"Data wizyty", "<DATA>"},
      {"Godzina", "<GODZ>"},
      {"ICD10", "<ICD10>"},
      {"Nazwisko", "<P.NAZWISKO>"},
      {"Imię", "<P.IMIE>"},
      {"PESEL", "<P.PESEL>"},
      {"Data urodzenia", "<P.DATAUR>"},
      {"Płeć", "<P.PLEC>"},
      {"Ulica", "<P.ULICA>"},
      {"Nr domu", "<P.NRDOMU>"},
      {"Nr lokalu", "<P.NRLOKAL>"},
      {"Kod pocztowy", "<P.KODP>"},
      {"Poczta", "<P.POCZTA>"},
      {"Lekarz", "<L.NAZWISKO> <L.IMIE>"},
      {"PWZ lekarza", "<L.PWZL>"},
      {"Kod porady", "<PORADA.KOD>"},
      {"Porada", "<PORADA.NAZWA>"},
  };
}

SzablonKolumn PrzykladowySzablonDeklaracji() {
  return {
      {"Lp", "<LP>"},
      {"Typ deklaracji", "<TYP_DEKLARACJI>"},
      {"Data deklaracji", "<DATA_DEKLARACJI>"},
      {"Nazwisko", "<P.NAZWISKO>"},
      {"Imię", "<P.IMIE>"},
      {"PESEL", "<P.PESEL>"},
      {"Data urodzenia", "<P.DATAUR>"},
      {"Płeć", "<P.PLEC>"},
      {"Ulica", "<P.ULICA>"},
      {"Nr domu", "<P.NRDOMU>"},
      {"Nr lokalu", "<P.NRLOKAL>"},
      {"Kod pocztowy", "<P.KODP>"},
      {"Poczta", "<P.POCZTA>"},
      {"Gmina", "<P.GMINA>"},
      {"Powiat", "<P.POWIAT>"},
      {"Województwo", "<P.WOJEWODZTWO>"},
      {"Lekarz", "<L.NAZWISKO> <L.IMIE>"},
      {"PWZ lekarza", "<L.PWZL>"},
  };
}

QStringList ZainstalujPrzykladoweSzablony(const QString& katalogDanych) {
  QStringList zapisane;
  const std::pair<const char*, SzablonKolumn> szablony[] = {
      {PlikKolumnWizyt, PrzykladowySzablonWizyt()},
      {PlikKolumnDeklaracji, PrzykladowySzablonDeklaracji()},
  };
  for (const auto& [plik, szablon] : szablony) {
    const QString sciezka = katalogDanych + QString::fromLatin1(plik);
    if (QFile::exists(sciezka)) continue;
    ZapiszSzablonKolumn(sciezka, szablon);
    zapisane.append(sciezka);
  }
  return zapisane;
}
