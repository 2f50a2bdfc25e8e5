#pragma once
// The shared card-scanner filter. A scan arrives as key strokes framed by STX
// (2) and ETX (3); in every window but the patient list it must not act as
// typing, so the whole frame is swallowed. One flag and one 1000 ms timer,
// shared by all filtering windows.
#include <QObject>
#include <QTimer>

class QKeyEvent;
class QWidget;

class FiltrSkanera : public QObject {
  Q_OBJECT
 public:
  explicit FiltrSkanera(QObject* parent = nullptr);

  // Filters one key character; returns true when it is swallowed.
  bool filtruj(QChar znak);
  bool aktywny() const { return flaga_; }
  QTimer& timerIgnorujSkaner() { return timer_; }
  void zatrzymaj();

  // The character a key press delivers (Ctrl+B and Ctrl+C give 2 and 3).
  static QChar ZnakKlawisza(const QKeyEvent* zdarzenie);

  // Key preview: every key of the window and its children passes the filter
  // before the focused control sees it.
  void dolacz(QWidget* okno);

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  bool flaga_ = false;
  QTimer timer_;
};

// The program's one filter (owned by the application).
FiltrSkanera& filtrSkanera();
