#include "exports/TForm_Kolumny.h"

#include "app/Okna.h"
#include "exports/RysowanieSiatek.h"
#include "exports/TForm_Kolumny_ListaPol.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

static constexpr int WysokoscWiersza = 18;

void SiatkaKolumn::zamknijEdytor() {
  if (QWidget* edytor = indexWidget(currentIndex())) {
    commitData(edytor);
    closeEditor(edytor, QAbstractItemDelegate::NoHint);
  }
}

static QAction* akcja(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz,
                      const QKeySequence& skrot) {
  auto* a = new QAction(QString::fromUtf8(podpis), okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setToolTip(QString::fromUtf8(podpowiedz));
  a->setStatusTip(QString::fromUtf8(podpowiedz));
  a->setShortcut(skrot);
  a->setShortcutContext(Qt::WindowShortcut);
  okno->addAction(a);
  return a;
}

TForm_Kolumny::TForm_Kolumny(QWidget* rodzic) : QDialog(rodzic) {
  resize(640, 420);
  aDodaj = akcja(this, "aDodaj", "Dodaj", "Dodaj wpis na koniec listy", Qt::Key_Insert);
  aWstaw = akcja(this, "aWstaw", "Wstaw", "Wstaw wpis przed aktualny", QKeySequence(Qt::CTRL | Qt::Key_Insert));
  aUsun = akcja(this, "aUsun", "Usuń", "Usuń wpis", QKeySequence(Qt::CTRL | Qt::Key_Delete));
  aWGore = akcja(this, "aWGore", "W górę", "Przesuń w górę", QKeySequence(Qt::CTRL | Qt::Key_Up));
  aWDol = akcja(this, "aWDol", "W dół", "Przesuń w dół", QKeySequence(Qt::CTRL | Qt::Key_Down));
  aWstawPole = akcja(this, "aWstawPole", "Pole", "Wstaw pole z listy wartości", Qt::Key_F12);

  auto* pasek = new QToolBar(this);
  pasek->setObjectName(QStringLiteral("ToolBar1"));
  pasek->addActions({aDodaj, aWstaw, aUsun});
  pasek->addSeparator();
  pasek->addActions({aWGore, aWDol});
  pasek->addSeparator();
  pasek->addAction(aWstawPole);

  SG1 = new SiatkaKolumn(0, 3, this);
  SG1->setObjectName(QStringLiteral("SG1"));
  // The title row is 1.2 times a row, truncated: 21 pixels for 18.
  SG1->setHorizontalHeader(new NaglowekSiatki(SG1, 1, WysokoscWiersza * 12 / 10));
  SG1->setHorizontalHeaderLabels({QString(), QStringLiteral("Nagłówek kolumny"), QStringLiteral("Wartość pola")});
  SG1->setItemDelegate(new KomorkiSiatki(SG1, false, 0));
  SG1->setShowGrid(false);
  SG1->setSelectionMode(QAbstractItemView::NoSelection);
  SG1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
  SG1->setWordWrap(false);
  SG1->verticalHeader()->hide();
  SG1->verticalHeader()->setMinimumSectionSize(1);
  SG1->verticalHeader()->setDefaultSectionSize(WysokoscWiersza);
  SG1->horizontalHeader()->setStretchLastSection(false);
  SG1->installEventFilter(this);

  PanelIlosci = new QLabel(this);
  PanelIlosci->setObjectName(QStringLiteral("PanelIlosci"));
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  auto* stopka = new QHBoxLayout;
  stopka->addWidget(PanelIlosci, 1);
  stopka->addWidget(btnOK);
  stopka->addWidget(btnAnuluj);

  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 4, 4);
  l->setSpacing(2);
  l->addWidget(pasek);
  l->addWidget(SG1, 1);
  l->addLayout(stopka);

  connect(aDodaj, &QAction::triggered, this, [this] { aDodajExecute(); });
  connect(aWstaw, &QAction::triggered, this, [this] { aWstawExecute(); });
  connect(aUsun, &QAction::triggered, this, [this] { aUsunExecute(); });
  connect(aWGore, &QAction::triggered, this, [this] { Przesun(-1); });
  connect(aWDol, &QAction::triggered, this, [this] { Przesun(1); });
  connect(aWstawPole, &QAction::triggered, this, [this] { aWstawPoleExecute(); });
  connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
  connect(SG1, &QTableWidget::currentCellChanged, this, [this](int wiersz, int kolumna) {
    // The letter column is a title column: the current cell never stands in it.
    if (kolumna == 0 && wiersz >= 0) SG1->setCurrentCell(wiersz, 1);
    UstawAkcje();
  });
  connect(SG1, &QTableWidget::itemChanged, this, [this] {
    if (!wypelnianie_) zmiany_ = true;
  });

  filtrSkanera().dolacz(this);
}

