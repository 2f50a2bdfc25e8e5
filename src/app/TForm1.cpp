#include "app/TForm1.h"

#include "app/PanelSiatki.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "schedule/FiltrSkanera.h"
#include "schedule/SiatkaWizytDane.h"
#include "ui/Klepsydra.h"
#include "ui/Komunikaty.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QVBoxLayout>

TForm1::TForm1() {
  setObjectName(QStringLiteral("Form1"));
  Stan.ListaLekarzy.clear();
  filtrSkanera().zatrzymaj();

  setWindowTitle(QStringLiteral("Halvik :: ORBE - Ambulor  (") + WersjaProduktu(QStringLiteral("ProductVersion")) +
                 u')');
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSize(8);
  setFont(f);

  UstalKatalogi(Stan, QCoreApplication::applicationDirPath());

  auto* centralny = new QWidget(this);
  auto* uklad = new QVBoxLayout(centralny);
  uklad->setContentsMargins(0, 0, 0, 0);
  panelSiatki = new PanelSiatki(centralny);
  panelSiatki->setObjectName(QStringLiteral("panelSiatki"));
  panelSiatki->hide();
  uklad->addWidget(panelSiatki);
  setCentralWidget(centralny);

  DateTimePicker1 = new QDateEdit(QDate::currentDate(), this);
  DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));

  UtworzAkcje();
  UtworzMenu();
  UtworzPasekNarzedzi();
  UtworzPasekStanu();
  UtworzSiatke();
  PodlaczAkcje();

  timer_Start.setSingleShot(true);
  timer_Start.setInterval(100);
  connect(&timer_Start, &QTimer::timeout, this, &TForm1::timer_StartTimer);
  timerLogowanieTimeOut.setSingleShot(true);
  connect(&timerLogowanieTimeOut, &QTimer::timeout, this, &TForm1::timerLogowanieTimeOutTimer);

  setWindowState(Qt::WindowMaximized);
}

TForm1::~TForm1() = default;

void TForm1::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (pokazany_) return;
  pokazany_ = true;
  CzytajUstawienia(Stan);
  Stan.LogowanieWlaczone = QFile::exists(Stan.KatalogDanych + QStringLiteral("logow.db"));
  Stan.Zalogowany = false;
  if (!Stan.LogowanieWlaczone) UstawPanel(2, QStringLiteral("Bez logowania"));
  OdswiezAkcje();
}

bool TForm1::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate && pierwszaAktywacja_) {
    pierwszaAktywacja_ = false;
    timer_Start.start();
  } else if (e->type() == QEvent::StatusTip) {
    // Every hint shown also goes to the last status panel.
    UstawPanel(5, static_cast<QStatusTipEvent*>(e)->tip());
    return true;
  }
  return QMainWindow::event(e);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
  if (filtrSkanera().filtruj(FiltrSkanera::ZnakKlawisza(e))) return;
  ZatrzymajOdliczanie();
  WznowOdliczanie();
  QMainWindow::keyPressEvent(e);
}

void TForm1::timer_StartTimer() {
  timer_Start.stop();
  if (startWykonany_) return;
  startWykonany_ = true;
  pierwszaAktywacja_ = false;
  aBazaDanych->setEnabled(false);
  aOpcje->setEnabled(false);
  PolaczZBaza(true);
  if (Polaczony()) {
    PoPolaczeniu();
    panelSiatki->show();
  }
  // Nothing of the grid shows before someone has logged in.
  ZastosujLogowanie();
  if (Stan.LogowanieWlaczone) PokazLogowanie();
  ZastosujLogowanie();
  aBazaDanych->setEnabled(true);
  aOpcje->setEnabled(true);
  OdswiezAkcje();
}

void TForm1::closeEvent(QCloseEvent* e) {
  filtrSkanera().zatrzymaj();
  timerLogowanieTimeOut.stop();
  ZapiszUstawienia(Stan);
  try {
    polaczenie_.close();
  } catch (...) {
    // The program ends either way; the server rolls back what is left.
  }
  e->accept();
}

