#pragma once
// The options window: slot interval, the administrative-division lists, the
// companion database, the printers and the login. It works on the main
// window's shared state; setting or removing the login takes effect at once,
// everything else only on OK (or Yes to "Zapisać zmiany").
#include "app/StanProgramu.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;

class TForm_Opcje : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Opcje(StanProgramu& stan, QWidget* parent = nullptr);

  // The installed printers, in the system's order (tests offer their own).
  std::function<QStringList()> ZrodloDrukarek;

  // Set by a change of any option but the login page's.
  bool ZmianyOpcji = false;
  // Set by the logout minutes, "  Zapisz" and "  Wyłącz"; read by the main window.
  bool ZmianaLogowania = false;

  QListWidget* ListBox1;
  QStackedWidget* PageControl1;
  QSpinBox* UpDown1;  // slot interval
  QTabWidget* PageControl2;
  QPlainTextEdit* MemoGminy;
  QPlainTextEdit* MemoPowiaty;
  QPlainTextEdit* MemoWojewodztwa;
  QLineEdit* Edit1;  // companion database path
  QPushButton* btnWyborDBTessor;
  QComboBox* ComboBox1;  // declaration date
  QComboBox* ComboBox2;  // ticket printer
  QComboBox* ComboBox3;  // card printer
  QSpinBox* UpDown2;     // logout minutes
  QLabel* lblStanLogowania;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QPushButton* btnZapiszParametryLogowania;
  QPushButton* btnWylaczLogowanie;
  QPushButton* btnOK;
  QPushButton* btnAnuluj;

  void ZapiszOpcje();
  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  QWidget* Strona(const QString& nazwa);
  void UtworzStronyWizytIList();
  void UtworzStronyTessorIDrukowania();
  void UtworzStroneLogowania();

  void WypelnijDrukarki();
  void PokazUstawienia();
  void PokazStanLogowania();
  void UporzadkujListe(QPlainTextEdit* pole);
  void ZapiszListe(QPlainTextEdit* pole, const char* plik);

  void ZmianyNaTRUE();
  void btnOKClick();
  void btnWyborDBTessorClick();
  void Edit_logow_OnChange();
  void btnZapiszParametryLogowaniaClick();
  void btnWylaczLogowanieClick();

  QString PlikLogowania() const;

  StanProgramu& stan_;
};
