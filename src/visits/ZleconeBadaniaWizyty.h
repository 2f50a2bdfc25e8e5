#pragma once
// The examinations ordered at the visit being edited. They are read when the
// editor opens and kept here until OK, so a commit or rollback made by a list
// window opened from the editor can neither make them permanent too early nor
// lose them; Zapisz writes the differences after the visit is posted.
#include "visits/ZleceniaReguly.h"

#include <QHash>
#include <QList>
#include <QString>

class Connection;

class ZleconeBadaniaWizyty {
 public:
  // Reads the whole examination dictionary (removed entries included) and the
  // visit's stored rows; a new visit (0) starts with none.
  void Wczytaj(Connection& polaczenie, int wizytaId);
  // Writes the differences in the current transaction: deletes the rows taken
  // off the list, updates the changed ones and inserts the new ones for the visit.
  void Zapisz(Connection& polaczenie, int wizytaId);
  // Forgets the rows and the dictionary (the editor closed).
  void Zamknij();
  // Reads the dictionary again (a list window may have changed it).
  void WczytajSlownik(Connection& polaczenie);

  bool Otwarte() const { return otwarte_; }
  const QList<ZlecenieBadania>& Wiersze() const { return wiersze_; }
  int Ilosc() const { return wiersze_.size(); }
  void Dodaj(int badanieId);
  void Zmien(int wiersz, int badanieId);
  void Usun(int wiersz);

  // The dictionary's code and name of an examination ("" when unknown).
  QString Kod(int badanieId) const { return slownik_.value(badanieId).first; }
  QString Nazwa(int badanieId) const { return slownik_.value(badanieId).second; }

 private:
  bool otwarte_ = false;
  QList<ZlecenieBadania> wiersze_;
  QList<ZlecenieBadania> zapisane_;
  QHash<int, QPair<QString, QString>> slownik_;
};
