#include "exports/ZleconeBadaniaDane.h"

const char* const SqlZleconeBadania =
    "select\n"
    "  S.BADANIE_ID,\n"
    "  B.KOD,\n"
    "  B.NAZWA,\n"
    "  count(*) as ILOSC\n"
    "from\n"
    "  BADANIASPLOT S,\n"
    "  BADANIA B,\n"
    "  WIZYTY W\n"
    "where\n"
    "  W.DATA >= :data1\n"
    "  and\n"
    "  W.DATA <= :data2\n"
    "  and\n"
    "  B.ID = S.BADANIE_ID\n"
    "  and\n"
    "  W.ID = S.WIZYTA_ID\n"
    "group by\n"
    "  S.BADANIE_ID, B.KOD, B.NAZWA\n"
    "order by\n"
    "  B.KOD";

std::unique_ptr<Dataset> UtworzWykazBadan(Connection& polaczenie, QObject* rodzic) {
  auto wykaz = std::make_unique<Dataset>(polaczenie, rodzic);
  wykaz->setSelectSql(QString::fromUtf8(SqlZleconeBadania));
  wykaz->addCalculatedField(QStringLiteral("_lp"), FieldInfo::Integer);
  // Rows are calculated in the order they are read, and the result is never
  // edited, so a running number is the row's position.
  auto licznik = std::make_shared<int>(0);
  QObject::connect(wykaz.get(), &Dataset::rowsReset, wykaz.get(), [licznik] { *licznik = 0; });
  wykaz->setCalculate([licznik](Record& r) { r.setValue(QStringLiteral("_lp"), ++*licznik); });
  return wykaz;
}

void OtworzWykazBadan(Dataset& wykaz, const QDate& od, const QDate& do_) {
  wykaz.close();
  wykaz.setParam(QStringLiteral("data1"), od);
  wykaz.setParam(QStringLiteral("data2"), do_);
  wykaz.open();
}

QList<PozycjaWykazuBadan> PozycjeWykazu(const Dataset& wykaz) {
  QList<PozycjaWykazuBadan> pozycje;
  if (!wykaz.isOpen()) return pozycje;
  for (int i = 0; i < wykaz.count(); ++i)
    pozycje.append({wykaz.valueAt(i, QStringLiteral("NAZWA")).toString(),
                    wykaz.valueAt(i, QStringLiteral("ILOSC")).toLongLong()});
  return pozycje;
}
