#include "app/TForm_Opcje.h"

#include "app/OpcjeReguly.h"
#include "app/PlikLogowania.h"
#include "common/Win1250.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <stdexcept>

static const QString kBrak = QStringLiteral("---");

TForm_Opcje::TForm_Opcje(StanProgramu& stan, QWidget* parent) : QDialog(parent), stan_(stan) {
  setObjectName(QStringLiteral("Form_Opcje"));
  setWindowTitle(QStringLiteral("Opcje"));
  setModal(true);
  resize(640, 430);
  ZrodloDrukarek = [] { return QPrinterInfo::availablePrinterNames(); };

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->addItems({QStringLiteral("Wizyty"), QStringLiteral("Podział administracyjny"),
                      QStringLiteral("Baza programu 'Tessor'"), QStringLiteral("Drukowanie"),
                      QStringLiteral("Logowanie do programu")});
  ListBox1->setFixedWidth(170);
  // The pages have no tabs: the list chooses them.
  PageControl1 = new QStackedWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  connect(ListBox1, &QListWidget::currentRowChanged, PageControl1, [this](int wiersz) {
    if (wiersz >= 0) PageControl1->setCurrentIndex(wiersz);
  });

  UtworzStronyWizytIList();
  UtworzStronyTessorIDrukowania();
  UtworzStroneLogowania();

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TForm_Opcje::btnOKClick);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  auto* srodek = new QHBoxLayout;
  srodek->addWidget(ListBox1);
  srodek->addWidget(PageControl1, 1);
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(srodek, 1);
  uklad->addLayout(przyciski);

  filtrSkanera().dolacz(this);
}

QWidget* TForm_Opcje::Strona(const QString& nazwa) {
  auto* strona = new QWidget(PageControl1);
  auto* uklad = new QVBoxLayout(strona);
  uklad->setContentsMargins(0, 0, 0, 0);
  auto* pasek = new QLabel(QStringLiteral("  ") + nazwa, strona);
  pasek->setAutoFillBackground(true);
  QPalette p = pasek->palette();
  p.setColor(QPalette::Window, QColor(0x80, 0x00, 0x00));
  p.setColor(QPalette::WindowText, Qt::white);
  pasek->setPalette(p);
  QFont f = pasek->font();
  f.setBold(true);
  pasek->setFont(f);
  pasek->setFixedHeight(26);
  uklad->addWidget(pasek);
  PageControl1->addWidget(strona);
  return strona;
}

void TForm_Opcje::UtworzStronyWizytIList() {
  QWidget* wizyty = Strona(QStringLiteral("Wizyty"));
  auto* grafik = new QGroupBox(QStringLiteral("Grafik wizyt:"), wizyty);
  auto* g = new QHBoxLayout(grafik);
  g->addWidget(new QLabel(QStringLiteral("Domyślnie co minut:"), grafik));
  UpDown1 = new QSpinBox(grafik);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(1, 60);
  UpDown1->setFixedWidth(70);
  // Only the arrows change the interval; the box itself takes no typing.
  if (auto* pole = UpDown1->findChild<QLineEdit*>()) pole->setReadOnly(true);
  QPalette szare = UpDown1->palette();
  szare.setColor(QPalette::Base, QColor(0xEE, 0xEE, 0xEE));
  UpDown1->setPalette(szare);
  connect(UpDown1, &QSpinBox::valueChanged, this, &TForm_Opcje::ZmianyNaTRUE);
  g->addWidget(UpDown1);
  g->addStretch();
  wizyty->layout()->addWidget(grafik);
  static_cast<QVBoxLayout*>(wizyty->layout())->addStretch();

  QWidget* listy = Strona(QStringLiteral("Podział administracyjny"));
  PageControl2 = new QTabWidget(listy);
  PageControl2->setObjectName(QStringLiteral("PageControl2"));
  auto lista = [this](const char* nazwa, const char* podpis) {
    auto* pole = new QPlainTextEdit(PageControl2);
    pole->setObjectName(QString::fromLatin1(nazwa));
    pole->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(pole, &QPlainTextEdit::textChanged, this, &TForm_Opcje::ZmianyNaTRUE);
    PageControl2->addTab(pole, QString::fromUtf8(podpis));
    return pole;
  };
  MemoGminy = lista("MemoGminy", "Gminy");
  MemoPowiaty = lista("MemoPowiaty", "Powiaty");
  MemoWojewodztwa = lista("MemoWojewodztwa", "Województwa");
  listy->layout()->addWidget(PageControl2);
}

