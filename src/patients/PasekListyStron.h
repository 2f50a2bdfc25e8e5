#pragma once
// The bar of a paged patient list: the filter the server applies, the search
// within the page, the result count and the page buttons. Its widgets are
// children of the window itself, so the window's tab order follows where the
// bar is built; the window wires the actions to its own commands.
#include <QKeySequence>
#include <QPalette>

class Dataset;
class QAction;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class StronyPacjentow;

// A command of the window, with its tip and a shortcut for the whole window.
QAction* AkcjaOkna(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz,
                   const QKeySequence& skrot = {});

class PasekListyStron {
 public:
  QAction *aGoToFiltruj = nullptr, *aFiltruj = nullptr, *aGoToSzukaj = nullptr, *aSzukaj = nullptr,
          *aPoprzednia = nullptr, *aNastepna = nullptr;
  QLineEdit *edFiltruj = nullptr, *edSzukaj = nullptr;
  QPushButton *btnFiltruj = nullptr, *btnSzukaj = nullptr, *btnPoprzednia = nullptr, *btnNastepna = nullptr;
  QLabel* lblWyniki = nullptr;

  // The six commands; the two "go to" ones put the focus into their box.
  void UtworzAkcje(QWidget* okno, const char* podpisNastepnej);
  // The buttons run their commands, the search runs as it is typed.
  QHBoxLayout* UtworzUklad(QWidget* okno, const char* nazwaWynikow, bool podpowiedziStron);
  // The result label and the page commands for the page on screen.
  void PokazStrone(const StronyPacjentow& strony);
  // Moves to the first row of the page whose name or PESEL starts with the
  // search text; the box turns red when none does.
  void Szukaj(Dataset& strona, const QString& poleNazwy);
  // Enter and Esc in the search box hand the focus back to the list.
  bool KlawiszSzukania(QKeyEvent* e, QWidget* lista);

 private:
  QPalette paletaSzukaj_;
};
