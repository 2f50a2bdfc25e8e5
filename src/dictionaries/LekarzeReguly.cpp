#include "dictionaries/LekarzeReguly.h"

#include <QRandomGenerator>
#include <algorithm>

QColor LosowyKolor(QRandomGenerator& generator) {
  const int r = 200 + int(generator.bounded(55));
  const int g = 200 + int(generator.bounded(55));
  const int b = 200 + int(generator.bounded(55));
  return QColor(r, g, b);
}

QColor LosowyKolor() { return LosowyKolor(*QRandomGenerator::global()); }

QColor KolorCoNajmniej100(const QColor& kolor) {
  return QColor(std::max(kolor.red(), 100), std::max(kolor.green(), 100), std::max(kolor.blue(), 100));
}

bool ZnakPolaPesel(QChar znak) { return (znak >= u'0' && znak <= u'9') || znak == u'\b'; }
