#pragma once
// What the advice-type and examination list windows share: the two modes
// (Tryb "EDYCJA" to maintain, "WYBOR" to choose), WybraneID in and out, the
// grid over the list, "Dodaj", "Usuń", "Edytuj" and the OK / cancel buttons.
#include <QDialog>
#include <QSize>
#include <QString>

class Connection;
class Dataset;
class EdycjaSlownika;
class QAction;
class QHBoxLayout;
class QPushButton;
class QToolBar;
class QVBoxLayout;
class SiatkaListy;

struct OpisSlownika {
  QString tytul;
  QSize rozmiar;
  QString podpowiedzDodaj, podpowiedzUsun, podpowiedzEdytuj;
  QString tytulPytania;  // of the removal question
  QString pytanie;       // its first line
  int szerokoscNazwy;
  // The advice types hand back the current row however they close; the
  // examinations only on OK.
  bool wybraneZawsze;
};

class OknoSlownika : public QDialog {
  Q_OBJECT
 public:
  QString Tryb = QStringLiteral("EDYCJA");
  int WybraneID = 0;

  QToolBar* ToolBar;
  QAction *aDodaj, *aUsun, *aEdytuj;
  SiatkaListy* SG;
  QPushButton *btnOK, *btnAnuluj;

  bool TrybWyboru() const { return Tryb == QStringLiteral("WYBOR"); }
  Dataset& dataset() const { return *dataset_; }
  Connection& polaczenie() const { return polaczenie_; }
  // The edit dialog of this list (it registers itself).
  EdycjaSlownika* Edycja = nullptr;

  void UstawAkcje();
  void aDodajExecute();
  void aEdytujExecute();
  void aUsunExecute();
  void SGDblClick();

 protected:
  OknoSlownika(Connection& polaczenie, const OpisSlownika& opis, QWidget* parent);
  // The list the grid shows; called once by the window's constructor.
  void ustawDataset(Dataset& dataset);

  virtual void PrzedOtwarciem() {}
  virtual void OtworzListe() = 0;
  virtual void PoOtwarciu() {}
  virtual void PrzygotujNowy() {}
  // Removes the current row for good (after the question was answered Yes).
  virtual void UsunBiezacy() = 0;
  virtual void PrzyZamknieciu() {}

  // The key of "Edytuj" for the mode: Enter to maintain, Ctrl+Enter to choose.
  void UstawKlawiszEdycji(bool jest);
  int BiezaceID() const;

  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;

  QVBoxLayout* uklad;     // tool bar, grid, bottom row
  QHBoxLayout* dolny;     // left part of the bottom row is free for the window's own controls

 private:
  bool ZatwierdzEdycje();

  Connection& polaczenie_;
  Dataset* dataset_ = nullptr;
  OpisSlownika opis_;
};
