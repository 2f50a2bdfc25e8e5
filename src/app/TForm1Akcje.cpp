// The main window's actions, menus and toolbar, and the rule that enables them.
#include "app/TForm1.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

static QAction* akcja(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz,
                      const QKeySequence& skrot = {}) {
  auto* a = new QAction(QString::fromUtf8(podpis), okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setStatusTip(QString::fromUtf8(podpowiedz));
  a->setToolTip(QString::fromUtf8(*podpowiedz ? podpowiedz : podpis));
  if (!skrot.isEmpty()) {
    a->setShortcut(skrot);
    a->setShortcutContext(Qt::WindowShortcut);
  }
  okno->addAction(a);
  return a;
}

void TForm1::UtworzAkcje() {
  aWizytaNowa = akcja(this, "aWizytaNowa", "Nowa wizyta", "Nowa wizyta - pierwszy wolny termin", Qt::Key_Insert);
  aWizytaWgGrafiku = akcja(this, "aWizytaWgGrafiku", "Nowa wizyta wg grafiku", "Nowa wizyta - termin wg grafiku",
                           QKeySequence(Qt::CTRL | Qt::Key_Insert));
  aWizytaEdytuj = akcja(this, "aWizytaEdytuj", "Edytuj wizytę", "Edycja wizyty", Qt::Key_Return);
  aWizytaUsun = akcja(this, "aWizytaUsun", "Usuń wizytę", "Usunięcie wyzyty", Qt::Key_Delete);
  aPacjenci = akcja(this, "aPacjenci", "Pacjenci", "Wykaz pacjentów");
  aLekarze = akcja(this, "aLekarze", "Lekarze", "Wykaz lekarzy");
  aHarmonogram = akcja(this, "aHarmonogram", "Harmonogram", "Harmonogram pracy lekarzy");
  aPorady = akcja(this, "aPorady", "Porady", "Wykaz porad");
  aBadania = akcja(this, "aBadania", "Badania", "Wykaz badań");
  aZamknij = akcja(this, "aZamknij", "Zamknij", "Zamknij program");
  aWydruk = akcja(this, "aWydruk", "Wydruk", "Wydruk listy wizyt", QKeySequence(Qt::CTRL | Qt::Key_P));
  aEksportDeklaracji = akcja(this, "aEksportDeklaracji", "Eksport deklaracji", "Eksport deklaracji do pliku CSV");
  aEksportWizyt = akcja(this, "aEksportWizyt", "Eksport wizyt", "Eksport wizyt do pliku CSV");
  aZleconeBadania = akcja(this, "aZleconeBadania", "Zlecone badania", "Wydruk wykazu zleconych badań");
  aBazaDanych = akcja(this, "aBazaDanych", "Baza danych", "Parametry bazy danych");
  aOpcje = akcja(this, "aOpcje", "Opcje", "Opcje programu");
  aZaloguj = akcja(this, "aZaloguj", "Zaloguj", "Zaloguj do programu", QKeySequence(Qt::CTRL | Qt::Key_Z));
  aWyloguj = akcja(this, "aWyloguj", "Wyloguj", "Wyloguj z programu", QKeySequence(Qt::CTRL | Qt::Key_W));
  aOProgramie = akcja(this, "aOProgramie", "O programie", "");
  aZakladkaPoprzednia = akcja(this, "aZakladkaPoprzednia", "aZakladkaPoprzednia", "Poprzednia zakładka",
                              QKeySequence(Qt::CTRL | Qt::Key_Left));
  aZakladkaNastepna = akcja(this, "aZakladkaNastepna", "aZakladkaNastepna", "Następna zakładka",
                            QKeySequence(Qt::CTRL | Qt::Key_Right));
  // Enter on the keypad opens a visit as well.
  aWizytaEdytuj->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
}

void TForm1::UtworzMenu() {
  QMenu* wizyty = menuBar()->addMenu(QStringLiteral("Wizyty"));
  wizyty->addActions({aWizytaNowa, aWizytaWgGrafiku, aWizytaEdytuj, aWizytaUsun});
  wizyty->addSeparator();
  wizyty->addAction(aZamknij);
  menuBar()->addMenu(QStringLiteral("Tabele"))->addActions({aPacjenci, aLekarze, aHarmonogram, aPorady, aBadania});
  QMenu* wydruk = menuBar()->addMenu(QStringLiteral("Wydruk i eksport"));
  wydruk->addAction(aWydruk);
  wydruk->addSeparator();
  wydruk->addActions({aEksportDeklaracji, aEksportWizyt});
  wydruk->addSeparator();
  wydruk->addAction(aZleconeBadania);
  QMenu* narzedzia = menuBar()->addMenu(QStringLiteral("Narzędzia"));
  narzedzia->addActions({aBazaDanych, aOpcje});
  narzedzia->addSeparator();
  narzedzia->addActions({aZaloguj, aWyloguj});
}

void TForm1::UtworzPasekNarzedzi() {
  QToolBar* pasek = addToolBar(QStringLiteral("Narzędzia"));
  pasek->setObjectName(QStringLiteral("ToolBar1"));
  pasek->setMovable(false);
  pasek->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  pasek->setIconSize(QSize(32, 32));

  auto* dzien = new QWidget(pasek);
  auto* l = new QVBoxLayout(dzien);
  l->setContentsMargins(4, 0, 4, 0);
  l->setSpacing(1);
  l->addWidget(new QLabel(QStringLiteral("Dzień:"), dzien));
  DateTimePicker1->setParent(dzien);
  DateTimePicker1->setCalendarPopup(true);
  DateTimePicker1->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
  DateTimePicker1->setFixedSize(121, 28);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(16);
  DateTimePicker1->setFont(f);
  DateTimePicker1->setFocusPolicy(Qt::NoFocus);
  l->addWidget(DateTimePicker1);
  pasek->addWidget(dzien);
  pasek->addSeparator();

  auto* nowa = new QMenu(pasek);
  nowa->addAction(aWizytaNowa);
  nowa->addAction(aWizytaWgGrafiku);
  nowa->setDefaultAction(aWizytaNowa);
  pasek->addAction(aWizytaNowa);
  // The menu goes on the button, not on the action: an action whose own menu
  // holds it sends the shortcut lookup round in a circle (Insert and
  // Ctrl+Insert pressed in another window crashed).
  if (auto* b = qobject_cast<QToolButton*>(pasek->widgetForAction(aWizytaNowa))) {
    b->setMenu(nowa);
    b->setPopupMode(QToolButton::MenuButtonPopup);
  }
  pasek->addActions({aWizytaEdytuj, aWizytaUsun});
  pasek->addSeparator();
  pasek->addAction(aPacjenci);
  auto* lekarze = new QMenu(pasek);
  lekarze->addAction(aHarmonogram);
  aLekarze->setMenu(lekarze);
  pasek->addAction(aLekarze);
  if (auto* b = qobject_cast<QToolButton*>(pasek->widgetForAction(aLekarze)))
    b->setPopupMode(QToolButton::MenuButtonPopup);
  pasek->addSeparator();
  pasek->addActions({aBazaDanych, aOpcje});
  pasek->addSeparator();
  pasek->addAction(aOProgramie);
  pasek->addSeparator();
  for (QAction* a : pasek->actions())
    if (auto* b = qobject_cast<QToolButton*>(pasek->widgetForAction(a))) b->setMinimumSize(69, 52);
}

void TForm1::OdswiezAkcje() {
  const bool g = BramkaLogowania();
  const bool c = Polaczony();
  const bool d = Stan.BiezacyLekarz != 0;
  const StanSiatki s = SiatkaDlaAkcji();
  const bool v = s.wybranaWizyta;
  aWizytaNowa->setEnabled(c && g && d);
  aWizytaWgGrafiku->setEnabled(g && !v && d);
  aWizytaEdytuj->setEnabled(g && v);
  aWizytaUsun->setEnabled(g && v);
  aPacjenci->setEnabled(c && g);
  aLekarze->setEnabled(c && g);
  aHarmonogram->setEnabled(g && d);
  for (QAction* a : {aPorady, aBadania, aEksportDeklaracji, aEksportWizyt, aZleconeBadania, aBazaDanych, aOpcje})
    a->setEnabled(g);
  aWydruk->setEnabled(g && s.iloscWizyt > 0);
  aZaloguj->setEnabled(Stan.LogowanieWlaczone && !Stan.Zalogowany);
  aWyloguj->setEnabled(Stan.LogowanieWlaczone && Stan.Zalogowany);
  aZakladkaPoprzednia->setEnabled(s.zakladka > 0);
  aZakladkaNastepna->setEnabled(s.zakladka >= 0 && s.zakladka < s.zakladek - 1);
  aZamknij->setEnabled(true);
  aOProgramie->setEnabled(true);
}
