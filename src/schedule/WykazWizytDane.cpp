#include "schedule/WykazWizytDane.h"

#include "db/Dataset.h"
#include "db/Statement.h"
#include "schedule/WykazWizytReguly.h"

#include <QHash>
#include <QPair>

namespace WykazWizyt {

std::unique_ptr<Dataset> OtworzWizytyDnia(Connection& polaczenie, int lekarzId, const QDate& dzien) {
  // The advice types are read once; a visit looks its own up by PORADA_ID.
  Statement porady(polaczenie, QStringLiteral("select *\nfrom PORADY"));
  porady.execute();
  const int id = porady.fieldIndex(QStringLiteral("ID"));
  const int kod = porady.fieldIndex(QStringLiteral("KOD"));
  const int nazwa = porady.fieldIndex(QStringLiteral("NAZWA"));
  auto slownik = std::make_shared<QHash<int, QPair<QString, QString>>>();
  for (const Row& r : porady.rows()) slownik->insert(r[id].toInt(), {r[kod].toString(), r[nazwa].toString()});

  auto ds = std::make_unique<Dataset>(polaczenie);
  ds->setSelectSql(QStringLiteral(
      "select\n  W.*,\n  P.NAZWISKO, P.IMIE, P.PESEL, P.ULICA, P.NRDOMU, P.NRLOKAL, P.KODP, P.POCZTA\nfrom\n"
      "  WIZYTY W\n  join PACJENCI P on W.PACJENT_ID = P.ID\nwhere\n  W.DATA = :data\n  and\n"
      "  W.LEKARZ_ID = :lekarz_id\norder by\n  W.GODZ, W.ID"));
  ds->setParam(QStringLiteral("data"), dzien);
  ds->setParam(QStringLiteral("lekarz_id"), lekarzId);
  ds->addCalculatedField(QStringLiteral("_porada_kod"));
  ds->addCalculatedField(QStringLiteral("_porada_nazwa"));
  ds->setCalculate([slownik](Record& r) {
    const auto p = slownik->value(r.value(QStringLiteral("PORADA_ID")).toInt());
    r.setValue(QStringLiteral("_porada_kod"), p.first);
    r.setValue(QStringLiteral("_porada_nazwa"), p.second);
  });
  ds->open();
  return ds;
}

QString PodpisLekarzaZBazy(Connection& polaczenie, int lekarzId) {
  Statement st(polaczenie, QStringLiteral("select NAZWISKO, IMIE from LEKARZE where ID = :id"));
  st.setParam(QStringLiteral("id"), lekarzId);
  st.execute();
  if (st.rows().isEmpty()) return {};
  return PodpisLekarza(st.value(QStringLiteral("NAZWISKO")).toString(), st.value(QStringLiteral("IMIE")).toString());
}

}  // namespace WykazWizyt
