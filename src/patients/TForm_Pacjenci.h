#pragma once
// The patient register: a paged list of at most 100 patients, narrowed by a
// filter the server applies, searched within the page, quick-filtered by
// typing into the list or by a card scan. Opened modally to maintain the
// register ("EDYCJA") or to choose a patient ("WYBOR"), handing back WybraneID.
#include "patients/PacjenciDane.h"
#include "patients/PasekListyStron.h"

#include <QDialog>
#include <QKeySequence>
#include <QTimer>
#include <functional>

class QAction;
class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class DelegatPacjentow;
class Raport;
class SiatkaListy;
class TForm1;

class TForm_Pacjenci : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Pacjenci(TForm1& glowne);
  ~TForm_Pacjenci() override;

  // Set by the caller before opening.
  QString Tryb = QStringLiteral("EDYCJA");
  int WybraneID = 0;
  QString FiltrPoczatkowy;

  PacjenciDane& Dane() { return dane_; }
  Dataset& sqlPacjenci() { return dane_.sqlPacjenci; }
  Dataset& sqlLekarze() { return dane_.sqlLekarze; }
  int ZnajdzPacjenta(const QString& pesel) { return dane_.ZnajdzPacjenta(pesel); }

  bool FiltrWlaczony = false;
  bool SkanOdczyt = false;
  QString BuforSkanu;
  QList<QKeySequence> SkrotEdycji;
  int IndeksDrukarkiKart = -1;
  // The file-open dialog of the import; empty path = cancelled. Tests put their own.
  std::function<QString(QWidget* rodzic)> WybierzPlikImportu;
  // One report for the list and the card; it keeps its template between printouts.
  Raport* RaportPacjentow = nullptr;

  // Conditions, count and the first page, behind the hourglass.
  void Przebuduj();
  // The enabled state of the commands for the current row, and the result label.
  void UstawAkcje();
  void SprawdzDrukarkeKart();

  void aDodajExecute();
  void aEdytujExecute();
  void aFiltrujExecute();
  void aSzukajExecute();
  void aPoprzedniaExecute();
  void aNastepnaExecute();
  void aOdswiezExecute();
  void aUsunExecute();
  void aPrzywrocExecute();
  // The declarations import from a KS-SWD file, then the list from its first page.
  void aImportujExecute();
  // The page on screen in the preview, and the current patient's card on the card printer.
  void aDrukujExecute();
  void aKartaExecute();
  // Takes a patient over from the companion program's register.
  void aDodajZTessorExecute();
  // Replaces the patient editor on the current (new) row for tests: true when
  // it posted with OK. Empty: the editor itself.
  std::function<bool()> OtworzEdytor;
  void btnOKClick();
  void DBGrid1DblClick();
  void timerSzybkieFiltrowanieTimer();
  void timerIgnorujSkanerTimer();

  QToolBar* ToolBar1 = nullptr;
  SiatkaListy* DBGrid1 = nullptr;
  DelegatPacjentow* delegat = nullptr;
  QLineEdit* edFiltruj = nullptr;
  QLineEdit* edSzukaj = nullptr;
  QPushButton *btnFiltruj = nullptr, *btnSzukaj = nullptr, *btnPoprzednia = nullptr, *btnNastepna = nullptr;
  QPushButton *btnOK = nullptr, *btnAnuluj = nullptr;
  QLabel* lblWyniki = nullptr;
  QCheckBox *cbxSzybkieFiltrowanie = nullptr, *cbxPamietajFiltr = nullptr, *cbxPokazUsunietych = nullptr;
  QMenu *popmenuDodaj = nullptr, *popmenuEdytuj = nullptr, *popmenuSiatki = nullptr;
  QTimer timerSzybkieFiltrowanie;
  QTimer timerIgnorujSkaner;

  QAction *aDodaj, *aDodajZTessor, *aImportuj, *aEdytuj, *aUsun, *aPrzywroc, *aHistoria, *aDrukuj, *aKarta,
      *aGoToFiltruj, *aFiltruj, *aGoToSzukaj, *aSzukaj, *aPoprzednia, *aNastepna, *aOdswiez;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  // Key preview of the whole window (the card scan) and the keys of the
  // grid and of the two filter boxes.
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void UtworzAkcje();
  void UtworzUklad();
  void FormShow();
  void FormClose();
  bool KlawiszSkanera(QEvent* zdarzenie);
  bool KlawiszSiatki(QKeyEvent* e);
  bool KlawiszFiltra(QKeyEvent* e);
  bool KlawiszSzukania(QKeyEvent* e);
  void edFiltrujSzukaj_OnEnter();
  void edFiltrujSzukaj_OnExit();
  void PobierzStroneZKlepsydra();

  TForm1& glowne_;
  PacjenciDane dane_;
  PasekListyStron pasek_;
  bool otwarte_ = false;
};
