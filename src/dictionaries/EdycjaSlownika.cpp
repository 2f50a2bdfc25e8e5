#include "dictionaries/EdycjaSlownika.h"

#include "db/Dataset.h"
#include "dictionaries/OknoSlownika.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"
#include "ui/PowiazanieEdycji.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

EdycjaSlownika::EdycjaSlownika(OknoSlownika& lista, const QString& tytul, QSize klient, const QString& pustyKod)
    : QDialog(&lista), lista_(lista), powiazanie_(new PowiazanieEdycji(this)), pustyKod_(pustyKod) {
  setWindowTitle(tytul);
  setFixedSize(klient);

  QFont gruby = font();
  gruby.setBold(true);
  lblID = new QLabel(this);
  lblID->setFont(gruby);
  edKod = new QLineEdit(this);
  edKod->setFont(gruby);
  edKod->setMaxLength(16);
  edKod->setFixedWidth(140);
  edNazwa = new QLineEdit(this);
  edNazwa->setFont(gruby);
  edNazwa->setMaxLength(255);
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setDefault(true);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);

  auto* siatka = new QGridLayout(this);
  siatka->addWidget(new QLabel(QStringLiteral("ID:"), this), 0, 0);
  siatka->addWidget(lblID, 0, 1);
  siatka->addWidget(new QLabel(QStringLiteral("Kod:"), this), 1, 0);
  siatka->addWidget(edKod, 1, 1, Qt::AlignLeft);
  siatka->addWidget(new QLabel(QStringLiteral("Nazwa:"), this), 2, 0);
  siatka->addWidget(edNazwa, 2, 1);
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch(1);
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  siatka->setRowStretch(3, 1);
  siatka->addLayout(przyciski, 4, 0, 1, 2);
  siatka->setColumnStretch(1, 1);

  powiazanie_->etykieta(lblID, QStringLiteral("ID"));
  powiazanie_->tekst(edKod, QStringLiteral("KOD"));
  powiazanie_->tekst(edNazwa, QStringLiteral("NAZWA"));
  powiazanie_->ustawDataset(&lista.dataset());

  connect(btnOK, &QPushButton::clicked, this, &EdycjaSlownika::btnOKClick);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  lista.Edycja = this;
  // Keys of the editor go through the same scanner filter as its list window's.
  filtrSkanera().dolacz(this);
}

void EdycjaSlownika::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  powiazanie_->wczytaj();
  edKod->setFocus();
  edKod->selectAll();
}

void EdycjaSlownika::btnOKClick() {
  btnOK->setFocus();
  if (edKod->text().isEmpty()) {
    bladWalidacji(pustyKod_);
    edKod->setFocus();
    return;
  }
  lista_.dataset().post();
  accept();
}

void EdycjaSlownika::done(int wynik) {
  Dataset& ds = lista_.dataset();
  if (ds.state() == Dataset::Insert || ds.state() == Dataset::Edit) ds.cancel();
  QDialog::done(wynik);
}
