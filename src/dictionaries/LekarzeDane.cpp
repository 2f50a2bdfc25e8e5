#include "dictionaries/LekarzeDane.h"

#include <QStringList>

namespace LekarzeDane {

namespace {
QString linie(const QStringList& l) { return l.join(u'\n'); }
}  // namespace

void przygotuj(Dataset& ds) {
  ds.setSelectSql(linie({"select *", "from LEKARZE", "where USUN='N'", "order by NAZWISKO, IMIE, ID"}));
  ds.setInsertSql(linie({"insert into LEKARZE", "  (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN)", "values",
                         "  (:ID, :NAZWISKO, :IMIE, :PWZL, :PESEL, :KOLOR, :USUN)"}));
  ds.setUpdateSql(linie({"update LEKARZE", "set", "  ID = :ID,", "  NAZWISKO = :NAZWISKO,", "  IMIE = :IMIE,",
                         "  PWZL = :PWZL,", "  PESEL = :PESEL,", "  KOLOR = :KOLOR,", "  USUN = :USUN", "where",
                         "  ID = :OLD_ID"}));
  ds.setRefreshSql(linie({"Select ", "  ID,", "  NAZWISKO,", "  IMIE,", "  PWZL,", "  PESEL,", "  KOLOR,", "  USUN",
                          "from LEKARZE ", "where", "  ID = :ID"}));
  // Declared for the shape; doctors are removed by their USUN flag.
  ds.setDeleteSql(linie({"delete from LEKARZE", "where", "  ID = :OLD_ID"}));
  ds.setGenerator(QStringLiteral("GEN_LEKARZE_ID"), QStringLiteral("ID"), Dataset::KeyMoment::OnPost);
}

QList<ModelColumn> kolumny() {
  const Qt::Alignment srodek = Qt::AlignCenter;
  return {{"ID", "ID", srodek},
          {"NAZWISKO", "Nazwisko"},
          {"IMIE", QStringLiteral("Imię")},
          {"PWZL", "PWZL", srodek},
          {"PESEL", "PESEL", srodek}};
}

}  // namespace LekarzeDane
