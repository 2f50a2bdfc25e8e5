#pragma once
// Scripting of modal windows: a step runs once its window is the active
// modal one, that is inside the window's own modal loop.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

inline void Gdy(QWidget* okno, std::function<void()> co) {
  auto* t = new QTimer;
  t->setInterval(5);
  QObject::connect(t, &QTimer::timeout, [t, okno, co] {
    if (!okno->isVisible() || QApplication::activeModalWidget() != okno) return;
    t->stop();
    t->deleteLater();
    co();
  });
  t->start();
}
