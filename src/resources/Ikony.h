#pragma once
// The program's own pictures, drawn rather than shipped: the toolbar's 32 x 32
// icons, the tab buttons' 16 x 16 ones and the grid's arrow STRZWPRAWO.
#include <QIcon>
#include <QPixmap>

namespace Ikony {

enum class Obraz {
  NowaWizyta,
  WizytaWgGrafiku,
  EdytujWizyte,
  UsunWizyte,
  Pacjenci,
  Lekarze,
  Harmonogram,
  Wydruk,
  BazaDanych,
  Opcje,
  OProgramie,
  Poprzednia,
  Nastepna,
};

// A picture of the given size (square), drawn on a transparent background.
QPixmap Rysuj(Obraz obraz, int rozmiar);
QIcon Ikona(Obraz obraz, int rozmiar);

// The 28 x 28 arrow pointing right. Its pixels of the colour of its
// bottom-left pixel are masked out, so it is drawn transparently.
QPixmap StrzalkaWPrawo();

}  // namespace Ikony
