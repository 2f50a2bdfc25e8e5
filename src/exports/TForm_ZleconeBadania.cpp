#include "exports/TForm_ZleconeBadania.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "db/Dataset.h"
#include "exports/DialogZapisu.h"
#include "exports/PlikCSV.h"
#include "exports/ZleconeBadaniaDane.h"
#include "exports/ZleconeBadaniaReguly.h"
#include "reports/Raport.h"
#include "schedule/FiltrSkanera.h"
#include "ui/SiatkaListy.h"
#include <QCursor>  // before Klepsydra.h, which needs it
#include "ui/Klepsydra.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QToolBar>
#include <QVBoxLayout>

const QString TForm_ZleconeBadania::FiltrPlikow = QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*.*)");

namespace {

QDateEdit* wybierakDaty(QWidget* rodzic, const char* nazwa) {
  auto* d = new QDateEdit(rodzic);
  d->setObjectName(QLatin1String(nazwa));
  d->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
  d->setCalendarPopup(true);
  return d;
}

QAction* akcja(QWidget* okno, const char* nazwa, const QString& tytul, const QString& podpowiedz,
               const QKeySequence& klawisz) {
  auto* a = new QAction(tytul, okno);
  a->setObjectName(QLatin1String(nazwa));
  if (!podpowiedz.isEmpty()) {
    a->setToolTip(podpowiedz);
    a->setStatusTip(podpowiedz);
  }
  if (!klawisz.isEmpty()) {
    a->setShortcut(klawisz);
    a->setShortcutContext(Qt::WindowShortcut);
  }
  okno->addAction(a);
  return a;
}

}  // namespace

TForm_ZleconeBadania::TForm_ZleconeBadania(QWidget* rodzic) : QDialog(rodzic) {
  setObjectName(QStringLiteral("Form_ZleconeBadania"));
  setWindowTitle(QStringLiteral("Zlecone badania"));
  resize(761, 572);

  aGeneruj = akcja(this, "aGeneruj", QStringLiteral("Generuj"), QStringLiteral("Generuj wykaz ilościowy badań"), {});
  aZapisz = akcja(this, "aZapisz", QStringLiteral("Zapisz"), {}, QKeySequence(Qt::CTRL | Qt::Key_S));
  aDrukuj = akcja(this, "aDrukuj", QStringLiteral("Drukuj"), {}, QKeySequence(Qt::CTRL | Qt::Key_P));

  auto* pasek = new QToolBar(this);
  pasek->setObjectName(QStringLiteral("ToolBar1"));
  pasek->setToolButtonStyle(Qt::ToolButtonTextOnly);
  pasek->addWidget(new QLabel(QStringLiteral("  Od: "), pasek));
  DateTimePicker1 = wybierakDaty(pasek, "DateTimePicker1");
  pasek->addWidget(DateTimePicker1);
  pasek->addWidget(new QLabel(QStringLiteral("  Do: "), pasek));
  DateTimePicker2 = wybierakDaty(pasek, "DateTimePicker2");
  pasek->addWidget(DateTimePicker2);
  pasek->addSeparator();
  pasek->addActions({aGeneruj, aZapisz, aDrukuj});

  auto* ramka = new QFrame(this);
  ramka->setObjectName(QStringLiteral("Panel1"));
  ramka->setFrameShape(QFrame::Box);
  ramka->setFrameShadow(QFrame::Sunken);
  srodek_ = new QStackedLayout(ramka);
  Panel1 = new QLabel(QStringLiteral("Wybierz daty i kliknij 'Generuj'"), ramka);
  Panel1->setAlignment(Qt::AlignCenter);
  srodek_->addWidget(Panel1);

  wykaz_ = UtworzWykazBadan(Form1->Polaczenie());
  DBGrid1 = new SiatkaListy(ramka);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->ustaw(wykaz_.get(), {{QStringLiteral("_lp"), QStringLiteral("L.p."), Qt::AlignCenter},
                                {QStringLiteral("KOD"), QStringLiteral("Kod"), Qt::AlignCenter},
                                {QStringLiteral("NAZWA"), QStringLiteral("Nazwa")},
                                {QStringLiteral("ILOSC"), QStringLiteral("Ilość"), Qt::AlignCenter}});
  // Narrow number columns leave the name its 451 pixels without scrolling.
  DBGrid1->ustawSzerokosc(0, 50);
  DBGrid1->ustawSzerokosc(1, 128);
  DBGrid1->ustawSzerokosc(2, 451);
  DBGrid1->ustawSzerokosc(3, 80);
  srodek_->addWidget(DBGrid1);

  Label4 = new QLabel(this);
  Label4->setObjectName(QStringLiteral("Label4"));
  btnZamknij = new QPushButton(QStringLiteral("Zamknij"), this);
  btnZamknij->setObjectName(QStringLiteral("btnZamknij"));
  btnZamknij->setAutoDefault(false);
  auto* dol = new QHBoxLayout;
  dol->setContentsMargins(8, 0, 8, 0);
  dol->addWidget(Label4);
  dol->addStretch();
  dol->addWidget(btnZamknij);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 6);
  uklad->setSpacing(4);
  uklad->addWidget(pasek);
  uklad->addWidget(ramka, 1);
  uklad->addLayout(dol);

  connect(btnZamknij, &QPushButton::clicked, this, &QDialog::reject);
  connect(aGeneruj, &QAction::triggered, this, &TForm_ZleconeBadania::aGenerujExecute);
  connect(aZapisz, &QAction::triggered, this, &TForm_ZleconeBadania::aZapiszExecute);
  connect(aDrukuj, &QAction::triggered, this, &TForm_ZleconeBadania::aDrukujExecute);
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TForm_ZleconeBadania::ZmianaDaty);
  connect(DateTimePicker2, &QDateEdit::dateChanged, this, &TForm_ZleconeBadania::ZmianaDaty);

  filtrSkanera().dolacz(this);
  UstawAkcje();
}

