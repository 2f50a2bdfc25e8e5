#pragma once
// What the demo database is made of: Polish names, addresses in and around
// one town, valid PESEL numbers, light doctor colours, weekly hours, advice
// types and examinations. Pure rules over a seeded generator, so the same
// seed gives the same data.
#include "schedule/SiatkaDnia.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <random>
#include <vector>

namespace DemoReguly {

using Losowanie = std::mt19937;

struct Osoba {
  QString nazwisko, imie;
  QString pesel;
  QDate dataUr;
  bool kobieta = false;
};

struct Adres {
  QString ulica, nrDomu, nrLokal, kodP, poczta, gmina, powiat, wojewodztwo;
};

struct Slownik {
  QString kod, nazwa;
};

struct Lekarz {
  Osoba osoba;
  QString pwzl;
  int kolor = 0;  // 0xBBGGRR, light
};

// The female form of a surname: -SKI, -CKI, -DZKI end in -A; others stay.
QString NazwiskoZenskie(const QString& meskie);

// A valid PESEL for the date of birth and sex with the serial 0..4999
// (serial / 5 gives the three serial digits, serial % 5 and sex the sex digit).
QString Pesel(const QDate& dataUr, bool kobieta, int seria);

// A person born between 0 and 95 years before `dzis`, older people somewhat
// fewer; names in capitals.
Osoba LosujOsobe(Losowanie& g, const QDate& dzis);
Adres LosujAdres(Losowanie& g);

// `ile` doctors, each with a different light colour and a valid PESEL.
std::vector<Lekarz> Lekarze(Losowanie& g, int ile, const QDate& dzis);
// Weekly ranges of doctor number `numer`: weekday (1..7) and the range.
struct ZakresTygodnia {
  int dzien;
  SiatkaDnia::ZakresPracy zakres;
};
std::vector<ZakresTygodnia> Harmonogram(int numer);

const std::vector<Slownik>& Porady();
const std::vector<Slownik>& Badania();
const QStringList& KodyICD10();

}  // namespace DemoReguly
