#pragma once
// The calendar popup bound to a date edit (DD-MM-YYYY): opens next to the
// field on its date (today when it holds none); a click writes the day and
// stays open, a double click writes and closes; Esc or losing the focus closes.
#include <QDate>
#include <QFrame>
#include <QPointer>

class QAction;
class QCalendarWidget;
class QLineEdit;

class TForm_Kalendarz : public QFrame {
  Q_OBJECT
 public:
  TForm_Kalendarz();

  // Opens the popup for a date edit and returns at once. A picked day goes
  // straight into the edit (its textEdited and editingFinished follow, so a
  // bound edit stores it) and is announced by Wybrano.
  void Pokaz(QLineEdit* pole);

  QCalendarWidget* MonthCalendar1;
  QAction* aZamknij;

 signals:
  void Wybrano(const QDate& dzien);

 private:
  void MonthCalendar1Click(const QDate& dzien);
  void MonthCalendar1DblClick(const QDate& dzien);
  void Zapisz(const QDate& dzien);

  QPointer<QLineEdit> pole_;
  QDate ostatnia_;  // the date last written (or read on showing)
};
