#include "app/Aplikacja.h"

#include "ui/Komunikaty.h"

#include <QSocketNotifier>
#include <csignal>
#include <exception>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gniazdaSygnalu[2] = {-1, -1};

void naSygnal(int) {
  const char znak = 1;
  [[maybe_unused]] const ssize_t n = ::write(gniazdaSygnalu[0], &znak, 1);
}

}  // namespace

static void initResources() { Q_INIT_RESOURCE(orbe); }

Aplikacja::Aplikacja(int& argc, char** argv) : QApplication(argc, argv) {
  initResources();
  setApplicationName(QStringLiteral("ORBE"));
  setApplicationDisplayName(QStringLiteral("ORBE"));
  setOrganizationName(QStringLiteral("Halvik"));
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gniazdaSygnalu) == 0) {
    auto* powiadamiacz = new QSocketNotifier(gniazdaSygnalu[1], QSocketNotifier::Read, this);
    connect(powiadamiacz, &QSocketNotifier::activated, this, [] {
      char znak;
      [[maybe_unused]] const ssize_t n = ::read(gniazdaSygnalu[1], &znak, 1);
      closeAllWindows();
      quit();
    });
    struct sigaction akcja = {};
    akcja.sa_handler = naSygnal;
    sigemptyset(&akcja.sa_mask);
    akcja.sa_flags = SA_RESTART;
    for (int sygnal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(sygnal, &akcja, nullptr);
  }
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
