#pragma once
// The owner-drawn day grid SG1: the rows of SiatkaDnia in a table view whose
// header is the one fixed row, every cell painted in the doctor's colours or
// the outside-hours ones, the arrow on the selected row, large type for the
// time and the name, two lines for the address and the advice type.
#include "schedule/SiatkaDnia.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <QTableView>

class ModelSiatkiDnia : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;
  void UstawWiersze(SiatkaDnia::Wiersze wiersze);
  const SiatkaDnia::Wiersze& Wiersze() const { return wiersze_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  SiatkaDnia::Wiersze wiersze_;
};

class SiatkaDniaWidok;

// Paints one data cell: fill, then the text lines, clipped to the cell.
class RysowanieKomorki : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit RysowanieKomorki(SiatkaDniaWidok* widok);
  void paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& opcje, const QModelIndex& index) const override;

 private:
  SiatkaDniaWidok* widok_;
};

// The header row: button-face fill, the grid font, centred black text.
class NaglowekSiatkiDnia : public QHeaderView {
  Q_OBJECT
 public:
  explicit NaglowekSiatkiDnia(QWidget* parent);

 protected:
  void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override;
};

class SiatkaDniaWidok : public QTableView {
  Q_OBJECT
 public:
  explicit SiatkaDniaWidok(QWidget* parent = nullptr);

  ModelSiatkiDnia& Model() { return model_; }
  const SiatkaDnia::Wiersze& Wiersze() const { return model_.Wiersze(); }
  // New rows; the selection goes to the first row (none when there are no rows).
  void UstawWiersze(SiatkaDnia::Wiersze wiersze);

  // The selected data row (0 = first), -1 for none; selecting -1 clears it.
  int WybranyWiersz() const;
  void WybierzWiersz(int wiersz);
  // The selected row stands for a visit.
  bool WybranaWizyta() const;

  // Drawing state: the doctor triple, the outside-hours triple, the doctor
  // whose ranges the in-hours test holds.
  void UstawKoloryLekarza(const SiatkaDnia::KoloryWierszy& k);
  const SiatkaDnia::KoloryWierszy& KoloryLekarza() const { return koloryLekarza_; }
  const SiatkaDnia::KoloryWierszy& KoloryPozaGodzinami() const { return koloryPoza_; }
  // The area below the last row.
  void UstawTlo(int kolorBGR);
  QColor Tlo() const;
  void UstawGodzinyPracy(int lekarzId, std::vector<SiatkaDnia::ZakresPracy> zakresy);
  bool WGodzinachPracy(int wiersz);

  // Fill colour (0xBBGGRR) of a data row as the drawing chooses it.
  int KolorWiersza(int wiersz);
  const QPixmap& Strzalka() const { return strzalka_; }

  // Column widths, kept in orbe.ini.
  void UstawSzerokosci(const QVector<int>& szerokosci);
  QVector<int> Szerokosci() const;

  // The data row under a point of the viewport, -1 on none.
  int WierszPod(const QPoint& p) const;

 signals:
  void wybranyZmieniony();          // the selected row changed (keyboard, mouse or program)
  void klikniety();                 // a left click on a row
  void przycisniety();              // any mouse button went down
  void dwuklik(int wiersz);         // the row under the last pointer position, -1 on none
  void szerokoscZmieniona(int kolumna, int szerokosc);

 protected:
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  ModelSiatkiDnia model_;
  SiatkaDnia::KoloryWierszy koloryLekarza_ = SiatkaDnia::KoloryPozaGodzinami();
  SiatkaDnia::KoloryWierszy koloryPoza_ = SiatkaDnia::KoloryPozaGodzinami();
  SiatkaDnia::WGodzinachPracy wGodzinach_;
  int lekarzId_ = 0;
  QPoint ostatniPunkt_{-1, -1};
  QPixmap strzalka_;
};
