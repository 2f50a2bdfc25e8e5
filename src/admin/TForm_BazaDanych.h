#pragma once
// "Baza danych": where the database is, the credentials of params.db, and
// backup and restore through the service manager. Shown modally while the
// main window holds no connection; the main window reconnects afterwards.
#include "admin/BazaDanychReguly.h"

#include <QDialog>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
struct StanProgramu;
class Services;

class TForm_BazaDanych : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_BazaDanych(QWidget* parent = nullptr);

  // The shared state to work on and the main connection's current database
  // path (used by the local backup and restore); set before every showing.
  void Przygotuj(StanProgramu& stan, const QString& biezacaBaza);
  // Shows the window modally; returns the state of "show again".
  bool PokazModalnie();

  // Tests drive the modal window through a script instead of a real modal
  // loop: the window is shown, the script runs, the window closes.
  using Skrypt = std::function<void(TForm_BazaDanych&)>;
  static Skrypt UstawSkrypt(Skrypt skrypt);  // returns the previous one
  // Installs a script for one scope and puts the previous one back.
  class ZeSkryptem {
   public:
    explicit ZeSkryptem(Skrypt s) : poprzedni_(UstawSkrypt(std::move(s))) {}
    ~ZeSkryptem() { UstawSkrypt(std::move(poprzedni_)); }

   private:
    Skrypt poprzedni_;
  };

  // File dialogs (tests replace them); an empty result means cancelled.
  std::function<QString(const QString& katalog, const QString& nazwa)> DialogZapisu;
  std::function<QString(const QString& katalog)> DialogOtwarcia;

  void StanOkna();
  void WykonajBackup();
  void WykonajRestore();

  bool NiezapisanaLokalizacja = false;
  bool ZmianaLokalizacji = false;

  QListWidget* ListaStron;
  QStackedWidget* Strony;
  QRadioButton *rbBazaLokalna, *rbBazaZdalna;
  QLabel *lblHost, *lblHostOpis, *lblKatalog, *lblKatalogOpis;
  QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6;
  QPushButton *btnZapiszWyborDB, *btnZapiszNoweParametry, *btnPrzywrocParametryDomyslne;
  QWidget* panelKopiiZdalnej;
  QPushButton *btnBackup, *btnRestore;
  QLabel* lblOstrzezenie;
  QPlainTextEdit* memoPostep;
  QPushButton *btnPomoc, *btnZamknij;
  QCheckBox* cbxPokazPonownieOkno;
  QAction* aPomoc;

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 public slots:
  void reject() override;

 private:
  QWidget* UtworzStroneWyboru();
  QWidget* UtworzStroneUzytkownika();
  QWidget* UtworzStroneKopii();
  void FormShow();
  void ZmianaWyboru();
  void btnZapiszWyborDBClick();
  void btnZapiszNoweParametryClick();
  void btnPrzywrocParametryDomyslneClick();
  QString PlikParametrow() const;
  // Appends one progress line and lets the window repaint and react.
  void DopiszLinie(const QString& linia);
  // While a backup or restore runs the window can neither close nor start another.
  void UstawTrwanie(bool trwa);
  // One backup or restore: the service run with the hourglass and the window
  // locked, its lines in the progress box; the server's text when it failed.
  using LiniaUslugi = std::function<void(const QString&)>;
  using AkcjaUslugi = std::function<void(Services&, const LiniaUslugi&)>;
  std::optional<QString> UruchomUsluge(const BazaDanychReguly::ZadanieUslugi& z, const AkcjaUslugi& akcja);
  void ZakonczUsluge(bool udana, const QString& udane, const QString& nieudane);
  BazaDanychReguly::ZadanieUslugi ZadanieZdalneZOkna();

  StanProgramu* stan_ = nullptr;
  QString biezacaBaza_;
  bool trwa_ = false;
};
