#pragma once
// The main window: the receptionist's working screen. It owns the shared
// state, the one database connection and its transaction, the start-up and
// closing sequences, the status bar and the enabled state of every command.
// Its grid, tabs, commands and login live in separate files (TForm1*.cpp).
#include "app/StanProgramu.h"
#include "db/Connection.h"

#include <QMainWindow>
#include <QTime>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QDateEdit;
class QLabel;
class QMenu;
class Dataset;
class PanelSiatki;
class SiatkaDniaWidok;
class SiatkaWizytDane;
class ZakladkiLekarzy;
class Raport;

class TForm1 : public QMainWindow {
  Q_OBJECT
 public:
  TForm1();
  ~TForm1() override;

  StanProgramu Stan;
  Connection& Polaczenie() { return polaczenie_; }
  bool Polaczony() const { return polaczenie_.isOpen(); }
  void CommitRetaining() { polaczenie_.commitRetaining(); }
  void RollbackRetaining() { polaczenie_.rollbackRetaining(); }

  // Connects, reporting in status panel 1; on failure offers the database
  // window as long as its "show again" box stays ticked.
  void PolaczZBaza(bool pokazOkno);
  // The enabled state of every action.
  void OdswiezAkcje();
  // The login gate g = not LogowanieWlaczone or Zalogowany.
  bool BramkaLogowania() const { return !Stan.LogowanieWlaczone || Stan.Zalogowany; }
  // Shows the grid and tabs and enables the date picker exactly when g holds.
  void ZastosujLogowanie();

  // --- Login (TForm1Logowanie.cpp) ---
  // Shows the login window; Zalogowany = its answer; re-arms the countdown.
  void PokazLogowanie();
  void aZalogujExecute();
  void aWylogujExecute();
  // The inactivity countdown ran out: the grid goes first, then the prompt.
  void timerLogowanieTimeOutTimer();

  // The inactivity countdown: stopped at the start of every command and re-armed at its end.
  void ZatrzymajOdliczanie();
  void WznowOdliczanie();

  // --- Day grid and doctor tabs (TForm1Siatka.cpp) ---
  // Reloads the doctor tabs and ListaLekarzy from LEKARZE (first tab selected).
  void WczytajLekarzy();
  // The tab change: doctor colours, BiezacyLekarz, both queries, rebuild, row by time.
  void ZmianaZakladki();
  // Selects the tab whose ListaLekarzy entry has this ID (none when absent).
  void WybierzZakladkeLekarza(int id);
  // Closes and reopens the advice-type list the grid looks codes up in.
  void OtworzPorady();
  void ZbudujSiatke();
  void UstawWierszWgCzasu();
  // The selected data row (0 = first data row), -1 for none.
  int WybranyWiersz() const;
  void WybierzWiersz(int wiersz);
  // The day's visits and working ranges for the picker's date and BiezacyLekarz.
  void OtworzWizyty();
  void OtworzHarmonogram();
  // The time for a visit at the first free slot, and the selected row's time.
  QTime PierwszyWolnyTermin() const;
  QTime GodzinaWybranegoWiersza() const;
  // The date change: picker colour, both queries, rebuild, row by time, focus.
  void DateTimePicker1Change();
  // Sets the picker's date without a date change and colours it (yellow with
  // its hint on any day but today).
  void UstawDzien(const QDate& data);
  void UstawKolorDaty();
  void aZakladkaPoprzedniaExecute();
  void aZakladkaNastepnaExecute();

  // The day's visits (edited by the visit commands, read by the printout),
  // the advice types they look up, the working ranges of the day.
  Dataset* sqlWizyty = nullptr;
  Dataset* sqlPorady = nullptr;
  Dataset* sqlHarmonogram = nullptr;
  SiatkaDniaWidok* SG1 = nullptr;
  ZakladkiLekarzy* TabControl1 = nullptr;
  QMenu* popmenuGrafikWizyt = nullptr;

  void UstawPanel(int numer, const QString& tekst);
  QString TekstPanelu(int numer) const;

  // Actions, in the order of the window's action table.
  QAction *aWizytaNowa, *aWizytaWgGrafiku, *aWizytaEdytuj, *aWizytaUsun, *aPacjenci, *aLekarze, *aHarmonogram,
      *aPorady, *aBadania, *aZamknij, *aWydruk, *aEksportDeklaracji, *aEksportWizyt, *aZleconeBadania, *aBazaDanych,
      *aOpcje, *aZaloguj, *aWyloguj, *aOProgramie, *aZakladkaPoprzednia, *aZakladkaNastepna;

  QDateEdit* DateTimePicker1 = nullptr;
  PanelSiatki* panelSiatki = nullptr;
  QTimer timer_Start;
  QTimer timerLogowanieTimeOut;
  // The report of the day visit list; it keeps its template from one printout to the next.
  Raport* RaportWizyt = nullptr;

  // Runs the start-up sequence now (the 100 ms timer does it after the first activation).
  void timer_StartTimer();
  bool StartWykonany() const { return startWykonany_; }

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  void UtworzAkcje();
  void UtworzMenu();
  void UtworzPasekNarzedzi();
  void UtworzPasekStanu();
  void UtworzSiatke();
  void PodlaczAkcje();
  void SG1DblClick(int wiersz);
  // What follows a successful connection: doctors, advice types, the grid.
  void PoPolaczeniu();
  // Shows the database window; returns the state of its "show again" box.
  bool PokazOknoBazyDanych();
  void aBazaDanychExecute();
  void aWydrukExecute();

  // State of the grid for the enabling rules.
  struct StanSiatki {
    bool wybranaWizyta = false;  // the selected row is a visit row
    int iloscWizyt = 0;          // rows of the day's visit dataset
    int zakladka = -1;           // selected tab
    int zakladek = 0;            // number of tabs
  };
  StanSiatki SiatkaDlaAkcji() const;

  Connection polaczenie_;
  // Declared after the connection: its statements go before the connection does.
  std::unique_ptr<SiatkaWizytDane> daneSiatki_;
  std::array<QLabel*, 6> panele_{};
  bool pierwszaAktywacja_ = true;
  bool pokazany_ = false;
  bool startWykonany_ = false;
};

// Pauses the inactivity countdown for one main-window command and sets the
// enabled state of every action when the command ends, on every path.
class PolecenieGlowne {
 public:
  explicit PolecenieGlowne(TForm1& okno) : okno_(okno) { okno_.ZatrzymajOdliczanie(); }
  ~PolecenieGlowne() {
    okno_.WznowOdliczanie();
    okno_.OdswiezAkcje();
  }

 private:
  TForm1& okno_;
};
