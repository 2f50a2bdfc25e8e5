#include "patients/TForm_Pacjenci.h"

#include "app/TForm1.h"
#include "patients/DelegatPacjentow.h"
#include "patients/PacjenciHistoria.h"
#include "patients/PasekListyStron.h"
#include "ui/Klepsydra.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QList<QKeySequence> SkrotEnter{QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)};
const QList<QKeySequence> SkrotCtrlEnter{QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)};
const QString PodpowiedzTessor =
    QStringLiteral("Dodaj pacjenta z bazy 'Tessor'\nWymaga ustawienia parametru .... w oknie 'Opcje'");
}  // namespace

TForm_Pacjenci::TForm_Pacjenci(TForm1& glowne) : glowne_(glowne), dane_(glowne.Polaczenie()) {
  setObjectName(QStringLiteral("Form_Pacjenci"));
  setWindowTitle(QStringLiteral("Pacjenci"));
  setModal(true);
  resize(1060, 640);
  UtworzAkcje();
  UtworzUklad();

  timerSzybkieFiltrowanie.setSingleShot(true);
  timerSzybkieFiltrowanie.setInterval(500);
  connect(&timerSzybkieFiltrowanie, &QTimer::timeout, this, &TForm_Pacjenci::timerSzybkieFiltrowanieTimer);
  timerIgnorujSkaner.setSingleShot(true);
  timerIgnorujSkaner.setInterval(1000);
  connect(&timerIgnorujSkaner, &QTimer::timeout, this, &TForm_Pacjenci::timerIgnorujSkanerTimer);

  connect(&dane_.sqlPacjenci, &Dataset::scrolled, this, &TForm_Pacjenci::UstawAkcje);
  connect(&dane_.sqlPacjenci, &Dataset::rowChanged, this, &TForm_Pacjenci::UstawAkcje);
}

TForm_Pacjenci::~TForm_Pacjenci() { qApp->removeEventFilter(this); }

void TForm_Pacjenci::UtworzAkcje() {
  aDodaj = AkcjaOkna(this, "aDodaj", "Dodaj", "Dodaj pacjenta do listy", Qt::Key_Insert);
  aDodajZTessor = AkcjaOkna(this, "aDodajZTessor", "Dodaj pacjenta z bazy 'Tessor'", "Dodaj pacjenta z bazy 'Tessor'",
                        QKeySequence(Qt::CTRL | Qt::Key_Insert));
  aImportuj = AkcjaOkna(this, "aImportuj", "Importuj listę pacjentow z pliku CSV", "Importuj listę pacjentow z pliku CSV");
  aEdytuj = AkcjaOkna(this, "aEdytuj", "Edytuj", "Edytuj dane pacjenta");
  aUsun = AkcjaOkna(this, "aUsun", "Usuń pacjenta", "Usuń pacjenta z listy");
  aPrzywroc = AkcjaOkna(this, "aPrzywroc", "Przywróć usuniętego pacjenta", "");
  aHistoria = AkcjaOkna(this, "aHistoria", "Historia", "Historia pacjenta", QKeySequence(Qt::CTRL | Qt::Key_H));
  aDrukuj = AkcjaOkna(this, "aDrukuj", "Drukuj", "");
  aKarta = AkcjaOkna(this, "aKarta", "Karta", "");
  pasek_.UtworzAkcje(this, "Nastepna");
  aGoToFiltruj = pasek_.aGoToFiltruj;
  aFiltruj = pasek_.aFiltruj;
  aGoToSzukaj = pasek_.aGoToSzukaj;
  aSzukaj = pasek_.aSzukaj;
  aPoprzednia = pasek_.aPoprzednia;
  aNastepna = pasek_.aNastepna;
  aOdswiez = AkcjaOkna(this, "aOdswiez", "Odśwież", "", Qt::Key_F5);

  connect(aDodaj, &QAction::triggered, this, &TForm_Pacjenci::aDodajExecute);
  connect(aEdytuj, &QAction::triggered, this, &TForm_Pacjenci::aEdytujExecute);
  connect(aFiltruj, &QAction::triggered, this, &TForm_Pacjenci::aFiltrujExecute);
  connect(aSzukaj, &QAction::triggered, this, &TForm_Pacjenci::aSzukajExecute);
  connect(aPoprzednia, &QAction::triggered, this, &TForm_Pacjenci::aPoprzedniaExecute);
  connect(aNastepna, &QAction::triggered, this, &TForm_Pacjenci::aNastepnaExecute);
  connect(aOdswiez, &QAction::triggered, this, &TForm_Pacjenci::aOdswiezExecute);
  connect(aUsun, &QAction::triggered, this, &TForm_Pacjenci::aUsunExecute);
  connect(aPrzywroc, &QAction::triggered, this, &TForm_Pacjenci::aPrzywrocExecute);
  connect(aHistoria, &QAction::triggered, this, [this] { aHistoriaExecute(*this); });
  connect(aImportuj, &QAction::triggered, this, &TForm_Pacjenci::aImportujExecute);
  connect(aDrukuj, &QAction::triggered, this, &TForm_Pacjenci::aDrukujExecute);
  connect(aKarta, &QAction::triggered, this, &TForm_Pacjenci::aKartaExecute);
  connect(aDodajZTessor, &QAction::triggered, this, &TForm_Pacjenci::aDodajZTessorExecute);
}

