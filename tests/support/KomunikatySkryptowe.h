#pragma once
// Message-box service for tests: records every box and answers questions
// from a queue (No when the queue is empty). No test ever waits on a real box.
#include "support/WypisywanieQt.h"
#include "ui/Komunikaty.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Wpis {
  enum Rodzaj { Sygnal, Komunikat, Pytanie, Informacja, Blad } rodzaj;
  QString tytul;
  QString tekst;
};

class KomunikatySkryptowe : public Komunikaty {
 public:
  void sygnal() override;
  void komunikat(const QString& tekst) override;
  bool pytanie(const QString& tytul, const QString& tekst, bool takDomyslnie) override;
  void informacja(const QString& tekst, const QString& tytul) override;
  void blad(const QString& tekst) override;

  QList<Wpis> wpisy;
  QList<bool> odpowiedzi;  // answers to the next questions, in order

  int ileSygnalow() const;
  QStringList teksty() const;  // texts of every box but beeps, in order
  QString ostatni() const;     // text of the last box, or empty
  void wyczysc() { wpisy.clear(); }
};

// Installs a fresh scripted service for one test and restores the previous one.
class ZKomunikatami {
 public:
  ZKomunikatami();
  ~ZKomunikatami();
  KomunikatySkryptowe& operator*() { return *k_; }
  KomunikatySkryptowe* operator->() { return k_; }

 private:
  KomunikatySkryptowe* k_;
  std::unique_ptr<Komunikaty> poprzednie_;
};
