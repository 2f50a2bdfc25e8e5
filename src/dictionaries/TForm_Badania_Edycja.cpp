#include "dictionaries/TForm_Badania_Edycja.h"

#include "dictionaries/TForm_Badania.h"

TForm_Badania_Edycja::TForm_Badania_Edycja(TForm_Badania& lista)
    : EdycjaSlownika(lista, QStringLiteral("Badania - Edycja"), QSize(465, 161),
                     QStringLiteral("Wpisz kod badania.")) {
  setObjectName(QStringLiteral("Form_Badania_Edycja"));
}
