#include "support/OknoGlowneTestowe.h"

#include <QApplication>
#include <QTest>

OknoGlowneTestowe::OknoGlowneTestowe(bool start) : OknoGlowneTestowe([](BazaTestowa&) {}, start) {}

OknoGlowneTestowe::OknoGlowneTestowe(const std::function<void(BazaTestowa&)>& przygotuj, bool start) {
  przygotuj(baza);
  qputenv("ORBE_DATA_DIR", baza.katalog().toUtf8());
  UtworzOkna();
  Form1->show();
  if (start) uruchomStart();
}

void OknoGlowneTestowe::uruchomStart() {
  Form1->timer_StartTimer();
  QApplication::processEvents();
}

OknoGlowneTestowe::~OknoGlowneTestowe() {
  Form1->close();
  ZniszczOkna();
  QApplication::processEvents();
}

void OknoGlowneTestowe::JedenLekarz(BazaTestowa& b) {
  b.wykonaj({"insert into LEKARZE (ID, NAZWISKO, IMIE, KOLOR, USUN) values (999, 'KOWALSKI', 'JAN', 16777215, 'N')"});
}
