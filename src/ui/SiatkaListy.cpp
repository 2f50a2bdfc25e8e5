#include "ui/SiatkaListy.h"

#include "ui/Kolory.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

DelegatListy::DelegatListy(SiatkaListy* siatka) : QStyledItemDelegate(siatka), siatka_(siatka) {}

QRect DelegatListy::przygotuj(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
  const int wiersz = i.row();
  const bool wybrany = siatka_->dataset() && siatka_->dataset()->recNo() == wiersz;
  QColor tlo = Kolory::tloWiersza(wiersz, wybrany, siatka_->maFokus(), o.palette.color(QPalette::Base));
  if (siatka_->tlo)
    if (auto t = siatka_->tlo(wiersz, i.column())) tlo = *t;
  p->fillRect(o.rect, tlo);
  QFont f = o.font;
  if (siatka_->pogrubiony && siatka_->pogrubiony(wiersz)) f.setBold(true);
  p->setFont(f);
  p->setPen(siatka_->kolorTekstu ? siatka_->kolorTekstu(wiersz) : QColor(Qt::black));
  return o.rect.adjusted(2, 0, -2, 0);
}

void DelegatListy::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
  p->save();
  const QRect r = przygotuj(p, o, i);
  const int wyrownanie = i.data(Qt::TextAlignmentRole).toInt();
  p->drawText(r, wyrownanie ? wyrownanie : int(Qt::AlignLeft | Qt::AlignVCenter),
              o.fontMetrics.elidedText(i.data(Qt::DisplayRole).toString(), Qt::ElideRight, r.width()));
  p->restore();
}

SiatkaListy::SiatkaListy(QWidget* parent) : QTableView(parent) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setItemDelegate(new DelegatListy(this));
  verticalHeader()->hide();
  horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  horizontalHeader()->setHighlightSections(false);
  setTabKeyNavigation(false);
}

void SiatkaListy::ustaw(Dataset* dataset, QList<ModelColumn> kolumny) {
  dataset_ = dataset;
  model_ = new DatasetModel(dataset, std::move(kolumny), this);
  setModel(model_);
  connect(dataset, &Dataset::scrolled, this, &SiatkaListy::pokazBiezacy);
  connect(model_, &QAbstractItemModel::modelReset, this, &SiatkaListy::pokazBiezacy);
}

void SiatkaListy::pokazBiezacy() {
  if (!dataset_ || synchronizacja_) return;
  synchronizacja_ = true;
  const int r = dataset_->recNo();
  if (r >= 0 && r < model_->rowCount()) {
    const int c = currentIndex().isValid() ? currentIndex().column() : 0;
    setCurrentIndex(model_->index(r, c));
    scrollTo(model_->index(r, c));
  }
  viewport()->update();
  synchronizacja_ = false;
}

void SiatkaListy::currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni) {
  QTableView::currentChanged(biezacy, poprzedni);
  if (!dataset_ || synchronizacja_ || !biezacy.isValid()) return;
  synchronizacja_ = true;
  if (dataset_->recNo() != biezacy.row()) dataset_->moveTo(biezacy.row());
  synchronizacja_ = false;
  viewport()->update();
}

void SiatkaListy::mouseDoubleClickEvent(QMouseEvent* e) {
  QTableView::mouseDoubleClickEvent(e);
  emit podwojneKlikniecie();
}

void SiatkaListy::focusInEvent(QFocusEvent* e) {
  QTableView::focusInEvent(e);
  viewport()->update();
}

void SiatkaListy::focusOutEvent(QFocusEvent* e) {
  QTableView::focusOutEvent(e);
  viewport()->update();
}
