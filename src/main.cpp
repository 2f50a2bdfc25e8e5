#include "app/Aplikacja.h"
#include "app/Okna.h"
#include "app/TForm1.h"
#include "db/Connection.h"

int main(int argc, char** argv) {
  Aplikacja app(argc, argv);
  int wynik = 0;
  try {
    UtworzOkna();
    Form1->show();
    wynik = app.exec();
  } catch (...) {
    PokazBlad(std::current_exception());
    wynik = 1;
  }
  ZniszczOkna();
  Connection::exitProcess(wynik);
}
