#include "exports/OknoEksportu.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "common/PlikIni.h"
#include "exports/DialogZapisu.h"
#include "exports/ModelPodgladu.h"
#include "exports/PlikCSV.h"
#include "exports/RysowanieSiatek.h"
#include "exports/TForm_Kolumny.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Klepsydra.h"
#include "ui/Komunikaty.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

const QString OknoEksportu::FiltrPlikow = QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*.*)");

static constexpr int DomyslnaSzerokoscKolumny = 128;
static constexpr int WysokoscWiersza = 18;

OknoEksportu::OknoEksportu(const Opis& opis, QWidget* rodzic) : QDialog(rodzic), opis_(opis) {
  setWindowTitle(QString::fromUtf8(opis.tytul));
  resize(opis.szerokosc, opis.wysokosc);

  auto* pasek = new QToolBar(this);
  pasek->setObjectName(QStringLiteral("ToolBar1"));
  pasek->setToolButtonStyle(Qt::ToolButtonTextOnly);
  pasek->addWidget(new QLabel(QStringLiteral(" Rok:"), pasek));
  UpDown1 = new QSpinBox(pasek);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setRange(RokEksportuOd, RokEksportuDo);
  UpDown1->setWrapping(false);
  // The year is changed by the arrows only; the box itself is read-only and grey.
  if (auto* pole = UpDown1->findChild<QLineEdit*>()) pole->setReadOnly(true);
  UpDown1->setStyleSheet(QStringLiteral("QSpinBox { background-color: #EEEEEE; }"));
  pasek->addWidget(UpDown1);
  pasek->addWidget(new QLabel(QStringLiteral(" Miesiąc: "), pasek));
  ComboBox1 = new QComboBox(pasek);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->addItems({"Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec", "Lipiec", "Sierpień",
                       "Wrzesień", "Październik", "Listopad", "Grudzień"});
  ComboBox1->setMaxVisibleItems(12);
  pasek->addWidget(ComboBox1);
  pasek->addSeparator();

  aKolumny = new QAction(QStringLiteral("Kolumny"), this);
  aKolumny->setObjectName(QStringLiteral("aKolumny"));
  aKolumny->setToolTip(QStringLiteral("Edycja kolumn"));
  aKolumny->setStatusTip(QStringLiteral("Edycja kolumn"));
  aZapisz = new QAction(QStringLiteral("Zapisz"), this);
  aZapisz->setObjectName(QStringLiteral("aZapisz"));
  aZapisz->setToolTip(QStringLiteral("Zapisz do pliku CSV"));
  aZapisz->setStatusTip(QStringLiteral("Zapisz do pliku CSV"));
  aZapisz->setEnabled(false);
  pasek->addAction(aKolumny);
  pasek->addAction(aZapisz);

  model_ = new ModelPodgladu(this);
  SG1 = new QTableView(this);
  SG1->setObjectName(QStringLiteral("SG1"));
  SG1->setHorizontalHeader(new NaglowekSiatki(SG1, 2, WysokoscWiersza));
  SG1->setModel(model_);
  SG1->setItemDelegate(new KomorkiSiatki(SG1, false));
  SG1->setShowGrid(false);
  SG1->setSelectionMode(QAbstractItemView::NoSelection);
  SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  SG1->setWordWrap(false);
  SG1->verticalHeader()->hide();
  SG1->verticalHeader()->setMinimumSectionSize(1);
  SG1->verticalHeader()->setDefaultSectionSize(WysokoscWiersza);
  SG1->horizontalHeader()->setDefaultSectionSize(DomyslnaSzerokoscKolumny);
  SG1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  SG1->horizontalHeader()->setStretchLastSection(false);

  btnZamknij = new QPushButton(QStringLiteral("Zamknij"), this);
  btnZamknij->setObjectName(QStringLiteral("btnZamknij"));
  btnZamknij->setAutoDefault(false);
  auto* dol = new QHBoxLayout;
  dol->addStretch();
  dol->addWidget(btnZamknij);

  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 4);
  l->setSpacing(2);
  l->addWidget(pasek);
  l->addWidget(SG1, 1);
  l->addLayout(dol);

  connect(btnZamknij, &QPushButton::clicked, this, &QDialog::reject);
  connect(aKolumny, &QAction::triggered, this, [this] { aKolumnyExecute(); });
  connect(aZapisz, &QAction::triggered, this, [this] { aZapiszExecute(); });
  connect(UpDown1, &QSpinBox::valueChanged, this, [this] { WypelnijPodglad(); });
  connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] { WypelnijPodglad(); });

  filtrSkanera().dolacz(this);
}

int OknoEksportu::Rok() const { return UpDown1->value(); }
int OknoEksportu::Miesiac() const { return ComboBox1->currentIndex() + 1; }
const QList<QStringList>& OknoEksportu::Wiersze() const { return model_->wiersze(); }

QString OknoEksportu::SciezkaSzablonu() const {
  return Form1->Stan.KatalogDanych + QString::fromLatin1(opis_.plikSzablonu);
}

