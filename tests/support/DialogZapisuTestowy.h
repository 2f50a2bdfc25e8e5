#pragma once
// The save dialog replaced for one test: answers with the given file and
// remembers what it was offered.
#include "exports/DialogZapisu.h"

#include <QString>

struct DialogTestowy {
  QString odpowiedz, katalog, nazwa, filtr;
  int ile = 0;
  WyborPlikuZapisu poprzedni = wyborPlikuZapisu();
  DialogTestowy() {
    wyborPlikuZapisu() = [this](QWidget*, const QString& k, const QString& n, const QString& f) {
      ++ile;
      katalog = k;
      nazwa = n;
      filtr = f;
      return odpowiedz;
    };
  }
  ~DialogTestowy() { wyborPlikuZapisu() = poprzedni; }
};
