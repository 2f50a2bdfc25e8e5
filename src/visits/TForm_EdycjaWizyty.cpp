#include "visits/TForm_EdycjaWizyty.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "app/TForm_Kalendarz.h"
#include "app/TForm_Zegar.h"
#include "db/Dataset.h"
#include "dictionaries/TForm_Lekarze.h"
#include "dictionaries/TForm_Porady.h"
#include "patients/TForm_Pacjenci.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/PowiazanieEdycji.h"
#include "visits/ZakladkaZleconychBadan.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace EdycjaWizytyReguly;

namespace {

const QString kUsunietaGdzieIndziej = QStringLiteral("Wizyta została usunięta na innym stanowisku.");
const QString kNieDzisiaj = QStringLiteral("Wybrana data nie jest datą dzisiejszą.");

QPushButton* PrzyciskWyboru(QWidget* rodzic) {
  auto* b = new QPushButton(QStringLiteral("..."), rodzic);
  b->setFixedSize(24, 22);
  // Not a tab stop; the checks still move the focus here.
  b->setFocusPolicy(Qt::ClickFocus);
  return b;
}

// A bordered box of label lines of equal height.
QFrame* Panel(QWidget* rodzic, std::initializer_list<QLabel**> linie) {
  auto* ramka = new QFrame(rodzic);
  ramka->setFrameShape(QFrame::Box);
  ramka->setFrameShadow(QFrame::Sunken);
  auto* uklad = new QVBoxLayout(ramka);
  uklad->setContentsMargins(6, 3, 6, 3);
  uklad->setSpacing(0);
  bool pierwsza = true;
  for (QLabel** l : linie) {
    *l = new QLabel(QStringLiteral(" "), ramka);
    (*l)->setFixedHeight(18);
    if (pierwsza) {
      QFont f = (*l)->font();
      f.setBold(true);
      (*l)->setFont(f);
      pierwsza = false;
    }
    uklad->addWidget(*l);
  }
  return ramka;
}

void UstawLinie(std::initializer_list<QLabel*> etykiety, const QStringList& linie) {
  int i = 0;
  for (QLabel* l : etykiety) l->setText(linie.value(i++));
}

}  // namespace

TForm_EdycjaWizyty::TForm_EdycjaWizyty(TForm1& glowne)
    : QDialog(&glowne), glowne_(glowne), dane_(glowne.Polaczenie()), powiazanie_(new PowiazanieEdycji(this)) {
  setObjectName(QStringLiteral("Form_EdycjaWizyty"));
  setWindowTitle(QStringLiteral("Edycja wizyty"));
  setModal(true);
  setFixedSize(529, 449);
  UtworzUklad();

  powiazanie_->data(DBEdit1, QStringLiteral("DATA"));
  powiazanie_->godzina(DBEdit2, QStringLiteral("GODZ"));
  powiazanie_->tekst(DBEdit3, QStringLiteral("ICD10"));
  powiazanie_->ustawDataset(glowne.sqlWizyty);

  connect(DBEdit1, &QLineEdit::textChanged, this, [this] {
    if (zmianaDaty_) DBEdit1Change();
  });
  connect(btnWyborDaty, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnWyborDatyClick);
  connect(btnWyborGodziny, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnWyborGodzinyClick);
  connect(btnWyborPacjenta, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnWyborPacjentaClick);
  connect(btnWyborLekarza, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnWyborLekarzaClick);
  connect(btnWyborPorady, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnWyborPoradyClick);
  connect(btnOK, &QPushButton::clicked, this, &TForm_EdycjaWizyty::btnOKClick);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
  // Scanner input arriving while the dialog is open is swallowed.
  filtrSkanera().dolacz(this);
}

