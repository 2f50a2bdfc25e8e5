#include "app/TarczaZegara.h"

#include "app/ZegarReguly.h"

#include <QPainter>
#include <cmath>
#include <numbers>

namespace TarczaZegara {

QImage ZEGAR() {
  using namespace ZegarReguly;
  QImage obraz(RozmiarTarczy, RozmiarTarczy, QImage::Format_RGB32);
  obraz.fill(KolorPrzezroczysty);
  QPainter p(&obraz);
  // The outer edge without antialiasing: blended pixels there would not match
  // the transparent colour and would show as a purple fringe.
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
  p.setBrush(QColor(0xFF, 0xFF, 0xF0));
  p.drawEllipse(QPoint(Srodek, Srodek), Srodek - 2, Srodek - 2);

  p.setRenderHint(QPainter::Antialiasing);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(10);
  p.setFont(f);
  // The dial reads 7..18 clockwise from the 7 o'clock position: 12 at the top,
  // 15 on the right, 18 at the bottom.
  for (int godzina = 7; godzina <= 18; ++godzina) {
    const double kat = (godzina % 12) * std::numbers::pi / 6.0 - std::numbers::pi / 2.0;
    const double c = std::cos(kat), s = std::sin(kat);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), godzina % 3 == 0 ? 3 : 1));
    p.drawLine(QPointF(Srodek + c * 52, Srodek + s * 52), QPointF(Srodek + c * 58, Srodek + s * 58));
    const QPointF srodekLiczby(Srodek + c * 43, Srodek + s * 43);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.drawText(QRectF(srodekLiczby.x() - 10, srodekLiczby.y() - 7, 20, 14), Qt::AlignCenter,
               QString::number(godzina));
  }
  return obraz;
}

QRegion ObszarTarczy(const QImage& tarcza) {
  QRegion obszar;
  const QRgb przezroczysty = KolorPrzezroczysty.rgb();
  for (int y = 0; y < tarcza.height(); ++y) {
    int x = 0;
    while (x < tarcza.width()) {
      while (x < tarcza.width() && tarcza.pixel(x, y) == przezroczysty) ++x;
      const int poczatek = x;
      while (x < tarcza.width() && tarcza.pixel(x, y) != przezroczysty) ++x;
      if (x > poczatek) obszar += QRect(poczatek, y, x - poczatek, 1);
    }
  }
  return obszar;
}

}  // namespace TarczaZegara
