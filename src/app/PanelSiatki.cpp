#include "app/PanelSiatki.h"

#include <QPainter>
#include <QVBoxLayout>

PanelSiatki::PanelSiatki(QWidget* parent) : QWidget(parent) {
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
}

bool PanelSiatki::NapisWidoczny() const {
  if (!isVisible()) return false;
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (w->isVisible()) return false;
  return true;
}

void PanelSiatki::paintEvent(QPaintEvent*) {
  if (!NapisWidoczny()) return;
  QPainter p(this);
  QFont f = font();
  f.setBold(true);
  f.setPointSize(16);
  p.setFont(f);
  p.drawText(rect(), Qt::AlignCenter, Napis());
}