void TForm_Pacjenci::UtworzUklad() {
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);

  popmenuDodaj = new QMenu(this);
  popmenuDodaj->addAction(aDodajZTessor);
  popmenuDodaj->addSeparator();
  popmenuDodaj->addAction(aImportuj);
  popmenuEdytuj = new QMenu(this);
  popmenuEdytuj->addActions({aUsun, aPrzywroc});

  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
  ToolBar1->addAction(aDodaj);
  ToolBar1->addAction(aEdytuj);
  for (auto [a, m] : {std::pair{aDodaj, popmenuDodaj}, std::pair{aEdytuj, popmenuEdytuj}}) {
    auto* b = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(a));
    b->setMenu(m);
    b->setPopupMode(QToolButton::MenuButtonPopup);
  }
  ToolBar1->addSeparator();
  ToolBar1->addAction(aHistoria);
  ToolBar1->addSeparator();
  ToolBar1->addActions({aDrukuj, aKarta});
  uklad->addWidget(ToolBar1);

  DBGrid1 = new SiatkaListy(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  delegat = new DelegatPacjentow(DBGrid1);
  DBGrid1->setItemDelegate(delegat);
  DBGrid1->setFont(delegat->czcionkaDuza);
  DBGrid1->horizontalHeader()->setFont(delegat->czcionkaMala);
  DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(delegat->czcionkaDuza).height() + 4);
  DBGrid1->ustaw(&dane_.sqlPacjenci, {{"ID", "ID", Qt::AlignCenter},
                                      {"_nazwisko_imie", QStringLiteral("Nazwisko i imię")},
                                      {"PESEL", "PESEL/Data ur.", Qt::AlignCenter},
                                      {"_adres", "Adres"},
                                      {"PLEC", QStringLiteral("Płeć")},
                                      {"_lekarz_name", "Lekarz"},
                                      {"DTDEKLARLEK", "Data deklaracji"}});
  // The design widths, widened where the fonts found here draw wider than the
  // clinic's: a date or a PESEL must never be cut.
  const QFontMetrics maly(delegat->czcionkaMala), naglowek(DBGrid1->horizontalHeader()->font());
  const struct {
    int kolumna, szerokosc;
    const char* wzor;
  } szerokosci[] = {{0, 60, "0000000"}, {1, 380, ""}, {2, 90, "00000000000"}, {3, 160, ""}, {4, 50, ""}, {5, 120, ""},
                    {6, 80, "L:  00-00-0000"}};
  for (const auto& s : szerokosci) {
    const QString tytul = DBGrid1->model()->headerData(s.kolumna, Qt::Horizontal, Qt::DisplayRole).toString();
    DBGrid1->ustawSzerokosc(s.kolumna, std::max({s.szerokosc, maly.horizontalAdvance(QString::fromLatin1(s.wzor)) + 8,
                                                 naglowek.horizontalAdvance(tytul) + 12}));
  }
  DBGrid1->horizontalHeader()->setStretchLastSection(true);
  DBGrid1->kolorTekstu = [this](int wiersz) {
    return dane_.sqlPacjenci.valueAt(wiersz, QStringLiteral("AKTYW")).toString() == QStringLiteral("T")
               ? QColor(Qt::black)
               : Kolory::TekstUsuniety;
  };
  popmenuSiatki = new QMenu(this);
  popmenuSiatki->addActions({aDodaj, aEdytuj});
  popmenuSiatki->addSeparator();
  popmenuSiatki->addActions({aUsun, aPrzywroc});
  popmenuSiatki->addSeparator();
  popmenuSiatki->addAction(aKarta);
  popmenuSiatki->addSeparator();
  popmenuSiatki->addAction(aOdswiez);
  DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(DBGrid1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { popmenuSiatki->popup(DBGrid1->viewport()->mapToGlobal(p)); });
  connect(DBGrid1, &SiatkaListy::podwojneKlikniecie, this, &TForm_Pacjenci::DBGrid1DblClick);
  uklad->addWidget(DBGrid1, 1);

  uklad->addLayout(pasek_.UtworzUklad(this, "lblWyniki", false));
  edFiltruj = pasek_.edFiltruj;
  btnFiltruj = pasek_.btnFiltruj;
  edSzukaj = pasek_.edSzukaj;
  btnSzukaj = pasek_.btnSzukaj;
  lblWyniki = pasek_.lblWyniki;
  btnPoprzednia = pasek_.btnPoprzednia;
  btnNastepna = pasek_.btnNastepna;

  auto* dol = new QHBoxLayout;
  cbxSzybkieFiltrowanie = new QCheckBox(QStringLiteral("Szybkie filtrowanie"), this);
  cbxSzybkieFiltrowanie->setChecked(true);
  cbxPamietajFiltr = new QCheckBox(QStringLiteral("Zapamietaj parametry filtrowania i wyszukiwania"), this);
  cbxPokazUsunietych = new QCheckBox(QStringLiteral("Pokaż pacjentów usuniętych"), this);
  for (QCheckBox* c : {cbxSzybkieFiltrowanie, cbxPamietajFiltr, cbxPokazUsunietych}) {
    c->setFocusPolicy(Qt::NoFocus);
    dol->addWidget(c);
  }
  connect(cbxPokazUsunietych, &QCheckBox::clicked, this, &TForm_Pacjenci::aOdswiezExecute);
  dol->addStretch(1);
  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  for (QPushButton* b : {btnOK, btnAnuluj}) b->setAutoDefault(false);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TForm_Pacjenci::btnOKClick);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);
  dol->addWidget(btnOK);
  dol->addWidget(btnAnuluj);
  uklad->addLayout(dol);
}

