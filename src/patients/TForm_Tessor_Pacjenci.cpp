#include "patients/TForm_Tessor_Pacjenci.h"

#include "app/StanProgramu.h"
#include "db/DbError.h"
#include "patients/PasekListyStron.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Klepsydra.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

TForm_Tessor_Pacjenci::TForm_Tessor_Pacjenci(const StanProgramu& stan, QWidget* parent)
    : QDialog(parent), stan_(stan) {
  setObjectName(QStringLiteral("Form_Tessor_Pacjenci"));
  setWindowTitle(QStringLiteral("Baza danych: Tessor - Pacjenci"));
  setModal(true);
  resize(1100, 560);
  UtworzAkcje();
  UtworzUklad();
  connect(&dane_.sqlPacjent, &Dataset::scrolled, this, &TForm_Tessor_Pacjenci::UstawAkcje);
  for (QWidget* w : {static_cast<QWidget*>(edFiltruj), static_cast<QWidget*>(edSzukaj), static_cast<QWidget*>(DBGrid1)})
    w->installEventFilter(this);
  filtrSkanera().dolacz(this);
}

TForm_Tessor_Pacjenci::~TForm_Tessor_Pacjenci() { dane_.Zamknij(); }

void TForm_Tessor_Pacjenci::UtworzAkcje() {
  pasek_.UtworzAkcje(this, "Następna");
  aGoToFiltruj = pasek_.aGoToFiltruj;
  aFiltruj = pasek_.aFiltruj;
  aGoToSzukaj = pasek_.aGoToSzukaj;
  aSzukaj = pasek_.aSzukaj;
  aPoprzednia = pasek_.aPoprzednia;
  aNastepna = pasek_.aNastepna;

  connect(aFiltruj, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aFiltrujExecute);
  connect(aSzukaj, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aSzukajExecute);
  connect(aPoprzednia, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aPoprzedniaExecute);
  connect(aNastepna, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aNastepnaExecute);
}

void TForm_Tessor_Pacjenci::UtworzUklad() {
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);

  uklad->addLayout(pasek_.UtworzUklad(this, "Label4", true));
  edFiltruj = pasek_.edFiltruj;
  btnFiltruj = pasek_.btnFiltruj;
  edSzukaj = pasek_.edSzukaj;
  btnSzukaj = pasek_.btnSzukaj;
  Label4 = pasek_.lblWyniki;
  btnPoprzednia = pasek_.btnPoprzednia;
  btnNastepna = pasek_.btnNastepna;

  DBGrid1 = new SiatkaListy(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->ustaw(&dane_.sqlPacjent, {{"ID", "ID", Qt::AlignCenter},
                                     {"_pacjent_name", QStringLiteral("Nazwisko i imię")},
                                     {"PESEL", "PESEL", Qt::AlignCenter},
                                     {"ADRES", "Adres"},
                                     {"KODP", "Kod", Qt::AlignCenter},
                                     {"POCZTA", "Poczta"},
                                     {"URDATA", "Data ur.", Qt::AlignCenter},
                                     {"URMIEJSCE", QStringLiteral("Miejsce ur.")},
                                     {"PLEC", QStringLiteral("Płeć"), Qt::AlignCenter},
                                     {"DEKLARDATA", "Data deklaracji", Qt::AlignCenter},
                                     {"ICD10", "ICD10"},
                                     {"ZLEC_NUMER", "Zlecenie", Qt::AlignCenter},
                                     {"_dtaktualiz", "Data aktualizacji", Qt::AlignCenter}});
  // The design widths, widened where a title, a date or a PESEL would be cut
  // in the fonts found here.
  const QFontMetrics tekst(DBGrid1->font()), naglowek(DBGrid1->horizontalHeader()->font());
  const struct {
    int szerokosc;
    const char* wzor;
  } szerokosci[] = {{50, "000000"}, {200, ""},    {84, "00000000000"}, {200, ""},        {50, "00-000"},
                    {100, ""},      {70, "00-00-0000"}, {100, ""},     {40, ""},          {70, "00-00-0000"},
                    {60, ""},       {60, "000000"}, {110, "00-00-0000 00:00"}};
  for (int k = 0; k < int(std::size(szerokosci)); ++k) {
    const QString tytul = DBGrid1->model()->headerData(k, Qt::Horizontal, Qt::DisplayRole).toString();
    DBGrid1->ustawSzerokosc(k, std::max({szerokosci[k].szerokosc,
                                         tekst.horizontalAdvance(QString::fromLatin1(szerokosci[k].wzor)) + 8,
                                         naglowek.horizontalAdvance(tytul) + 12}));
  }
  connect(DBGrid1, &SiatkaListy::podwojneKlikniecie, this, &TForm_Tessor_Pacjenci::DBGrid1DblClick);
  uklad->addWidget(DBGrid1, 1);

  auto* dol = new QHBoxLayout;
  cbxPamietajFiltr = new QCheckBox(QStringLiteral("Zapamietaj parametry filtrowania i wyszukiwania"), this);
  cbxPamietajFiltr->setObjectName(QStringLiteral("cbxPamietajFiltr"));
  dol->addWidget(cbxPamietajFiltr);
  dol->addStretch(1);
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  for (QPushButton* b : {btnOK, btnAnuluj}) b->setAutoDefault(false);
  connect(btnOK, &QPushButton::clicked, this, &TForm_Tessor_Pacjenci::btnOKClick);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
  dol->addWidget(btnOK);
  dol->addWidget(btnAnuluj);
  uklad->addLayout(dol);
}