void TForm_Opcje::UtworzStronyTessorIDrukowania() {
  QWidget* tessor = Strona(QStringLiteral("Baza programu 'Tessor'"));
  auto* t = new QGridLayout;
  t->setContentsMargins(12, 12, 12, 12);
  t->addWidget(new QLabel(QStringLiteral("Baza danych programu 'Tessor':"), tessor), 0, 0, 1, 2);
  Edit1 = new QLineEdit(tessor);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  connect(Edit1, &QLineEdit::textChanged, this, &TForm_Opcje::ZmianyNaTRUE);
  t->addWidget(Edit1, 1, 0);
  btnWyborDBTessor = new QPushButton(QStringLiteral("..."), tessor);
  btnWyborDBTessor->setObjectName(QStringLiteral("btnWyborDBTessor"));
  btnWyborDBTessor->setAutoDefault(false);
  btnWyborDBTessor->setFixedWidth(30);
  connect(btnWyborDBTessor, &QPushButton::clicked, this, &TForm_Opcje::btnWyborDBTessorClick);
  t->addWidget(btnWyborDBTessor, 1, 1);
  t->addWidget(new QLabel(QStringLiteral("Datę deklaracji (z Tessor) traktuj jako datę:"), tessor), 2, 0, 1, 2);
  ComboBox1 = new QComboBox(tessor);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({QStringLiteral("Deklaracji lekarskiej"), QStringLiteral("Deklaracji pielęgniarskiej")});
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TForm_Opcje::ZmianyNaTRUE);
  t->addWidget(ComboBox1, 3, 0);
  t->setRowStretch(4, 1);
  static_cast<QVBoxLayout*>(tessor->layout())->addLayout(t, 1);

  QWidget* druk = Strona(QStringLiteral("Drukowanie"));
  auto* d = new QGridLayout;
  d->setContentsMargins(12, 12, 12, 12);
  auto drukarka = [this, druk](const char* nazwa) {
    auto* box = new QComboBox(druk);
    box->setObjectName(QString::fromLatin1(nazwa));
    box->setMinimumWidth(260);
    connect(box, &QComboBox::currentIndexChanged, this, &TForm_Opcje::ZmianyNaTRUE);
    return box;
  };
  ComboBox2 = drukarka("ComboBox2");
  ComboBox3 = drukarka("ComboBox3");
  d->addWidget(new QLabel(QStringLiteral("Drukarka biletów:"), druk), 0, 0);
  d->addWidget(ComboBox2, 1, 0);
  d->addWidget(new QLabel(QStringLiteral("Drukarka kart plastikowych:"), druk), 2, 0);
  d->addWidget(ComboBox3, 3, 0);
  d->setColumnStretch(1, 1);
  d->setRowStretch(4, 1);
  static_cast<QVBoxLayout*>(druk->layout())->addLayout(d, 1);
}

