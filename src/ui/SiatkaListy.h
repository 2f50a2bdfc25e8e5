#pragma once
// A read-only list grid over a dataset, as every list window has it: whole-row
// selection, centred titles, the common row colours (sky blue / silver for the
// selected row by focus, F5F5F5 on odd rows), and the view's current row
// following the dataset's current row and the other way round.
#include "db/DatasetModel.h"

#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <optional>

class SiatkaListy;

class DelegatListy : public QStyledItemDelegate {
 public:
  explicit DelegatListy(SiatkaListy* siatka);
  void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const override;

 protected:
  // Fills the cell's background and sets the pen and font; returns the text rectangle.
  QRect przygotuj(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& indeks) const;
  SiatkaListy* siatka_;
};

class SiatkaListy : public QTableView {
  Q_OBJECT
 public:
  explicit SiatkaListy(QWidget* parent = nullptr);

  void ustaw(Dataset* dataset, QList<ModelColumn> kolumny);
  Dataset* dataset() const { return dataset_; }
  DatasetModel* model() const { return model_; }
  void ustawSzerokosc(int kolumna, int szerokosc) { setColumnWidth(kolumna, szerokosc); }

  // Hooks a window sets for its own drawing (row = 0-based record).
  std::function<bool(int wiersz)> pogrubiony;                          // bold text
  std::function<QColor(int wiersz)> kolorTekstu;                       // text colour (black by default)
  std::function<std::optional<QColor>(int wiersz, int kolumna)> tlo;   // background instead of the common one

  bool maFokus() const { return hasFocus(); }

 signals:
  void podwojneKlikniecie();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void currentChanged(const QModelIndex& biezacy, const QModelIndex& poprzedni) override;

 private:
  void pokazBiezacy();
  Dataset* dataset_ = nullptr;
  DatasetModel* model_ = nullptr;
  bool synchronizacja_ = false;
};
