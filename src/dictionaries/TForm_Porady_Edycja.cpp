#include "dictionaries/TForm_Porady_Edycja.h"

#include "dictionaries/TForm_Porady.h"

TForm_Porady_Edycja::TForm_Porady_Edycja(TForm_Porady& lista)
    : EdycjaSlownika(lista, QStringLiteral("Porady - Edycja"), QSize(561, 161), QStringLiteral("Wpisz kod porady.")) {
  setObjectName(QStringLiteral("Form_Porady_Edycja"));
}