void TForm_EdycjaWizyty::UtworzUklad() {
  QFont gruby = font();
  gruby.setBold(true);

  DBEdit1 = new QLineEdit(this);
  DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
  DBEdit1->setReadOnly(true);
  DBEdit1->setFont(gruby);
  DBEdit1->setFixedWidth(110);
  btnWyborDaty = PrzyciskWyboru(this);
  DBEdit2 = new QLineEdit(this);
  DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
  DBEdit2->setFont(gruby);
  DBEdit2->setInputMask(QStringLiteral("99:99"));
  DBEdit2->setFixedWidth(70);
  btnWyborGodziny = PrzyciskWyboru(this);

  auto* gora = new QHBoxLayout;
  gora->addWidget(new QLabel(QStringLiteral("Data:"), this));
  gora->addWidget(DBEdit1);
  gora->addWidget(btnWyborDaty);
  gora->addSpacing(24);
  gora->addWidget(new QLabel(QStringLiteral("Godzina:"), this));
  gora->addWidget(DBEdit2);
  gora->addWidget(btnWyborGodziny);
  gora->addStretch(1);

  PageControl1 = new QTabWidget(this);
  PageControl1->setStyleSheet(QStringLiteral("QTabBar::tab { height: 24px; }"));
  tsDane = new QWidget;
  tsBadania = new QWidget;
  PageControl1->addTab(tsDane, QStringLiteral("Dane wizyty"));
  PageControl1->addTab(tsBadania, QStringLiteral("Zlecone badania"));
  auto* badania = new QVBoxLayout(tsBadania);
  badania->setContentsMargins(0, 0, 0, 0);
  zleconeBadania = new ZakladkaZleconychBadan(tsBadania);
  badania->addWidget(zleconeBadania);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
    if (PageControl1->currentWidget() == tsBadania) zleconeBadania->PokazanoZakladke();
  });

  auto* dane = new QGridLayout(tsDane);
  btnWyborPacjenta = PrzyciskWyboru(tsDane);
  btnWyborLekarza = PrzyciskWyboru(tsDane);
  btnWyborPorady = PrzyciskWyboru(tsDane);
  dane->addWidget(new QLabel(QStringLiteral("Pacjent:"), tsDane), 0, 0, Qt::AlignTop);
  dane->addWidget(Panel(tsDane, {&Label6, &Label7, &Label8, &Label9}), 0, 1);
  dane->addWidget(btnWyborPacjenta, 0, 2, Qt::AlignTop);
  dane->addWidget(new QLabel(QStringLiteral("Lekarz:"), tsDane), 1, 0, Qt::AlignTop);
  dane->addWidget(Panel(tsDane, {&Label10, &Label11}), 1, 1);
  dane->addWidget(btnWyborLekarza, 1, 2, Qt::AlignTop);
  dane->addWidget(new QLabel(QStringLiteral("Porada:"), tsDane), 2, 0, Qt::AlignTop);
  dane->addWidget(Panel(tsDane, {&Label13, &Label14}), 2, 1);
  dane->addWidget(btnWyborPorady, 2, 2, Qt::AlignTop);
  DBEdit3 = new QLineEdit(tsDane);
  DBEdit3->setObjectName(QStringLiteral("DBEdit3"));
  DBEdit3->setFont(gruby);
  DBEdit3->setMaxLength(8);
  DBEdit3->setFixedWidth(110);
  dane->addWidget(new QLabel(QStringLiteral("ICD10:"), tsDane), 3, 0);
  dane->addWidget(DBEdit3, 3, 1, Qt::AlignLeft);
  dane->setRowStretch(4, 1);
  dane->setColumnStretch(1, 1);

  btnDrukujBilet = new QCheckBox(QStringLiteral("Drukuj bilet"), this);
  btnDrukujBilet->setFocusPolicy(Qt::ClickFocus);
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setDefault(true);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  auto* dol = new QHBoxLayout;
  dol->addWidget(btnDrukujBilet);
  dol->addStretch(1);
  dol->addWidget(btnOK);
  dol->addWidget(btnAnuluj);

  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(gora);
  uklad->addWidget(PageControl1, 1);
  uklad->addLayout(dol);
  setTabOrder(DBEdit1, DBEdit2);
  setTabOrder(DBEdit2, DBEdit3);
  setTabOrder(DBEdit3, btnOK);
  setTabOrder(btnOK, btnAnuluj);
}

