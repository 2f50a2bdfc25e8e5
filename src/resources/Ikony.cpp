#include "resources/Ikony.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace Ikony {

namespace {

// Every picture is drawn on a 32-unit square and scaled to its size.
void kartka(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(4, 5, 22, 23), 2, 2);
  p.setBrush(QColor(200, 40, 40));
  p.drawRect(QRectF(4, 5, 22, 6));
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (int y = 15; y <= 25; y += 5) p.drawLine(QPointF(7, y), QPointF(23, y));
  for (int x = 11; x <= 19; x += 8) p.drawLine(QPointF(x, 13), QPointF(x, 26));
  p.setPen(QPen(QColor(60, 60, 60), 2));
  p.drawLine(QPointF(10, 3), QPointF(10, 8));
  p.drawLine(QPointF(20, 3), QPointF(20, 8));
}

void plus(QPainter& p, const QColor& kolor) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255));
  p.drawEllipse(QRectF(17, 17, 15, 15));
  p.setBrush(kolor);
  p.drawEllipse(QRectF(18, 18, 13, 13));
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(QPointF(24.5, 20.5), QPointF(24.5, 28.5));
  p.drawLine(QPointF(20.5, 24.5), QPointF(28.5, 24.5));
}

void osoba(QPainter& p, const QPointF& srodek, qreal skala, const QColor& ubranie) {
  p.setPen(QPen(QColor(50, 50, 50), 1));
  p.setBrush(QColor(245, 205, 170));
  p.drawEllipse(srodek + QPointF(-4.5 * skala, -12 * skala), 9 * skala, 9 * skala);
  QPainterPath tulow;
  tulow.moveTo(srodek + QPointF(-9 * skala, 10 * skala));
  tulow.cubicTo(srodek + QPointF(-9 * skala, -2 * skala), srodek + QPointF(9 * skala, -2 * skala),
                srodek + QPointF(9 * skala, 10 * skala));
  tulow.closeSubpath();
  p.setBrush(ubranie);
  p.drawPath(tulow);
}

void zegar(QPainter& p, const QRectF& r) {
  p.setPen(QPen(QColor(40, 40, 90), 1.6));
  p.setBrush(Qt::white);
  p.drawEllipse(r);
  const QPointF c = r.center();
  p.setPen(QPen(QColor(40, 40, 90), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c, c + QPointF(0, -r.height() * 0.32));
  p.drawLine(c, c + QPointF(r.width() * 0.26, 0));
}

void strzalkaTrojkat(QPainter& p, bool wPrawo) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 60, 140));
  QPolygonF t;
  if (wPrawo) t << QPointF(10, 6) << QPointF(24, 16) << QPointF(10, 26);
  else t << QPointF(22, 6) << QPointF(8, 16) << QPointF(22, 26);
  p.drawPolygon(t);
}

void rysuj(QPainter& p, Obraz obraz) {
  switch (obraz) {
    case Obraz::NowaWizyta:
      kartka(p);
      plus(p, QColor(30, 150, 50));
      break;
    case Obraz::WizytaWgGrafiku:
      kartka(p);
      zegar(p, QRectF(17, 17, 14, 14));
      break;
    case Obraz::EdytujWizyte: {
      kartka(p);
      p.save();
      p.translate(23, 22);
      p.rotate(45);
      p.setPen(QPen(QColor(60, 60, 60), 1));
      p.setBrush(QColor(240, 190, 40));
      p.drawRect(QRectF(-2.5, -11, 5, 16));
      p.setBrush(QColor(240, 200, 160));
      QPolygonF grot;
      grot << QPointF(-2.5, 5) << QPointF(2.5, 5) << QPointF(0, 10);
      p.drawPolygon(grot);
      p.restore();
      break;
    }
    case Obraz::UsunWizyte:
      kartka(p);
      p.setPen(QPen(QColor(210, 20, 20), 4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(18, 18), QPointF(29, 29));
      p.drawLine(QPointF(29, 18), QPointF(18, 29));
      break;
    case Obraz::Pacjenci:
      osoba(p, QPointF(20, 19), 0.95, QColor(90, 140, 200));
      osoba(p, QPointF(12, 21), 1.0, QColor(60, 160, 110));
      break;
    case Obraz::Lekarze: {
      osoba(p, QPointF(16, 20), 1.2, Qt::white);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(210, 30, 30));
      p.drawRect(QRectF(19, 20, 6, 2));
      p.drawRect(QRectF(21, 18, 2, 6));
      break;
    }
    case Obraz::Harmonogram:
      zegar(p, QRectF(4, 4, 24, 24));
      break;
    case Obraz::Wydruk:
      p.setPen(QPen(QColor(60, 60, 60), 1.2));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 3, 14, 10));
      p.setBrush(QColor(170, 170, 180));
      p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
      p.setBrush(Qt::white);
      p.drawRect(QRectF(9, 19, 14, 10));
      break;
    case Obraz::BazaDanych: {
      const QColor bok(70, 120, 190), wierzch(130, 175, 230);
      p.setPen(QPen(QColor(30, 60, 110), 1.2));
      for (int i = 2; i >= 0; --i) {
        const qreal y = 6 + i * 7;
        p.setBrush(bok);
        p.drawRect(QRectF(6, y + 3, 20, 7));
        p.drawEllipse(QRectF(6, y + 6.5, 20, 7));
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(6.6, y + 6, 18.8, 4.5));
        p.setPen(QPen(QColor(30, 60, 110), 1.2));
        p.setBrush(wierzch);
        p.drawEllipse(QRectF(6, y, 20, 7));
      }
      break;
    }
    case Obraz::Opcje: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(110, 110, 120));
      p.save();
      p.translate(16, 16);
      for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-2.5, -14, 5, 7));
        p.rotate(45);
      }
      p.restore();
      p.drawEllipse(QPointF(16, 16), 10, 10);
      p.setBrush(Qt::white);
      p.drawEllipse(QPointF(16, 16), 4, 4);
      break;
    }
    case Obraz::OProgramie: {
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 100, 200));
      p.drawEllipse(QRectF(3, 3, 26, 26));
      p.setBrush(Qt::white);
      p.drawEllipse(QRectF(14, 7.5, 4, 4));
      p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
      break;
    }
    case Obraz::Poprzednia:
      strzalkaTrojkat(p, false);
      break;
    case Obraz::Nastepna:
      strzalkaTrojkat(p, true);
      break;
  }
}

}  // namespace

QPixmap Rysuj(Obraz obraz, int rozmiar) {
  QPixmap pix(rozmiar, rozmiar);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(rozmiar / 32.0, rozmiar / 32.0);
  rysuj(p, obraz);
  return pix;
}

QIcon Ikona(Obraz obraz, int rozmiar) { return QIcon(Rysuj(obraz, rozmiar)); }

QPixmap StrzalkaWPrawo() {
  // Drawn on magenta without antialiasing, so the mask leaves clean edges.
  QImage obraz(28, 28, QImage::Format_RGB32);
  obraz.fill(QColor(255, 0, 255));
  {
    QPainter p(&obraz);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    QPolygon strzalka;
    strzalka << QPoint(3, 10) << QPoint(14, 10) << QPoint(14, 4) << QPoint(25, 14) << QPoint(14, 24)
             << QPoint(14, 18) << QPoint(3, 18);
    p.drawPolygon(strzalka);
  }
  QPixmap pix = QPixmap::fromImage(obraz);
  pix.setMask(pix.createMaskFromColor(obraz.pixelColor(0, obraz.height() - 1)));
  return pix;
}

}  // namespace Ikony
