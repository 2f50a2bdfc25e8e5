#include "app/Okna.h"

#include "admin/TForm_BazaDanych.h"
#include "app/TForm1.h"

TForm1* Form1 = nullptr;
TForm_BazaDanych* Form_BazaDanych = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
  Form_BazaDanych = new TForm_BazaDanych(Form1);
}

void ZniszczOkna() {
  // Owned windows go with their owner.
  Form_BazaDanych = nullptr;
  delete Form1;
  Form1 = nullptr;
}
