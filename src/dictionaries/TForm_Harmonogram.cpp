#include "dictionaries/TForm_Harmonogram.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "dictionaries/HarmonogramDane.h"
#include "dictionaries/HarmonogramGeometria.h"
#include "dictionaries/HarmonogramWidok.h"
#include "schedule/FiltrSkanera.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

using namespace HarmonogramGeometria;

namespace {
constexpr int SzerokoscOkna = 796;
constexpr int WysokoscOkna = 262;
constexpr int WysokoscPaska = 29;
}  // namespace

TForm_Harmonogram::TForm_Harmonogram(Connection& polaczenie, const QStringList& listaLekarzy, QWidget* parent)
    : QDialog(parent), polaczenie_(polaczenie), listaLekarzy_(listaLekarzy) {
  setObjectName(QStringLiteral("Form_Harmonogram"));
  setWindowTitle(QStringLiteral("Harmonogram pracy lekarzy"));
  setFixedSize(SzerokoscOkna, WysokoscOkna);
  // The day names must fit their 74-pixel column.
  QFont czcionka(QStringLiteral("MS Sans Serif"));
  czcionka.setPointSize(8);
  setFont(czcionka);

  sqlLekarze = new Dataset(polaczenie, this);
  sqlLekarze->setObjectName(QStringLiteral("sqlLekarze"));
  HarmonogramDane::przygotujLekarzy(*sqlLekarze);
  sqlHarmonogram = new Dataset(polaczenie, this);
  sqlHarmonogram->setObjectName(QStringLiteral("sqlHarmonogram"));
  HarmonogramDane::przygotujZakresy(*sqlHarmonogram);

  auto* pasek = new QWidget(this);
  pasek->setGeometry(0, 0, SzerokoscOkna, WysokoscPaska);
  auto* uklad = new QHBoxLayout(pasek);
  uklad->setContentsMargins(2, 2, 2, 2);
  uklad->addWidget(new QLabel(QStringLiteral(" Lekarz: "), pasek));
  ComboBox1 = new QComboBox(pasek);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setEditable(false);
  ComboBox1->setMinimumWidth(300);
  uklad->addWidget(ComboBox1);
  auto* panelInterwalu = new QWidget(pasek);
  auto* ukladInterwalu = new QHBoxLayout(panelInterwalu);
  ukladInterwalu->setContentsMargins(8, 0, 0, 0);
  ukladInterwalu->addWidget(new QLabel(QStringLiteral(" Wizyty co"), panelInterwalu));
  UpDown1 = new QSpinBox(panelInterwalu);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(5, 60);
  UpDown1->setSingleStep(1);
  UpDown1->findChild<QLineEdit*>()->setReadOnly(true);  // the value changes by the arrows only
  UpDown1->setStyleSheet(QStringLiteral("QSpinBox { background-color: #EEEEEE; }"));
  ukladInterwalu->addWidget(UpDown1);
  ukladInterwalu->addWidget(new QLabel(QStringLiteral("minut"), panelInterwalu));
  uklad->addWidget(panelInterwalu);
  uklad->addStretch();

  SG1 = new SiatkaHarmonogramu(this);
  SG1->setObjectName(QStringLiteral("SG1"));
  SG1->setGeometry(0, WysokoscPaska, SzerokoscOkna, 8 * SkokWiersza);
  SG1->mysz = {[this](QMouseEvent& e) { SG1MouseDown(e); }, [this](QMouseEvent& e) { SG1MouseMove(e); },
               [this](QMouseEvent& e) { SG1MouseUp(e); }};

  Panel00 = new PoleZakresu(0, 0, 0, SG1);
  Panel00->setObjectName(QStringLiteral("Panel00"));
  Panel00->UstawKolor(KoloryHarmonogramu::Rysowany);
  // The grid keeps the mouse while drawing; the box only shows the range.
  Panel00->setAttribute(Qt::WA_TransparentForMouseEvents);
  Panel00->hide();

  popmenuPanelX = new QMenu(this);
  popmenuPanelX->setObjectName(QStringLiteral("popmenuPanelX"));
  pmPanelX_Usun = popmenuPanelX->addAction(QStringLiteral("Usuń"));
  pmPanelX_Usun->setObjectName(QStringLiteral("pmPanelX_Usun"));
  connect(pmPanelX_Usun, &QAction::triggered, this, &TForm_Harmonogram::pmPanelX_UsunClick);

  btnZamknij = new QPushButton(QStringLiteral("Zamknij"), this);
  btnZamknij->setObjectName(QStringLiteral("btnZamknij"));
  btnZamknij->setAutoDefault(false);
  btnZamknij->setGeometry(SzerokoscOkna - 88, WysokoscOkna - 29, 80, 25);
  connect(btnZamknij, &QPushButton::clicked, this, &QDialog::reject);

  connect(ComboBox1, &QComboBox::activated, this, [this] { ComboBox1Change(); });
  connect(UpDown1, &QSpinBox::valueChanged, this, [this](int v) {
    if (v >= 5 && v <= 60) Interwal = v;
  });

  filtrSkanera().dolacz(this);
}

void TForm_Harmonogram::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;  // a restore from minimised is not a new opening
  {
    // The up-down offers 5..60; an interval outside stays as it was given.
    const QSignalBlocker blokada(UpDown1);
    UpDown1->setValue(Interwal);
  }
  WybranyPanel = 0;
  przeciaganie_ = false;
  Panel00->hide();
  WypelnijLekarzy();
  Zaladuj();
}

void TForm_Harmonogram::done(int wynik) {
  przeciaganie_ = false;
  Panel00->hide();
  sqlHarmonogram->close();
  QDialog::done(wynik);
}

void TForm_Harmonogram::WypelnijLekarzy() {
  const QSignalBlocker blokada(ComboBox1);
  ComboBox1->clear();
  sqlLekarze->close();
  sqlLekarze->open();
  int biezacy = -1;
  for (int i = 0; i < sqlLekarze->count(); ++i) {
    sqlLekarze->moveTo(i);
    const int id = sqlLekarze->intValue(QStringLiteral("ID"));
    ComboBox1->addItem(HarmonogramDane::PozycjaLekarza(*sqlLekarze), id);
    if (id == LekarzId) biezacy = i;
  }
  sqlLekarze->close();
  ComboBox1->setCurrentIndex(biezacy);
}

int TForm_Harmonogram::WybranaPozycja() const { return ComboBox1->currentIndex(); }

void TForm_Harmonogram::ComboBox1Change() {
  WybranyPanel = 0;
  const int i = ComboBox1->currentIndex();
  if (i < 0) return;
  // Both lists hold the doctors in use in the same order; should the main
  // window's list be out of step, the entry's own doctor is taken.
  bool ok = false;
  const int id = i < listaLekarzy_.size() ? listaLekarzy_[i].section(u'=', 0, 0).toInt(&ok) : 0;
  LekarzId = ok ? id : ComboBox1->itemData(i).toInt();
  Zaladuj();
}

void TForm_Harmonogram::Zaladuj() {
  HarmonogramDane::OtworzZakresy(*sqlHarmonogram, LekarzId);
  UtworzPanele();
}
