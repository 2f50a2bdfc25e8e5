// The main window's day grid and doctor tabs.
#include "app/TForm1.h"

void TForm1::PoPolaczeniu() {}

TForm1::StanSiatki TForm1::SiatkaDlaAkcji() const { return {}; }
