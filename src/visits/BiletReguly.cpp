#include "visits/BiletReguly.h"

#include "common/Formaty.h"

namespace BiletReguly {

QString LiniaTerminu(const QDate& data, const QTime& godzina) {
  return Formaty::data(data) + QStringLiteral("   ") + Formaty::godzina(godzina);
}

QString LiniaPacjenta(const QString& imie, const QString& nazwisko) {
  return imie + QLatin1Char(' ') + nazwisko.left(1) + QLatin1Char('.');
}

StanPola StanDrukujBilet(const QStringList& drukarki, const QString& drukarkaBiletow, bool nowaWizyta) {
  const bool jest = drukarkaBiletow != QLatin1String("---") && drukarki.contains(drukarkaBiletow, Qt::CaseSensitive);
  return {jest, jest, jest && nowaWizyta};
}

}  // namespace BiletReguly