void TForm_Tessor_Pacjenci::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous() || otwarte_) return;
  otwarte_ = true;
  FormShow();
}

void TForm_Tessor_Pacjenci::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  if (e->spontaneous() || !otwarte_) return;
  otwarte_ = false;
  FormClose();
}

void TForm_Tessor_Pacjenci::FormShow() {
  const QString sciezka = stan_.tessor_fdb;
  QString blad;
  bool brakPliku = false;
  {
    Klepsydra klepsydra;
    if (!cbxPamietajFiltr->isChecked()) {
      edFiltruj->clear();
      edSzukaj->clear();
      FiltrWlaczony = false;
      btnFiltruj->setChecked(false);
    }
    dane_.Zamknij();
    dane_.Warunki = {};
    if (sciezka.isEmpty() || !QFileInfo::exists(sciezka)) {
      brakPliku = true;
    } else {
      try {
        dane_.Otworz(sciezka);
        dane_.BudujWarunki(FiltrWlaczony, edFiltruj->text());
        dane_.PoliczWyniki();
        dane_.PobierzStrone();
        if (WybranyPacjent.ID != 0) dane_.sqlPacjent.locate(QStringLiteral("ID"), WybranyPacjent.ID);
      } catch (const std::exception& e) {
        const auto* db = dynamic_cast<const DbError*>(&e);
        blad = db ? db->message() : QString::fromLocal8Bit(e.what());
        dane_.Zamknij();
      }
    }
  }
  // The boxes come after the hourglass is gone.
  if (brakPliku) {
    komunikaty().sygnal();
    komunikaty().informacja(TessorReguly::BrakPliku(sciezka));
  } else if (!dane_.IBDatabaseTESSOR.isOpen()) {
    komunikaty().sygnal();
    komunikaty().informacja(TessorReguly::BladPolaczenia(sciezka, blad));
  }
  if (cbxPamietajFiltr->isChecked() && !edSzukaj->text().isEmpty()) {
    aSzukajExecute();
    DBGrid1->setFocus();
    UstawPrzyciskiDomyslne(true);
  } else {
    edFiltruj->setFocus();
    UstawPrzyciskiDomyslne(false);
  }
  UstawAkcje();
}

void TForm_Tessor_Pacjenci::FormClose() {
  dane_.Zamknij();
  dane_.Warunki = {};
}

void TForm_Tessor_Pacjenci::Przebuduj() {
  if (!dane_.IBDatabaseTESSOR.isOpen()) return;
  dane_.BudujWarunki(FiltrWlaczony, edFiltruj->text());
  dane_.PoliczWyniki();
  dane_.PobierzStrone();
}

void TForm_Tessor_Pacjenci::UstawAkcje() {
  pasek_.PokazStrone(dane_);
  btnOK->setEnabled(dane_.BiezaceID() != 0);
}

void TForm_Tessor_Pacjenci::aFiltrujExecute() {
  FiltrWlaczony = !FiltrWlaczony;
  if (FiltrWlaczony && edFiltruj->text().isEmpty()) {
    FiltrWlaczony = false;
    btnFiltruj->setChecked(false);
    komunikaty().sygnal();
    return;
  }
  btnFiltruj->setChecked(FiltrWlaczony);
  {
    Klepsydra klepsydra;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Przebuduj();
  }
  DBGrid1->setFocus();
  UstawAkcje();
}

void TForm_Tessor_Pacjenci::aSzukajExecute() { pasek_.Szukaj(dane_.sqlPacjent, QStringLiteral("_pacjent_name")); }

void TForm_Tessor_Pacjenci::aPoprzedniaExecute() {
  if (dane_.Strona <= 0 || !dane_.IBDatabaseTESSOR.isOpen()) return;
  --dane_.Strona;
  {
    Klepsydra klepsydra;
    dane_.PobierzStrone();
  }
  UstawAkcje();
}

void TForm_Tessor_Pacjenci::aNastepnaExecute() {
  if (dane_.Strona >= dane_.IloscStron - 1 || !dane_.IBDatabaseTESSOR.isOpen()) return;
  ++dane_.Strona;
  {
    Klepsydra klepsydra;
    dane_.PobierzStrone();
  }
  UstawAkcje();
}

void TForm_Tessor_Pacjenci::btnOKClick() {
  if (dane_.BiezaceID() == 0) return;
  WybranyPacjent = dane_.BiezacyPacjent();
  accept();
}

void TForm_Tessor_Pacjenci::DBGrid1DblClick() {
  if (btnOK->isEnabled()) btnOKClick();
}
