#pragma once
// The report variables of the patient list and the patient card, and where
// the card printer stands among the installed printers.
#include <QString>
#include <QStringList>
#include <optional>

class Dataset;

namespace WydrukiPacjentow {

inline const char* const SzablonListy = "Pacjenci.frf";
inline const char* const TytulListy = "Pacjenci";
inline const char* const SzablonKarty = "Karta.frf";
inline const char* const TytulKarty = "Karta";

// What the list window shows about its page.
struct StronaListy {
  bool filtrWlaczony = false;
  QString tekstFiltra;  // the filter box as typed
  int iloscWynikow = 0;
  int strona = 0;       // from 0
  int iloscStron = 1;
};

// "wynikow": "%d  (Strona %d/%d)" with the count, the page from 1 and the page count.
QString Wynikow(const StronaListy& s);

// "filtr" (the box text only while the filter is on), "wynikow", and "nazwisko",
// "imie", "pesel" of the dataset's current row; names compared exactly.
std::optional<QString> Zmienna(const QString& nazwa, const StronaListy& s, const Dataset* dane);

// IndeksDrukarkiKart: the position of drukarka_kart in the list, without regard to case; -1 when absent.
int SprawdzDrukarkeKart(const QStringList& drukarki, const QString& drukarkaKart);

}  // namespace WydrukiPacjentow
