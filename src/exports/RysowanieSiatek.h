#pragma once
// Drawing of the template editor's grid, the placeholder picker and the
// exports' preview: black text vertically centred, the cell filled with its
// colour up to its border, title rows in the button-face colour.
#include <QHeaderView>
#include <QStyledItemDelegate>

// Data cells: the current cell (or, with calyWiersz, the current row) sky blue
// while the grid has the focus and silver otherwise; other rows F5F5F5 on the
// first, third ... row and the window colour between. A fixed column (the
// letters of the editor) is drawn like a title, centred.
class KomorkiSiatki : public QStyledItemDelegate {
 public:
  KomorkiSiatki(QObject* rodzic, bool calyWiersz, int kolumnaStala = -1)
      : QStyledItemDelegate(rodzic), calyWiersz_(calyWiersz), kolumnaStala_(kolumnaStala) {}
  void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;

 private:
  bool calyWiersz_;
  int kolumnaStala_;
};

// A horizontal header of one or two title rows that stay put when the grid
// scrolls. The first row shows the model's DisplayRole header text centred
// (letters, editor titles), the second its UserRole text 2 pixels from the left.
class NaglowekSiatki : public QHeaderView {
 public:
  NaglowekSiatki(QWidget* rodzic, int wierszy, int wysokoscWiersza);
  QSize sizeHint() const override;
  int wysokoscWiersza() const { return wysokosc_; }

 protected:
  void paintSection(QPainter* p, const QRect& rect, int sekcja) const override;

 private:
  int wierszy_;
  int wysokosc_;
};

// Text of a cell as the grids draw it: 2 pixels from the left, or centred.
void RysujTekstKomorki(QPainter* p, const QRect& rect, const QString& tekst, bool wysrodkuj);
