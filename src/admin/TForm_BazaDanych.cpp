#include "admin/TForm_BazaDanych.h"

#include "admin/BazaDanychReguly.h"
#include "app/StanProgramu.h"
#include "db/ParametryPolaczenia.h"
#include "db/PlikMaskowany.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolTip>
#include <QCursor>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

TForm_BazaDanych::Skrypt& skrypt() {
  static TForm_BazaDanych::Skrypt s;
  return s;
}

QLabel* uwaga(const char* tekst, QWidget* rodzic) {
  auto* l = new QLabel(QString::fromUtf8(tekst), rodzic);
  l->setStyleSheet(QStringLiteral("color: gray"));
  l->setWordWrap(true);
  return l;
}

template <class T>
T* nazwany(T* w, const char* nazwa) {
  w->setObjectName(QString::fromLatin1(nazwa));
  return w;
}

}  // namespace

TForm_BazaDanych::TForm_BazaDanych(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form_BazaDanych"));
  setWindowTitle(QStringLiteral("Baza danych"));
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSize(8);
  setFont(f);
  resize(640, 440);

  ListaStron = nazwany(new QListWidget(this), "ListaStron");
  ListaStron->addItems({QStringLiteral("Wybór bazy danych"), QStringLiteral("Użytkownik i hasło dostępu"),
                        QStringLiteral("Kopia bazy danych")});
  ListaStron->setFixedWidth(170);
  Strony = nazwany(new QStackedWidget(this), "Strony");
  Strony->addWidget(UtworzStroneWyboru());
  Strony->addWidget(UtworzStroneUzytkownika());
  Strony->addWidget(UtworzStroneKopii());
  connect(ListaStron, &QListWidget::currentRowChanged, Strony, &QStackedWidget::setCurrentIndex);

  btnPomoc = nazwany(new QPushButton(QStringLiteral("Pomoc"), this), "btnPomoc");
  btnPomoc->setEnabled(false);
  cbxPokazPonownieOkno = nazwany(
      new QCheckBox(QStringLiteral("Pokaż ponownie to okno przy błędzie połączenia z bazą danych"), this),
      "cbxPokazPonownieOkno");
  cbxPokazPonownieOkno->setChecked(true);
  btnZamknij = nazwany(new QPushButton(QStringLiteral("Zamknij"), this), "btnZamknij");
  connect(btnZamknij, &QPushButton::clicked, this, &QDialog::accept);

  aPomoc = nazwany(new QAction(QStringLiteral("Pomoc"), this), "aPomoc");
  aPomoc->setShortcut(Qt::Key_F1);
  aPomoc->setStatusTip(QStringLiteral("Pomoc dla aktualnego okna"));
  aPomoc->setToolTip(aPomoc->statusTip());
  addAction(aPomoc);

  auto* gora = new QHBoxLayout;
  gora->addWidget(ListaStron);
  gora->addWidget(Strony, 1);
  auto* dol = new QHBoxLayout;
  dol->addWidget(btnPomoc);
  dol->addWidget(cbxPokazPonownieOkno, 1);
  dol->addWidget(btnZamknij);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(gora, 1);
  uklad->addLayout(dol);

  filtrSkanera().dolacz(this);
}

QWidget* TForm_BazaDanych::UtworzStroneWyboru() {
  auto* strona = new QWidget;
  auto* ramka = new QGroupBox(QStringLiteral("Wybór bazy danych"), strona);
  rbBazaLokalna = nazwany(new QRadioButton(QStringLiteral("Lokalna /w katalogu danych aplikacji/"), ramka),
                          "rbBazaLokalna");
  rbBazaZdalna = nazwany(new QRadioButton(QStringLiteral("Zdalna"), ramka), "rbBazaZdalna");
  lblHost = new QLabel(QStringLiteral("Zdalny host"), ramka);
  Edit1 = nazwany(new QLineEdit(ramka), "Edit1");
  lblHostOpis = uwaga("Nr IP lub nazwa hosta komputera na którym znajduje się zdalna baza danych", ramka);
  lblKatalog = new QLabel(QStringLiteral("Zdalny katalog"), ramka);
  Edit2 = nazwany(new QLineEdit(ramka), "Edit2");
  lblKatalogOpis = uwaga("Katalog na zdalnym komputerze w którym znajduje się baza danych.", ramka);
  btnZapiszWyborDB = nazwany(new QPushButton(QStringLiteral("  Zapisz"), ramka), "btnZapiszWyborDB");

  auto* u = new QVBoxLayout(ramka);
  for (QWidget* w : std::initializer_list<QWidget*>{rbBazaLokalna, rbBazaZdalna, lblHost, Edit1, lblHostOpis,
                                                    lblKatalog, Edit2, lblKatalogOpis})
    u->addWidget(w);
  u->addStretch(1);
  u->addWidget(btnZapiszWyborDB, 0, Qt::AlignRight);
  (new QVBoxLayout(strona))->addWidget(ramka);

  connect(rbBazaLokalna, &QRadioButton::clicked, this, &TForm_BazaDanych::ZmianaWyboru);
  connect(rbBazaZdalna, &QRadioButton::clicked, this, &TForm_BazaDanych::ZmianaWyboru);
  connect(Edit1, &QLineEdit::textEdited, this, &TForm_BazaDanych::ZmianaWyboru);
  connect(Edit2, &QLineEdit::textEdited, this, &TForm_BazaDanych::ZmianaWyboru);
  connect(btnZapiszWyborDB, &QPushButton::clicked, this, &TForm_BazaDanych::btnZapiszWyborDBClick);
  return strona;
}

