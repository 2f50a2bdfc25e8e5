// The patient list's keys: its own card-scan collection (it does not use the
// shared scanner filter), the quick filter typed into the grid, Esc, the keys
// of the filter boxes and the shortcuts they take away while they have the focus.
#include "patients/PacjenciReguly.h"
#include "patients/TForm_Pacjenci.h"
#include "schedule/FiltrSkanera.h"
#include "ui/SiatkaListy.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr char16_t STX = 2;
constexpr char16_t ETX = 3;

bool klawiszEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}  // namespace

bool TForm_Pacjenci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  const QEvent::Type typ = zdarzenie->type();
  if (typ != QEvent::KeyPress && typ != QEvent::ShortcutOverride && typ != QEvent::FocusIn && typ != QEvent::FocusOut)
    return false;
  auto* w = qobject_cast<QWidget*>(obiekt);
  if (!w || w->window() != this) return false;
  if (typ == QEvent::FocusIn || typ == QEvent::FocusOut) {
    if (obiekt == edFiltruj || obiekt == edSzukaj) {
      const Qt::FocusReason powod = static_cast<QFocusEvent*>(zdarzenie)->reason();
      if (typ == QEvent::FocusIn)
        edFiltrujSzukaj_OnEnter();
      else if (powod != Qt::ActiveWindowFocusReason && powod != Qt::PopupFocusReason)
        edFiltrujSzukaj_OnExit();
    }
    return false;
  }
  if (KlawiszSkanera(zdarzenie)) return true;
  if (typ != QEvent::KeyPress) return false;
  auto* k = static_cast<QKeyEvent*>(zdarzenie);
  if (obiekt == DBGrid1) return KlawiszSiatki(k);
  if (obiekt == edFiltruj) return KlawiszFiltra(k);
  if (obiekt == edSzukaj) return KlawiszSzukania(k);
  return false;
}

bool TForm_Pacjenci::KlawiszSkanera(QEvent* zdarzenie) {
  auto* k = static_cast<QKeyEvent*>(zdarzenie);
  const QChar znak = FiltrSkanera::ZnakKlawisza(k);
  if (zdarzenie->type() == QEvent::ShortcutOverride) {
    // While a scan is collected no shortcut may fire: the key comes as a key press instead.
    if (SkanOdczyt || znak == QChar(STX)) k->accept();
    return false;
  }
  if (SkanOdczyt) {
    if (znak == QChar(ETX)) {
      edFiltruj->setText(BuforSkanu);
      FiltrWlaczony = false;
      aFiltrujExecute();
      SkanOdczyt = false;
      BuforSkanu.clear();
      timerIgnorujSkaner.stop();
    } else if (!znak.isNull()) {
      BuforSkanu += znak;
    }
    return true;
  }
  if (znak == QChar(STX)) {
    SkanOdczyt = true;
    timerIgnorujSkaner.start();
    return true;
  }
  return false;
}

bool TForm_Pacjenci::KlawiszSiatki(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    if (FiltrWlaczony) {
      edFiltruj->clear();
      aFiltrujExecute();
    } else {
      reject();
    }
    return true;
  }
  if (!cbxSzybkieFiltrowanie->isChecked()) {
    // A read-only list ignores typed characters (no jumping by the first column).
    return !e->text().isEmpty() && e->text().at(0).isPrint() && !(e->modifiers() & Qt::ControlModifier);
  }
  if (e->key() == Qt::Key_Backspace) {
    QString t = edFiltruj->text();
    t.chop(1);
    edFiltruj->setText(t);
    if (!t.isEmpty() || !FiltrWlaczony) {
      timerSzybkieFiltrowanie.stop();
      timerSzybkieFiltrowanie.start();
    } else {
      aFiltrujExecute();
    }
    return true;
  }
  if (e->text().isEmpty() || (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
  const QChar znak = e->text().at(0);
  if (PacjenciReguly::ZnakSzybkiegoFiltra(znak)) {
    edFiltruj->setText(edFiltruj->text() + znak);
    timerSzybkieFiltrowanie.stop();
    timerSzybkieFiltrowanie.start();
    return true;
  }
  return znak.isPrint();
}

bool TForm_Pacjenci::KlawiszFiltra(QKeyEvent* e) {
  if (klawiszEnter(e) && e->modifiers() == Qt::NoModifier) {
    if (!edFiltruj->text().isEmpty()) {
      FiltrWlaczony = false;
      aFiltrujExecute();
    }
    return true;
  }
  if (e->key() == Qt::Key_Escape) {
    edFiltruj->clear();
    aFiltrujExecute();
    DBGrid1->setFocus();
    return true;
  }
  return false;
}

bool TForm_Pacjenci::KlawiszSzukania(QKeyEvent* e) { return pasek_.KlawiszSzukania(e, DBGrid1); }

void TForm_Pacjenci::edFiltrujSzukaj_OnEnter() {
  // Enter and Delete act inside the box.
  aUsun->setShortcut(QKeySequence());
  aEdytuj->setShortcuts(QList<QKeySequence>());
  btnOK->setDefault(false);
}

void TForm_Pacjenci::edFiltrujSzukaj_OnExit() {
  aUsun->setShortcut(QKeySequence(Qt::Key_Delete));
  aEdytuj->setShortcuts(SkrotEdycji);
  btnOK->setDefault(true);
}

void TForm_Pacjenci::keyPressEvent(QKeyEvent* e) {
  // Esc belongs to the grid and the filter boxes; elsewhere it does not close the window.
  if (e->key() == Qt::Key_Escape) {
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}
