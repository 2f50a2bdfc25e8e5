#include "dictionaries/PoradyDane.h"

PoradyDane::PoradyDane(Connection& polaczenie) : sqlPorady(polaczenie) {
  sqlPorady.setSelectSql(QStringLiteral("select *\nfrom PORADY\norder by KOD"));
  sqlPorady.setInsertSql(QStringLiteral("insert into PORADY\n  (ID, KOD, NAZWA)\nvalues\n  (:ID, :KOD, :NAZWA)"));
  sqlPorady.setUpdateSql(
      QStringLiteral("update PORADY\nset\n  ID = :ID,\n  KOD = :KOD,\n  NAZWA = :NAZWA\nwhere\n  ID = :OLD_ID"));
  sqlPorady.setDeleteSql(QStringLiteral("delete from PORADY\nwhere\n  ID = :OLD_ID"));
  sqlPorady.setGenerator(QStringLiteral("GEN_PORADY_ID"), QStringLiteral("ID"), Dataset::KeyMoment::OnPost);
}

void PoradyDane::Otworz() { sqlPorady.open(); }
