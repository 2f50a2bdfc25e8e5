#include "patients/WydrukiPacjentow.h"

#include "db/Dataset.h"
#include "patients/WydrukiPacjentowDane.h"
#include "reports/Drukarki.h"
#include "reports/Raport.h"
#include <QCursor>  // before Klepsydra.h, which needs it
#include "ui/Klepsydra.h"

#include <QPrinter>

namespace WydrukiPacjentow {

namespace {
void Przygotuj(Raport& raport, const QString& sciezka, const QString& tytul, Dataset& pacjenci,
               const StronaListy& strona) {
  raport.Wczytaj(sciezka);
  raport.UstawTytul(tytul);
  raport.UstawDane(&pacjenci);
  raport.UstawZmienne([strona, dane = &pacjenci](const QString& nazwa) { return Zmienna(nazwa, strona, dane); });
  raport.Przygotuj();
}
}  // namespace

void DrukujListe(Raport& raport, const QString& katalogProgramu, Dataset& pacjenci, const StronaListy& strona,
                 QWidget* rodzic) {
  {
    Klepsydra k;
    Przygotuj(raport, katalogProgramu + QLatin1String(SzablonListy), QLatin1String(TytulListy), pacjenci, strona);
  }
  raport.Podglad(rodzic);
  raport.UstawDane(nullptr);
}

void DrukujListe(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, bool filtrWlaczony,
                 const QString& tekstFiltra, bool pokazUsunietych, int strona, QWidget* rodzic) {
  StronaListy s;
  std::unique_ptr<Dataset> pacjenci;
  {
    Klepsydra k;
    const auto w = WarunkiPacjentow::BudujWarunki(filtrWlaczony, tekstFiltra, pokazUsunietych);
    s.filtrWlaczony = filtrWlaczony;
    s.tekstFiltra = tekstFiltra;
    s.iloscWynikow = IloscWynikow(polaczenie, w);
    s.iloscStron = WarunkiPacjentow::IloscStron(s.iloscWynikow);
    s.strona = strona;
    pacjenci = OtworzStrone(polaczenie, w, strona);
  }
  DrukujListe(raport, katalogProgramu, *pacjenci, s, rodzic);
}

bool DrukujKarte(Raport& raport, const QString& katalogProgramu, Dataset& pacjenci, int indeksDrukarkiKart) {
  const QStringList nazwy = drukarki().Nazwy();
  if (indeksDrukarkiKart < 0 || indeksDrukarkiKart >= nazwy.size()) return false;
  Klepsydra k;
  // The card printer with its own defaults (paper, orientation and the like).
  const std::unique_ptr<QPrinter> drukarka = drukarki().Drukarka(nazwy[indeksDrukarkiKart]);
  Przygotuj(raport, katalogProgramu + QLatin1String(SzablonKarty), QLatin1String(TytulKarty), pacjenci, {});
  raport.UstawDane(nullptr);
  drukarka->setCopyCount(1);
  drukarka->setCollateCopies(true);
  drukarka->setPrintRange(QPrinter::PageRange);
  drukarka->setFromTo(1, 1);
  raport.Drukuj(*drukarka, 1, 1);
  return true;
}

bool DrukujKarte(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, int pacjentId,
                 int indeksDrukarkiKart) {
  const std::unique_ptr<Dataset> pacjent = OtworzPacjenta(polaczenie, pacjentId);
  return DrukujKarte(raport, katalogProgramu, *pacjent, indeksDrukarkiKart);
}

int SprawdzDrukarkeKart(const QString& drukarkaKart) {
  return SprawdzDrukarkeKart(drukarki().Nazwy(), drukarkaKart);
}

}  // namespace WydrukiPacjentow
