#pragma once
// The login window: user name and password compared exactly with logow.db.
#include "app/PlikLogowania.h"

#include <QDialog>

class QLineEdit;

class TForm_Logowanie : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Logowanie(QWidget* parent = nullptr);

  // The file read when the window is shown.
  void UstawPlik(const QString& sciezka) { plik_ = sciezka; }

  QLineEdit* Edit1;
  QLineEdit* Edit2;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void Sprawdz();
  QString plik_;
  DaneLogowania zapisane_;
};
