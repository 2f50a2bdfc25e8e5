#include "dictionaries/HarmonogramWidok.h"

#include "dictionaries/HarmonogramGeometria.h"

#include <QMouseEvent>
#include <QPainter>

using namespace HarmonogramGeometria;

namespace {
void przekaz(const std::function<void(QMouseEvent&)>& f, QMouseEvent* e) {
  if (f) f(*e);
}
// Border width 2 inside the 1-pixel frame.
constexpr int MarginesPodpisu = 3;
}  // namespace

SiatkaHarmonogramu::SiatkaHarmonogramu(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAutoFillBackground(false);
}

QString SiatkaHarmonogramu::Tekst(int wiersz, int kolumna) const {
  if (wiersz == 0 && kolumna >= 1 && kolumna <= 24) return QString::asprintf("%02d", kolumna - 1);
  if (kolumna == 0) return NazwaDnia(wiersz);
  return {};
}

void SiatkaHarmonogramu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Base));
  const QColor staly = palette().color(QPalette::Button);
  const QColor linia = palette().color(QPalette::Mid);
  p.setPen(linia);
  // Column 0 spans 74 pixels, each hour 29, every cell followed by a 1-pixel line.
  for (int w = 0; w < 8; ++w) {
    const int y = w * SkokWiersza;
    for (int k = 0; k <= 24; ++k) {
      const int x = k == 0 ? 0 : SzerokoscKolumnyDni + 1 + (k - 1) * SkokGodziny;
      const int szer = k == 0 ? SzerokoscKolumnyDni : SzerokoscKolumnyGodzin;
      const QRect komorka(x, y, szer, WysokoscWiersza);
      if (w == 0 || k == 0) {
        p.fillRect(komorka, staly);
        p.setPen(palette().color(QPalette::ButtonText));
        if (w == 0) p.drawText(komorka, Qt::AlignCenter, Tekst(w, k));
        else p.drawText(komorka.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, Tekst(w, k));
      }
      p.fillRect(QRect(x + szer, y, 1, SkokWiersza), linia);
    }
    p.fillRect(QRect(0, y + WysokoscWiersza, width(), 1), linia);
  }
}

void SiatkaHarmonogramu::mousePressEvent(QMouseEvent* e) { przekaz(mysz.wcisniecie, e); }
void SiatkaHarmonogramu::mouseMoveEvent(QMouseEvent* e) { przekaz(mysz.ruch, e); }
void SiatkaHarmonogramu::mouseReleaseEvent(QMouseEvent* e) { przekaz(mysz.zwolnienie, e); }

PoleZakresu::PoleZakresu(int numer_, int id_, int dzien_, QWidget* parent)
    : QWidget(parent), numer(numer_), id(id_), dzien(dzien_) {
  setMouseTracking(true);
}

void PoleZakresu::UstawKolor(const QColor& kolor) {
  if (kolor_ == kolor) return;
  kolor_ = kolor;
  update();
}

void PoleZakresu::UstawPodpis(const QString& podpis) {
  podpis_ = podpis;
  update();
}

void PoleZakresu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), kolor_);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawText(rect().adjusted(MarginesPodpisu, 0, -MarginesPodpisu, 0), Qt::AlignLeft | Qt::AlignVCenter, podpis_);
}

void PoleZakresu::mousePressEvent(QMouseEvent* e) { przekaz(mysz.wcisniecie, e); }
void PoleZakresu::mouseMoveEvent(QMouseEvent* e) { przekaz(mysz.ruch, e); }
void PoleZakresu::mouseReleaseEvent(QMouseEvent* e) { przekaz(mysz.zwolnienie, e); }
