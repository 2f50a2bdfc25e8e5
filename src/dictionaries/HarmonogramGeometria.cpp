#include "dictionaries/HarmonogramGeometria.h"

#include "common/CzasDnia.h"

namespace HarmonogramGeometria {

using CzasDnia::TekstGodziny;

QString NazwaDnia(int dzien) {
  static const char16_t* const nazwy[] = {u"Poniedziałek", u"Wtorek", u"Środa", u"Czwartek",
                                          u"Piątek",       u"Sobota", u"Niedziela"};
  return WierszDnia(dzien) ? QString::fromUtf16(nazwy[dzien - 1]) : QString();
}

bool WierszDnia(int wiersz) { return wiersz >= 1 && wiersz <= 7; }

int Zaokraglij(int minuta, int interwal) {
  const int co = CzasDnia::InterwalWyboru(interwal);
  return (minuta / 60) * 60 + ((minuta % 60) / co) * co;
}

int X0(int lewoSiatki) { return lewoSiatki + SzerokoscKolumnyDni + 1; }

int MinutaZX(int x, int x0, int interwal) { return Zaokraglij(2 * (x - x0), interwal); }

int WierszZY(int y) { return y >= 0 && y < 8 * SkokWiersza ? y / SkokWiersza : -1; }

int KolumnaZX(int x) {
  if (x < 0) return -1;
  if (x <= SzerokoscKolumnyDni) return 0;
  const int kolumna = 1 + (x - SzerokoscKolumnyDni - 1) / SkokGodziny;
  return kolumna <= 24 ? kolumna : -1;
}

bool KomorkaGodzin(int x, int y) { return WierszDnia(WierszZY(y)) && KolumnaZX(x) >= 1; }

QRect ProstokatPola(int start, int koniec, int dzien, QPoint poczatekSiatki) {
  return QRect(X0(poczatekSiatki.x()) + start / 2 + 1, poczatekSiatki.y() + dzien * SkokWiersza + 2,
               (koniec - start) / 2, SkokWiersza - 3);
}

QRect ProstokatRysowania(int start, int koniec, int wierszStart, int wierszBiezacy, QPoint poczatekSiatki) {
  return QRect(X0(poczatekSiatki.x()) + start / 2 + 1, poczatekSiatki.y() + wierszStart * SkokWiersza + 2,
               koniec / 2 - start / 2, (wierszBiezacy - wierszStart + 1) * SkokWiersza - 3);
}

bool ZakresPoprawny(int start, int koniec) { return start >= 0 && start < koniec && koniec < MinutDoby; }

bool SprawdzNakladanie(const QRect& ruchome, const std::vector<QRect>& inne) {
  const QRect szersze = ruchome.adjusted(-1, 0, 2, 0);
  for (const QRect& r : inne)
    if (szersze.intersects(r)) return true;
  return false;
}

std::optional<Zakres> Przesun(int lewoPola, int szerokoscPola, int x0, int xWPolu, int punktChwytu,
                              int interwal) {
  const int start = Zaokraglij(2 * (lewoPola - x0) + 2 * (xWPolu - punktChwytu), interwal);
  const int koniec = start + 2 * szerokoscPola;
  if (start < 0 || koniec >= MinutDoby) return std::nullopt;
  return Zakres{start, koniec};
}

std::optional<Zakres> ZmienRozmiar(int start, int xWPolu, int interwal) {
  const int koniec = Zaokraglij(2 * xWPolu + start + 10, interwal);
  if (!(start < koniec && koniec < MinutDoby)) return std::nullopt;
  return Zakres{start, koniec};
}

bool StrefaZmianyRozmiaru(int xWPolu, int szerokoscPola) { return xWPolu >= szerokoscPola - 4; }

bool RysunekDoDodania(int start, int koniec, int wierszStart, int wierszBiezacy) {
  return ZakresPoprawny(start, koniec) && WierszDnia(wierszStart) && WierszDnia(wierszBiezacy) &&
         wierszBiezacy >= wierszStart;
}

QString PodpisZakresu(int start, int koniec) {
  return TekstGodziny(start) + QStringLiteral(" ÷ ") + TekstGodziny(koniec);
}

QString PodpowiedzPola(int dzien, int start, int koniec) {
  return NazwaDnia(dzien) + ":  " + PodpisZakresu(start, koniec);
}

QString PodpowiedzRysowania(int wierszStart, int wierszBiezacy, int start, int koniec) {
  if (!ZakresPoprawny(start, koniec)) return {};
  QString dni;
  for (int w = wierszStart; w <= wierszBiezacy; ++w)
    if (WierszDnia(w)) dni += NazwaDnia(w).left(3) + ". ";
  return dni + "\n" + PodpisZakresu(start, koniec);
}

QString PodpowiedzSiatki(int wiersz, int minuta) {
  if (!WierszDnia(wiersz) || minuta < 0) return {};
  return NazwaDnia(wiersz) + "  " + TekstGodziny(minuta);
}

QString PytanieNowyWpis(int wierszStart, int wierszKoniec, int start, int koniec) {
  QString t = QStringLiteral("Dni:   ");
  for (int w = wierszStart; w <= wierszKoniec; ++w)
    if (WierszDnia(w)) t += NazwaDnia(w) + ", ";
  return t + QStringLiteral("\nGodziny przyjęć:  ") + PodpisZakresu(start, koniec) +
         QStringLiteral("\n\nDodać wpis?");
}

QString PytanieUsuniecieWpisu(int dzien, int start, int koniec) {
  return PodpowiedzPola(dzien, start, koniec) + QStringLiteral("\n\nNa pewno usunąć wpis?");
}

}  // namespace HarmonogramGeometria
