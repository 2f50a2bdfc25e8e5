#pragma once
// The count-and-page sequence of a paged patient list over one set of
// conditions: the count of the rows, then one page of them read whole. The
// clinic's list and the companion program's register share it, each over its
// own table, page dataset and count statement.
#include "db/Dataset.h"
#include "patients/WarunkiPacjentow.h"

class StronyPacjentow {
 public:
  WarunkiPacjentow::Warunki Warunki;
  int IloscWynikow = 0;
  int Strona = 0;
  int IloscStron = 1;

  // Counts the rows of the conditions; back to the first page.
  void PoliczWyniki();
  // Reads page `Strona` whole, staying on the same row when it is on it.
  void PobierzStrone();
  // The current row's ID, 0 when the page is closed or has no row.
  int BiezaceID() const;

 protected:
  // The dataset and statement are members of the derived class: only kept
  // here, not touched before it is built.
  StronyPacjentow(QString tabela, Dataset& strona, Statement& ilosc)
      : tabela_(std::move(tabela)), strona_(strona), ilosc_(ilosc) {}

 private:
  QString tabela_;
  Dataset& strona_;
  Statement& ilosc_;
};