Dataset& TForm_EdycjaWizyty::wizyta() const { return *glowne_.sqlWizyty; }

void TForm_EdycjaWizyty::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TForm_EdycjaWizyty::FormShow() {
  Dataset& w = wizyta();
  pacjentId_ = w.value(QStringLiteral("PACJENT_ID")).toInt();
  lekarzId_ = w.value(QStringLiteral("LEKARZ_ID")).toInt();
  poradaId_ = w.value(QStringLiteral("PORADA_ID")).toInt();
  powiazanie_->wczytaj();
  if (pacjentId_ == 0) {
    pesel_.clear();
    btnWyborPacjentaClick();
  }
  PokazPacjenta();
  PokazLekarza();
  PokazPorade();
  const int id = w.value(QStringLiteral("ID")).toInt();
  drukarkaBiletow.UstawDrukarkeBiletow(glowne_.Stan.drukarka_biletow, id == 0, btnDrukujBilet);
  // The ordered examinations stay in memory until OK.
  zleconeBadania->Wczytaj(glowne_.Polaczenie(), id);
  PageControl1->setCurrentWidget(tsDane);
  zmianaDaty_ = true;
  DBEdit1->setFocus();
  DBEdit1->selectAll();
  DBEdit1Change();
}

void TForm_EdycjaWizyty::DBEdit1Change() {
  const bool dzisiaj = Dzisiaj(DBEdit1->text(), QDate::currentDate());
  QPalette pal = DBEdit1->palette();
  pal.setColor(QPalette::Base, dzisiaj ? palette().color(QPalette::Base) : Kolory::NieDzisiaj);
  DBEdit1->setPalette(pal);
  DBEdit1->setToolTip(dzisiaj ? QString() : kNieDzisiaj);
}

void TForm_EdycjaWizyty::PokazPacjenta() {
  const Pacjent p = dane_.Pacjent(pacjentId_);
  nazwisko_ = p.nazwisko;
  imie_ = p.imie;
  pesel_ = p.pesel;
  UstawLinie({Label6, Label7, Label8, Label9}, LiniePacjenta(p));
}

void TForm_EdycjaWizyty::PokazLekarza() { UstawLinie({Label10, Label11}, LinieLekarza(dane_.Lekarz(lekarzId_))); }

void TForm_EdycjaWizyty::PokazPorade() {
  UstawLinie({Label13, Label14}, LiniePorady(dane_.Porada(poradaId_)));
  Label14->setToolTip(Label14->text());
}

void TForm_EdycjaWizyty::btnWyborPacjentaClick() {
  Form_Pacjenci->Tryb = QStringLiteral("WYBOR");
  Form_Pacjenci->WybraneID = pacjentId_;
  Form_Pacjenci->FiltrPoczatkowy = pesel_;
  if (Form_Pacjenci->exec() != QDialog::Accepted) return;
  pacjentId_ = Form_Pacjenci->WybraneID;
  wizyta().setValue(QStringLiteral("PACJENT_ID"), pacjentId_);
  PokazPacjenta();
}

void TForm_EdycjaWizyty::btnWyborLekarzaClick() {
  Form_Lekarze->Tryb = QStringLiteral("WYBOR");
  Form_Lekarze->WybraneID = lekarzId_;
  if (Form_Lekarze->exec() != QDialog::Accepted) return;
  lekarzId_ = Form_Lekarze->WybraneID;
  wizyta().setValue(QStringLiteral("LEKARZ_ID"), lekarzId_);
  PokazLekarza();
}

void TForm_EdycjaWizyty::btnWyborPoradyClick() {
  Form_Porady->Tryb = QStringLiteral("WYBOR");
  Form_Porady->WybraneID = poradaId_;
  if (Form_Porady->exec() != QDialog::Accepted) return;
  poradaId_ = Form_Porady->WybraneID;
  wizyta().setValue(QStringLiteral("PORADA_ID"), poradaId_);
  PokazPorade();
}

