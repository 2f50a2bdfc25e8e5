#pragma once
// Puts the report preview aside for one test: every report that would be
// previewed is saved as PDF instead, and what it held is recorded.
#include <QList>
#include <QString>
#include <QTemporaryDir>

class PodgladTestowy {
 public:
  struct Wydruk {
    QString tytul;
    QString tekst;  // the prepared document's plain text
    QString html;
    QString pdf;    // the file it was saved to
    int stron = 0;
  };
  PodgladTestowy();
  ~PodgladTestowy();

  QList<Wydruk> wydruki;
  const Wydruk& ostatni() const { return wydruki.back(); }

 private:
  QTemporaryDir dir_;
};
