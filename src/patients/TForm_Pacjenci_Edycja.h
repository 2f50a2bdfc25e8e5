#pragma once
// The patient editor, shown by the patient list (or an import) on its
// dataset's row in insert or edit state. It fills the birth date and sex from
// the PESEL, helps with the address from the postal-code table and the
// division lists, validates and posts on OK; closing it any other way cancels
// the pending change. It never commits: the caller does.
#include "patients/EdycjaPacjentaDane.h"
#include "patients/EdycjaPacjentaReguly.h"
#include "patients/ListyAdresowe.h"

#include <QDialog>

class Dataset;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class PowiazanieEdycji;
class TForm1;
class TForm_Pacjenci;

class TForm_Pacjenci_Edycja : public QDialog {
  Q_OBJECT
 public:
  // A child of the list, so it goes with it.
  TForm_Pacjenci_Edycja(TForm_Pacjenci& lista, TForm1& glowne);

  QLabel* lblID = nullptr;
  QLineEdit *edNazwisko, *edImie, *edPESEL, *edDataUr, *edUlica, *edNrDomu, *edNrLokal, *edKodP, *edPoczta,
      *edDtDeklarLek, *edDtDeklarPiel;
  QComboBox *cbGmina, *cbPowiat, *cbWojewodztwo, *cbLekarz;
  QRadioButton *rbKobieta, *rbMezczyzna;
  QPushButton *btnDataUr, *btnWyborLekarza, *btnDtDeklarLek, *btnDtDeklarPiel, *btnOK, *btnAnuluj;

  ListyAdresowe Listy;

  bool SprawdzDane();
  void btnOKClick();
  void btnWyborLekarzaClick();
  void UzupelnijAdres();
  void ZapamietajKodPocztowy();

  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void UtworzUklad();
  void FormShow();
  void Opuszczono(QWidget* pole);
  void edPESELExit();
  void ListaExit(EdycjaPacjentaReguly::Lista lista);
  void WypelnijLekarzy();
  void PokazLekarza();
  void PokazPlec();
  void UstawKolor(QWidget* pole, bool normalny);
  QComboBox* Rozwijana(EdycjaPacjentaReguly::Lista lista) const;
  QString Pole(EdycjaPacjentaReguly::Lista lista) const;

  TForm_Pacjenci& lista_;
  TForm1& glowne_;
  Dataset& sqlPacjenci_;
  PowiazanieEdycji* powiazanie_;
  EdycjaPacjentaDane dane_;
  QButtonGroup* grupaPlci_ = nullptr;
  bool lekarzMaFokus_ = false;
  bool opuszczono_ = false;
  bool zamykanie_ = false;  // the closing moves the focus away: no leaving handler then
};
