#include "dictionaries/HarmonogramDane.h"

#include "common/CzasDnia.h"

#include <QStringList>

namespace HarmonogramDane {

namespace {
QString linie(const QStringList& l) { return l.join(u'\n'); }
const QString ID = QStringLiteral("ID");
const QString GODZ1 = QStringLiteral("GODZ1");
const QString GODZ2 = QStringLiteral("GODZ2");
}  // namespace

void przygotujLekarzy(Dataset& ds) {
  ds.setSelectSql(linie({"select *", "from LEKARZE", "where USUN = 'N'", "order by NAZWISKO, IMIE, ID"}));
}

void przygotujZakresy(Dataset& ds) {
  ds.setSelectSql(linie({"select *", "from HARMONOGRAM", "where LEKARZ_ID = :lekarz_id", "order by DZIEN, GODZ1"}));
  ds.setInsertSql(linie({"insert into HARMONOGRAM", "  (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2)", "values",
                         "  (:ID, :LEKARZ_ID, :DZIEN, :GODZ1, :GODZ2)"}));
  ds.setUpdateSql(linie({"update HARMONOGRAM", "set", "  ID = :ID,", "  LEKARZ_ID = :LEKARZ_ID,", "  DZIEN = :DZIEN,",
                         "  GODZ1 = :GODZ1,", "  GODZ2 = :GODZ2", "where", "  ID = :OLD_ID"}));
  ds.setDeleteSql(linie({"delete from HARMONOGRAM", "where", "  ID = :OLD_ID"}));
  ds.setGenerator(QStringLiteral("GEN_HARMONOGRAM_ID"), ID, Dataset::KeyMoment::OnAppend);
}

QString PozycjaLekarza(const Dataset& ds) {
  return ds.text(QStringLiteral("NAZWISKO")) + u' ' + ds.text(QStringLiteral("IMIE")) + QStringLiteral("  [") +
         ds.text(QStringLiteral("PWZL")) + u']';
}

void OtworzZakresy(Dataset& ds, int lekarzId) {
  ds.close();
  ds.setParam(QStringLiteral("lekarz_id"), lekarzId);
  ds.open();
}

int Start(const Dataset& ds) { return CzasDnia::MinutaZCzasu(ds.value(GODZ1).toTime()); }
int Koniec(const Dataset& ds) { return CzasDnia::MinutaZCzasu(ds.value(GODZ2).toTime()); }
int Dzien(const Dataset& ds) { return ds.intValue(QStringLiteral("DZIEN")); }

void DodajZakresy(Dataset& ds, int lekarzId, int dzienOd, int dzienDo, int start, int koniec) {
  for (int dzien = dzienOd; dzien <= dzienDo; ++dzien) {
    ds.append();
    ds.setValue(QStringLiteral("LEKARZ_ID"), lekarzId);
    ds.setValue(QStringLiteral("DZIEN"), dzien);
    ds.setValue(GODZ1, CzasDnia::CzasZMinuty(start));
    ds.setValue(GODZ2, CzasDnia::CzasZMinuty(koniec));
    ds.post();
  }
}

bool ZapiszZakres(Dataset& ds, int id, int start, int koniec) {
  if (!ds.locate(ID, id)) return false;
  ds.edit();
  ds.setValue(GODZ1, CzasDnia::CzasZMinuty(start));
  ds.setValue(GODZ2, CzasDnia::CzasZMinuty(koniec));
  ds.post();
  return true;
}

}  // namespace HarmonogramDane
