#pragma once
// Fixture rows shared by the export tests: February 2012 visits and March /
// April 2011 declarations, with the edge cases of both exports.
#include "support/BazaTestowa.h"

inline void WstawWizytyLutego2012(BazaTestowa& baza) {
  baza.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
      "values (1, 'Nowak', 'Jan', '1234567', '70010112345', 0, 'N')",
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, DATAUR, PLEC, AKTYW) "
      "values (10, 1, 'Kowalska', 'Żaneta', '80050612346', 'Łąkowa', '5', '1980-05-06', 'K', 'T')",
      "insert into PORADY (ID, KOD, NAZWA) values (1, 'A01', 'Porada ogólna')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (100, 10, 1, 1, '2012-02-01', '08:05', 'J01')",
      // January and March stay out; so does a visit without ICD-10.
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (101, 10, 1, 1, '2012-01-31', '23:50', 'X01')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (103, 10, 1, 1, '2012-03-01', '00:00', 'X02')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (104, 10, 1, 1, '2012-02-10', '10:00', null)",
      // The leap day, late in the evening.
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (102, 10, 1, 1, '2012-02-29', '19:00', 'K02')",
      // Same date and time: ID order, whatever the order of insertion. Visit 105
      // names a patient and a doctor that do not exist and no advice type.
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (106, 10, 1, 0, '2012-02-15', '09:00', 'B02')",
      "insert into WIZYTY (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10) "
      "values (105, 999, 998, 0, '2012-02-15', '09:00', 'B01')",
  });
}

inline void WstawDeklaracje2011(BazaTestowa& baza) {
  baza.wykonaj({
      "insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
      "values (2, 'Wiśniewski', 'Piotr', '7654321', '65020212345', 0, 'N')",
      // Both declarations in March.
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DATAUR, DTDEKLARLEK, DTDEKLARPIEL, AKTYW) "
      "values (21, 2, 'Adamska', 'Ewa', '90010112345', '1990-01-01', '2011-03-01', '2011-03-31', 'T')",
      // The doctor's in March, the nurse's in April.
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DATAUR, DTDEKLARLEK, DTDEKLARPIEL, AKTYW) "
      "values (22, 2, 'Bielski', 'Adam', '85020212345', null, '2011-03-15', '2011-04-02', 'T')",
      // No doctor of their own.
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DTDEKLARLEK, DTDEKLARPIEL, AKTYW) "
      "values (23, null, 'Cebula', 'Olga', '75030312345', null, '2011-03-10', 'T')",
      // Earlier in March than patient 22, later by ID.
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DTDEKLARLEK, AKTYW) "
      "values (24, 2, 'Dudek', 'Jan', '60040412345', '2011-03-02', 'T')",
      // Outside both months.
      "insert into PACJENCI (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, DTDEKLARLEK, DTDEKLARPIEL, AKTYW) "
      "values (25, 2, 'Ender', 'Ola', '50050512345', '2011-02-28', '2011-05-01', 'T')",
  });
}
