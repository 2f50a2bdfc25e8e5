#include "app/TForm_Postep.h"

#include "ui/Komunikaty.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TForm_Postep::TForm_Postep()
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("Form_Postep"));
  setWindowTitle(QStringLiteral("Postęp operacji"));
  setFixedSize(470, 36);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(4, 4, 4, 4);
  uklad->setSpacing(2);
  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setTextVisible(false);
  uklad->addWidget(Label1);
  uklad->addWidget(ProgressBar1);
}

void TForm_Postep::Rozpocznij(int total) {
  maksimum_ = total;
  pozycja_ = 0;
  // A range of 0..0 would make the bar a busy indicator.
  ProgressBar1->setRange(0, qMax(total, 1));
  ProgressBar1->setValue(0);
  Label1->setText(QStringLiteral("0 z %1 [0%]").arg(total));
  if (const QScreen* ekran = QGuiApplication::primaryScreen())
    move(ekran->availableGeometry().center() - rect().center());
  show();
  raise();
  activateWindow();
}

void TForm_Postep::Krok() {
  ++pozycja_;
  ProgressBar1->setValue(qMin(pozycja_, ProgressBar1->maximum()));
  // An empty job would divide by zero: it counts as done.
  const int procent = maksimum_ > 0 ? static_cast<int>(qint64(pozycja_) * 100 / maksimum_) : 100;
  Label1->setText(QStringLiteral("%1 z %2   [%3%]").arg(pozycja_).arg(maksimum_).arg(procent));
}

void TForm_Postep::Zakoncz() {
  konczy_ = true;
  close();
  konczy_ = false;
}

void TForm_Postep::showEvent(QShowEvent* e) {
  pokazany_ = true;
  QWidget::showEvent(e);
}

void TForm_Postep::closeEvent(QCloseEvent* e) {
  // Only the operation that started it may close it.
  if (!konczy_) {
    e->ignore();
    return;
  }
  e->accept();
}

void TForm_Postep::hideEvent(QHideEvent* e) {
  pokazany_ = false;
  QWidget::hideEvent(e);
}

void TForm_Postep::changeEvent(QEvent* e) {
  QWidget::changeEvent(e);
  if (e->type() != QEvent::ActivationChange || !pokazany_ || isActiveWindow()) return;
  // Another of the program's windows took the focus: take it back. A modal box
  // the operation itself shows keeps it, and other programs are left alone.
  QWidget* aktywne = QApplication::activeWindow();
  if (!aktywne || QApplication::activeModalWidget()) return;
  komunikaty().sygnal();
  QTimer::singleShot(0, this, [this] {
    if (pokazany_ && isVisible()) activateWindow();
  });
}