void TForm1::PolaczZBaza(bool pokazOkno) {
  Klepsydra klepsydra;
  bool flaga = pokazOkno;
  for (;;) {
    UstawPanel(1, QStringLiteral("ŁĄCZENIE"));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const QString nazwa = NazwaBazy(Stan.KatalogDanych, Stan.Host, Stan.Dir);
    try {
      polaczenie_.open(nazwa, ParametryPolaczenia(Stan.KatalogDanych));
      break;
    } catch (const DbError& e) {
      komunikaty().sygnal();
      UstawPanel(1, QStringLiteral("BŁĄD"));
      komunikaty().komunikat(QStringLiteral("Błąd otwarcia:\n") + e.message());
      if (!flaga) break;
      flaga = PokazOknoBazyDanych();
      ZapiszUstawienia(Stan);
      if (!flaga) break;
    }
  }
  if (polaczenie_.isOpen())
    UstawPanel(1, Stan.Host.isEmpty() ? QStringLiteral("lokalna") : Stan.Host);
  else
    UstawPanel(1, QStringLiteral("Niepodłączony"));
}

void TForm1::aBazaDanychExecute() {
  // Re-arms the countdown and sets every action's state on every path, so an
  // error on the way never leaves aBazaDanych and aOpcje disabled.
  PolecenieGlowne polecenie(*this);
  polaczenie_.close();
  panelSiatki->hide();
  OdswiezAkcje();
  // After the general rule, which would enable them again.
  aBazaDanych->setEnabled(false);
  aOpcje->setEnabled(false);
  const bool pokazPonownie = PokazOknoBazyDanych();
  ZapiszUstawienia(Stan);
  PolaczZBaza(pokazPonownie);
  if (Polaczony()) {
    PoPolaczeniu();
    panelSiatki->show();
    ZastosujLogowanie();
  }
  aBazaDanych->setEnabled(true);
  aOpcje->setEnabled(true);
}

void TForm1::ZastosujLogowanie() {
  const bool g = BramkaLogowania();
  DateTimePicker1->setEnabled(g);
  panelSiatki->UstawBramke(g);
}

void TForm1::ZatrzymajOdliczanie() { timerLogowanieTimeOut.stop(); }

void TForm1::WznowOdliczanie() {
  if (Stan.LogowanieWlaczone && Stan.Zalogowany && Stan.logow_timeout > 0) {
    timerLogowanieTimeOut.setInterval(Stan.logow_timeout * 60000);
    timerLogowanieTimeOut.start();
  }
}

void TForm1::UstawPanel(int numer, const QString& tekst) {
  if (numer >= 0 && numer < static_cast<int>(panele_.size())) panele_[numer]->setText(tekst);
}

QString TForm1::TekstPanelu(int numer) const {
  return (numer >= 0 && numer < static_cast<int>(panele_.size())) ? panele_[numer]->text() : QString();
}

void TForm1::UtworzPasekStanu() {
  struct Panel {
    int szerokosc;
    Qt::Alignment wyrownanie;
    bool ramka;
    const char* tekst;
  };
  const Panel opis[6] = {{80, Qt::AlignRight, false, "Baza danych: "}, {100, Qt::AlignCenter, true, "Status DB"},
                         {100, Qt::AlignCenter, true, "Logowanie"},    {70, Qt::AlignRight, false, "Ilość wizyt:"},
                         {60, Qt::AlignCenter, true, "ilość"},         {50, Qt::AlignLeft, true, ""}};
  for (int i = 0; i < 6; ++i) {
    auto* l = new QLabel(QString::fromUtf8(opis[i].tekst), statusBar());
    l->setObjectName(QStringLiteral("panel%1").arg(i));
    l->setAlignment(opis[i].wyrownanie | Qt::AlignVCenter);
    if (opis[i].ramka) l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (i < 5) l->setFixedWidth(opis[i].szerokosc);
    else l->setMinimumWidth(opis[i].szerokosc);
    statusBar()->addWidget(l, i == 5 ? 1 : 0);
    panele_[i] = l;
  }
}