void TForm_Opcje::UtworzStroneLogowania() {
  QWidget* strona = Strona(QStringLiteral("Logowanie do programu"));
  auto* uklad = static_cast<QVBoxLayout*>(strona->layout());
  auto* tresc = new QVBoxLayout;
  tresc->setContentsMargins(12, 12, 12, 12);

  // The minutes box stands in the gap of one sentence.
  auto* wylogowanie = new QHBoxLayout;
  wylogowanie->addWidget(new QLabel(QStringLiteral("Automatyczne wylogowanie po"), strona));
  UpDown2 = new QSpinBox(strona);
  UpDown2->setObjectName(QStringLiteral("UpDown2"));
  UpDown2->setRange(0, 30);
  UpDown2->setFixedWidth(60);
  connect(UpDown2, &QSpinBox::valueChanged, this, [this] { ZmianaLogowania = true; });
  wylogowanie->addWidget(UpDown2);
  wylogowanie->addWidget(new QLabel(QStringLiteral("min. bezczynności (0=bez wylogowania)"), strona));
  wylogowanie->addStretch();
  tresc->addLayout(wylogowanie);

  auto* stanLogowania = new QHBoxLayout;
  stanLogowania->addWidget(new QLabel(QStringLiteral("Aktualnie logowanie jest:"), strona));
  lblStanLogowania = new QLabel(strona);
  lblStanLogowania->setObjectName(QStringLiteral("lblStanLogowania"));
  QFont f = lblStanLogowania->font();
  f.setBold(true);
  lblStanLogowania->setFont(f);
  stanLogowania->addWidget(lblStanLogowania);
  stanLogowania->addStretch();
  tresc->addLayout(stanLogowania);

  auto* nowe = new QGroupBox(QStringLiteral("Ustaw nowe parametry logowania"), strona);
  auto* n = new QGridLayout(nowe);
  n->addWidget(new QLabel(QStringLiteral("Użytkownik:"), nowe), 0, 0);
  Edit3 = new QLineEdit(nowe);
  Edit3->setObjectName(QStringLiteral("Edit3"));
  n->addWidget(Edit3, 0, 1);
  n->addWidget(new QLabel(QStringLiteral("Hasło:"), nowe), 1, 0);
  Edit4 = new QLineEdit(nowe);  // shown in clear, so the new password can be checked
  Edit4->setObjectName(QStringLiteral("Edit4"));
  n->addWidget(Edit4, 1, 1);
  btnZapiszParametryLogowania = new QPushButton(QStringLiteral("  Zapisz"), nowe);
  btnZapiszParametryLogowania->setObjectName(QStringLiteral("btnZapiszParametryLogowania"));
  btnZapiszParametryLogowania->setToolTip(QStringLiteral("Zapisz nowe parametry logowania"));
  btnZapiszParametryLogowania->setStatusTip(QStringLiteral("Zapisz nowe parametry logowania"));
  btnZapiszParametryLogowania->setAutoDefault(false);
  n->addWidget(btnZapiszParametryLogowania, 1, 2);
  n->setColumnStretch(1, 1);
  connect(Edit3, &QLineEdit::textChanged, this, &TForm_Opcje::Edit_logow_OnChange);
  connect(Edit4, &QLineEdit::textChanged, this, &TForm_Opcje::Edit_logow_OnChange);
  connect(btnZapiszParametryLogowania, &QPushButton::clicked, this, &TForm_Opcje::btnZapiszParametryLogowaniaClick);
  tresc->addWidget(nowe);

  auto* wylacz = new QGroupBox(QStringLiteral("Wyłącz logowanie"), strona);
  auto* w = new QHBoxLayout(wylacz);
  btnWylaczLogowanie = new QPushButton(QStringLiteral("  Wyłącz"), wylacz);
  btnWylaczLogowanie->setObjectName(QStringLiteral("btnWylaczLogowanie"));
  btnWylaczLogowanie->setToolTip(QStringLiteral("Wyłącz logowanie"));
  btnWylaczLogowanie->setStatusTip(QStringLiteral("Wyłącz logowanie"));
  btnWylaczLogowanie->setAutoDefault(false);
  connect(btnWylaczLogowanie, &QPushButton::clicked, this, &TForm_Opcje::btnWylaczLogowanieClick);
  w->addWidget(btnWylaczLogowanie);
  w->addStretch();
  tresc->addWidget(wylacz);
  tresc->addStretch();
  uklad->addLayout(tresc, 1);
}

void TForm_Opcje::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  WypelnijDrukarki();
  PokazUstawienia();
  PageControl2->setCurrentIndex(0);
  ListBox1->setCurrentRow(0);
  PageControl1->setCurrentIndex(0);
  ZmianyOpcji = false;
  ZmianaLogowania = false;
  ListBox1->setFocus();
}

void TForm_Opcje::WypelnijDrukarki() {
  const QStringList pozycje = QStringList{kBrak} + ZrodloDrukarek();
  for (QComboBox* box : {ComboBox2, ComboBox3}) {
    box->clear();
    box->addItems(pozycje);
  }
}

void TForm_Opcje::PokazUstawienia() {
  UpDown1->setValue(stan_.grafik_co);
  const struct {
    QPlainTextEdit* pole;
    const char* plik;
  } listy[] = {{MemoGminy, "lista_gmin.txt"}, {MemoPowiaty, "lista_powiatow.txt"},
               {MemoWojewodztwa, "lista_wojewodztw.txt"}};
  for (const auto& l : listy) {
    // A missing file shows as an empty list.
    l.pole->setPlainText(OpcjeReguly::TekstListy(Win1250::czytajLinie(stan_.KatalogDanych + QString::fromLatin1(l.plik))));
    l.pole->document()->setModified(false);
  }
  for (const auto& l : listy) UporzadkujListe(l.pole);

  Edit1->setText(stan_.tessor_fdb);
  ComboBox1->setCurrentIndex(stan_.tessor_dtdekl >= 0 && stan_.tessor_dtdekl < ComboBox1->count() ? stan_.tessor_dtdekl
                                                                                                 : -1);
  QStringList pozycje;
  for (int i = 0; i < ComboBox2->count(); ++i) pozycje << ComboBox2->itemText(i);
  ComboBox2->setCurrentIndex(OpcjeReguly::IndeksDrukarki(pozycje, stan_.drukarka_biletow));
  ComboBox3->setCurrentIndex(OpcjeReguly::IndeksDrukarki(pozycje, stan_.drukarka_kart));

  UpDown2->setValue(stan_.logow_timeout);
  Edit3->clear();
  Edit4->clear();
  Edit_logow_OnChange();
  PokazStanLogowania();
}

