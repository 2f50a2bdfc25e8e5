#pragma once
// The application object: its notify() is the one place where errors that
// escape an event handler are caught and shown; the program then goes on.
// SIGTERM, SIGINT and SIGHUP (the session ending, kill) close the windows as
// the close box does, so the settings are written and the database closed;
// the signal only wakes the event loop, which does the work.
#include <QApplication>

class Aplikacja : public QApplication {
 public:
  Aplikacja(int& argc, char** argv);
  bool notify(QObject* odbiorca, QEvent* zdarzenie) override;
};

// Shows an error caught outside the event loop (the same display).
void PokazBlad(const std::exception_ptr& blad);