void TForm_EdycjaWizyty::btnWyborDatyClick() { Form_Kalendarz->Pokaz(DBEdit1); }

void TForm_EdycjaWizyty::btnWyborGodzinyClick() { Form_Zegar->Pokaz(DBEdit2, glowne_.Stan.grafik_co); }

int TForm_EdycjaWizyty::GodzinaZajeta() {
  const Dataset& w = wizyta();
  return dane_.GodzinaZajeta(w.value(QStringLiteral("DATA")).toDate(), w.value(QStringLiteral("GODZ")).toTime(),
                             w.value(QStringLiteral("LEKARZ_ID")).toInt(), w.value(QStringLiteral("ID")).toInt());
}

bool TForm_EdycjaWizyty::SprawdzDane() {
  const Dataset& w = wizyta();
  Wizyta v;
  v.tekstDaty = DBEdit1->text();
  v.tekstGodziny = DBEdit2->text();
  v.pacjentId = pacjentId_;
  v.lekarzId = lekarzId_;
  v.poradaId = w.value(QStringLiteral("PORADA_ID")).toInt();
  v.icd10 = w.text(QStringLiteral("ICD10"));
  const Blad b = EdycjaWizytyReguly::SprawdzDane(v, [this] {
    if (GodzinaZajeta() == 0) return false;
    komunikaty().sygnal();
    return komunikaty().pytanie(QStringLiteral("Godzina"), QString::fromUtf8(kPytanieGodzina));
  });
  if (b == Blad::Brak) return true;
  if (b != Blad::GodzinaZajeta) bladWalidacji(Komunikat(b));
  QWidget* cel = nullptr;
  switch (b) {
    case Blad::Data:
      cel = DBEdit1;
      break;
    case Blad::Godzina:
    case Blad::GodzinaZajeta:
      cel = DBEdit2;
      break;
    case Blad::Pacjent:
      cel = btnWyborPacjenta;
      break;
    case Blad::Lekarz:
      cel = btnWyborLekarza;
      break;
    case Blad::IcdBezPorady:
      cel = btnWyborPorady;
      break;
    case Blad::PoradaBezIcd:
      cel = DBEdit3;
      break;
    case Blad::Brak:
      break;
  }
  if (cel) {
    PageControl1->setCurrentWidget(tsDane);
    cel->setFocus();
  }
  return false;
}

void TForm_EdycjaWizyty::btnOKClick() {
  // A pending edit is written into the record before the checks read it.
  btnOK->setFocus();
  if (!SprawdzDane()) return;
  Dataset& w = wizyta();
  // The update of a visit deleted elsewhere would change nothing and the
  // changes would vanish without a word.
  if (w.state() == Dataset::Edit && !dane_.WizytaIstnieje(w.value(QStringLiteral("ID")).toInt())) {
    bladWalidacji(kUsunietaGdzieIndziej);
    return;
  }
  w.setValue(QStringLiteral("PACJENT_ID"), pacjentId_);
  w.setValue(QStringLiteral("LEKARZ_ID"), lekarzId_);
  w.setValue(QStringLiteral("PORADA_ID"), poradaId_);
  // A failed post (a row another workstation holds) goes to the error display
  // and leaves the dialog open with what was typed.
  w.post();
  zleconeBadania->Zapisz(glowne_.Polaczenie(), w.value(QStringLiteral("ID")).toInt());
  if (btnDrukujBilet->isChecked())
    drukarkaBiletow.DrukujBilet(w.value(QStringLiteral("DATA")).toDate(), w.value(QStringLiteral("GODZ")).toTime(),
                                imie_, nazwisko_);
  accept();
}

void TForm_EdycjaWizyty::done(int wynik) {
  zmianaDaty_ = false;
  Dataset& w = wizyta();
  if (w.state() == Dataset::Insert || w.state() == Dataset::Edit) w.cancel();
  zleconeBadania->Zamknij();
  drukarkaBiletow.Zwolnij();
  QDialog::done(wynik);
}