int TForm_Kolumny::BiezacyWiersz() const { return SG1->currentRow() < 0 ? 0 : SG1->currentRow() + 1; }

void TForm_Kolumny::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous() && !otwarte_) {
    otwarte_ = true;
    FormShow();
  }
}

void TForm_Kolumny::done(int wynik) {
  if (otwarte_) {
    SG1->zamknijEdytor();
    if (zmiany_ && komunikaty().pytanie(QString(), QStringLiteral("Zapisać zmiany?"))) ZapiszSzablon();
    otwarte_ = false;
  }
  QDialog::done(wynik);
}

void TForm_Kolumny::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  UstawSzerokosci();
}

bool TForm_Kolumny::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == SG1 && (zdarzenie->type() == QEvent::FocusIn || zdarzenie->type() == QEvent::FocusOut))
    UstawAkcje();
  return QDialog::eventFilter(obiekt, zdarzenie);
}

void TForm_Kolumny::UstawSzerokosci() {
  const int pasekPrzewijania = SG1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, SG1);
  const int reszta = (SG1->width() - pasekPrzewijania - 38) / 2;
  SG1->setColumnWidth(0, 32);
  SG1->setColumnWidth(1, reszta);
  SG1->setColumnWidth(2, reszta);
}

void TForm_Kolumny::FormShow() {
  setWindowTitle(QStringLiteral("Kolumny  -  Edycja kolumn dla pliku  '") + NazwaEksportu + u'\'');
  WczytajSzablon();
  NumerujWiersze();
  PokazIloscKolumn();
  UstawSzerokosci();
  SG1->setFocus();
  zmiany_ = false;
  UstawAkcje();
}

void TForm_Kolumny::UstawWiersz(int wiersz, const KolumnaSzablonu& k) {
  const bool bylo = wypelnianie_;
  wypelnianie_ = true;
  if (!SG1->item(wiersz, 0)) {
    auto* litera = new QTableWidgetItem;
    litera->setFlags(Qt::ItemIsEnabled);
    SG1->setItem(wiersz, 0, litera);
  }
  for (int c = 1; c <= 2; ++c)
    if (!SG1->item(wiersz, c)) SG1->setItem(wiersz, c, new QTableWidgetItem);
  SG1->item(wiersz, 1)->setText(k.naglowek);
  SG1->item(wiersz, 2)->setText(k.tresc);
  wypelnianie_ = bylo;
}

KolumnaSzablonu TForm_Kolumny::Wiersz(int wiersz) const {
  const QTableWidgetItem* n = SG1->item(wiersz, 1);
  const QTableWidgetItem* t = SG1->item(wiersz, 2);
  return {n ? n->text() : QString(), t ? t->text() : QString()};
}

SzablonKolumn TForm_Kolumny::SzablonZSiatki() const {
  SzablonKolumn szablon;
  for (int r = 0; r < SG1->rowCount(); ++r) szablon.append(Wiersz(r));
  return szablon;
}

void TForm_Kolumny::WczytajSzablon() {
  const SzablonKolumn szablon = CzytajSzablonKolumn(SciezkaSzablonu);
  SG1->setRowCount(0);
  SG1->setRowCount(int(szablon.size()));
  for (int r = 0; r < szablon.size(); ++r) UstawWiersz(r, szablon.at(r));
  if (!szablon.isEmpty()) SG1->setCurrentCell(0, 1);
}

void TForm_Kolumny::NumerujWiersze() {
  const bool bylo = wypelnianie_;
  wypelnianie_ = true;
  for (int r = 0; r < SG1->rowCount(); ++r)
    if (QTableWidgetItem* litera = SG1->item(r, 0)) litera->setText(NumerujKolumny(r + 1));
  wypelnianie_ = bylo;
}