QWidget* TForm_BazaDanych::UtworzStroneUzytkownika() {
  auto* strona = new QWidget;
  auto* nowe = new QGroupBox(QStringLiteral("Nowe parametry połączenia"), strona);
  Edit3 = nazwany(new QLineEdit(nowe), "Edit3");
  Edit4 = nazwany(new QLineEdit(nowe), "Edit4");  // the password is shown in clear
  btnZapiszNoweParametry = nazwany(new QPushButton(QStringLiteral("  Zapisz"), nowe), "btnZapiszNoweParametry");
  auto* un = new QVBoxLayout(nowe);
  un->addWidget(new QLabel(QStringLiteral("Nazwa użytkownika"), nowe));
  un->addWidget(Edit3);
  un->addWidget(new QLabel(QStringLiteral("Hasło"), nowe));
  un->addWidget(Edit4);
  un->addWidget(btnZapiszNoweParametry, 0, Qt::AlignRight);

  auto* domyslne = new QGroupBox(QStringLiteral("Przywróć domyślne parametry połączenia"), strona);
  btnPrzywrocParametryDomyslne =
      nazwany(new QPushButton(QStringLiteral("  Przywróć"), domyslne), "btnPrzywrocParametryDomyslne");
  (new QVBoxLayout(domyslne))->addWidget(btnPrzywrocParametryDomyslne, 0, Qt::AlignRight);

  auto* u = new QVBoxLayout(strona);
  u->addWidget(nowe);
  u->addWidget(domyslne);
  u->addStretch(1);

  connect(Edit3, &QLineEdit::textChanged, this, &TForm_BazaDanych::StanOkna);
  connect(Edit4, &QLineEdit::textChanged, this, &TForm_BazaDanych::StanOkna);
  connect(btnZapiszNoweParametry, &QPushButton::clicked, this, &TForm_BazaDanych::btnZapiszNoweParametryClick);
  connect(btnPrzywrocParametryDomyslne, &QPushButton::clicked, this,
          &TForm_BazaDanych::btnPrzywrocParametryDomyslneClick);
  return strona;
}

QWidget* TForm_BazaDanych::UtworzStroneKopii() {
  auto* strona = new QWidget;
  auto* ramka = new QGroupBox(QStringLiteral("Kopia bazy danych"), strona);
  panelKopiiZdalnej = nazwany(new QWidget(ramka), "panelKopiiZdalnej");
  Edit5 = nazwany(new QLineEdit(panelKopiiZdalnej), "Edit5");
  Edit6 = nazwany(new QLineEdit(panelKopiiZdalnej), "Edit6");
  auto* up = new QVBoxLayout(panelKopiiZdalnej);
  up->setContentsMargins(0, 0, 0, 0);
  up->addWidget(new QLabel(QStringLiteral("Zdalny katalog plików backupu:"), panelKopiiZdalnej));
  up->addWidget(Edit5);
  up->addWidget(new QLabel(QStringLiteral("Nazwa pliku backupu na zdalnym komputerze:"), panelKopiiZdalnej));
  up->addWidget(Edit6);

  btnBackup = nazwany(new QPushButton(QStringLiteral("Wykonaj kopię bazy danych"), ramka), "btnBackup");
  btnRestore = nazwany(new QPushButton(QStringLiteral("Odtwórz bazę danych z kopii"), ramka), "btnRestore");
  btnRestore->setToolTip(
      QStringLiteral("Odtworzene bazy danych wymaga odłączenia wszystkich użytkowników od bazy danych"));
  btnRestore->setMouseTracking(true);
  btnRestore->installEventFilter(this);
  lblOstrzezenie = nazwany(
      new QLabel(QStringLiteral("Przed wykonaniem operacji zamknij i ponownie otworz to okno."), ramka),
      "lblOstrzezenie");
  lblOstrzezenie->setAlignment(Qt::AlignCenter);
  lblOstrzezenie->setStyleSheet(QStringLiteral("color: red"));
  memoPostep = nazwany(new QPlainTextEdit(ramka), "memoPostep");
  memoPostep->setReadOnly(true);
  memoPostep->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont courier(QStringLiteral("Courier New"));
  courier.setStyleHint(QFont::Monospace);
  courier.setPointSize(8);
  memoPostep->setFont(courier);
  memoPostep->setStyleSheet(QStringLiteral("QPlainTextEdit { color: gray; }"));

  auto* przyciski = new QHBoxLayout;
  przyciski->addWidget(btnBackup);
  przyciski->addWidget(btnRestore);
  auto* u = new QVBoxLayout(ramka);
  u->addWidget(panelKopiiZdalnej);
  u->addLayout(przyciski);
  u->addWidget(lblOstrzezenie);
  u->addWidget(memoPostep, 1);
  (new QVBoxLayout(strona))->addWidget(ramka);

  connect(btnBackup, &QPushButton::clicked, this, &TForm_BazaDanych::WykonajBackup);
  connect(btnRestore, &QPushButton::clicked, this, &TForm_BazaDanych::WykonajRestore);
  return strona;
}

