#include "app/TForm_Logowanie.h"

#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TForm_Logowanie::TForm_Logowanie(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form_Logowanie"));
  setWindowTitle(QStringLiteral("Logowanie"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(449, 169);
  setModal(true);

  auto* l1 = new QLabel(QStringLiteral("Użytkownik:"), this);
  l1->setGeometry(40, 28, 120, 30);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setGeometry(150, 28, 273, 30);
  QFont arial(QStringLiteral("Arial"));
  arial.setPixelSize(21);
  Edit1->setFont(arial);

  auto* l2 = new QLabel(QStringLiteral("Hasło:"), this);
  l2->setGeometry(40, 88, 120, 30);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit2->setGeometry(150, 88, 273, 30);
  Edit2->setEchoMode(QLineEdit::Password);
  QFont sans(QStringLiteral("MS Sans Serif"));
  sans.setPixelSize(19);
  Edit2->setFont(sans);

  Edit1->installEventFilter(this);
  Edit2->installEventFilter(this);
  filtrSkanera().dolacz(this);
}

void TForm_Logowanie::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  zapisane_ = CzytajPlikLogowania(plik_);
  Edit1->clear();
  Edit2->clear();
  Edit1->setFocus();
}

bool TForm_Logowanie::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() == QEvent::KeyPress) {
    const int k = static_cast<QKeyEvent*>(zdarzenie)->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
      if (obiekt == Edit1) Edit2->setFocus();
      else Sprawdz();
      return true;
    }
  }
  return QDialog::eventFilter(obiekt, zdarzenie);
}

void TForm_Logowanie::Sprawdz() {
  // Exact comparison, letter case included.
  if (Edit1->text() == zapisane_.uzytkownik && Edit2->text() == zapisane_.haslo) {
    accept();
    return;
  }
  bladWalidacji(QStringLiteral("Błąd logowania."));
  Edit1->setFocus();
}
