#include "patients/TForm_Tessor_Pacjenci.h"

#include "app/StanProgramu.h"
#include "db/DbError.h"
#include "patients/PacjenciReguly.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Klepsydra.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QAction* akcja(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz, const QKeySequence& skrot) {
  auto* a = new QAction(QString::fromUtf8(podpis), okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setStatusTip(QString::fromUtf8(podpowiedz));
  a->setToolTip(QString::fromUtf8(*podpowiedz ? podpowiedz : podpis));
  a->setShortcutContext(Qt::WindowShortcut);
  a->setShortcut(skrot);
  okno->addAction(a);
  return a;
}

QFrame* linia(QWidget* rodzic) {
  auto* f = new QFrame(rodzic);
  f->setFrameShape(QFrame::VLine);
  f->setFrameShadow(QFrame::Sunken);
  return f;
}

}  // namespace

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
  aGoToFiltruj = akcja(this, "aGoToFiltruj", "aGoToFiltruj", "", QKeySequence(Qt::CTRL | Qt::Key_F));
  aFiltruj = akcja(this, "aFiltruj", "Filtruj", "Filtrowanie listy pacjentów wg nazwiska i imienia lub nr PESEL",
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  aGoToSzukaj = akcja(this, "aGoToSzukaj", "aGoToSzukaj", "", QKeySequence(Qt::CTRL | Qt::Key_W));
  aSzukaj = akcja(this, "aSzukaj", "Szukaj", "Wyszukiwanie pacjenta wg nazwiska i imienia lub nr PESEL",
                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  aPoprzednia = akcja(this, "aPoprzednia", "Poprzednia", "Poprzednia strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Left));
  aNastepna = akcja(this, "aNastepna", "Następna", "Następna strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Right));

  connect(aGoToFiltruj, &QAction::triggered, this, [this] {
    edFiltruj->setFocus(Qt::ShortcutFocusReason);
    edFiltruj->selectAll();
  });
  connect(aGoToSzukaj, &QAction::triggered, this, [this] {
    edSzukaj->setFocus(Qt::ShortcutFocusReason);
    edSzukaj->selectAll();
  });
  connect(aFiltruj, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aFiltrujExecute);
  connect(aSzukaj, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aSzukajExecute);
  connect(aPoprzednia, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aPoprzedniaExecute);
  connect(aNastepna, &QAction::triggered, this, &TForm_Tessor_Pacjenci::aNastepnaExecute);
}

void TForm_Tessor_Pacjenci::UtworzUklad() {
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);

  auto* pasek = new QHBoxLayout;
  pasek->addWidget(new QLabel(QStringLiteral("Filtrowanie:"), this));
  edFiltruj = new QLineEdit(this);
  edFiltruj->setObjectName(QStringLiteral("edFiltruj"));
  pasek->addWidget(edFiltruj);
  btnFiltruj = new QPushButton(aFiltruj->text(), this);
  btnFiltruj->setObjectName(QStringLiteral("btnFiltruj"));
  btnFiltruj->setCheckable(true);
  btnFiltruj->setToolTip(aFiltruj->toolTip());
  connect(btnFiltruj, &QPushButton::clicked, this, &TForm_Tessor_Pacjenci::aFiltrujExecute);
  pasek->addWidget(btnFiltruj);
  pasek->addWidget(linia(this));
  pasek->addWidget(new QLabel(QStringLiteral("Wyszukiwanie:"), this));
  edSzukaj = new QLineEdit(this);
  edSzukaj->setObjectName(QStringLiteral("edSzukaj"));
  paletaSzukaj_ = edSzukaj->palette();
  connect(edSzukaj, &QLineEdit::textChanged, this, &TForm_Tessor_Pacjenci::aSzukajExecute);
  pasek->addWidget(edSzukaj);
  btnSzukaj = new QPushButton(aSzukaj->text(), this);
  btnSzukaj->setToolTip(aSzukaj->toolTip());
  connect(btnSzukaj, &QPushButton::clicked, this, &TForm_Tessor_Pacjenci::aSzukajExecute);
  pasek->addWidget(btnSzukaj);
  pasek->addWidget(linia(this));
  auto* strony = new QVBoxLayout;
  Label4 = new QLabel(QStringLiteral("Wyników: xxx.  Strona xx/yy"), this);
  Label4->setObjectName(QStringLiteral("Label4"));
  strony->addWidget(Label4);
  auto* przyciskiStron = new QHBoxLayout;
  btnPoprzednia = new QPushButton(aPoprzednia->text(), this);
  btnNastepna = new QPushButton(aNastepna->text(), this);
  btnPoprzednia->setToolTip(aPoprzednia->toolTip());
  btnNastepna->setToolTip(aNastepna->toolTip());
  connect(btnPoprzednia, &QPushButton::clicked, aPoprzednia, &QAction::trigger);
  connect(btnNastepna, &QPushButton::clicked, aNastepna, &QAction::trigger);
  przyciskiStron->addWidget(btnPoprzednia);
  przyciskiStron->addWidget(btnNastepna);
  strony->addLayout(przyciskiStron);
  pasek->addLayout(strony);
  uklad->addLayout(pasek);

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
  for (QPushButton* b : {btnFiltruj, btnSzukaj, btnPoprzednia, btnNastepna, btnOK, btnAnuluj}) b->setAutoDefault(false);
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
  Label4->setText(
      QStringLiteral("Wyników: %1.  Strona %2/%3").arg(dane_.IloscWynikow).arg(dane_.Strona + 1).arg(dane_.IloscStron));
  aPoprzednia->setEnabled(dane_.Strona > 0);
  aNastepna->setEnabled(dane_.Strona < dane_.IloscStron - 1);
  btnPoprzednia->setEnabled(aPoprzednia->isEnabled());
  btnNastepna->setEnabled(aNastepna->isEnabled());
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

void TForm_Tessor_Pacjenci::aSzukajExecute() {
  const QString tekst = edSzukaj->text();
  bool znaleziono = true;
  if (!tekst.isEmpty()) {
    const Dataset& ds = dane_.sqlPacjent;
    QStringList nazwy, pesele;
    for (int i = 0; ds.isOpen() && i < ds.count(); ++i) {
      nazwy << ds.valueAt(i, QStringLiteral("_pacjent_name")).toString();
      pesele << ds.valueAt(i, QStringLiteral("PESEL")).toString();
    }
    const int wiersz = PacjenciReguly::SzukajWStronie(nazwy, pesele, tekst);
    znaleziono = wiersz >= 0;
    if (znaleziono) dane_.sqlPacjent.moveTo(wiersz);
  }
  QPalette p = paletaSzukaj_;
  if (!znaleziono) p.setColor(QPalette::Base, Kolory::NieZnaleziono);
  edSzukaj->setPalette(p);
}

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
