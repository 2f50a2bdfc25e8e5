#include "exports/TForm_Kolumny_ListaPol.h"

#include "exports/RysowanieSiatek.h"
#include "ui/Komunikaty.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

static constexpr int WysokoscWiersza = 18;

TForm_Kolumny_ListaPol::TForm_Kolumny_ListaPol(QWidget* rodzic) : QDialog(rodzic) {
  setWindowTitle(QStringLiteral("Kolumny - Lista pól"));
  resize(500, 420);

  VLE1 = new QTableWidget(0, 2, this);
  VLE1->setObjectName(QStringLiteral("VLE1"));
  VLE1->setHorizontalHeader(new NaglowekSiatki(VLE1, 1, WysokoscWiersza * 12 / 10));
  VLE1->setHorizontalHeaderLabels({QStringLiteral("Skrót"), QStringLiteral("Opis")});
  VLE1->setItemDelegate(new KomorkiSiatki(VLE1, true));
  VLE1->setShowGrid(false);
  VLE1->setSelectionBehavior(QAbstractItemView::SelectRows);
  VLE1->setSelectionMode(QAbstractItemView::SingleSelection);
  VLE1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  VLE1->setWordWrap(false);
  VLE1->verticalHeader()->hide();
  VLE1->verticalHeader()->setMinimumSectionSize(1);
  VLE1->verticalHeader()->setDefaultSectionSize(WysokoscWiersza);
  VLE1->horizontalHeader()->setStretchLastSection(true);
  VLE1->setColumnWidth(0, 141);
  VLE1->setColumnWidth(1, 326);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);

  auto* l = new QVBoxLayout(this);
  l->addWidget(VLE1, 1);
  l->addLayout(przyciski);

  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
  // Only a double click on a data row confirms; the title row is the header.
  connect(VLE1, &QTableWidget::cellDoubleClicked, this, [this](int wiersz) {
    if (wiersz >= 0) btnOKClick();
  });
}

void TForm_Kolumny_ListaPol::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_Kolumny_ListaPol::FormShow() {
  wybrane_.clear();
  WczytajListePol();
  for (int r = 0; r < VLE1->rowCount(); ++r) {
    if (VLE1->item(r, 0)->text().compare(Tekst, Qt::CaseInsensitive) == 0) {
      VLE1->setCurrentCell(r, 0);
      break;
    }
  }
  VLE1->setFocus();
}

void TForm_Kolumny_ListaPol::WczytajListePol() {
  QList<PozycjaListyPol> lista;
  const bool jest = ::WczytajListePol(NumerListy, lista);
  VLE1->setRowCount(0);
  if (!jest) {
    komunikaty().informacja(QStringLiteral("Błąd wczytania zasobu '%1'").arg(NumerListy));
    return;
  }
  VLE1->setRowCount(int(lista.size()));
  for (int r = 0; r < lista.size(); ++r) {
    VLE1->setItem(r, 0, new QTableWidgetItem(lista.at(r).skrot));
    VLE1->setItem(r, 1, new QTableWidgetItem(lista.at(r).opis));
  }
  if (!lista.isEmpty()) VLE1->setCurrentCell(0, 0);
}

void TForm_Kolumny_ListaPol::btnOKClick() {
  const int r = VLE1->currentRow();
  wybrane_ = r >= 0 ? VLE1->item(r, 0)->text() : QString();
  accept();
}