void TForm_Opcje::PokazStanLogowania() {
  lblStanLogowania->setText(stan_.LogowanieWlaczone ? QStringLiteral("WŁĄCZONE") : QStringLiteral("WYŁĄCZONE"));
  btnWylaczLogowanie->setEnabled(stan_.LogowanieWlaczone);
}

void TForm_Opcje::UporzadkujListe(QPlainTextEdit* pole) {
  const QString uporzadkowany = OpcjeReguly::UporzadkujListe(pole->toPlainText());
  if (uporzadkowany == pole->toPlainText()) return;
  pole->setPlainText(uporzadkowany);
  pole->document()->setModified(true);
}

void TForm_Opcje::ZapiszListe(QPlainTextEdit* pole, const char* plik) {
  if (!pole->document()->isModified()) return;
  // A file that cannot be written is reported by the error display; the window stays open.
  Win1250::zapiszLinieLubBlad(stan_.KatalogDanych + QString::fromLatin1(plik),
                              OpcjeReguly::LinieListy(pole->toPlainText()));
  pole->document()->setModified(false);
}

void TForm_Opcje::ZapiszOpcje() {
  stan_.grafik_co = UpDown1->value();
  for (QPlainTextEdit* pole : {MemoGminy, MemoPowiaty, MemoWojewodztwa}) UporzadkujListe(pole);
  ZapiszListe(MemoGminy, "lista_gmin.txt");
  ZapiszListe(MemoPowiaty, "lista_powiatow.txt");
  ZapiszListe(MemoWojewodztwa, "lista_wojewodztw.txt");
  stan_.tessor_fdb = Edit1->text();
  // An unknown stored choice shows nothing selected; it is kept until one is chosen.
  if (ComboBox1->currentIndex() >= 0) stan_.tessor_dtdekl = ComboBox1->currentIndex();
  stan_.drukarka_biletow = ComboBox2->currentIndex() < 0 ? QString() : ComboBox2->currentText();
  stan_.drukarka_kart = ComboBox3->currentIndex() < 0 ? QString() : ComboBox3->currentText();
  stan_.logow_timeout = UpDown2->value();
}

void TForm_Opcje::btnOKClick() {
  ZapiszOpcje();
  ZmianyOpcji = false;
  accept();
}

void TForm_Opcje::done(int wynik) {
  // Every way of closing but OK: changed options are offered for saving.
  if (ZmianyOpcji && komunikaty().pytanie(QStringLiteral("Opcje"), QStringLiteral("Zapisać zmiany"))) ZapiszOpcje();
  QDialog::done(wynik);
}

void TForm_Opcje::ZmianyNaTRUE() { ZmianyOpcji = true; }

void TForm_Opcje::btnWyborDBTessorClick() {
  // Linux file names keep their case, so both spellings are offered.
  const QString plik = QFileDialog::getOpenFileName(
      this, QString(), QString(),
      QStringLiteral("Plik TESSOR.FDB (TESSOR.FDB tessor.fdb);;Pliki FBK (*.FBK *.fbk);;Wszystkie pliki (*)"));
  if (!plik.isEmpty()) Edit1->setText(plik);
}

void TForm_Opcje::Edit_logow_OnChange() {
  btnZapiszParametryLogowania->setEnabled(!Edit3->text().isEmpty() && !Edit4->text().isEmpty());
}

QString TForm_Opcje::PlikLogowania() const { return stan_.KatalogDanych + QStringLiteral("logow.db"); }

void TForm_Opcje::btnZapiszParametryLogowaniaClick() {
  if (!ZapiszPlikLogowania(PlikLogowania(), Edit3->text(), Edit4->text()))
    throw std::runtime_error(QStringLiteral("Nie można zapisać pliku %1").arg(PlikLogowania()).toStdString());
  Edit3->clear();
  Edit4->clear();
  ZmianaLogowania = true;
  stan_.LogowanieWlaczone = QFile::exists(PlikLogowania());
  stan_.Zalogowany = false;
  PokazStanLogowania();
}

void TForm_Opcje::btnWylaczLogowanieClick() {
  QFile::remove(PlikLogowania());
  Edit3->clear();
  Edit4->clear();
  ZmianaLogowania = true;
  stan_.LogowanieWlaczone = QFile::exists(PlikLogowania());
  PokazStanLogowania();
}