QString OknoEksportu::PlikUstawien() const { return Form1->Stan.KatalogDanych + QStringLiteral("orbe.ini"); }

void OknoEksportu::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous() && !otwarte_) {
    otwarte_ = true;
    FormShow();
  }
}

void OknoEksportu::done(int wynik) {
  if (otwarte_) {
    otwarte_ = false;
    FormClose();
  }
  QDialog::done(wynik);
}

void OknoEksportu::FormShow() {
  Klepsydra klepsydra;
  const QDate dzien = Form1->DateTimePicker1->date();
  {
    const QSignalBlocker b1(UpDown1), b2(ComboBox1);
    UpDown1->setValue(dzien.year());
    ComboBox1->setCurrentIndex(dzien.month() - 1);
  }
  WczytajKolumnyEksportu();

  const PlikIni ini(PlikUstawien());
  const QString sekcja = QString::fromLatin1(opis_.sekcjaUstawien);
  resize(ini.czytajLiczbe(sekcja, QStringLiteral("Width"), width()),
         ini.czytajLiczbe(sekcja, QStringLiteral("Height"), height()));
  QList<int> szerokosci;
  for (qsizetype i = 0; i < szablon_.size(); ++i)
    szerokosci.append(ini.czytajLiczbe(sekcja, QStringLiteral("c%1").arg(i), DomyslnaSzerokoscKolumny));
  model_->ustaw(NaglowkiSzablonu(szablon_), {});
  UstawKolumny(szerokosci);

  WypelnijPodglad();
  SG1->setFocus();
}

void OknoEksportu::FormClose() {
  Klepsydra klepsydra;
  PlikIni ini(PlikUstawien());
  const QString sekcja = QString::fromLatin1(opis_.sekcjaUstawien);
  ini.zapiszLiczbe(sekcja, QStringLiteral("Width"), width());
  ini.zapiszLiczbe(sekcja, QStringLiteral("Height"), height());
  const QList<int> szerokosci = SzerokosciKolumn();
  for (qsizetype i = 0; i < szerokosci.size(); ++i)
    ini.zapiszLiczbe(sekcja, QStringLiteral("c%1").arg(i), szerokosci.at(i));
  // Only window sizes are lost when the data folder cannot be written.
  (void)ini.zapisz();
  model_->ustaw({}, {});
  szablon_.clear();
  kolumnyZapytania_.clear();
}

void OknoEksportu::WczytajKolumnyEksportu() {
  const QString sciezka = SciezkaSzablonu();
  if (!QFile::exists(sciezka)) {
    // The preview then has no columns at all.
    szablon_.clear();
    komunikaty().sygnal();
    komunikaty().informacja(QStringLiteral("Brak pliku definicji kolumn:\n") + sciezka);
    return;
  }
  szablon_ = CzytajSzablonKolumn(sciezka);
}

QList<int> OknoEksportu::SzerokosciKolumn() const {
  QList<int> szerokosci;
  for (int i = 0; i < model_->columnCount(); ++i) szerokosci.append(SG1->columnWidth(i));
  return szerokosci;
}

void OknoEksportu::UstawKolumny(const QList<int>& szerokosci) {
  for (int i = 0; i < model_->columnCount(); ++i)
    SG1->setColumnWidth(i, szerokosci.value(i, DomyslnaSzerokoscKolumny));
}

void OknoEksportu::WypelnijPodglad() {
  Klepsydra klepsydra;
  // A reset gives every column the default width: keep what the user set.
  const QList<int> szerokosci = SzerokosciKolumn();
  const PodgladEksportu podglad = opis_.podglad(Form1->Polaczenie(), Rok(), Miesiac(), szablon_);
  kolumnyZapytania_ = podglad.kolumnyZapytania;
  aZapisz->setEnabled(podglad.iloscRekordow > 0);
  model_->ustaw(NaglowkiSzablonu(szablon_), podglad.wiersze);
  UstawKolumny(szerokosci);
}

void OknoEksportu::aKolumnyExecute() {
  Form_Kolumny->NumerListy = opis_.numerListyPol;
  Form_Kolumny->NazwaEksportu = QString::fromLatin1(opis_.nazwaEksportu);
  Form_Kolumny->SciezkaSzablonu = SciezkaSzablonu();
  Form_Kolumny->exec();
  // OK has written the file; after Anuluj it is simply read again.
  Klepsydra klepsydra;
  WczytajKolumnyEksportu();
  WypelnijPodglad();
}

void OknoEksportu::aZapiszExecute() {
  const StanProgramu& stan = Form1->Stan;
  const QString katalog =
      !stan.eksport_dir.isEmpty() && QDir(stan.eksport_dir).exists() ? stan.eksport_dir : stan.KatalogDokumentow;
  const QString plik = wyborPlikuZapisu()(this, katalog, ProponowanaNazwaPliku(), FiltrPlikow);
  if (plik.isEmpty()) return;
  Klepsydra klepsydra;
  Form1->Stan.eksport_dir = QFileInfo(plik).absolutePath() + u'/';
  ZapiszEksportCSV(plik, szablon_, model_->wiersze());
}
