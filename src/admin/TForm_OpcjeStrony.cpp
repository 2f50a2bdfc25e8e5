// The options window's pages: the list on the left chooses one of five,
// each under a maroon band with its name.
#include "admin/TForm_Opcje.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

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
