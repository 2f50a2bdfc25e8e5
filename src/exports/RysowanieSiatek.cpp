#include "exports/RysowanieSiatek.h"

#include "ui/Kolory.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

void RysujTekstKomorki(QPainter* p, const QRect& rect, const QString& tekst, bool wysrodkuj) {
  p->setPen(Qt::black);
  const QRect r = wysrodkuj ? rect : rect.adjusted(2, 0, 0, 0);
  p->drawText(r, Qt::AlignVCenter | (wysrodkuj ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::TextSingleLine, tekst);
}

void KomorkiSiatki::paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const {
  const auto* widok = qobject_cast<const QAbstractItemView*>(opcje.widget);
  const QString tekst = indeks.data(Qt::DisplayRole).toString();
  p->save();
  if (indeks.column() == kolumnaStala_) {
    p->fillRect(opcje.rect, opcje.palette.color(QPalette::Button));
    RysujTekstKomorki(p, opcje.rect, tekst, true);
  } else {
    const QModelIndex biezacy = widok ? widok->currentIndex() : QModelIndex();
    const bool wybrany = biezacy.isValid() && biezacy.row() == indeks.row() &&
                         (calyWiersz_ || biezacy.column() == indeks.column());
    const bool fokus = widok && widok->hasFocus();
    p->fillRect(opcje.rect,
                Kolory::tloWiersza(indeks.row(), wybrany, fokus, opcje.palette.color(QPalette::Base)));
    RysujTekstKomorki(p, opcje.rect, tekst, false);
  }
  p->restore();
}

NaglowekSiatki::NaglowekSiatki(QWidget* rodzic, int wierszy, int wysokoscWiersza)
    : QHeaderView(Qt::Horizontal, rodzic), wierszy_(wierszy), wysokosc_(wysokoscWiersza) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QSize NaglowekSiatki::sizeHint() const {
  QSize s = QHeaderView::sizeHint();
  s.setHeight(wierszy_ * wysokosc_);
  return s;
}

void NaglowekSiatki::paintSection(QPainter* p, const QRect& rect, int sekcja) const {
  if (!model()) return;
  p->save();
  const QColor tlo = palette().color(QPalette::Button);
  for (int w = 0; w < wierszy_; ++w) {
    const QRect r(rect.left(), rect.top() + w * wysokosc_, rect.width(), wysokosc_);
    p->fillRect(r, tlo);
    const QVariant v = model()->headerData(sekcja, Qt::Horizontal, w == 0 ? Qt::DisplayRole : Qt::UserRole);
    RysujTekstKomorki(p, r, v.toString(), w == 0);
  }
  p->restore();
}
