#pragma once
// The picker over the companion program's register of patients: a paged list
// of its PACJENT rows, filtered by the server and searched within the page.
// The row confirmed with OK is handed back in WybranyPacjent. The companion
// database is opened when the picker is shown and closed when it closes.
#include "patients/PasekListyStron.h"
#include "patients/TessorDane.h"

#include <QDialog>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class SiatkaListy;
struct StanProgramu;

class TForm_Tessor_Pacjenci : public QDialog {
  Q_OBJECT
 public:
  TForm_Tessor_Pacjenci(const StanProgramu& stan, QWidget* parent = nullptr);
  ~TForm_Tessor_Pacjenci() override;

  TessorDane& Dane() { return dane_; }
  Dataset& sqlPacjent() { return dane_.sqlPacjent; }

  bool FiltrWlaczony = false;
  // The row confirmed with OK; its ID stays from one showing to the next.
  TessorReguly::PacjentTessor WybranyPacjent;

  void UstawAkcje();
  void aFiltrujExecute();
  void aSzukajExecute();
  void aPoprzedniaExecute();
  void aNastepnaExecute();
  void btnOKClick();
  void DBGrid1DblClick();

  SiatkaListy* DBGrid1 = nullptr;
  QLineEdit* edFiltruj = nullptr;
  QLineEdit* edSzukaj = nullptr;
  QPushButton *btnFiltruj = nullptr, *btnSzukaj = nullptr, *btnPoprzednia = nullptr, *btnNastepna = nullptr;
  QPushButton *btnOK = nullptr, *btnAnuluj = nullptr;
  QLabel* Label4 = nullptr;
  QCheckBox* cbxPamietajFiltr = nullptr;
  QAction *aGoToFiltruj, *aFiltruj, *aGoToSzukaj, *aSzukaj, *aPoprzednia, *aNastepna;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  // Keys of the two boxes, and the default buttons following the focus.
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void UtworzAkcje();
  void UtworzUklad();
  void FormShow();
  void FormClose();
  // Conditions, count and page, when the companion database is open.
  void Przebuduj();
  bool KlawiszFiltra(QKeyEvent* e);
  bool KlawiszSzukania(QKeyEvent* e);
  // OK is the default button and Esc cancels only while the grid has the focus.
  void UstawPrzyciskiDomyslne(bool siatka);

  const StanProgramu& stan_;
  TessorDane dane_;
  PasekListyStron pasek_;
  bool otwarte_ = false;
  bool anulujEsc_ = false;
};
