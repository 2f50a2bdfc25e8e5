#include "dictionaries/OknoSlownika.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "dictionaries/EdycjaSlownika.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
QAction* akcja(QWidget* okno, const char* nazwa, const QString& podpis, const QString& podpowiedz,
               const QKeySequence& skrot) {
  auto* a = new QAction(podpis, okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setToolTip(podpowiedz);
  a->setStatusTip(podpowiedz);
  a->setShortcut(skrot);
  a->setShortcutContext(Qt::WindowShortcut);
  okno->addAction(a);
  return a;
}
}  // namespace

OknoSlownika::OknoSlownika(Connection& polaczenie, const OpisSlownika& opis, QWidget* parent)
    : QDialog(parent), polaczenie_(polaczenie), opis_(opis) {
  setWindowTitle(opis.tytul);
  resize(opis.rozmiar);
  setSizeGripEnabled(true);

  aDodaj = akcja(this, "aDodaj", QStringLiteral("Dodaj"), opis.podpowiedzDodaj, Qt::Key_Insert);
  aUsun = akcja(this, "aUsun", QStringLiteral("Usuń"), opis.podpowiedzUsun, Qt::Key_Delete);
  aEdytuj = akcja(this, "aEdytuj", QStringLiteral("Edytuj"), opis.podpowiedzEdytuj, Qt::Key_Return);

  ToolBar = new QToolBar(this);
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ToolBar->addActions({aDodaj, aUsun, aEdytuj});

  SG = new SiatkaListy(this);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setDefault(true);
  btnAnuluj = new QPushButton(QStringLiteral("Zamknij"), this);

  uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 6);
  uklad->addWidget(ToolBar);
  uklad->addWidget(SG, 1);
  dolny = new QHBoxLayout;
  dolny->setContentsMargins(8, 0, 8, 0);
  dolny->addStretch(1);
  dolny->addWidget(btnOK);
  dolny->addWidget(btnAnuluj);
  uklad->addLayout(dolny);

  connect(aDodaj, &QAction::triggered, this, &OknoSlownika::aDodajExecute);
  connect(aUsun, &QAction::triggered, this, &OknoSlownika::aUsunExecute);
  connect(aEdytuj, &QAction::triggered, this, &OknoSlownika::aEdytujExecute);
  connect(SG, &SiatkaListy::podwojneKlikniecie, this, &OknoSlownika::SGDblClick);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  filtrSkanera().dolacz(this);
}

void OknoSlownika::ustawDataset(Dataset& dataset) {
  dataset_ = &dataset;
  SG->ustaw(&dataset, {{QStringLiteral("ID"), QStringLiteral("ID")},
                       {QStringLiteral("KOD"), QStringLiteral("Kod"), Qt::AlignCenter},
                       {QStringLiteral("NAZWA"), QStringLiteral("Nazwa")}});
  SG->ustawSzerokosc(1, 140);
  SG->ustawSzerokosc(2, opis_.szerokoscNazwy);
  SG->pogrubiony = [this](int wiersz) { return wiersz == dataset_->recNo(); };
}

void OknoSlownika::UstawKlawiszEdycji(bool jest) {
  if (!jest)
    aEdytuj->setShortcuts({});
  else if (TrybWyboru())
    aEdytuj->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  else
    aEdytuj->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
}

int OknoSlownika::BiezaceID() const {
  return dataset_->isOpen() && !dataset_->isEmpty() ? dataset_->intValue(QStringLiteral("ID")) : 0;
}

void OknoSlownika::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;  // restored from minimised: not a new showing
  UstawKlawiszEdycji(true);
  btnOK->setVisible(TrybWyboru());
  btnAnuluj->setText(TrybWyboru() ? QStringLiteral("Anuluj") : QStringLiteral("Zamknij"));
  PrzedOtwarciem();
  OtworzListe();
  if (WybraneID != 0) dataset_->locate(QStringLiteral("ID"), WybraneID);
  PoOtwarciu();
  UstawAkcje();
}

void OknoSlownika::done(int wynik) {
  if (opis_.wybraneZawsze || wynik == QDialog::Accepted) WybraneID = BiezaceID();
  PrzyZamknieciu();
  dataset_->close();
  QDialog::done(wynik);
}

void OknoSlownika::UstawAkcje() {
  const bool otwarty = dataset_->isOpen();
  const bool wiersz = otwarty && BiezaceID() != 0;
  aDodaj->setEnabled(otwarty);
  aUsun->setEnabled(wiersz);
  aEdytuj->setEnabled(wiersz);
  btnOK->setEnabled(wiersz);
}

void OknoSlownika::SGDblClick() {
  if (TrybWyboru()) {
    if (BiezaceID() != 0) accept();
  } else if (Tryb == QStringLiteral("EDYCJA")) {
    if (aEdytuj->isEnabled()) aEdytujExecute();
  }
}

bool OknoSlownika::ZatwierdzEdycje() {
  // The editor posts or cancels the row; the shared transaction follows it.
  const bool ok = Edycja && Edycja->exec() == QDialog::Accepted;
  if (ok)
    polaczenie_.commitRetaining();
  else
    polaczenie_.rollbackRetaining();
  return ok;
}

void OknoSlownika::aDodajExecute() {
  if (!aDodaj->isEnabled()) return;
  dataset_->append();
  PrzygotujNowy();
  ZatwierdzEdycje();
  UstawAkcje();
}

void OknoSlownika::aEdytujExecute() {
  if (!aEdytuj->isEnabled()) return;
  dataset_->edit();
  ZatwierdzEdycje();
  UstawAkcje();
}

void OknoSlownika::aUsunExecute() {
  if (!aUsun->isEnabled()) return;
  const QString tekst = opis_.pytanie + QStringLiteral("\n\n[") + dataset_->text(QStringLiteral("KOD")) +
                        QStringLiteral("]  ") + dataset_->text(QStringLiteral("NAZWA"));
  if (komunikaty().pytanie(opis_.tytulPytania, tekst)) UsunBiezacy();
  UstawAkcje();
}
