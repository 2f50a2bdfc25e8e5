#include "patients/DelegatPacjentow.h"

#include "common/Formaty.h"
#include "ui/Kolory.h"

#include <QPainter>

namespace {
// A date counts as set when it holds a day; an empty field reads as none.
QString dataLubPusto(const QVariant& v) { return v.isNull() ? QString() : Formaty::data(v.toDate()); }
}  // namespace

DelegatPacjentow::DelegatPacjentow(SiatkaListy* siatka) : DelegatListy(siatka) {
  czcionkaMala = QFont(QStringLiteral("MS Sans Serif"));
  czcionkaMala.setPixelSize(11);
  czcionkaDuza = QFont(QStringLiteral("Arial"));
  czcionkaDuza.setPixelSize(24);
}

bool DelegatPacjentow::malaCzcionka(const QString& pole) const {
  return pole != QStringLiteral("_nazwisko_imie") && pole != QStringLiteral("PLEC");
}

QString DelegatPacjentow::pierwszaLinia(int wiersz, const QString& pole) const {
  const Dataset* ds = siatka_->dataset();
  if (pole == QStringLiteral("DTDEKLARLEK"))
    return QStringLiteral("L:  ") + dataLubPusto(ds->valueAt(wiersz, QStringLiteral("DTDEKLARLEK")));
  return DatasetModel::displayText(ds->valueAt(wiersz, pole));
}

QString DelegatPacjentow::drugaLinia(int wiersz, const QString& pole) const {
  const Dataset* ds = siatka_->dataset();
  if (pole == QStringLiteral("PESEL")) return dataLubPusto(ds->valueAt(wiersz, QStringLiteral("DATAUR")));
  if (pole == QStringLiteral("_adres"))
    return ds->valueAt(wiersz, QStringLiteral("KODP")).toString() + u' ' + ds->valueAt(wiersz, QStringLiteral("POCZTA")).toString();
  if (pole == QStringLiteral("_lekarz_name")) return ds->valueAt(wiersz, QStringLiteral("_lekarz_pwzl")).toString();
  if (pole == QStringLiteral("DTDEKLARLEK"))
    return QStringLiteral("P:  ") + dataLubPusto(ds->valueAt(wiersz, QStringLiteral("DTDEKLARPIEL")));
  return {};
}

void DelegatPacjentow::paint(QPainter* p, const QStyleOptionViewItem& o, const QModelIndex& i) const {
  if (!siatka_->dataset() || !siatka_->model()) return;
  const QString pole = siatka_->model()->columns().value(i.column()).field;
  const int wiersz = i.row();
  p->save();
  przygotuj(p, o, i);
  const QFont czcionka = malaCzcionka(pole) ? czcionkaMala : czcionkaDuza;
  p->setFont(czcionka);
  const QFontMetrics fm(czcionka);
  const QRect r = o.rect;
  const QString tekst = pierwszaLinia(wiersz, pole);
  const int wysokoscXXX = fm.boundingRect(QStringLiteral("XXX")).height();
  if (pole == QStringLiteral("ID")) {
    const int x = r.left() + (r.width() - fm.horizontalAdvance(tekst)) / 2;
    const int y = r.top() + (r.height() - wysokoscXXX) / 2;
    p->drawText(QRect(x, y, r.right() - x, wysokoscXXX), Qt::AlignLeft | Qt::AlignTop, tekst);
  } else {
    p->drawText(r.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                fm.elidedText(tekst, Qt::ElideRight, r.width() - 4));
  }
  const QString druga = drugaLinia(wiersz, pole);
  if (!druga.isEmpty()) {
    p->setPen(Kolory::TekstUsuniety);
    const int y = r.top() + wysokoscXXX + 3;
    const int x = pole == QStringLiteral("PESEL") ? r.left() + (r.width() - fm.horizontalAdvance(druga)) / 2 : r.left() + 2;
    p->drawText(QRect(x, y, r.right() - x, r.bottom() - y), Qt::AlignLeft | Qt::AlignTop, druga);
  }
  p->restore();
}
