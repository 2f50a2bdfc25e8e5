#include "common/CzasDnia.h"

#include <algorithm>

namespace CzasDnia {

int InterwalSiatki(int grafikCo) { return (grafikCo < 1 || grafikCo > 60) ? 10 : grafikCo; }

int InterwalWyboru(int grafikCo) { return std::clamp(InterwalSiatki(grafikCo), 5, 60); }

QString TekstGodziny(int minuta) { return QString::asprintf("%02d:%02d", minuta / 60, minuta % 60); }

int MinutaZTekstu(const QString& tekst) {
  bool okG = false, okM = false;
  const int g = tekst.mid(0, 2).toInt(&okG);
  const int m = tekst.mid(3, 2).toInt(&okM);
  return (okG && okM) ? g * 60 + m : -1;
}

int MinutaZCzasu(const QTime& czas) { return czas.isValid() ? czas.hour() * 60 + czas.minute() : -1; }

QTime CzasZMinuty(int minuta) {
  if (minuta < 0 || minuta >= 24 * 60) return {};
  return QTime(minuta / 60, minuta % 60);
}

}  // namespace CzasDnia
