#include "app/ZegarReguly.h"

#include "common/CzasDnia.h"

#include <cmath>
#include <numbers>

namespace ZegarReguly {

int InterwalZegara(int grafikCo) { return CzasDnia::InterwalWyboru(grafikCo); }

int MinutaZPozycji(int x, int y, int interwal, bool alt) {
  // The dial reading is defined in single precision; pixels on a minute boundary follow it.
  const float a = std::atan2(static_cast<float>(y - Srodek), static_cast<float>(x - Srodek));
  const int c = static_cast<int>(static_cast<double>(a) * 360.0 / std::numbers::pi);
  int m = (c >= 181) ? c + 180 : c + 900;
  if (!alt) {
    const int co = InterwalZegara(interwal);
    m = (m / 60) * 60 + ((m % 60) / co) * co;
  }
  return m;
}

QPoint KoniecWskazowki(int minuta) {
  const double theta = (minuta - 360) / 360.0 * std::numbers::pi + 1.56;
  return QPoint(static_cast<int>(std::cos(theta) * DlugoscWskazowki + Srodek),
                static_cast<int>(std::sin(theta) * DlugoscWskazowki + Srodek));
}

}  // namespace ZegarReguly
