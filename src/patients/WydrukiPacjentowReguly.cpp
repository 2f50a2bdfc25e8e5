#include "patients/WydrukiPacjentowReguly.h"

#include "db/Dataset.h"
#include "reports/RegulyRaportu.h"

namespace WydrukiPacjentow {

QString Wynikow(const StronaListy& s) {
  return QString::asprintf("%d  (Strona %d/%d)", s.iloscWynikow, s.strona + 1, s.iloscStron);
}

std::optional<QString> Zmienna(const QString& nazwa, const StronaListy& s, const Dataset* dane) {
  if (nazwa == QLatin1String("filtr")) return s.filtrWlaczony ? s.tekstFiltra : QString();
  if (nazwa == QLatin1String("wynikow")) return Wynikow(s);
  static const char* const pola[][2] = {{"nazwisko", "NAZWISKO"}, {"imie", "IMIE"}, {"pesel", "PESEL"}};
  for (const auto& p : pola)
    if (nazwa == QLatin1String(p[0]))
      return dane && dane->isOpen() && dane->recNo() >= 0 ? dane->text(QLatin1String(p[1])) : QString();
  return std::nullopt;
}

int SprawdzDrukarkeKart(const QStringList& drukarki, const QString& drukarkaKart) {
  return RegulyRaportu::IndeksDrukarki(drukarki, drukarkaKart);
}

}  // namespace WydrukiPacjentow
