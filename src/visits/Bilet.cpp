#include "visits/Bilet.h"

#include "reports/Drukarki.h"
#include "visits/BiletReguly.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

DrukarkaBiletow::DrukarkaBiletow() = default;
DrukarkaBiletow::~DrukarkaBiletow() = default;

void DrukarkaBiletow::UstawDrukarkeBiletow(const QString& drukarkaBiletow, bool nowaWizyta,
                                           QCheckBox* btnDrukujBilet) {
  const BiletReguly::StanPola s = BiletReguly::StanDrukujBilet(drukarki().Nazwy(), drukarkaBiletow, nowaWizyta);
  drukarka_.reset();
  if (s.drukarka) {
    drukarka_ = drukarki().Drukarka(drukarkaBiletow);
    drukarka_->setDocName(QStringLiteral("Bilet"));
  }
  if (btnDrukujBilet) {
    btnDrukujBilet->setEnabled(s.wlaczone);
    btnDrukujBilet->setChecked(s.zaznaczone);
  }
}

bool DrukarkaBiletow::DrukujBilet(const QDate& data, const QTime& godzina, const QString& imie,
                                  const QString& nazwisko) {
  if (!drukarka_) return false;
  QPainter p;
  if (!p.begin(drukarka_.get())) return false;
  Rysuj(p, data, godzina, imie, nazwisko);
  p.end();
  return true;
}

void DrukarkaBiletow::Zwolnij() { drukarka_.reset(); }

void DrukarkaBiletow::Rysuj(QPainter& p, const QDate& data, const QTime& godzina, const QString& imie,
                            const QString& nazwisko) {
  const auto tekst = [&p](int x, int y, int rozmiar, const QString& t) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(rozmiar);
    p.setFont(f);
    const QFontMetrics m(f, p.device());
    // Positions name the text's top left corner.
    p.drawText(x, y + m.ascent(), t);
    return m.height();
  };
  p.setPen(Qt::black);
  int y = 0;
  y += tekst(10, y, 20, BiletReguly::LiniaTerminu(data, godzina));
  const QString pacjent = BiletReguly::LiniaPacjenta(imie, nazwisko);
  QFont f12(QStringLiteral("Arial"));
  f12.setPointSize(12);
  const int wysokosc = QFontMetrics(f12, p.device()).height();
  y += wysokosc;
  tekst(10, y, 12, pacjent);
  y += wysokosc + 40;
  tekst(10, y, 4, QStringLiteral("_"));
}
