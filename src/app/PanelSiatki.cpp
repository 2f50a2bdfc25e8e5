#include "app/PanelSiatki.h"

#include <QPainter>
#include <QVBoxLayout>

PanelSiatki::PanelSiatki(QWidget* parent) : QWidget(parent) {
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
}

void PanelSiatki::UstawBramke(bool otwarta) {
  otwarta_ = otwarta;
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->setVisible(otwarta);
  update();
}

bool PanelSiatki::NapisWidoczny() const { return isVisible() && !otwarta_; }

void PanelSiatki::paintEvent(QPaintEvent*) {
  if (!NapisWidoczny()) return;
  QPainter p(this);
  QFont f = font();
  f.setBold(true);
  f.setPointSize(16);
  p.setFont(f);
  p.drawText(rect(), Qt::AlignCenter, Napis());
}
