#pragma once
// The ordered examinations of a visit as the editor holds them in memory, and
// what writing them means: which stored rows go, which change, which are new.
#include <QList>

struct ZlecenieBadania {
  int id = 0;         // BADANIASPLOT.ID; 0 until the row is written
  int badanieId = 0;  // BADANIA.ID
  bool operator==(const ZlecenieBadania&) const = default;
};

namespace ZleceniaReguly {

struct Roznice {
  QList<int> usuniete;                // IDs of stored rows no longer listed
  QList<ZlecenieBadania> zmienione;   // stored rows pointing at another examination
  QList<int> nowe;                    // positions in the list of rows not written yet
};

// What turns the stored rows into the listed ones.
Roznice Porownaj(const QList<ZlecenieBadania>& zapisane, const QList<ZlecenieBadania>& biezace);

}  // namespace ZleceniaReguly
