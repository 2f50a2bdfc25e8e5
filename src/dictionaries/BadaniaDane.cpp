#include "dictionaries/BadaniaDane.h"

#include "dictionaries/FiltrBadanReguly.h"

namespace {
const QString Wszystkie = QStringLiteral("select *\nfrom BADANIA\nwhere USUN = 'N'\norder by KOD");
// The cast keeps a long filter text from being cut to the column's length.
const QString Filtrowane = QStringLiteral(
    "select *\nfrom BADANIA\nwhere USUN = 'N' and upper(NAZWA) like cast(:f as varchar(1024)) escape '\\'\n"
    "order by KOD");
}  // namespace

BadaniaDane::BadaniaDane(Connection& polaczenie) : sqlBadania(polaczenie) {
  sqlBadania.setSelectSql(Wszystkie);
  sqlBadania.setInsertSql(
      QStringLiteral("insert into BADANIA\n  (ID, KOD, NAZWA, USUN)\nvalues\n  (:ID, :KOD, :NAZWA, :USUN)"));
  sqlBadania.setUpdateSql(QStringLiteral(
      "update BADANIA\nset\n  ID = :ID,\n  KOD = :KOD,\n  NAZWA = :NAZWA,\n  USUN = :USUN\nwhere\n  ID = :OLD_ID"));
  sqlBadania.setGenerator(QStringLiteral("GEN_BADANIA_ID"), QStringLiteral("ID"), Dataset::KeyMoment::OnPost);
}

void BadaniaDane::Otworz(bool filtr, const QString& tekst) {
  const bool zWarunkiem = filtr && !tekst.isEmpty();
  sqlBadania.close();
  sqlBadania.setSelectSql(zWarunkiem ? Filtrowane : Wszystkie);
  if (zWarunkiem) sqlBadania.setParam(QStringLiteral("f"), FiltrBadan::WzorzecZawiera(tekst));
  sqlBadania.open();
}

void BadaniaDane::OznaczUsuniete() {
  sqlBadania.edit();
  sqlBadania.setValue(QStringLiteral("USUN"), QStringLiteral("T"));
  sqlBadania.post();
}
