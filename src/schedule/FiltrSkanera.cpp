#include "schedule/FiltrSkanera.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
constexpr char16_t STX = 2;
constexpr char16_t ETX = 3;
}  // namespace

FiltrSkanera::FiltrSkanera(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, [this] {
    timer_.stop();
    flaga_ = false;
  });
}

void FiltrSkanera::zatrzymaj() {
  timer_.stop();
  flaga_ = false;
}

bool FiltrSkanera::filtruj(QChar znak) {
  if (flaga_) {
    if (znak == QChar(ETX)) {
      flaga_ = false;
      timer_.stop();
    }
    return true;
  }
  if (znak == QChar(STX)) {
    flaga_ = true;
    timer_.start();
    return true;
  }
  return false;
}

QChar FiltrSkanera::ZnakKlawisza(const QKeyEvent* e) {
  const QString tekst = e->text();
  if (!tekst.isEmpty() && tekst.at(0).unicode() < 0x20) return tekst.at(0);
  // Some platforms deliver Ctrl+B as the letter with the Ctrl modifier; Ctrl
  // with Alt is AltGr there and types a national letter instead.
  const auto mod = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (mod == Qt::ControlModifier) {
    if (e->key() == Qt::Key_B) return QChar(STX);
    if (e->key() == Qt::Key_C) return QChar(ETX);
  }
  if (!tekst.isEmpty()) return tekst.at(0);
  return {};
}

void FiltrSkanera::dolacz(QWidget* okno) {
  okno->setProperty("orbe_filtr_skanera", true);
  qApp->removeEventFilter(this);
  qApp->installEventFilter(this);
}

bool FiltrSkanera::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (zdarzenie->type() != QEvent::KeyPress && zdarzenie->type() != QEvent::ShortcutOverride) return false;
  auto* w = qobject_cast<QWidget*>(obiekt);
  if (!w || !w->window() || !w->window()->property("orbe_filtr_skanera").toBool()) return false;
  auto* k = static_cast<QKeyEvent*>(zdarzenie);
  const QChar znak = ZnakKlawisza(k);
  if (zdarzenie->type() == QEvent::ShortcutOverride) {
    // While a scan is swallowed no shortcut may fire either.
    if (flaga_ || znak == QChar(STX)) {
      k->accept();
      return false;
    }
    return false;
  }
  // An ignored key travels on to the parents as the same event; seeing it
  // again changes nothing, since only a swallowed key stops that travel.
  return filtruj(znak);
}

FiltrSkanera& filtrSkanera() {
  static FiltrSkanera* f = new FiltrSkanera(qApp);
  return *f;
}
