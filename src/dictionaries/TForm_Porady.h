#pragma once
// "Porady": the advice-type list, to maintain (from the main window) or to
// choose the visit's advice type (from the visit editor). Removal deletes.
#include "dictionaries/OknoSlownika.h"
#include "dictionaries/PoradyDane.h"

class TForm_Porady : public OknoSlownika {
  Q_OBJECT
 public:
  explicit TForm_Porady(Connection& polaczenie, QWidget* parent = nullptr);
  PoradyDane dane;

 protected:
  void OtworzListe() override;
  void UsunBiezacy() override;
};
