// The patient editor's controls and their layout, top to bottom.
#include "patients/TForm_Pacjenci_Edycja.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

void TForm_Pacjenci_Edycja::UtworzUklad() {
  QFont pogrubiona = font();
  pogrubiona.setBold(true);
  auto pole = [&](const char* nazwa, int dlugosc, int szerokosc) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setFont(pogrubiona);
    if (dlugosc > 0) e->setMaxLength(dlugosc);  // the column's length: longer text would fail the post
    e->setFixedWidth(szerokosc);
    return e;
  };
  auto przycisk = [&](const char* nazwa, const QString& podpis) {
    auto* b = new QPushButton(podpis, this);
    b->setObjectName(QString::fromLatin1(nazwa));
    b->setAutoDefault(false);
    return b;
  };
  auto wybor = [&](const char* nazwa) {
    QPushButton* b = przycisk(nazwa, QStringLiteral("..."));
    b->setFocusPolicy(Qt::NoFocus);  // not a tab stop
    b->setFixedWidth(28);
    return b;
  };
  auto rozwijana = [&](const char* nazwa, bool edycja) {
    auto* c = new QComboBox(this);
    c->setObjectName(QString::fromLatin1(nazwa));
    c->setFont(pogrubiona);
    c->setEditable(edycja);
    c->setMaxVisibleItems(16);
    c->setFixedWidth(240);
    if (edycja) {
      c->setInsertPolicy(QComboBox::NoInsert);  // the list grows only through the question
      c->lineEdit()->setMaxLength(32);
    }
    return c;
  };

  lblID = new QLabel(this);
  lblID->setObjectName(QStringLiteral("lblID"));
  lblID->setFont(pogrubiona);
  edNazwisko = pole("edNazwisko", 64, 320);
  edImie = pole("edImie", 32, 200);
  edPESEL = pole("edPESEL", 11, 120);
  edDataUr = pole("edDataUr", 0, 100);
  edDataUr->setReadOnly(true);
  btnDataUr = wybor("btnDataUr");
  edUlica = pole("edUlica", 32, 240);
  edNrDomu = pole("edNrDomu", 8, 60);
  edNrLokal = pole("edNrLokal", 8, 60);
  edKodP = pole("edKodP", 0, 70);
  edKodP->setInputMask(QStringLiteral("99-999;."));
  edPoczta = pole("edPoczta", 32, 240);
  cbGmina = rozwijana("cbGmina", true);
  cbPowiat = rozwijana("cbPowiat", true);
  cbWojewodztwo = rozwijana("cbWojewodztwo", true);
  rbKobieta = new QRadioButton(QStringLiteral("Kobieta"), this);
  rbKobieta->setObjectName(QStringLiteral("rbKobieta"));
  rbMezczyzna = new QRadioButton(QStringLiteral("Mężczyzna"), this);
  rbMezczyzna->setObjectName(QStringLiteral("rbMezczyzna"));
  for (QRadioButton* r : {rbKobieta, rbMezczyzna}) r->setFont(pogrubiona);
  grupaPlci_ = new QButtonGroup(this);
  grupaPlci_->addButton(rbKobieta, 0);
  grupaPlci_->addButton(rbMezczyzna, 1);
  cbLekarz = rozwijana("cbLekarz", false);
  btnWyborLekarza = wybor("btnWyborLekarza");
  edDtDeklarLek = pole("edDtDeklarLek", 0, 100);
  edDtDeklarLek->setReadOnly(true);
  btnDtDeklarLek = wybor("btnDtDeklarLek");
  edDtDeklarPiel = pole("edDtDeklarPiel", 0, 100);
  edDtDeklarPiel->setReadOnly(true);
  btnDtDeklarPiel = wybor("btnDtDeklarPiel");
  btnOK = przycisk("btnOK", QStringLiteral("OK"));
  btnOK->setDefault(true);
  btnAnuluj = przycisk("btnAnuluj", QStringLiteral("Anuluj"));

  auto* siatka = new QGridLayout;
  int w = 0;
  auto wiersz = [&](const QString& podpis, std::initializer_list<QWidget*> kontrolki) {
    siatka->addWidget(new QLabel(podpis, this), w, 0);
    auto* rzad = new QHBoxLayout;
    for (QWidget* k : kontrolki) rzad->addWidget(k);
    rzad->addStretch(1);
    siatka->addLayout(rzad, w++, 1);
  };
  wiersz(QStringLiteral("ID:"), {lblID});
  wiersz(QStringLiteral("Nazwisko:"), {edNazwisko});
  wiersz(QStringLiteral("Imię:"), {edImie});
  wiersz(QStringLiteral("PESEL:"), {edPESEL});
  wiersz(QStringLiteral("Data urodzenia:"), {edDataUr, btnDataUr});
  wiersz(QStringLiteral("Adres:"), {edUlica, edNrDomu, new QLabel(QStringLiteral("/"), this), edNrLokal});
  wiersz(QStringLiteral("Kod, Poczta:"), {edKodP, edPoczta});
  wiersz(QStringLiteral("Gmina:"), {cbGmina});
  wiersz(QStringLiteral("Powiat:"), {cbPowiat});
  wiersz(QStringLiteral("Województwo:"), {cbWojewodztwo});
  wiersz(QStringLiteral("Płeć:"), {rbKobieta, rbMezczyzna});
  wiersz(QStringLiteral("Lekarz:"), {cbLekarz, btnWyborLekarza});
  wiersz(QStringLiteral("Data deklaracji lekarskiej:"), {edDtDeklarLek, btnDtDeklarLek});
  wiersz(QStringLiteral("Data deklaracji pielęgniarskiej:"), {edDtDeklarPiel, btnDtDeklarPiel});
  rbMezczyzna->setMinimumWidth(120);
  rbKobieta->setMinimumWidth(120);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(siatka);
  uklad->addSpacing(8);
  uklad->addLayout(przyciski);
  uklad->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size dialog
}
