#include "exports/ZleconeBadaniaReguly.h"

#include "common/Formaty.h"
#include "exports/PlikCSV.h"

OkresWykazuBadan OkresMiesiacaDnia(const QDate& dzien) {
  return {PierwszyDzienMiesiaca(dzien.year(), dzien.month()), OstatniDzienMiesiaca(dzien.year(), dzien.month())};
}

StanAkcjiWykazu AkcjeWykazu(bool okresPoprawny, bool wynikOtwarty, int iloscWierszy) {
  const bool wiersze = wynikOtwarty && iloscWierszy > 0;
  return {okresPoprawny && !wynikOtwarty, wiersze, wiersze};
}

std::optional<QString> ZmiennaWykazuBadan(const QString& nazwa, const QDate& od, const QDate& do_) {
  if (nazwa == QLatin1String("data1")) return Formaty::data(od);
  if (nazwa == QLatin1String("data2")) return Formaty::data(do_);
  return std::nullopt;
}
