#pragma once
// "Badania": the examination list, to maintain (from the main window) or to
// choose an examination ordered at a visit. Removal flags the row. The name
// filter is a box with a toggle, and quick filtering by typing into the grid.
#include "dictionaries/BadaniaDane.h"
#include "dictionaries/OknoSlownika.h"

#include <QTimer>

class QCheckBox;
class QLineEdit;
class QToolButton;

class TForm_Badania : public OknoSlownika {
  Q_OBJECT
 public:
  explicit TForm_Badania(Connection& polaczenie, QWidget* parent = nullptr);
  BadaniaDane dane;

  QAction *aGoToFiltruj, *aFiltruj;
  QLineEdit* edFiltruj;
  QToolButton* btnFiltruj;
  QCheckBox* cbxSzybkieFiltrowanie;
  QTimer timerSzybkieFiltrowanie;

  bool FiltrWlaczony() const { return filtr_; }
  // The filter toggle (button, Ctrl+Shift+F, the box's Enter and Esc, the timer).
  void aFiltrujExecute();

 protected:
  void PrzedOtwarciem() override;
  void OtworzListe() override;
  void PoOtwarciu() override;
  void PrzygotujNowy() override;
  void UsunBiezacy() override;
  void PrzyZamknieciu() override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  bool KlawiszSiatki(QKeyEvent* k);
  bool KlawiszFiltru(QKeyEvent* k);
  // While the filter box has the focus, Delete, Enter and Esc belong to it.
  void KlawiszeDlaFiltru(bool wPolu);

  bool filtr_ = false;
};
