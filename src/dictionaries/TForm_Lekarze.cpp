#include "dictionaries/TForm_Lekarze.h"

#include "db/Connection.h"
#include "db/Dataset.h"
#include "dictionaries/LekarzeDane.h"
#include "dictionaries/LekarzeReguly.h"
#include "dictionaries/TForm_Lekarze_Edycja.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QToolBar>
#include <QVBoxLayout>

static QAction* akcja(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz) {
  auto* a = new QAction(QString::fromUtf8(podpis), okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setStatusTip(QString::fromUtf8(podpowiedz));
  a->setToolTip(QString::fromUtf8(podpowiedz));
  a->setShortcutContext(Qt::WindowShortcut);
  okno->addAction(a);
  return a;
}

TForm_Lekarze::TForm_Lekarze(Connection& polaczenie, QWidget* parent) : QDialog(parent), polaczenie_(polaczenie) {
  setObjectName(QStringLiteral("Form_Lekarze"));
  setWindowTitle(QStringLiteral("Lekarze"));
  resize(680, 420);

  sqlLekarze = new Dataset(polaczenie, this);
  sqlLekarze->setObjectName(QStringLiteral("sqlLekarze"));
  LekarzeDane::przygotuj(*sqlLekarze);

  aDodaj = akcja(this, "aDodaj", "Dodaj", "Dodaj lekarza do listy");
  aDodaj->setShortcut(Qt::Key_Insert);
  aUsun = akcja(this, "aUsun", "Usuń", "Usuń lekarza z listy");
  aEdytuj = akcja(this, "aEdytuj", "Edytuj", "Edytuj dane lekarza");
  connect(aDodaj, &QAction::triggered, this, &TForm_Lekarze::aDodajExecute);
  connect(aUsun, &QAction::triggered, this, &TForm_Lekarze::aUsunExecute);
  connect(aEdytuj, &QAction::triggered, this, &TForm_Lekarze::aEdytujExecute);

  auto* pasek = new QToolBar(this);
  pasek->setToolButtonStyle(Qt::ToolButtonTextOnly);
  pasek->addActions({aDodaj, aUsun, aEdytuj});

  DBGrid1 = new SiatkaListy(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->ustaw(sqlLekarze, LekarzeDane::kolumny());
  DBGrid1->ustawSzerokosc(0, 40);
  DBGrid1->ustawSzerokosc(1, 200);
  DBGrid1->ustawSzerokosc(2, 160);
  DBGrid1->ustawSzerokosc(3, 100);
  DBGrid1->ustawSzerokosc(4, 100);
  DBGrid1->pogrubiony = [this](int wiersz) { return wiersz == sqlLekarze->recNo(); };
  // The ID cell shows the doctor's colour, selected or not.
  DBGrid1->tlo = [this](int wiersz, int kolumna) -> std::optional<QColor> {
    if (kolumna != 0) return std::nullopt;
    return Kolory::zBGR(sqlLekarze->valueAt(wiersz, QStringLiteral("KOLOR")).toInt());
  };
  connect(DBGrid1, &SiatkaListy::podwojneKlikniecie, this, &TForm_Lekarze::DBGrid1DblClick);
  connect(sqlLekarze, &Dataset::scrolled, this, &TForm_Lekarze::UstawAkcje);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  auto* uklad = new QVBoxLayout(this);
  uklad->addWidget(pasek);
  uklad->addWidget(DBGrid1, 1);
  uklad->addLayout(przyciski);

  filtrSkanera().dolacz(this);
  UstawAkcje();
}

int TForm_Lekarze::BiezaceID() const {
  return sqlLekarze->isOpen() && sqlLekarze->recNo() >= 0 ? sqlLekarze->intValue(QStringLiteral("ID")) : 0;
}

void TForm_Lekarze::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;  // a restore from minimised is not a new opening
  if (Wybor()) {
    aEdytuj->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
  } else {
    aEdytuj->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  }
  btnOK->setVisible(Wybor());
  btnAnuluj->setText(Wybor() ? QStringLiteral("Anuluj") : QStringLiteral("Zamknij"));
  sqlLekarze->open();
  sqlLekarze->locate(QStringLiteral("ID"), WybraneID);
  DBGrid1->setFocus();
  UstawAkcje();
}

void TForm_Lekarze::done(int wynik) {
  WybraneID = BiezaceID();
  sqlLekarze->close();
  QDialog::done(wynik);
}

void TForm_Lekarze::UstawAkcje() {
  const bool otwarty = sqlLekarze->isOpen();
  const bool jest = otwarty && BiezaceID() != 0;
  aDodaj->setEnabled(otwarty);
  aUsun->setEnabled(jest);
  aEdytuj->setEnabled(jest);
  btnOK->setEnabled(jest);
}

void TForm_Lekarze::DBGrid1DblClick() {
  if (Wybor()) {
    if (BiezaceID() != 0) accept();
  } else if (Tryb == QStringLiteral("EDYCJA") && aEdytuj->isEnabled()) {
    aEdytuj->trigger();
  }
}

void TForm_Lekarze::Edytuj() {
  const bool ok = edytor_ && edytor_->exec() == QDialog::Accepted;
  if (ok) {
    polaczenie_.commitRetaining();
  } else {
    // Whatever the editor left is cancelled; the shared transaction goes back as well.
    if (sqlLekarze->state() == Dataset::Insert || sqlLekarze->state() == Dataset::Edit) sqlLekarze->cancel();
    polaczenie_.rollbackRetaining();
  }
  DBGrid1->viewport()->update();
  UstawAkcje();
}

void TForm_Lekarze::aDodajExecute() {
  sqlLekarze->append();
  sqlLekarze->setValue(QStringLiteral("USUN"), QStringLiteral("N"));
  sqlLekarze->setValue(QStringLiteral("KOLOR"), Kolory::doBGR(LosowyKolor()));
  Edytuj();
}

void TForm_Lekarze::aEdytujExecute() {
  if (BiezaceID() == 0) return;
  sqlLekarze->edit();
  Edytuj();
}

void TForm_Lekarze::aUsunExecute() {
  if (BiezaceID() == 0) return;
  const QString tekst = QStringLiteral("Na pewno usunąć z listy lekarza [%1] '%2 %3'")
                            .arg(sqlLekarze->text(QStringLiteral("ID")), sqlLekarze->text(QStringLiteral("NAZWISKO")),
                                 sqlLekarze->text(QStringLiteral("IMIE")));
  if (komunikaty().pytanie(QStringLiteral("Usunięcie lekarza z listy"), tekst)) {
    sqlLekarze->edit();
    sqlLekarze->setValue(QStringLiteral("USUN"), QStringLiteral("T"));
    sqlLekarze->post();
    polaczenie_.commitRetaining();
    // The previous row stays current; for the first row its own ID is not found
    // again, so the new first row becomes current.
    sqlLekarze->prior();
    const int zapamietane = BiezaceID();
    sqlLekarze->close();
    sqlLekarze->open();
    sqlLekarze->locate(QStringLiteral("ID"), zapamietane);
  }
  UstawAkcje();
}
