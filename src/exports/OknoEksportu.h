#pragma once
// The common window of the two CSV exports (visits, declarations): year and
// month, the preview grid laid out by the column template, "Kolumny" to edit
// the template and "Zapisz" to write the preview. The two exports differ only
// in what their description says.
#include "exports/EksportDane.h"

#include <QDialog>

class QAction;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTableView;
class ModelPodgladu;

class OknoEksportu : public QDialog {
  Q_OBJECT
 public:
  struct Opis {
    const char* tytul;
    const char* sekcjaUstawien;  // window and column sizes in orbe.ini
    int szerokosc, wysokosc;     // design size
    const char* plikSzablonu;    // in the data folder
    int numerListyPol;           // the editor's placeholder list
    const char* nazwaEksportu;   // the editor's caption
    QString (*nazwaPliku)(int rok, int miesiac);
    PodgladEksportu (*podglad)(Connection&, int rok, int miesiac, const SzablonKolumn&);
  };

  OknoEksportu(const Opis& opis, QWidget* rodzic);

  QAction* aKolumny;
  QAction* aZapisz;
  QSpinBox* UpDown1;
  QComboBox* ComboBox1;
  QTableView* SG1;
  QPushButton* btnZamknij;

  int Rok() const;
  int Miesiac() const;  // 1..12
  QString SciezkaSzablonu() const;
  const SzablonKolumn& Szablon() const { return szablon_; }
  const QList<QStringList>& Wiersze() const;
  QString ProponowanaNazwaPliku() const { return opis_.nazwaPliku(Rok(), Miesiac()); }

  static const QString FiltrPlikow;

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;

 private:
  void FormShow();
  void FormClose();
  void WczytajKolumnyEksportu();
  void WypelnijPodglad();
  void aKolumnyExecute();
  void aZapiszExecute();
  // Sets the grid's columns from the template; widths of columns that stay
  // are kept, new columns get `szerokosci` or 128.
  void UstawKolumny(const QList<int>& szerokosci);
  QList<int> SzerokosciKolumn() const;
  QString PlikUstawien() const;

  Opis opis_;
  SzablonKolumn szablon_;
  QStringList kolumnyZapytania_;
  ModelPodgladu* model_;
  bool otwarte_ = false;
};
