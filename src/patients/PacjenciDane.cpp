#include "patients/PacjenciDane.h"

namespace {

const char* const WstawSql =
    "insert into PACJENCI\n"
    "  (ID, LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP, \n"
    "   POCZTA, GMINA, POWIAT, WOJEWODZTWO, DATAUR, PLEC, DTDEKLARLEK, DTDEKLARPIEL, \n"
    "   AKTYW)\n"
    "values\n"
    "  (:ID, :LEKARZ_ID, :NAZWISKO, :IMIE, :PESEL, :ULICA, :NRDOMU, :NRLOKAL, \n"
    "   :KODP, :POCZTA, :GMINA, :POWIAT, :WOJEWODZTWO, :DATAUR, :PLEC, :DTDEKLARLEK, \n"
    "   :DTDEKLARPIEL, :AKTYW)";

const char* const ZmienSql =
    "update PACJENCI\n"
    "set\n"
    "  ID = :ID,\n"
    "  LEKARZ_ID = :LEKARZ_ID,\n"
    "  NAZWISKO = :NAZWISKO,\n"
    "  IMIE = :IMIE,\n"
    "  PESEL = :PESEL,\n"
    "  ULICA = :ULICA,\n"
    "  NRDOMU = :NRDOMU,\n"
    "  NRLOKAL = :NRLOKAL,\n"
    "  KODP = :KODP,\n"
    "  POCZTA = :POCZTA,\n"
    "  GMINA = :GMINA,\n"
    "  POWIAT = :POWIAT,\n"
    "  WOJEWODZTWO = :WOJEWODZTWO,\n"
    "  DATAUR = :DATAUR,\n"
    "  PLEC = :PLEC,\n"
    "  DTDEKLARLEK = :DTDEKLARLEK,\n"
    "  DTDEKLARPIEL = :DTDEKLARPIEL,\n"
    "  AKTYW = :AKTYW\n"
    "where\n"
    "  ID = :OLD_ID";

const char* const OdswiezSql =
    "Select \n"
    "  ID,\n"
    "  LEKARZ_ID,\n"
    "  NAZWISKO,\n"
    "  IMIE,\n"
    "  PESEL,\n"
    "  ULICA,\n"
    "  NRDOMU,\n"
    "  NRLOKAL,\n"
    "  KODP,\n"
    "  POCZTA,\n"
    "  GMINA,\n"
    "  POWIAT,\n"
    "  WOJEWODZTWO,\n"
    "  DATAUR,\n"
    "  PLEC,\n"
    "  DTDEKLARLEK,\n"
    "  DTDEKLARPIEL,\n"
    "  AKTYW\n"
    "from PACJENCI \n"
    "where\n"
    "  ID = :ID";

const char* const UsunSql =
    "delete from PACJENCI\n"
    "where\n"
    "  ID = :OLD_ID";

const char* const LekarzeSql =
    "select ID, NAZWISKO, IMIE, PWZL, KOLOR\n"
    "from LEKARZE\n"
    "where USUN='N'\n"
    "order by NAZWISKO, IMIE, ID";

}  // namespace

PacjenciDane::PacjenciDane(Connection& polaczenie)
    : StronyPacjentow(QStringLiteral("PACJENCI"), sqlPacjenci, sqlQuery1),
      sqlPacjenci(polaczenie), sqlLekarze(polaczenie), sqlQuery1(polaczenie, QString()), polaczenie_(polaczenie) {
  sqlPacjenci.setInsertSql(QString::fromUtf8(WstawSql));
  sqlPacjenci.setUpdateSql(QString::fromUtf8(ZmienSql));
  sqlPacjenci.setRefreshSql(QString::fromUtf8(OdswiezSql));
  sqlPacjenci.setDeleteSql(QString::fromUtf8(UsunSql));
  sqlPacjenci.setGenerator(QStringLiteral("GEN_PACJENCI_ID"), QStringLiteral("ID"), Dataset::KeyMoment::OnPost);
  for (const char* pole : {"_nazwisko_imie", "_adres", "_lekarz_name", "_lekarz_pwzl"})
    sqlPacjenci.addCalculatedField(QString::fromLatin1(pole));
  sqlPacjenci.setCalculate([this](Record& r) {
    r.setValue(QStringLiteral("_nazwisko_imie"), r.text(QStringLiteral("NAZWISKO")) + u' ' + r.text(QStringLiteral("IMIE")));
    QString adres = r.text(QStringLiteral("ULICA")) + u' ' + r.text(QStringLiteral("NRDOMU"));
    const QString lokal = r.text(QStringLiteral("NRLOKAL"));
    if (!lokal.isEmpty()) adres += u'/' + lokal;
    r.setValue(QStringLiteral("_adres"), adres);
    const QVariant id = r.value(QStringLiteral("LEKARZ_ID"));
    const auto it = id.isNull() ? lekarze_.cend() : lekarze_.constFind(id.toInt());
    r.setValue(QStringLiteral("_lekarz_name"), it == lekarze_.cend() ? QString() : it->nazwiskoImie);
    r.setValue(QStringLiteral("_lekarz_pwzl"), it == lekarze_.cend() ? QString() : it->pwzl);
  });

  sqlLekarze.setSelectSql(QString::fromUtf8(LekarzeSql));
  sqlLekarze.addCalculatedField(QStringLiteral("_nazwisko_imie"));
  sqlLekarze.setCalculate([](Record& r) {
    r.setValue(QStringLiteral("_nazwisko_imie"), r.text(QStringLiteral("NAZWISKO")) + u' ' + r.text(QStringLiteral("IMIE")));
  });
}

void PacjenciDane::OtworzLekarzy() {
  sqlLekarze.open();
  lekarze_.clear();
  for (int i = 0; i < sqlLekarze.count(); ++i)
    lekarze_.insert(sqlLekarze.valueAt(i, QStringLiteral("ID")).toInt(),
                    {sqlLekarze.valueAt(i, QStringLiteral("_nazwisko_imie")).toString(),
                     sqlLekarze.valueAt(i, QStringLiteral("PWZL")).toString()});
}

void PacjenciDane::Zamknij() {
  sqlPacjenci.close();
  sqlLekarze.close();
  lekarze_.clear();
}

void PacjenciDane::BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra, bool pokazUsunietych) {
  Warunki = WarunkiPacjentow::BudujWarunki(filtrWlaczony, tekstFiltra, pokazUsunietych);
}

int PacjenciDane::ZnajdzPacjenta(const QString& pesel) {
  sqlQuery1.setSql(QStringLiteral("select ID\nfrom PACJENCI\nwhere PESEL = cast(:pesel as varchar(%1))")
                       .arg(WarunkiPacjentow::DlugoscFiltra));
  sqlQuery1.setParam(QStringLiteral("pesel"), pesel.left(WarunkiPacjentow::DlugoscFiltra));
  sqlQuery1.execute();
  return sqlQuery1.value(QStringLiteral("ID")).toInt();
}

bool PacjenciDane::BiezacyAktywny() const { return sqlPacjenci.text(QStringLiteral("AKTYW")) == QStringLiteral("T"); }
