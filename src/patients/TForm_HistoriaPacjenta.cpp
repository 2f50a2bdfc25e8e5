#include "patients/TForm_HistoriaPacjenta.h"

#include "schedule/FiltrSkanera.h"
#include "ui/SiatkaListy.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

constexpr int WysokoscNaglowka = 16;
constexpr int MinimalnaWysokoscPanelu = 80;

QLabel* naglowek(const QString& tekst, QWidget* rodzic) {
  auto* l = new QLabel(tekst, rodzic);
  l->setFixedHeight(WysokoscNaglowka);
  l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, QColor(0xAA, 0x86, 0x51));
  p.setColor(QPalette::WindowText, Qt::white);
  l->setPalette(p);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

QLabel* wartosc(QWidget* rodzic) {
  auto* l = new QLabel(rodzic);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return l;
}

// A heading over its contents, with no gap between them.
QWidget* panel(QLabel* tytul, QWidget* tresc, QWidget* rodzic) {
  auto* w = new QWidget(rodzic);
  auto* l = new QVBoxLayout(w);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
  tytul->setParent(w);
  tresc->setParent(w);
  l->addWidget(tytul);
  l->addWidget(tresc, 1);
  return w;
}

}  // namespace

TForm_HistoriaPacjenta::TForm_HistoriaPacjenta(Connection& polaczenie, QWidget* rodzic)
    : QDialog(rodzic), dane_(polaczenie) {
  setObjectName(QStringLiteral("Form_HistoriaPacjenta"));
  setWindowTitle(QStringLiteral("Historia pacjenta"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  resize(1010, 640);

  // The patient.
  lblPacjent = naglowek(QStringLiteral(" Pacjent"), this);
  auto* dane = new QWidget(this);
  auto* siatka = new QGridLayout(dane);
  siatka->setContentsMargins(8, 4, 8, 4);
  siatka->setHorizontalSpacing(8);
  siatka->setVerticalSpacing(2);
  lblID = wartosc(dane);
  lblPESEL = wartosc(dane);
  lblNazwiskoImie = wartosc(dane);
  lblAdres = wartosc(dane);
  lblPoczta = wartosc(dane);
  siatka->addWidget(new QLabel(QStringLiteral("ID:"), dane), 0, 0, Qt::AlignRight);
  siatka->addWidget(lblID, 0, 1);
  siatka->addWidget(new QLabel(QStringLiteral("PESEL:"), dane), 1, 0, Qt::AlignRight);
  siatka->addWidget(lblPESEL, 1, 1);
  siatka->addWidget(new QLabel(QStringLiteral("Nazwisko i imię:"), dane), 0, 2, Qt::AlignRight);
  siatka->addWidget(lblNazwiskoImie, 0, 3);
  siatka->addWidget(new QLabel(QStringLiteral("Adres:"), dane), 1, 2, Qt::AlignRight);
  siatka->addWidget(lblAdres, 1, 3);
  siatka->addWidget(lblPoczta, 2, 3);
  siatka->setColumnStretch(3, 1);
  QWidget* panelPacjenta = panel(lblPacjent, dane, this);

  // The visits.
  DBGrid1 = new SiatkaListy(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->ustaw(&dane_.sqlWizyty, {{QStringLiteral("ID"), QStringLiteral("ID"), Qt::AlignCenter},
                                    {QStringLiteral("DATA"), QStringLiteral("Data"), Qt::AlignCenter},
                                    {QStringLiteral("GODZ"), QStringLiteral("Godz."), Qt::AlignCenter},
                                    {QStringLiteral("ICD10"), QStringLiteral("ICD10"), Qt::AlignCenter},
                                    {QStringLiteral("PORADA_KOD"), QStringLiteral("Kod porady"), Qt::AlignCenter},
                                    {QStringLiteral("PORADA_NAZWA"), QStringLiteral("Nazwa porady")},
                                    {QStringLiteral("LEKARZ_NAZWISKO"), QStringLiteral("Lekarz")}});
  for (auto [kolumna, szerokosc] : {std::pair{1, 100}, {2, 80}, {3, 60}, {5, 350}, {6, 200}})
    DBGrid1->ustawSzerokosc(kolumna, szerokosc);
  lblHistoriaWizyt = naglowek(QStringLiteral(" Historia wizyt"), this);
  QWidget* panelWizyt = panel(lblHistoriaWizyt, DBGrid1, this);

  // The examinations.
  DBGrid2 = new SiatkaListy(this);
  DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
  DBGrid2->ustaw(&dane_.sqlBadania, {{QStringLiteral("DATA"), QStringLiteral("Data"), Qt::AlignCenter},
                                     {QStringLiteral("KOD"), QStringLiteral("Kod badania"), Qt::AlignCenter},
                                     {QStringLiteral("NAZWA"), QStringLiteral("Nazwa badania")},
                                     {QStringLiteral("_nazwisko_imie"), QStringLiteral("Lekarz")}});
  for (auto [kolumna, szerokosc] : {std::pair{0, 100}, {2, 300}, {3, 200}}) DBGrid2->ustawSzerokosc(kolumna, szerokosc);
  DBGrid2->pogrubiony = [this](int wiersz) { return BadanieBiezacejWizyty(wiersz); };
  lblZleconeBadania = naglowek(QStringLiteral(" Zlecone badania"), this);
  QWidget* panelBadan = panel(lblZleconeBadania, DBGrid2, this);

  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setChildrenCollapsible(false);
  panelWizyt->setMinimumHeight(MinimalnaWysokoscPanelu);
  panelBadan->setMinimumHeight(MinimalnaWysokoscPanelu);
  Splitter1->addWidget(panelWizyt);
  Splitter1->addWidget(panelBadan);

  btnZamknij = new QPushButton(QStringLiteral("Zamknij"), this);
  btnZamknij->setObjectName(QStringLiteral("btnZamknij"));
  btnZamknij->setAutoDefault(false);
  auto* dol = new QHBoxLayout;
  dol->setContentsMargins(0, 4, 8, 4);
  dol->addStretch();
  dol->addWidget(btnZamknij);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(0);
  uklad->addWidget(panelPacjenta);
  uklad->addWidget(Splitter1, 1);
  uklad->addLayout(dol);

  connect(btnZamknij, &QPushButton::clicked, this, &QDialog::reject);
  connect(&dane_.sqlWizyty, &Dataset::scrolled, this, &TForm_HistoriaPacjenta::sqlWizytyAfterScroll);
  filtrSkanera().dolacz(this);
}

void TForm_HistoriaPacjenta::UstawPacjenta(const Dataset& pacjenci) {
  lblID->setText(pacjenci.text(QStringLiteral("ID")));
  lblPESEL->setText(pacjenci.text(QStringLiteral("PESEL")));
  lblNazwiskoImie->setText(pacjenci.text(QStringLiteral("_nazwisko_imie")));
  lblAdres->setText(pacjenci.text(QStringLiteral("_adres")));
  lblPoczta->setText(pacjenci.text(QStringLiteral("KODP")) + u' ' + pacjenci.text(QStringLiteral("POCZTA")));
}

void TForm_HistoriaPacjenta::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous() && !otwarte_) {
    otwarte_ = true;
    FormShow();
  }
}

void TForm_HistoriaPacjenta::done(int wynik) {
  if (otwarte_) {
    otwarte_ = false;
    FormClose();
  }
  QDialog::done(wynik);
}

void TForm_HistoriaPacjenta::FormShow() {
  dane_.Otworz(PacjentID);
  DBGrid1->setFocus();
}

void TForm_HistoriaPacjenta::FormClose() { dane_.Zamknij(); }

void TForm_HistoriaPacjenta::sqlWizytyAfterScroll() {
  if (dane_.sqlWizyty.recNo() < 0) return;
  PokazBadaniaWizyty(dane_.sqlWizyty.intValue(QStringLiteral("ID")));
}

void TForm_HistoriaPacjenta::PokazBadaniaWizyty(int wizytaId) {
  setUpdatesEnabled(false);
  const int wiersz = dane_.PierwszeBadanieWizyty(wizytaId);
  if (wiersz >= 0) {
    QWidget* fokus = QApplication::focusWidget();
    // From the bottom, moving up to the row leaves it at the top unless it
    // lies in the last screenful; the rows after it fill the grid below.
    DBGrid2->scrollToBottom();
    dane_.sqlBadania.moveTo(wiersz);
    // The row may have been current already, and then the grid did not move.
    DBGrid2->scrollTo(DBGrid2->model()->index(wiersz, 0));
    if (fokus) fokus->setFocus();
  }
  // The bold rows follow the visit also when its examinations are elsewhere.
  DBGrid2->viewport()->update();
  setUpdatesEnabled(true);
}

bool TForm_HistoriaPacjenta::BadanieBiezacejWizyty(int wiersz) const {
  const Dataset& w = dane_.sqlWizyty;
  if (!w.isOpen() || w.recNo() < 0 || !dane_.sqlBadania.isOpen()) return false;
  return dane_.sqlBadania.valueAt(wiersz, QStringLiteral("WIZYTA_ID")).toInt() == w.intValue(QStringLiteral("ID"));
}
