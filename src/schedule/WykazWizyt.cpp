#include "schedule/WykazWizyt.h"

#include "db/Dataset.h"
#include "reports/Raport.h"
#include "schedule/WykazWizytDane.h"
#include "schedule/WykazWizytReguly.h"
#include <QCursor>  // before Klepsydra.h, which needs it
#include "ui/Klepsydra.h"

namespace WykazWizyt {

void Drukuj(Raport& raport, const QString& katalogProgramu, Dataset& wizyty, const QDate& dzien,
            const QString& lekarz, QWidget* rodzic) {
  {
    Klepsydra k;
    raport.Wczytaj(katalogProgramu + QLatin1String(Szablon));
    raport.UstawTytul(QLatin1String(Tytul));
    raport.UstawDane(&wizyty);
    raport.UstawZmienne([dzien, lekarz](const QString& nazwa) { return Zmienna(nazwa, dzien, lekarz); });
    raport.Przygotuj();
  }
  raport.Podglad(rodzic);
  raport.UstawDane(nullptr);
}

void Drukuj(Raport& raport, Connection& polaczenie, const QString& katalogProgramu, int lekarzId,
            const QDate& dzien, QWidget* rodzic) {
  std::unique_ptr<Dataset> wizyty;
  QString lekarz;
  {
    Klepsydra k;
    wizyty = OtworzWizytyDnia(polaczenie, lekarzId, dzien);
    lekarz = PodpisLekarzaZBazy(polaczenie, lekarzId);
  }
  Drukuj(raport, katalogProgramu, *wizyty, dzien, lekarz, rodzic);
}

}  // namespace WykazWizyt