void TForm_Pacjenci::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous() || otwarte_) return;
  otwarte_ = true;
  FormShow();
}

void TForm_Pacjenci::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  if (e->spontaneous() || !otwarte_) return;
  otwarte_ = false;
  FormClose();
}

void TForm_Pacjenci::FormShow() {
  dane_.Warunki = {};
  timerSzybkieFiltrowanie.stop();
  const bool wybor = Tryb == QStringLiteral("WYBOR");
  SkrotEdycji = wybor ? SkrotCtrlEnter : SkrotEnter;
  aEdytuj->setShortcuts(SkrotEdycji);
  // Hidden but enabled, so that Ctrl+Insert still runs it: a hidden QAction
  // would lose its shortcut, so only its menu entry goes.
  popmenuDodaj->removeAction(aDodajZTessor);
  aDodajZTessor->setStatusTip(PodpowiedzTessor);
  aDodajZTessor->setToolTip(PodpowiedzTessor);
  btnOK->setVisible(wybor);
  btnAnuluj->setText(wybor ? QStringLiteral("Anuluj") : QStringLiteral("Zamknij"));
  cbxPokazUsunietych->setChecked(false);
  if (!cbxPamietajFiltr->isChecked()) {
    edFiltruj->clear();
    edSzukaj->clear();
    FiltrWlaczony = false;
    btnFiltruj->setChecked(false);
  }
  qApp->removeEventFilter(this);
  qApp->installEventFilter(this);
  dane_.OtworzLekarzy();
  if (wybor && !FiltrPoczatkowy.isEmpty()) {
    edFiltruj->setText(FiltrPoczatkowy);
    FiltrWlaczony = false;
    aFiltrujExecute();
  } else {
    Przebuduj();
  }
  if (cbxPamietajFiltr->isChecked() && !edSzukaj->text().isEmpty()) aSzukajExecute();
  SkanOdczyt = false;
  BuforSkanu.clear();
  timerIgnorujSkaner.stop();
  SprawdzDrukarkeKart();
  DBGrid1->setFocus();
  UstawAkcje();
}

void TForm_Pacjenci::FormClose() {
  timerSzybkieFiltrowanie.stop();
  timerIgnorujSkaner.stop();
  qApp->removeEventFilter(this);
  dane_.Zamknij();
  dane_.Warunki = {};
}

