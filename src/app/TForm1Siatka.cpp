// The main window's day grid and doctor tabs: the date and tab changes, the
// grid's mouse rules, and the pictures of the toolbar.
#include "app/PanelSiatki.h"
#include "app/TForm1.h"
#include "resources/Ikony.h"
#include "schedule/SiatkaDniaWidok.h"
#include "schedule/SiatkaWizytDane.h"
#include "schedule/ZakladkiLekarzy.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"

#include <QAction>
#include <QDateEdit>
#include <QLayout>
#include <QMenu>

using SiatkaDnia::KoloryWierszy;

void TForm1::UtworzSiatke() {
  daneSiatki_ = std::make_unique<SiatkaWizytDane>(polaczenie_);
  sqlWizyty = &daneSiatki_->sqlWizyty;
  sqlPorady = &daneSiatki_->sqlPorady;
  sqlHarmonogram = &daneSiatki_->sqlHarmonogram;

  SG1 = new SiatkaDniaWidok(panelSiatki);
  TabControl1 = new ZakladkiLekarzy(aZakladkaPoprzednia, aZakladkaNastepna, panelSiatki);
  panelSiatki->layout()->addWidget(SG1);
  panelSiatki->layout()->addWidget(TabControl1);

  popmenuGrafikWizyt = new QMenu(this);
  popmenuGrafikWizyt->setObjectName(QStringLiteral("popmenuGrafikWizyt"));
  popmenuGrafikWizyt->addActions({aWizytaNowa, aWizytaWgGrafiku, aWizytaEdytuj, aWizytaUsun});
  connect(SG1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { popmenuGrafikWizyt->popup(SG1->viewport()->mapToGlobal(p)); });
  connect(SG1, &SiatkaDniaWidok::przycisniety, this, [this] {
    ZatrzymajOdliczanie();
    WznowOdliczanie();
  });
  connect(SG1, &SiatkaDniaWidok::klikniety, this, [this] { PolecenieGlowne polecenie(*this); });
  connect(SG1, &SiatkaDniaWidok::wybranyZmieniony, this, [this] { PolecenieGlowne polecenie(*this); });
  connect(SG1, &SiatkaDniaWidok::dwuklik, this, &TForm1::SG1DblClick);
  connect(SG1, &SiatkaDniaWidok::szerokoscZmieniona, this, [this](int kolumna, int szerokosc) {
    if (kolumna >= 0 && kolumna < Stan.SzerKolumn.size()) Stan.SzerKolumn[kolumna] = szerokosc;
  });
  connect(TabControl1, &ZakladkiLekarzy::zmiana, this, &TForm1::ZmianaZakladki);
  connect(DateTimePicker1, &QDateEdit::dateChanged, this, &TForm1::DateTimePicker1Change);
  UstawKolorDaty();

  using Ikony::Obraz;
  const std::pair<QAction*, Obraz> obrazy[] = {
      {aWizytaNowa, Obraz::NowaWizyta}, {aWizytaWgGrafiku, Obraz::WizytaWgGrafiku},
      {aWizytaEdytuj, Obraz::EdytujWizyte}, {aWizytaUsun, Obraz::UsunWizyte},
      {aPacjenci, Obraz::Pacjenci},       {aLekarze, Obraz::Lekarze},
      {aHarmonogram, Obraz::Harmonogram}, {aWydruk, Obraz::Wydruk},
      {aBazaDanych, Obraz::BazaDanych},   {aOpcje, Obraz::Opcje},
      {aOProgramie, Obraz::OProgramie}};
  for (const auto& [akcja, obraz] : obrazy) akcja->setIcon(Ikony::Ikona(obraz, 32));
  aZakladkaPoprzednia->setIcon(Ikony::Ikona(Obraz::Poprzednia, 16));
  aZakladkaNastepna->setIcon(Ikony::Ikona(Obraz::Nastepna, 16));
}

void TForm1::PoPolaczeniu() {
  SG1->UstawSzerokosci(Stan.SzerKolumn);
  WczytajLekarzy();
  OtworzPorady();
  ZmianaZakladki();
}

TForm1::StanSiatki TForm1::SiatkaDlaAkcji() const {
  StanSiatki s;
  if (!SG1) return s;
  s.wybranaWizyta = SG1->WybranaWizyta();
  s.iloscWizyt = sqlWizyty->isOpen() ? sqlWizyty->count() : 0;
  s.zakladka = TabControl1->Indeks();
  s.zakladek = TabControl1->Ilosc();
  return s;
}

void TForm1::WczytajLekarzy() {
  const auto lekarze = SiatkaWizytDane::LekarzeWUzyciu(polaczenie_);
  Stan.ListaLekarzy.clear();
  QStringList podpisy;
  QVector<int> kolory;
  for (const LekarzZakladki& l : lekarze) {
    podpisy << u' ' + l.nazwisko + u' ' + l.imie + u' ';
    Stan.ListaLekarzy << QString::asprintf("%d=%d", l.id, l.kolor);
    kolory << l.kolor;
  }
  TabControl1->UstawZakladki(podpisy, kolory);
  if (lekarze.empty()) bladWalidacji(QStringLiteral("Nie zdefiniowano listy lekarzy."));
}

