#include "schedule/WykazWizytReguly.h"

#include "common/Formaty.h"

namespace WykazWizyt {

QString PodpisLekarza(const QString& nazwisko, const QString& imie) {
  return QLatin1Char(' ') + nazwisko + QLatin1Char(' ') + imie + QLatin1Char(' ');
}

std::optional<QString> Zmienna(const QString& nazwa, const QDate& dzien, const QString& lekarz) {
  if (nazwa == QLatin1String("dzien")) return Formaty::data(dzien);
  if (nazwa == QLatin1String("lekarz")) return lekarz;
  return std::nullopt;
}

}  // namespace WykazWizyt
