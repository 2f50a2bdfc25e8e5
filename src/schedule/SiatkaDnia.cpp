#include "schedule/SiatkaDnia.h"

#include <algorithm>

namespace SiatkaDnia {

using CzasDnia::TekstGodziny;

const WierszSiatki& Naglowki() {
  static const WierszSiatki n = {QString(), QStringLiteral("Godz."), QStringLiteral("Nazwisko i imię"),
                                 QStringLiteral("Adres"), QStringLiteral("PESEL"), QStringLiteral("Porada"),
                                 QStringLiteral("ICD10")};
  return n;
}

int SzerokoscKolumny(int kolumna) {
  static const int s[LiczbaKolumn] = {45, 88, 340, 262, 93, 128, 62};
  return (kolumna >= 0 && kolumna < LiczbaKolumn) ? s[kolumna] : 0;
}

int DzienTygodnia(const QDate& data) { return data.dayOfWeek(); }

GodzinyDnia UstalGodzinyDnia(const std::vector<ZakresPracy>& zakresy,
                             const std::vector<WizytaDnia>& wizyty, int grafikCo) {
  if (!zakresy.empty()) return {zakresy.front().godz1, zakresy.back().godz2};
  if (wizyty.empty()) return {600, 720};
  const int co = InterwalSiatki(grafikCo);
  auto [mn, mx] = std::minmax_element(wizyty.begin(), wizyty.end(),
                                      [](const WizytaDnia& a, const WizytaDnia& b) { return a.minuta < b.minuta; });
  const int od = mn->minuta;
  return {(od / 60) * 60 + co * ((od % 60) / co), mx->minuta};
}

WierszSiatki WierszWizyty(const WizytaDnia& w) {
  QString adres = w.ulica + " " + w.nrDomu;
  if (!w.nrLokal.trimmed().isEmpty()) adres += "/" + w.nrLokal;
  adres += "\n" + w.kodP + " " + w.poczta;
  return {QString::number(w.id), TekstGodziny(w.minuta), w.nazwisko + " " + w.imie, adres, w.pesel,
          w.poradaKod + "\n" + w.poradaNazwa, w.icd10};
}

static WierszSiatki WolnyWiersz(int minuta) {
  WierszSiatki w;
  w[KolGodz] = TekstGodziny(minuta);
  return w;
}

Wiersze ZbudujSiatke(const std::vector<ZakresPracy>& zakresy, const std::vector<WizytaDnia>& wizyty,
                     int grafikCo) {
  const int co = InterwalSiatki(grafikCo);
  const GodzinyDnia g = UstalGodzinyDnia(zakresy, wizyty, co);
  int p = g.dzienOd;
  int e = g.dzienDo;
  int ostatnia = 1440;  // no slot takes this minute
  Wiersze wiersze;

  auto wolny = [&](int minuta) {
    if (minuta != ostatnia && minuta >= 0) wiersze.push_back(WolnyWiersz(minuta));
  };

  // Step back whole intervals so that visits before the working hours get slots in front of them.
  if (!wizyty.empty())
    while (p > wizyty.front().minuta) p -= co;

  for (const WizytaDnia& w : wizyty) {
    const int q = w.minuta;
    if (e < q) e = q;
    for (; p < q && p <= e; p += co) wolny(p);
    wiersze.push_back(WierszWizyty(w));
    ostatnia = q;
  }
  for (; p <= e; p += co) wolny(p);
  return wiersze;
}

bool JestWizyta(const WierszSiatki& w) { return IdWizyty(w) != 0; }

int IdWizyty(const WierszSiatki& w) { return w[KolId].toInt(); }

int MinutaWiersza(const WierszSiatki& w) { return CzasDnia::MinutaZTekstu(w[KolGodz]); }

QTime GodzinaWiersza(const WierszSiatki& w) { return CzasDnia::CzasZMinuty(MinutaWiersza(w)); }

bool WZakresiePracy(const std::vector<ZakresPracy>& zakresy, int minuta) {
  return std::any_of(zakresy.begin(), zakresy.end(),
                     [minuta](const ZakresPracy& z) { return z.godz1 <= minuta && z.godz2 >= minuta; });
}

void WGodzinachPracy::UstawZakresy(std::vector<ZakresPracy> zakresy) {
  zakresy_ = std::move(zakresy);
  klucz_.clear();
}

bool WGodzinachPracy::Sprawdz(int lekarzId, const QString& tekstGodziny) {
  const QString klucz = QString::number(lekarzId) + "." + tekstGodziny;
  if (klucz != klucz_) {
    const int t = CzasDnia::MinutaZTekstu(tekstGodziny);
    wynik_ = t >= 0 && WZakresiePracy(zakresy_, t);
    klucz_ = klucz;
  }
  return wynik_;
}

QTime PierwszyWolnyTermin(const Wiersze& wiersze, int grafikCo) {
  for (const WierszSiatki& w : wiersze)
    if (w[KolId].isEmpty()) return GodzinaWiersza(w);
  if (wiersze.empty()) return {};
  const int m = MinutaWiersza(wiersze.back()) + InterwalSiatki(grafikCo);
  return CzasDnia::CzasZMinuty(std::min(m, 24 * 60 - 1));
}

int UstawWierszWgCzasu(const Wiersze& wiersze, const QTime& teraz, int wybrany) {
  if (wiersze.size() < 2) return wybrany;
  const int n = static_cast<int>(wiersze.size());
  for (int i = 0; i < n; ++i) {
    const QTime t = GodzinaWiersza(wiersze[i]);
    if (t.isValid() && t >= teraz) return i;
  }
  return n - 1;
}

int PrzyciemnijKolor(int kolor, int n) {
  int wynik = 0;
  for (int przesuniecie = 0; przesuniecie < 24; przesuniecie += 8) {
    const int bajt = (kolor >> przesuniecie) & 0xFF;
    wynik |= ((bajt - n) & 0xFF) << przesuniecie;
  }
  return wynik;
}

KoloryWierszy KoloryLekarza(int kolor) {
  return {kolor & 0xFFFFFF, PrzyciemnijKolor(kolor, 10), PrzyciemnijKolor(kolor, 40)};
}

KoloryWierszy KoloryPozaGodzinami() { return KoloryLekarza(0xFFFFFF); }

int KolorWiersza(const KoloryWierszy& k, int indeks, bool wybrany) {
  if (wybrany) return k.wybrany;
  return (indeks % 2 == 0) ? k.podstawowy : k.parzysty;
}

}  // namespace SiatkaDnia