void TForm_Kolumny::PokazIloscKolumn() { PanelIlosci->setText(TekstIlosciKolumn(SG1->rowCount())); }

void TForm_Kolumny::UstawAkcje() {
  const int r = BiezacyWiersz();
  aWstaw->setEnabled(r > 0);
  aUsun->setEnabled(r > 0);
  aWGore->setEnabled(r > 1);
  aWDol->setEnabled(r < SG1->rowCount());
  aWstawPole->setEnabled(r > 0 && SG1->currentColumn() == 2);
  aDodaj->setEnabled(true);
}

void TForm_Kolumny::EdytujNaglowek(int wiersz) {
  SG1->setCurrentCell(wiersz, 1);
  SG1->setFocus();
  SG1->editItem(SG1->item(wiersz, 1));
}

void TForm_Kolumny::aDodajExecute() {
  SG1->zamknijEdytor();
  const int nowy = SG1->rowCount();
  SG1->insertRow(nowy);
  UstawWiersz(nowy, {});
  NumerujWiersze();
  PokazIloscKolumn();
  zmiany_ = true;
  EdytujNaglowek(nowy);
  UstawAkcje();
}

void TForm_Kolumny::aWstawExecute() {
  const int r = SG1->currentRow();
  if (r < 0) return;
  SG1->zamknijEdytor();
  SG1->insertRow(r);
  UstawWiersz(r, {});
  NumerujWiersze();
  PokazIloscKolumn();
  zmiany_ = true;
  EdytujNaglowek(r);
  UstawAkcje();
}

void TForm_Kolumny::aUsunExecute() {
  const int r = SG1->currentRow();
  if (r < 0) return;
  SG1->zamknijEdytor();
  const QString litera = NumerujKolumny(r + 1);
  if (komunikaty().pytanie(QStringLiteral("Usunięcie wiersza"),
                           QStringLiteral("Na pewno usunąć wiersz '") + litera + QStringLiteral("'?"))) {
    const int kolumna = SG1->currentColumn();
    SG1->removeRow(r);
    // Letters go by position: the rows below took the place of the removed one.
    NumerujWiersze();
    if (SG1->rowCount() > 0) SG1->setCurrentCell(qMin(r, SG1->rowCount() - 1), qMax(kolumna, 1));
  }
  PokazIloscKolumn();
  SG1->setFocus();
  // Asked once, the question counts as a change even when answered No.
  zmiany_ = true;
  UstawAkcje();
}

void TForm_Kolumny::Przesun(int oIle) {
  const int r = SG1->currentRow();
  const int cel = r + oIle;
  if (r < 0 || cel < 0 || cel >= SG1->rowCount()) return;
  SG1->zamknijEdytor();
  const KolumnaSzablonu tu = Wiersz(r);
  UstawWiersz(r, Wiersz(cel));
  UstawWiersz(cel, tu);
  SG1->setCurrentCell(cel, qMax(SG1->currentColumn(), 1));
  zmiany_ = true;
  UstawAkcje();
}

void TForm_Kolumny::aWstawPoleExecute() {
  const int r = SG1->currentRow();
  if (r < 0 || SG1->currentColumn() != 2) return;
  SG1->zamknijEdytor();
  Form_Kolumny_ListaPol->NumerListy = NumerListy;
  Form_Kolumny_ListaPol->Tekst = Wiersz(r).tresc;
  if (Form_Kolumny_ListaPol->exec() == QDialog::Accepted && !Form_Kolumny_ListaPol->Wybrane().isEmpty()) {
    wypelnianie_ = true;
    SG1->item(r, 2)->setText(Form_Kolumny_ListaPol->Wybrane());
    wypelnianie_ = false;
    zmiany_ = true;
  }
  SG1->setFocus();
  UstawAkcje();
}

void TForm_Kolumny::ZapiszSzablon() {
  ZapiszSzablonKolumn(SciezkaSzablonu, SzablonZSiatki());
  zmiany_ = false;
}

void TForm_Kolumny::btnOKClick() {
  SG1->zamknijEdytor();
  ZapiszSzablon();
  accept();
}
