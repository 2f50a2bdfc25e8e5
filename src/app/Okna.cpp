#include "app/Okna.h"

#include "app/TForm1.h"

TForm1* Form1 = nullptr;

void UtworzOkna() {
  Form1 = new TForm1();
}

void ZniszczOkna() {
  delete Form1;
  Form1 = nullptr;
}