void TForm_BazaDanych::Przygotuj(StanProgramu& stan, const QString& biezacaBaza) {
  stan_ = &stan;
  biezacaBaza_ = biezacaBaza;
}

TForm_BazaDanych::Skrypt TForm_BazaDanych::UstawSkrypt(Skrypt s) {
  Skrypt poprzedni = std::move(skrypt());
  skrypt() = std::move(s);
  return poprzedni;
}

bool TForm_BazaDanych::PokazModalnie() {
  if (skrypt()) {
    show();
    skrypt()(*this);
    hide();
  } else {
    exec();
  }
  return cbxPokazPonownieOkno->isChecked();
}

void TForm_BazaDanych::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  FormShow();
}

void TForm_BazaDanych::FormShow() {
  if (!stan_) throw std::logic_error("TForm_BazaDanych shown without the program state");
  Edit1->setText(stan_->Host);
  Edit2->setText(stan_->Dir);
  (stan_->Host.isEmpty() ? rbBazaLokalna : rbBazaZdalna)->setChecked(true);
  ListaStron->setCurrentRow(0);
  Strony->setCurrentIndex(0);
  NiezapisanaLokalizacja = false;
  ZmianaLokalizacji = false;
  Edit3->clear();
  Edit4->clear();
  Edit5->setText(stan_->RemoteBackupDir);
  Edit6->setText(BazaDanychReguly::ProponowanaNazwaKopii(QDate::currentDate()));
  memoPostep->clear();
  StanOkna();
}

QString TForm_BazaDanych::PlikParametrow() const { return stan_->KatalogDanych + QStringLiteral("params.db"); }

void TForm_BazaDanych::StanOkna() {
  if (!stan_) return;
  const bool zdalna = rbBazaZdalna->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{lblHost, Edit1, lblHostOpis, lblKatalog, Edit2, lblKatalogOpis})
    w->setEnabled(zdalna);
  btnZapiszWyborDB->setEnabled(NiezapisanaLokalizacja);
  btnZapiszNoweParametry->setEnabled(!Edit3->text().isEmpty() && !Edit4->text().isEmpty());
  btnPrzywrocParametryDomyslne->setEnabled(QFile::exists(PlikParametrow()));
  panelKopiiZdalnej->setVisible(zdalna);
  btnBackup->setEnabled(!ZmianaLokalizacji && !trwa_);
  btnRestore->setEnabled(!ZmianaLokalizacji && !trwa_);
  lblOstrzezenie->setVisible(ZmianaLokalizacji);
}

void TForm_BazaDanych::ZmianaWyboru() {
  NiezapisanaLokalizacja = true;
  ZmianaLokalizacji = true;
  StanOkna();
}

void TForm_BazaDanych::btnZapiszWyborDBClick() {
  if (rbBazaLokalna->isChecked()) {
    stan_->Host.clear();
    stan_->Dir.clear();
  } else {
    stan_->Host = Edit1->text();
    stan_->Dir = Edit2->text();
  }
  NiezapisanaLokalizacja = false;
  StanOkna();
}

void TForm_BazaDanych::btnZapiszNoweParametryClick() {
  if (!komunikaty().pytanie(QStringLiteral("Zmiana parametrów połączenia"),
                            QStringLiteral("Na pewno zmienić parametry połączenia? \n\n")))
    return;
  if (!ZapiszPlikMaskowany(PlikParametrow(), TekstParametrowPolaczenia(Edit3->text(), Edit4->text())))
    throw std::runtime_error(QStringLiteral("Nie można zapisać pliku %1").arg(PlikParametrow()).toStdString());
  Edit3->clear();
  Edit4->clear();
  StanOkna();
}

void TForm_BazaDanych::btnPrzywrocParametryDomyslneClick() {
  QFile plik(PlikParametrow());
  if (plik.exists()) {
    if (plik.remove()) {
      Edit3->clear();
      Edit4->clear();
    } else {
      komunikaty().informacja(BazaDanychReguly::TekstBleduUsuwaniaParametrow(plik.errorString()));
    }
  }
  QCoreApplication::processEvents();
  StanOkna();
}

bool TForm_BazaDanych::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  // The restore hint shows at once, not after the usual delay.
  if (obiekt == btnRestore && (zdarzenie->type() == QEvent::Enter || zdarzenie->type() == QEvent::MouseMove))
    QToolTip::showText(QCursor::pos(), btnRestore->toolTip(), btnRestore);
  return QDialog::eventFilter(obiekt, zdarzenie);
}

void TForm_BazaDanych::closeEvent(QCloseEvent* e) {
  if (trwa_) e->ignore();
  else QDialog::closeEvent(e);
}

void TForm_BazaDanych::reject() {
  if (!trwa_) QDialog::reject();
}
