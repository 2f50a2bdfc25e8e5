#pragma once
// The clock picker bound to a time edit ("HH:NN"): opens next to the field
// showing its time; the mouse over the face shows the time under it, snapped
// to the interval unless Alt is held; a press writes that time and closes.
// Esc or losing the focus closes.
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;

class TForm_Zegar : public QWidget {
  Q_OBJECT
 public:
  TForm_Zegar();

  // Opens the clock for a time edit and returns at once; interwal is
  // grafik_co, kept within 5..60. The picked time goes straight into the edit
  // (its textEdited and editingFinished follow) and is announced by Wybrano
  // as a minute of the day.
  void Pokaz(QLineEdit* pole, int interwal);

  QLabel* Label1;
  QAction* aZamknij;

 signals:
  void Wybrano(int minuta);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  int MinutaPodMysza(const QMouseEvent* e) const;
  void PokazCzas(int minuta);

  QPointer<QLineEdit> pole_;
  int interwal_ = 10;
  QImage tarcza_;  // clean face, held while shown
  QImage obraz_;   // face with the hand
  QRegion obszarTarczy_;  // the face without the purple around it
};
