#include "dictionaries/TForm_Badania.h"

#include "db/Connection.h"
#include "dictionaries/FiltrBadanReguly.h"
#include "ui/Klepsydra.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {
OpisSlownika opisBadan() {
  return {QStringLiteral("Badania"),
          QSize(742, 574),
          QStringLiteral("Dodaj badanie do listy"),
          QStringLiteral("Usuń badanie z listy"),
          QStringLiteral("Edytuj badanie"),
          QStringLiteral("Usunięcie badania"),
          QStringLiteral("Na pewno usunąć badanie?"),
          495,
          false};
}
}  // namespace

TForm_Badania::TForm_Badania(Connection& polaczenie, QWidget* parent)
    : OknoSlownika(polaczenie, opisBadan(), parent), dane(polaczenie) {
  setObjectName(QStringLiteral("Form_Badania"));
  ustawDataset(dane.sqlBadania);

  aGoToFiltruj = new QAction(QStringLiteral("aGoToFiltruj"), this);
  aGoToFiltruj->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  addAction(aGoToFiltruj);
  aFiltruj = new QAction(QStringLiteral("Filtruj"), this);
  aFiltruj->setToolTip(QStringLiteral("Filtrowanie listy badań wg nazwy"));
  aFiltruj->setStatusTip(aFiltruj->toolTip());
  aFiltruj->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  aFiltruj->setCheckable(true);
  addAction(aFiltruj);

  ToolBar->addSeparator();
  ToolBar->addWidget(new QLabel(QStringLiteral("  Filtrowanie: "), ToolBar));
  edFiltruj = new QLineEdit(ToolBar);
  edFiltruj->setMaxLength(100);
  edFiltruj->setFixedWidth(200);
  ToolBar->addWidget(edFiltruj);
  ToolBar->addAction(aFiltruj);
  btnFiltruj = qobject_cast<QToolButton*>(ToolBar->widgetForAction(aFiltruj));

  cbxSzybkieFiltrowanie = new QCheckBox(QStringLiteral("Szybkie filtrowanie"), this);
  cbxSzybkieFiltrowanie->setChecked(true);
  cbxSzybkieFiltrowanie->setFocusPolicy(Qt::NoFocus);
  dolny->insertWidget(0, cbxSzybkieFiltrowanie);

  timerSzybkieFiltrowanie.setSingleShot(true);
  timerSzybkieFiltrowanie.setInterval(200);
  connect(&timerSzybkieFiltrowanie, &QTimer::timeout, this, [this] {
    timerSzybkieFiltrowanie.stop();
    filtr_ = false;
    aFiltrujExecute();
  });
  connect(aFiltruj, &QAction::triggered, this, &TForm_Badania::aFiltrujExecute);
  connect(aGoToFiltruj, &QAction::triggered, this, [this] {
    edFiltruj->setFocus();
    edFiltruj->selectAll();
  });

  SG->installEventFilter(this);
  edFiltruj->installEventFilter(this);
}

void TForm_Badania::aFiltrujExecute() {
  filtr_ = !filtr_;
  if (filtr_ && edFiltruj->text().isEmpty()) {
    filtr_ = false;
    aFiltruj->setChecked(false);
    return;
  }
  aFiltruj->setChecked(filtr_);
  {
    Klepsydra k;
    OtworzListe();
  }
  SG->setFocus();
  UstawAkcje();
}

void TForm_Badania::PrzedOtwarciem() {
  timerSzybkieFiltrowanie.stop();
  edFiltruj->clear();
  filtr_ = false;
  aFiltruj->setChecked(false);
}

void TForm_Badania::OtworzListe() { dane.Otworz(filtr_, edFiltruj->text()); }

void TForm_Badania::PoOtwarciu() { SG->setFocus(); }

void TForm_Badania::PrzygotujNowy() { dane.sqlBadania.setValue(QStringLiteral("USUN"), QStringLiteral("N")); }

void TForm_Badania::UsunBiezacy() {
  Dataset& ds = dane.sqlBadania;
  dane.OznaczUsuniete();
  polaczenie().commitRetaining();
  // The previous row, or the removed one itself when it was first: not found
  // after the reopening, which leaves the new first row current.
  ds.prior();
  const int id = ds.intValue(QStringLiteral("ID"));
  OtworzListe();
  ds.locate(QStringLiteral("ID"), id);
}

void TForm_Badania::PrzyZamknieciu() { timerSzybkieFiltrowanie.stop(); }

bool TForm_Badania::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == SG && zdarzenie->type() == QEvent::KeyPress) return KlawiszSiatki(static_cast<QKeyEvent*>(zdarzenie));
  if (obiekt == edFiltruj) {
    if (zdarzenie->type() == QEvent::KeyPress) return KlawiszFiltru(static_cast<QKeyEvent*>(zdarzenie));
    if (zdarzenie->type() == QEvent::FocusIn) KlawiszeDlaFiltru(true);
    if (zdarzenie->type() == QEvent::FocusOut) KlawiszeDlaFiltru(false);
  }
  return OknoSlownika::eventFilter(obiekt, zdarzenie);
}

bool TForm_Badania::KlawiszSiatki(QKeyEvent* k) {
  if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
  const bool backspace = k->key() == Qt::Key_Backspace;
  const QChar znak = k->text().isEmpty() ? QChar() : k->text().at(0);
  const bool drukowalny = !znak.isNull() && znak.isPrint();
  if (!backspace && !drukowalny) return false;
  // Typing never searches the grid by itself: it filters, or does nothing.
  if (!cbxSzybkieFiltrowanie->isChecked()) return true;
  QString tekst = edFiltruj->text();
  const FiltrBadan::Reakcja r = FiltrBadan::Klawisz(tekst, znak, backspace, filtr_);
  edFiltruj->setText(tekst);
  if (r == FiltrBadan::Reakcja::UruchomTimer) {
    timerSzybkieFiltrowanie.start();
  } else if (r == FiltrBadan::Reakcja::PrzelaczTeraz) {
    timerSzybkieFiltrowanie.stop();
    aFiltrujExecute();
  }
  return true;
}

bool TForm_Badania::KlawiszFiltru(QKeyEvent* k) {
  switch (k->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!edFiltruj->text().isEmpty()) {
        filtr_ = false;
        aFiltrujExecute();
      }
      return true;
    case Qt::Key_Escape:
      edFiltruj->clear();
      aFiltrujExecute();
      SG->setFocus();
      return true;
    default:
      return false;
  }
}

void TForm_Badania::KlawiszeDlaFiltru(bool wPolu) {
  aUsun->setShortcut(wPolu ? QKeySequence() : QKeySequence(Qt::Key_Delete));
  UstawKlawiszEdycji(!wPolu);
  btnOK->setDefault(!wPolu);
  btnOK->setAutoDefault(!wPolu);
}
