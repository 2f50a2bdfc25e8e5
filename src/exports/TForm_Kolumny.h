#pragma once
// The column template editor: one grid row per CSV column with its letter,
// header and content; placeholders picked from the export's list. The export
// sets the list, its name and the template path before each showing; the
// template is written only on OK (or on Yes to "Zapisać zmiany?").
#include "exports/SzablonKolumn.h"

#include <QDialog>
#include <QTableWidget>

class QAction;
class QLabel;
class QPushButton;

// The editor's grid: closes an open in-place editor on request, keeping its text.
class SiatkaKolumn : public QTableWidget {
 public:
  using QTableWidget::QTableWidget;
  void zamknijEdytor();
};

class TForm_Kolumny : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Kolumny(QWidget* rodzic = nullptr);

  int NumerListy = 1002;
  QString NazwaEksportu;
  QString SciezkaSzablonu;

  QAction *aDodaj, *aWstaw, *aUsun, *aWGore, *aWDol, *aWstawPole;
  SiatkaKolumn* SG1;
  QLabel* PanelIlosci;
  QPushButton* btnOK;
  QPushButton* btnAnuluj;

  bool Zmiany() const { return zmiany_; }
  // The template as the grid holds it now.
  SzablonKolumn SzablonZSiatki() const;
  // The grid's current row as the editor counts it: 0 for the title row, 1.. for columns.
  int BiezacyWiersz() const;

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;
  void resizeEvent(QResizeEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  void FormShow();
  void WczytajSzablon();
  void NumerujWiersze();
  void PokazIloscKolumn();
  void UstawAkcje();
  void UstawSzerokosci();
  void ZapiszSzablon();
  void UstawWiersz(int wiersz, const KolumnaSzablonu& k);
  KolumnaSzablonu Wiersz(int wiersz) const;
  void EdytujNaglowek(int wiersz);

  void aDodajExecute();
  void aWstawExecute();
  void aUsunExecute();
  void Przesun(int oIle);
  void aWstawPoleExecute();
  void btnOKClick();

  bool zmiany_ = false;
  bool wypelnianie_ = false;
  bool otwarte_ = false;
};
