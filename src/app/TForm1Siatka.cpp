// The main window's day grid and doctor tabs.
#include "app/TForm1.h"

void TForm1::PoPolaczeniu() {}

TForm1::StanSiatki TForm1::SiatkaDlaAkcji() const { return {}; }

void TForm1::WczytajLekarzy() {}
void TForm1::ZmianaZakladki() {}
void TForm1::WybierzZakladkeLekarza(int) {}
void TForm1::OtworzPorady() {}
void TForm1::ZbudujSiatke() {}
void TForm1::UstawWierszWgCzasu() {}
int TForm1::WybranyWiersz() const { return -1; }
void TForm1::WybierzWiersz(int) {}
