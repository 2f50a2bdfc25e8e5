// Test entry point: a real application object (offscreen) with the program's
// error display, and a scripted message service so no box ever blocks.
#include "app/Aplikacja.h"
#include "db/Connection.h"
#include "support/KomunikatySkryptowe.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  // Tests open their databases in-process unless a test asks for the server.
  if (qgetenv("ORBE_DOSTEP_BAZY").isEmpty() && qgetenv("ORBE_TEST_SERWER").isEmpty())
    qputenv("ORBE_DOSTEP_BAZY", "embedded");
  Aplikacja app(argc, argv);
  ustawKomunikaty(std::make_unique<KomunikatySkryptowe>());
  ::testing::InitGoogleTest(&argc, argv);
  const int wynik = RUN_ALL_TESTS();
  Connection::exitProcess(wynik);
}