void TForm_Pacjenci::Przebuduj() {
  Klepsydra klepsydra;
  dane_.BudujWarunki(FiltrWlaczony, edFiltruj->text(), cbxPokazUsunietych->isChecked());
  dane_.PoliczWyniki();
  dane_.PobierzStrone();
}

void TForm_Pacjenci::PobierzStroneZKlepsydra() {
  Klepsydra klepsydra;
  dane_.PobierzStrone();
}

void TForm_Pacjenci::UstawAkcje() {
  const bool otwarty = dane_.sqlPacjenci.isOpen();
  const bool biezacy = dane_.BiezaceID() != 0;
  const bool aktywny = dane_.BiezacyAktywny();
  aDodaj->setEnabled(otwarty);
  aEdytuj->setEnabled(biezacy);
  aHistoria->setEnabled(biezacy);
  btnOK->setEnabled(biezacy);
  // Neither applies without a row, so both need one.
  aUsun->setEnabled(biezacy && aktywny);
  aPrzywroc->setEnabled(biezacy && !aktywny);
  pasek_.PokazStrone(dane_);
}

void TForm_Pacjenci::aFiltrujExecute() {
  FiltrWlaczony = !FiltrWlaczony;
  if (FiltrWlaczony && edFiltruj->text().isEmpty()) {
    FiltrWlaczony = false;
    btnFiltruj->setChecked(false);
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

void TForm_Pacjenci::aSzukajExecute() { pasek_.Szukaj(dane_.sqlPacjenci, QStringLiteral("_nazwisko_imie")); }

void TForm_Pacjenci::aPoprzedniaExecute() {
  if (dane_.Strona <= 0) return;
  --dane_.Strona;
  PobierzStroneZKlepsydra();
  UstawAkcje();
}

void TForm_Pacjenci::aNastepnaExecute() {
  if (dane_.Strona >= dane_.IloscStron - 1) return;
  ++dane_.Strona;
  PobierzStroneZKlepsydra();
  UstawAkcje();
}

void TForm_Pacjenci::aOdswiezExecute() {
  Przebuduj();
  UstawAkcje();
}

void TForm_Pacjenci::aUsunExecute() {
  Dataset& ds = dane_.sqlPacjenci;
  if (dane_.BiezaceID() == 0) return;
  if (komunikaty().pytanie(QStringLiteral("Usunięcie pacjenta z listy"),
                           QStringLiteral("Na pewno usunąć z listy pacjenta [%1] '%2'")
                               .arg(ds.intValue(QStringLiteral("ID")))
                               .arg(ds.text(QStringLiteral("_nazwisko_imie"))))) {
    ds.edit();
    ds.setValue(QStringLiteral("AKTYW"), QStringLiteral("N"));
    ds.post();
    glowne_.CommitRetaining();
  }
  UstawAkcje();
}

void TForm_Pacjenci::aPrzywrocExecute() {
  Dataset& ds = dane_.sqlPacjenci;
  if (dane_.BiezaceID() == 0) return;
  if (komunikaty().pytanie(QStringLiteral("Przywrócenie pacjenta"), QStringLiteral("Przywrócić pacjenta [%1] '%2'")
                                                                         .arg(ds.intValue(QStringLiteral("ID")))
                                                                         .arg(ds.text(QStringLiteral("_nazwisko_imie"))))) {
    ds.edit();
    ds.setValue(QStringLiteral("AKTYW"), QStringLiteral("T"));
    ds.post();
    glowne_.CommitRetaining();
  }
  UstawAkcje();
}

void TForm_Pacjenci::btnOKClick() {
  if (dane_.BiezaceID() == 0) return;
  WybraneID = dane_.BiezaceID();
  accept();
}

void TForm_Pacjenci::DBGrid1DblClick() {
  if (Tryb == QStringLiteral("WYBOR")) {
    if (dane_.BiezaceID() != 0) btnOKClick();
  } else if (aEdytuj->isEnabled()) {
    aEdytuj->trigger();
  }
}

void TForm_Pacjenci::timerSzybkieFiltrowanieTimer() {
  timerSzybkieFiltrowanie.stop();
  FiltrWlaczony = false;
  aFiltrujExecute();
}

void TForm_Pacjenci::timerIgnorujSkanerTimer() {
  timerIgnorujSkaner.stop();
  SkanOdczyt = false;
  // What came of a cut-off scan is dropped, so the next scan starts clean.
  BuforSkanu.clear();
  komunikaty().sygnal();
  komunikaty().komunikat(QStringLiteral("Brak znaku końca transmisji ze skanera kodów.\nSprawdź konfigurację skanera."));
}
