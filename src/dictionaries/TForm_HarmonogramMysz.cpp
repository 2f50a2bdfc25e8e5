// The schedule editor's range boxes and mouse work: building and colouring
// the boxes, drawing a new range on the grid, moving and resizing a box, and
// removing it from the context menu.
#include "db/Connection.h"
#include "db/Dataset.h"
#include "dictionaries/HarmonogramDane.h"
#include "dictionaries/HarmonogramGeometria.h"
#include "dictionaries/HarmonogramWidok.h"
#include "dictionaries/TForm_Harmonogram.h"
#include "ui/Komunikaty.h"

#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

using namespace HarmonogramGeometria;

namespace {
const QPoint Poczatek(0, 0);  // the boxes lie on the grid itself
const int x0 = X0(Poczatek.x());
const QString ID = QStringLiteral("ID");
int xMyszy(const QMouseEvent& e) { return e.position().toPoint().x(); }
int yMyszy(const QMouseEvent& e) { return e.position().toPoint().y(); }
}  // namespace

PoleZakresu* TForm_Harmonogram::Panel(int numer) const {
  for (PoleZakresu* p : panele_)
    if (p->numer == numer) return p;
  return nullptr;
}

std::vector<QRect> TForm_Harmonogram::InnePola(const PoleZakresu* bez) const {
  std::vector<QRect> wynik;
  for (const PoleZakresu* p : panele_)
    if (p != bez) wynik.push_back(p->geometry());
  return wynik;
}

void TForm_Harmonogram::PokazPodpowiedz(const QString& tekst, const QMouseEvent& e) {
  SG1->setToolTip(tekst);
  if (tekst.isEmpty()) QToolTip::hideText();
  else QToolTip::showText(e.globalPosition().toPoint(), tekst, SG1);
}

void TForm_Harmonogram::UtworzPanele() {
  for (PoleZakresu* p : panele_) delete p;
  panele_.clear();
  przeciaganie_ = false;
  for (int wiersz = 0; wiersz < sqlHarmonogram->count(); ++wiersz) {
    sqlHarmonogram->moveTo(wiersz);
    const int numer = wiersz + 1;
    const int dzien = HarmonogramDane::Dzien(*sqlHarmonogram);
    const int start = HarmonogramDane::Start(*sqlHarmonogram), koniec = HarmonogramDane::Koniec(*sqlHarmonogram);
    auto* p = new PoleZakresu(numer, sqlHarmonogram->intValue(ID), dzien, SG1);
    p->setObjectName(QString::asprintf("Panel%04d", numer));
    p->setGeometry(ProstokatPola(start, koniec, dzien, Poczatek));
    p->UstawPodpis(PodpisZakresu(start, koniec));
    p->setToolTip(PodpowiedzPola(dzien, start, koniec));
    p->setCursor(Qt::PointingHandCursor);
    p->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(p, &QWidget::customContextMenuRequested, this, [this, p](const QPoint& gdzie) {
      // The menu takes the mouse: the button's release never reaches the box.
      przeciaganie_ = false;
      popmenuPanelX->popup(p->mapToGlobal(gdzie));
    });
    p->mysz = {[this, p](QMouseEvent& e) { PanelXXXX_OnMouseDown(*p, e); },
               [this, p](QMouseEvent& e) { PanelXXXX_OnMouseMove(*p, e); },
               [this, p](QMouseEvent& e) { PanelXXXX_OnMouseUp(*p, e); }};
    p->show();
    panele_.push_back(p);
  }
  Panel00->raise();
  KolorujPanele();
}

void TForm_Harmonogram::KolorujPanele() {
  for (PoleZakresu* p : panele_)
    p->UstawKolor(p->numer == WybranyPanel ? KoloryHarmonogramu::Wybrany : KoloryHarmonogramu::Zwykly);
}

void TForm_Harmonogram::SG1MouseDown(QMouseEvent& e) {
  WybranyPanel = 0;
  KolorujPanele();
  if (e.button() != Qt::LeftButton) return;
  start_ = MinutaZX(xMyszy(e), x0, Interwal);
  wierszStart_ = WierszZY(yMyszy(e));
  // A press without a move offers nothing: no end is left from an earlier drawing.
  koniec_ = start_;
  wierszBiezacy_ = wierszStart_;
  Panel00->setGeometry(ProstokatRysowania(start_, koniec_, wierszStart_, wierszBiezacy_, Poczatek));
  Panel00->UstawPodpis(QString());
  Panel00->UstawKolor(KoloryHarmonogramu::Rysowany);
  // Ranges belong to a doctor: with none chosen nothing is drawn.
  Panel00->setVisible(KomorkaGodzin(xMyszy(e), yMyszy(e)) && WybranaPozycja() >= 0);
}

void TForm_Harmonogram::SG1MouseMove(QMouseEvent& e) {
  const int x = xMyszy(e), y = yMyszy(e);
  if (!Panel00->isVisible()) {
    const QString hint = WybranyPanel == 0 ? PodpowiedzSiatki(WierszZY(y), MinutaZX(x, x0, Interwal)) : QString();
    PokazPodpowiedz(hint, e);
    return;
  }
  koniec_ = MinutaZX(x, x0, Interwal);
  wierszBiezacy_ = WierszZY(y);
  const QRect r = ProstokatRysowania(start_, koniec_, wierszStart_, wierszBiezacy_, Poczatek);
  Panel00->setGeometry(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height()));
  QString hint;
  if (start_ < koniec_ && koniec_ < MinutDoby) {
    Panel00->UstawPodpis(PodpisZakresu(start_, koniec_));
    hint = PodpowiedzRysowania(wierszStart_, wierszBiezacy_, start_, koniec_);
  }
  PokazPodpowiedz(hint, e);
  Panel00->UstawKolor(SprawdzNakladanie(Panel00->geometry(), InnePola(nullptr)) ? KoloryHarmonogramu::Nakladanie
                                                                                 : KoloryHarmonogramu::Rysowany);
}

