// The main window's visit commands: the record of the day's visits is put
// into insert or edit state here, the editor posts or cancels it, and the
// shared transaction is committed or rolled back after it.
#include "app/TForm1Wizyty.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "db/Dataset.h"
#include "schedule/SiatkaDniaWidok.h"
#include "visits/TForm_EdycjaWizyty.h"
#include "schedule/ZakladkiLekarzy.h"
#include "ui/Komunikaty.h"

#include <QDateEdit>

using namespace SiatkaDnia;

namespace {

// The editor on the record, then commit or roll back.
void PokazEdytor(TForm1& okno) {
  const int wynik = Form_EdycjaWizyty->exec();
  // Advice types added from the editor are found by the grid.
  okno.OtworzPorady();
  if (wynik == QDialog::Accepted) {
    okno.CommitRetaining();
    OdswiezPoEdycji(okno);
  } else {
    okno.RollbackRetaining();
  }
}

// The visit ID of the selected row, 0 on a free row or none.
int WybranaWizyta(const TForm1& okno) {
  const int r = okno.WybranyWiersz();
  if (r < 0 || r >= static_cast<int>(okno.SG1->Wiersze().size())) return 0;
  return okno.SG1->Wiersze()[r][KolId].toInt();
}

QString LekarzZakladki(const TForm1& okno, int k) {
  return k >= 0 && k < okno.Stan.ListaLekarzy.size() ? okno.Stan.ListaLekarzy[k].section(u'=', 0, 0) : QString();
}

}  // namespace

void aWizytaNowaExecute(TForm1& okno, bool wgGrafiku) {
  const QTime godzina = wgGrafiku ? okno.GodzinaWybranegoWiersza() : okno.PierwszyWolnyTermin();
  Dataset& w = *okno.sqlWizyty;
  w.append();
  w.setValue(QStringLiteral("LEKARZ_ID"), okno.Stan.BiezacyLekarz);
  w.setValue(QStringLiteral("DATA"), okno.DateTimePicker1->date());
  w.setValue(QStringLiteral("GODZ"), godzina);
  PokazEdytor(okno);
}

void aWizytaEdytujExecute(TForm1& okno) {
  const int id = WybranaWizyta(okno);
  Dataset& w = *okno.sqlWizyty;
  if (id == 0 || !w.locate(QStringLiteral("ID"), id)) return;
  w.edit();
  PokazEdytor(okno);
}

void aWizytaUsunExecute(TForm1& okno) {
  const int r = okno.WybranyWiersz();
  const int id = WybranaWizyta(okno);
  if (id == 0) return;
  const WierszSiatki& wiersz = okno.SG1->Wiersze()[r];
  const QString pytanie = wiersz[KolGodz] + QStringLiteral(" - ") + wiersz[KolNazwisko] +
                          QStringLiteral("\n\nNa pewno usunąć wybraną wizytę?");
  if (!komunikaty().pytanie(QStringLiteral("Usunięcie wizyty"), pytanie)) return;
  Dataset& w = *okno.sqlWizyty;
  if (!w.locate(QStringLiteral("ID"), id)) return;
  w.remove();
  okno.CommitRetaining();
  OdswiezPoEdycji(okno);
  const int wierszy = static_cast<int>(okno.SG1->Wiersze().size());
  okno.WybierzWiersz(r < wierszy ? r : wierszy - 1);
}

void OdswiezPoEdycji(TForm1& okno) {
  const int k = okno.TabControl1->Indeks();
  const QString lekarzK = LekarzZakladki(okno, k);
  Dataset& w = *okno.sqlWizyty;
  QString klucz = QStringLiteral("0");
  QString lekarz = lekarzK;
  QDate data = okno.DateTimePicker1->date();
  if (w.isOpen() && !w.isEmpty()) {
    klucz = QString::number(w.intValue(QStringLiteral("ID")));
    lekarz = QString::number(w.intValue(QStringLiteral("LEKARZ_ID")));
    data = w.value(QStringLiteral("DATA")).toDate();
  }
  bool przesunieta = false;
  if (lekarz != lekarzK) {
    okno.Stan.BiezacyLekarz = lekarz.toInt();
    okno.WybierzZakladkeLekarza(okno.Stan.BiezacyLekarz);
    const int nowa = okno.TabControl1->Indeks();
    if (nowa >= 0)
      okno.SG1->UstawKoloryLekarza(KoloryLekarza(okno.Stan.ListaLekarzy[nowa].section(u'=', 1).toInt()));
    przesunieta = true;
  }
  if (data.isValid() && okno.DateTimePicker1->date() != data) {
    okno.UstawDzien(data);
    przesunieta = true;
  }
  if (przesunieta) {
    okno.OtworzWizyty();
    okno.OtworzHarmonogram();
  } else {
    w.close();
    w.open();
  }
  okno.ZbudujSiatke();
  if (klucz == QStringLiteral("0")) return;
  const Wiersze& wiersze = okno.SG1->Wiersze();
  for (int i = 0; i < static_cast<int>(wiersze.size()); ++i)
    if (wiersze[i][KolId] == klucz) {
      okno.WybierzWiersz(i);
      break;
    }
}
