#include "app/Aplikacja.h"

#include "ui/Komunikaty.h"

#include <exception>

static void initResources() { Q_INIT_RESOURCE(orbe); }

Aplikacja::Aplikacja(int& argc, char** argv) : QApplication(argc, argv) {
  initResources();
  setApplicationName(QStringLiteral("ORBE"));
  setApplicationDisplayName(QStringLiteral("ORBE"));
  setOrganizationName(QStringLiteral("Halvik"));
}

void PokazBlad(const std::exception_ptr& blad) {
  try {
    std::rethrow_exception(blad);
  } catch (const std::exception& e) {
    komunikaty().blad(QString::fromUtf8(e.what()));
  } catch (...) {
    komunikaty().blad(QString());
  }
}

bool Aplikacja::notify(QObject* odbiorca, QEvent* zdarzenie) {
  try {
    return QApplication::notify(odbiorca, zdarzenie);
  } catch (...) {
    PokazBlad(std::current_exception());
  }
  return false;
}
