#pragma once
// "Edycja wizyty": one visit booked or changed on the current record of the
// main window's day visits, which the opener has put into insert or edit
// state. Validates and posts on OK, cancels otherwise; never commits.
#include "visits/Bilet.h"
#include "visits/EdycjaWizytyDane.h"

#include <QDialog>

class Dataset;
class PowiazanieEdycji;
class QCheckBox;
class ZakladkaZleconychBadan;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TForm1;

class TForm_EdycjaWizyty : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_EdycjaWizyty(TForm1& glowne);

  QLineEdit *DBEdit1, *DBEdit2, *DBEdit3;
  QPushButton *btnWyborDaty, *btnWyborGodziny, *btnWyborPacjenta, *btnWyborLekarza, *btnWyborPorady;
  QTabWidget* PageControl1;
  QWidget *tsDane, *tsBadania;
  ZakladkaZleconychBadan* zleconeBadania;
  DrukarkaBiletow drukarkaBiletow;
  QLabel *Label6, *Label7, *Label8, *Label9;  // patient panel
  QLabel *Label10, *Label11;                  // doctor panel
  QLabel *Label13, *Label14;                  // advice-type panel
  QCheckBox* btnDrukujBilet;
  QPushButton *btnOK, *btnAnuluj;

  // What the dialog holds while it is open (0 = not chosen).
  int PacjentID() const { return pacjentId_; }
  int LekarzID() const { return lekarzId_; }
  int PoradaID() const { return poradaId_; }

  void PokazPacjenta();
  void PokazLekarza();
  void PokazPorade();
  // Other visits of the record's doctor at its date and time.
  int GodzinaZajeta();
  // The OK checks in order, each with its message and focus; true when all pass.
  bool SprawdzDane();

  void btnWyborPacjentaClick();
  void btnWyborLekarzaClick();
  void btnWyborPoradyClick();
  void btnWyborDatyClick();
  void btnWyborGodzinyClick();
  void btnOKClick();

  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Dataset& wizyta() const;
  void UtworzUklad();
  void FormShow();
  // Yellow with the hint on any text but today's date.
  void DBEdit1Change();

  TForm1& glowne_;
  EdycjaWizytyDane dane_;
  PowiazanieEdycji* powiazanie_;
  int pacjentId_ = 0, lekarzId_ = 0, poradaId_ = 0;
  QString nazwisko_, imie_, pesel_;
  bool zmianaDaty_ = false;  // the date-change handler is attached
};
