#pragma once
// The progress window of long operations: a line of text over a bar. The
// caller starts it, steps it (processing events after each step so it
// repaints) and ends it; the user cannot close it, and it keeps the focus.
#include <QWidget>

class QLabel;
class QProgressBar;

class TForm_Postep : public QWidget {
  Q_OBJECT
 public:
  TForm_Postep();

  // Maximum = total, position 0, text "0 z total [0%]", shown.
  void Rozpocznij(int total);
  // Position + 1 and the text "position z maximum   [percent%]".
  void Krok();
  void Zakoncz();

  QLabel* Label1;
  QProgressBar* ProgressBar1;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void changeEvent(QEvent* e) override;

 private:
  bool pokazany_ = false;
  bool konczy_ = false;
  int maksimum_ = 0;
  int pozycja_ = 0;
};
