#include "patients/WydrukiPacjentowDane.h"

#include "db/Dataset.h"
#include "db/Statement.h"

#include <QHash>
#include <QPair>

namespace WydrukiPacjentow {

namespace {

std::unique_ptr<Dataset> Pacjenci(Connection& polaczenie, const QString& sql, const QVariantMap& parametry) {
  // Removed doctors are not looked up, so their patients show no doctor.
  Statement lekarze(polaczenie, QStringLiteral("select ID, NAZWISKO, IMIE, PWZL, KOLOR\nfrom LEKARZE\nwhere USUN='N'\n"
                                               "order by NAZWISKO, IMIE, ID"));
  lekarze.execute();
  auto slownik = std::make_shared<QHash<int, QPair<QString, QString>>>();
  for (const Row& r : lekarze.rows())
    slownik->insert(r[0].toInt(), {r[1].toString() + QLatin1Char(' ') + r[2].toString(), r[3].toString()});

  auto ds = std::make_unique<Dataset>(polaczenie);
  ds->setSelectSql(sql);
  for (auto it = parametry.cbegin(); it != parametry.cend(); ++it) ds->setParam(it.key(), it.value());
  for (const char* pole : {"_nazwisko_imie", "_adres", "_lekarz_name", "_lekarz_pwzl"})
    ds->addCalculatedField(QLatin1String(pole));
  ds->setCalculate([slownik](Record& r) {
    r.setValue(QStringLiteral("_nazwisko_imie"), r.text(QStringLiteral("NAZWISKO")) + QLatin1Char(' ') + r.text(QStringLiteral("IMIE")));
    QString adres = r.text(QStringLiteral("ULICA")) + QLatin1Char(' ') + r.text(QStringLiteral("NRDOMU"));
    const QString lokal = r.text(QStringLiteral("NRLOKAL"));
    if (!lokal.isEmpty()) adres += QLatin1Char('/') + lokal;
    r.setValue(QStringLiteral("_adres"), adres);
    const auto lekarz = slownik->value(r.value(QStringLiteral("LEKARZ_ID")).toInt());
    r.setValue(QStringLiteral("_lekarz_name"), lekarz.first);
    r.setValue(QStringLiteral("_lekarz_pwzl"), lekarz.second);
  });
  ds->open();
  return ds;
}

}  // namespace

std::unique_ptr<Dataset> OtworzStrone(Connection& polaczenie, const WarunkiPacjentow::Warunki& w, int strona) {
  return Pacjenci(polaczenie, WarunkiPacjentow::ZapytanieStrony(QStringLiteral("PACJENCI"), w, strona), w.parametry);
}

int IloscWynikow(Connection& polaczenie, const WarunkiPacjentow::Warunki& w) {
  Statement st(polaczenie, WarunkiPacjentow::ZapytanieIlosci(QStringLiteral("PACJENCI"), w));
  for (auto it = w.parametry.cbegin(); it != w.parametry.cend(); ++it) st.setParam(it.key(), it.value());
  st.execute();
  return st.value(QStringLiteral("ILOSC")).toInt();
}

std::unique_ptr<Dataset> OtworzPacjenta(Connection& polaczenie, int pacjentId) {
  return Pacjenci(polaczenie, QStringLiteral("select *\nfrom PACJENCI\nwhere ID = :id"), {{QStringLiteral("id"), pacjentId}});
}

}  // namespace WydrukiPacjentow