void TForm1::ZmianaZakladki() {
  PolecenieGlowne polecenie(*this);
  const int i = TabControl1->Indeks();
  QString klucz;
  KoloryWierszy kolory = SG1->KoloryPozaGodzinami();
  if (i >= 0 && i < Stan.ListaLekarzy.size()) {
    klucz = Stan.ListaLekarzy[i].section(u'=', 0, 0);
    kolory = SiatkaDnia::KoloryLekarza(Stan.ListaLekarzy[i].section(u'=', 1).toInt());
  }
  SG1->UstawKoloryLekarza(kolory);
  SG1->UstawTlo(kolory.podstawowy);
  bool ok = false;
  const int id = klucz.toInt(&ok);
  Stan.BiezacyLekarz = ok ? id : 0;
  OtworzWizyty();
  OtworzHarmonogram();
  ZbudujSiatke();
  UstawWierszWgCzasu();
}

void TForm1::WybierzZakladkeLekarza(int id) {
  int indeks = -1;
  for (int i = 0; i < Stan.ListaLekarzy.size() && indeks < 0; ++i)
    if (Stan.ListaLekarzy[i].section(u'=', 0, 0) == QString::number(id)) indeks = i;
  TabControl1->UstawIndeks(indeks);
}

void TForm1::aZakladkaPoprzedniaExecute() {
  if (TabControl1->Indeks() <= 0) return;
  TabControl1->UstawIndeks(TabControl1->Indeks() - 1);
  ZmianaZakladki();
}

void TForm1::aZakladkaNastepnaExecute() {
  const int i = TabControl1->Indeks();
  if (i < 0 || i >= TabControl1->Ilosc() - 1) return;
  TabControl1->UstawIndeks(i + 1);
  ZmianaZakladki();
}

void TForm1::OtworzPorady() { daneSiatki_->OtworzPorady(); }

void TForm1::OtworzWizyty() { daneSiatki_->OtworzWizyty(DateTimePicker1->date(), Stan.BiezacyLekarz); }

void TForm1::OtworzHarmonogram() { daneSiatki_->OtworzHarmonogram(DateTimePicker1->date(), Stan.BiezacyLekarz); }

void TForm1::ZbudujSiatke() {
  SG1->UstawGodzinyPracy(Stan.BiezacyLekarz, daneSiatki_->ZakresyPracy());
  SG1->UstawWiersze(daneSiatki_->ZbudujWiersze(Stan.grafik_co));
  UstawPanel(4, QString::number(sqlWizyty->isOpen() ? sqlWizyty->count() : 0));
}

void TForm1::UstawWierszWgCzasu() {
  SG1->WybierzWiersz(SiatkaDnia::UstawWierszWgCzasu(SG1->Wiersze(), QTime::currentTime(), SG1->WybranyWiersz()));
}

int TForm1::WybranyWiersz() const { return SG1->WybranyWiersz(); }

void TForm1::WybierzWiersz(int wiersz) { SG1->WybierzWiersz(wiersz); }

QTime TForm1::PierwszyWolnyTermin() const { return SiatkaDnia::PierwszyWolnyTermin(SG1->Wiersze(), Stan.grafik_co); }

QTime TForm1::GodzinaWybranegoWiersza() const {
  const int w = SG1->WybranyWiersz();
  return w < 0 ? QTime() : SiatkaDnia::GodzinaWiersza(SG1->Wiersze()[w]);
}

void TForm1::UstawKolorDaty() {
  const bool dzisiaj = DateTimePicker1->date() == QDate::currentDate();
  QPalette pal = DateTimePicker1->palette();
  pal.setColor(QPalette::Base, dzisiaj ? palette().color(QPalette::Base) : Kolory::NieDzisiaj);
  DateTimePicker1->setPalette(pal);
  const QString podpowiedz = dzisiaj ? QString() : QStringLiteral("Wybrana data nie jest datą dzisiejszą.");
  DateTimePicker1->setToolTip(podpowiedz);
  DateTimePicker1->setStatusTip(podpowiedz);
}

void TForm1::UstawDzien(const QDate& data) {
  {
    const QSignalBlocker blokada(DateTimePicker1);
    DateTimePicker1->setDate(data);
  }
  UstawKolorDaty();
}

void TForm1::DateTimePicker1Change() {
  PolecenieGlowne polecenie(*this);
  UstawKolorDaty();
  OtworzWizyty();
  OtworzHarmonogram();
  ZbudujSiatke();
  UstawWierszWgCzasu();
  if (SG1->isVisible()) SG1->setFocus();
}

void TForm1::SG1DblClick(int wiersz) {
  if (wiersz < 0 || wiersz >= static_cast<int>(SG1->Wiersze().size())) return;
  if (SiatkaDnia::JestWizyta(SG1->Wiersze()[wiersz]) && aWizytaEdytuj->isEnabled()) aWizytaEdytuj->trigger();
  else if (aWizytaWgGrafiku->isEnabled()) aWizytaWgGrafiku->trigger();
}