void TForm_Harmonogram::SG1MouseUp(QMouseEvent& e) {
  const bool dodac = Panel00->isVisible() && Panel00->Kolor() == KoloryHarmonogramu::Rysowany &&
                     e.button() == Qt::LeftButton && RysunekDoDodania(start_, koniec_, wierszStart_, wierszBiezacy_);
  struct Ukryj {
    PoleZakresu* p;
    ~Ukryj() { p->hide(); }
  } ukryj{Panel00};
  if (!dodac) return;
  if (!komunikaty().pytanie(TytulNowyWpis, PytanieNowyWpis(wierszStart_, wierszBiezacy_, start_, koniec_))) return;
  HarmonogramDane::DodajZakresy(*sqlHarmonogram, LekarzId, wierszStart_, wierszBiezacy_, start_, koniec_);
  polaczenie_.commitRetaining();
  Zaladuj();
}

void TForm_Harmonogram::PanelXXXX_OnMouseDown(PoleZakresu& pole, QMouseEvent& e) {
  // The cursor shown while hovering decides between moving and resizing.
  zmianaRozmiaru_ = pole.numer == WybranyPanel && pole.cursor().shape() == Qt::SplitHCursor;
  WybranyPanel = pole.numer;
  staryProstokat_ = pole.geometry();
  staryPodpis_ = pole.Podpis();
  if (!sqlHarmonogram->locate(ID, pole.id)) return;
  start_ = HarmonogramDane::Start(*sqlHarmonogram);
  koniec_ = HarmonogramDane::Koniec(*sqlHarmonogram);
  pole.raise();
  przeciaganie_ = true;
  punktChwytu_ = xMyszy(e);
  KolorujPanele();
}

void TForm_Harmonogram::PanelXXXX_OnMouseMove(PoleZakresu& pole, QMouseEvent& e) {
  const int x = xMyszy(e);
  if (!przeciaganie_) {
    const bool rozmiar = pole.numer == WybranyPanel && StrefaZmianyRozmiaru(x, pole.width());
    pole.setCursor(rozmiar ? Qt::SplitHCursor : Qt::PointingHandCursor);
    return;
  }
  if (pole.numer != WybranyPanel && pole.Kolor() != KoloryHarmonogramu::Nakladanie) return;
  // A step past the day's ends leaves the box, and the range to be stored,
  // at the last valid position.
  if (!zmianaRozmiaru_) {
    if (const auto z = Przesun(pole.x(), pole.width(), x0, x, punktChwytu_, Interwal)) {
      start_ = z->start;
      koniec_ = z->koniec;
      pole.move(x0 + start_ / 2 + 1, pole.y());
      pole.UstawPodpis(PodpisZakresu(start_, koniec_));
    }
  } else if (const auto z = ZmienRozmiar(start_, x, Interwal)) {
    koniec_ = z->koniec;
    pole.resize((koniec_ - start_) / 2, pole.height());
    pole.UstawPodpis(PodpisZakresu(start_, koniec_));
  }
  const QString hint = NazwaDnia(pole.dzien) + QStringLiteral(":  ") + pole.Podpis();
  pole.setToolTip(hint);
  PokazPodpowiedz(hint, e);
  pole.UstawKolor(SprawdzNakladanie(pole.geometry(), InnePola(&pole)) ? KoloryHarmonogramu::Nakladanie
                                                                       : KoloryHarmonogramu::Wybrany);
}

void TForm_Harmonogram::PanelXXXX_OnMouseUp(PoleZakresu& pole, QMouseEvent&) {
  if (!przeciaganie_) return;
  przeciaganie_ = false;
  if (pole.Kolor() == KoloryHarmonogramu::Nakladanie) {
    pole.setGeometry(staryProstokat_);
    pole.UstawPodpis(staryPodpis_);
    pole.setToolTip(NazwaDnia(pole.dzien) + QStringLiteral(":  ") + staryPodpis_);
    pole.UstawKolor(KoloryHarmonogramu::Wybrany);
    return;
  }
  if (!HarmonogramDane::ZapiszZakres(*sqlHarmonogram, pole.id, start_, koniec_)) return;
  polaczenie_.commitRetaining();
}

void TForm_Harmonogram::pmPanelX_UsunClick() {
  const PoleZakresu* pole = Panel(WybranyPanel);
  if (!pole || !sqlHarmonogram->locate(ID, pole->id)) return;
  const QString pytanie = PytanieUsuniecieWpisu(HarmonogramDane::Dzien(*sqlHarmonogram),
                                                HarmonogramDane::Start(*sqlHarmonogram),
                                                HarmonogramDane::Koniec(*sqlHarmonogram));
  if (!komunikaty().pytanie(TytulUsuniecieWpisu, pytanie)) return;
  sqlHarmonogram->remove();
  polaczenie_.commitRetaining();
  WybranyPanel = 0;
  UtworzPanele();
}
