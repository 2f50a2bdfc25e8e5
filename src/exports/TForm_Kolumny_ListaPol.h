#pragma once
// The placeholder picker of the template editor: the export's list of
// placeholders with their descriptions; OK hands back the chosen placeholder.
#include "exports/ListyPol.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

class TForm_Kolumny_ListaPol : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Kolumny_ListaPol(QWidget* rodzic = nullptr);

  // Inputs: the list number and the content cell's text (its row is selected
  // when it is one of the placeholders).
  int NumerListy = ListaPolDeklaracji;
  QString Tekst;
  // Output after OK: the placeholder of the current row.
  QString Wybrane() const { return wybrane_; }

  QTableWidget* VLE1;
  QPushButton* btnOK;
  QPushButton* btnAnuluj;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormShow();
  void WczytajListePol();
  void btnOKClick();

  QString wybrane_;
};
