#pragma once
// The hourglass pointer for the lifetime of a scope: put back on every path,
// exceptions and cancelled dialogs included. Nested guards stack.
#include <QCursor>
#include <QGuiApplication>

class Klepsydra {
 public:
  Klepsydra() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~Klepsydra() { QGuiApplication::restoreOverrideCursor(); }
  Klepsydra(const Klepsydra&) = delete;
  Klepsydra& operator=(const Klepsydra&) = delete;
};
