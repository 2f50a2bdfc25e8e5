// The picker's keys: Enter and Esc belong to the two boxes while they have
// the focus, and to OK and Anuluj while the grid has it.
#include "patients/TForm_Tessor_Pacjenci.h"
#include "ui/SiatkaListy.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
bool klawiszEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }
}  // namespace

bool TForm_Tessor_Pacjenci::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() == QEvent::FocusIn) {
    UstawPrzyciskiDomyslne(obiekt == DBGrid1);
    return false;
  }
  if (zdarzenie->type() != QEvent::KeyPress) return false;
  auto* k = static_cast<QKeyEvent*>(zdarzenie);
  if (obiekt == edFiltruj) return KlawiszFiltra(k);
  if (obiekt == edSzukaj) return KlawiszSzukania(k);
  return false;
}

bool TForm_Tessor_Pacjenci::KlawiszFiltra(QKeyEvent* e) {
  if (klawiszEnter(e) && e->modifiers() == Qt::NoModifier) {
    if (!edFiltruj->text().isEmpty()) {
      // Off first, so that the filter goes on with the new text.
      FiltrWlaczony = false;
      aFiltrujExecute();
    } else {
      DBGrid1->setFocus();
    }
    return true;
  }
  if (e->key() == Qt::Key_Escape) {
    edFiltruj->clear();
    DBGrid1->setFocus();
    return true;
  }
  return false;
}

bool TForm_Tessor_Pacjenci::KlawiszSzukania(QKeyEvent* e) { return pasek_.KlawiszSzukania(e, DBGrid1); }

void TForm_Tessor_Pacjenci::UstawPrzyciskiDomyslne(bool siatka) {
  btnOK->setDefault(siatka);
  anulujEsc_ = siatka;
}

void TForm_Tessor_Pacjenci::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    if (anulujEsc_) reject();
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}
