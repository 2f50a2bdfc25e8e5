#pragma once
// The patient editor's files in the data folder: the drop-down lists of
// communes, districts and voivodeships and the postal-code table, read afresh
// at every opening (a missing file is an empty list) and replaced whole.
#include "patients/EdycjaPacjentaReguly.h"

#include <QString>
#include <QStringList>

class ListyAdresowe {
 public:
  void ustawKatalog(const QString& katalog) { katalog_ = katalog; }

  void Wczytaj();
  QStringList& pozycje(EdycjaPacjentaReguly::Lista lista);
  // Writes one drop-down's items; raises an error naming the file when it cannot.
  void ZapiszListe(EdycjaPacjentaReguly::Lista lista);

  QStringList KodyPocztowe;
  void ZapiszKody();
  void ZwolnijKody() { KodyPocztowe.clear(); }

 private:
  QString sciezka(const QString& plik) const { return katalog_ + plik; }
  QString katalog_;
  QStringList gminy_, powiaty_, wojewodztwa_;
};
