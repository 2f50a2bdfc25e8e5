#pragma once
// The patient list's cells: the common background and text colour, then the
// first line in the column's font and, where the column has one, a grey
// second line (birth date under the PESEL, post code and town under the
// address, PWZL under the doctor, the nurse declaration under the doctor's).
#include "ui/SiatkaListy.h"

#include <QFont>

class DelegatPacjentow : public DelegatListy {
 public:
  explicit DelegatPacjentow(SiatkaListy* siatka);
  void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;

  QFont czcionkaMala;  // the 11-pixel dialog font
  QFont czcionkaDuza;  // the grid's own font

  // The texts of one cell: first line, second line (empty when none).
  QString pierwszaLinia(int wiersz, const QString& pole) const;
  QString drugaLinia(int wiersz, const QString& pole) const;
  bool malaCzcionka(const QString& pole) const;
};