TForm_ZleconeBadania::~TForm_ZleconeBadania() = default;

void TForm_ZleconeBadania::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous() && !otwarte_) {
    otwarte_ = true;
    FormShow();
  }
}

void TForm_ZleconeBadania::done(int wynik) {
  if (otwarte_) {
    otwarte_ = false;
    FormClose();
  }
  QDialog::done(wynik);
}

void TForm_ZleconeBadania::FormShow() {
  UstawOkres();
  ZmianaDaty();
  UstawAkcje();
}

void TForm_ZleconeBadania::FormClose() { wykaz_->close(); }

void TForm_ZleconeBadania::UstawOkres() {
  const OkresWykazuBadan okres = OkresMiesiacaDnia(Form1->DateTimePicker1->date());
  const QSignalBlocker b1(DateTimePicker1), b2(DateTimePicker2);
  DateTimePicker1->setDate(okres.od);
  DateTimePicker2->setDate(okres.do_);
}

void TForm_ZleconeBadania::ZmianaDaty() {
  const bool poprawny = OkresPoprawny(DateTimePicker1->date(), DateTimePicker2->date());
  for (QDateEdit* d : {DateTimePicker1, DateTimePicker2}) {
    QPalette p = d->palette();
    p.setColor(QPalette::Base, poprawny ? palette().color(QPalette::Base) : QColor(0xFF, 0x00, 0x00));
    d->setPalette(p);
  }
  srodek_->setCurrentWidget(Panel1);
  Label4->hide();
  wykaz_->close();
  UstawAkcje();
}

void TForm_ZleconeBadania::UstawAkcje() {
  const StanAkcjiWykazu stan = AkcjeWykazu(OkresPoprawny(DateTimePicker1->date(), DateTimePicker2->date()),
                                           wykaz_->isOpen(), wykaz_->count());
  aGeneruj->setEnabled(stan.generuj);
  aZapisz->setEnabled(stan.zapisz);
  aDrukuj->setEnabled(stan.drukuj);
}

void TForm_ZleconeBadania::aGenerujExecute() {
  // The shortcut-less action can still be triggered from code: a period the
  // pickers show as wrong is never counted.
  if (!OkresPoprawny(DateTimePicker1->date(), DateTimePicker2->date())) return;
  {
    Klepsydra klepsydra;
    OtworzWykazBadan(*wykaz_, DateTimePicker1->date(), DateTimePicker2->date());
  }
  srodek_->setCurrentWidget(DBGrid1);
  Label4->setText(QStringLiteral("Razem pozycji: %1").arg(wykaz_->count()));
  Label4->show();
  DBGrid1->setFocus();
  UstawAkcje();
}

QString TForm_ZleconeBadania::ProponowanaNazwaPliku() const {
  return NazwaPlikuWykazuBadan(DateTimePicker1->date(), DateTimePicker2->date());
}

void TForm_ZleconeBadania::aZapiszExecute() {
  if (!wykaz_->isOpen() || wykaz_->isEmpty()) return;
  const StanProgramu& stan = Form1->Stan;
  const QString katalog =
      !stan.eksport_dir.isEmpty() && QDir(stan.eksport_dir).exists() ? stan.eksport_dir : stan.KatalogDokumentow;
  const QString plik = wyborPlikuZapisu()(this, katalog, ProponowanaNazwaPliku(), FiltrPlikow);
  if (plik.isEmpty()) return;
  Form1->Stan.eksport_dir = QFileInfo(plik).absolutePath() + u'/';
  ZapiszWykaz(plik);
}

void TForm_ZleconeBadania::ZapiszWykaz(const QString& sciezka) {
  Klepsydra klepsydra;
  // The rows are read in place: the grid neither repaints nor leaves its current row.
  ZapiszWykazBadan(sciezka, DateTimePicker1->date(), DateTimePicker2->date(), PozycjeWykazu(*wykaz_));
}

void TForm_ZleconeBadania::aDrukujExecute() {
  if (!wykaz_->isOpen() || wykaz_->isEmpty()) return;
  if (!raport_) raport_ = new Raport(this);
  const QDate od = DateTimePicker1->date(), do_ = DateTimePicker2->date();
  {
    Klepsydra klepsydra;
    raport_->Wczytaj(Form1->Stan.KatalogProgramu + QStringLiteral("ZleconeBadania.frf"));
    raport_->UstawTytul(QStringLiteral("ZleconeBadania"));
    raport_->UstawDane(wykaz_.get());
    raport_->UstawZmienne([od, do_](const QString& nazwa) { return ZmiennaWykazuBadan(nazwa, od, do_); });
    raport_->Przygotuj();
  }
  raport_->Podglad(this);
  raport_->UstawDane(nullptr);
}
