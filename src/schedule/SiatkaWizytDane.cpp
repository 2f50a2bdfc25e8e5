#include "schedule/SiatkaWizytDane.h"

#include "common/CzasDnia.h"
#include "db/Connection.h"
#include "db/Statement.h"

namespace {

const char* kWizyty =
    "select\n"
    "  W.*,\n"
    "  P.NAZWISKO, P.IMIE, P.PESEL, P.ULICA, P.NRDOMU, P.NRLOKAL, P.KODP, P.POCZTA\n"
    "from\n"
    "  WIZYTY W\n"
    "  join PACJENCI P on W.PACJENT_ID = P.ID\n"
    "where\n"
    "  W.DATA = :data\n"
    "  and\n"
    "  W.LEKARZ_ID = :lekarz_id\n"
    "order by\n"
    "  W.GODZ, W.ID";

const char* kWizytyInsert =
    "insert into WIZYTY\n"
    "  (ID, PACJENT_ID, LEKARZ_ID, PORADA_ID, DATA, GODZ, ICD10)\n"
    "values\n"
    "  (:ID, :PACJENT_ID, :LEKARZ_ID, :PORADA_ID, :DATA, :GODZ, :ICD10)";

const char* kWizytyUpdate =
    "update WIZYTY\n"
    "set\n"
    "  ID = :ID,\n"
    "  PACJENT_ID = :PACJENT_ID,\n"
    "  LEKARZ_ID = :LEKARZ_ID,\n"
    "  PORADA_ID = :PORADA_ID,\n"
    "  DATA = :DATA,\n"
    "  GODZ = :GODZ,\n"
    "  ICD10 = :ICD10\n"
    "where\n"
    "  ID = :OLD_ID";

const char* kWizytyDelete =
    "delete from WIZYTY\n"
    "where\n"
    "  ID = :OLD_ID";

const char* kWizytyRefresh =
    "Select \n"
    "  ID,\n"
    "  PACJENT_ID,\n"
    "  LEKARZ_ID,\n"
    "  PORADA_ID,\n"
    "  DATA,\n"
    "  GODZ,\n"
    "  ICD10\n"
    "from WIZYTY \n"
    "where\n"
    "  ID = :ID";

const char* kPorady =
    "select *\n"
    "from PORADY";

const char* kHarmonogram =
    "select *\n"
    "from HARMONOGRAM\n"
    "where\n"
    "  DZIEN = :dzien\n"
    "  and\n"
    "  LEKARZ_ID = :lekarz_id\n"
    "order by GODZ1";

const char* kLekarze =
    "select ID, NAZWISKO, IMIE, KOLOR\n"
    "from LEKARZE\n"
    "where USUN='N'\n"
    "order by NAZWISKO, IMIE, ID";

}  // namespace

SiatkaWizytDane::SiatkaWizytDane(Connection& polaczenie, QObject* parent)
    : QObject(parent), sqlWizyty(polaczenie, this), sqlPorady(polaczenie, this), sqlHarmonogram(polaczenie, this) {
  sqlWizyty.setSelectSql(QString::fromLatin1(kWizyty));
  sqlWizyty.setInsertSql(QString::fromLatin1(kWizytyInsert));
  sqlWizyty.setUpdateSql(QString::fromLatin1(kWizytyUpdate));
  sqlWizyty.setDeleteSql(QString::fromLatin1(kWizytyDelete));
  sqlWizyty.setRefreshSql(QString::fromLatin1(kWizytyRefresh));
  sqlWizyty.setGenerator(QStringLiteral("GEN_WIZYTY_ID"), QStringLiteral("ID"), Dataset::KeyMoment::OnPost);
  sqlWizyty.addCalculatedField(QStringLiteral("_porada_kod"));
  sqlWizyty.addCalculatedField(QStringLiteral("_porada_nazwa"));
  sqlWizyty.setCalculate([this](Record& r) {
    const auto p = Porada(r.value(QStringLiteral("PORADA_ID")).toInt());
    r.setValue(QStringLiteral("_porada_kod"), p.first);
    r.setValue(QStringLiteral("_porada_nazwa"), p.second);
  });
  sqlPorady.setSelectSql(QString::fromLatin1(kPorady));
  sqlHarmonogram.setSelectSql(QString::fromLatin1(kHarmonogram));
  // The lookup follows the list whenever it is reopened or closed.
  connect(&sqlPorady, &Dataset::rowsReset, this, [this] { PrzeliczPorady(); });
}

void SiatkaWizytDane::OtworzWizyty(const QDate& data, int lekarzId) {
  sqlWizyty.close();
  sqlWizyty.setParam(QStringLiteral("data"), data);
  sqlWizyty.setParam(QStringLiteral("lekarz_id"), lekarzId);
  sqlWizyty.open();
}

void SiatkaWizytDane::OtworzHarmonogram(const QDate& data, int lekarzId) {
  const int dzien = SiatkaDnia::DzienTygodnia(data);
  sqlHarmonogram.close();
  sqlHarmonogram.setParam(QStringLiteral("dzien"), dzien);
  sqlHarmonogram.setParam(QStringLiteral("lekarz_id"), lekarzId);
  sqlHarmonogram.open();
}

void SiatkaWizytDane::OtworzPorady() {
  sqlPorady.close();
  sqlPorady.open();
}

void SiatkaWizytDane::PrzeliczPorady() {
  porady_.clear();
  if (!sqlPorady.isOpen()) return;
  const int id = sqlPorady.fieldIndex(QStringLiteral("ID"));
  const int kod = sqlPorady.fieldIndex(QStringLiteral("KOD"));
  const int nazwa = sqlPorady.fieldIndex(QStringLiteral("NAZWA"));
  for (int i = 0; i < sqlPorady.count(); ++i)
    porady_.insert(sqlPorady.valueAt(i, id).toInt(),
                   {sqlPorady.valueAt(i, kod).toString(), sqlPorady.valueAt(i, nazwa).toString()});
}

QPair<QString, QString> SiatkaWizytDane::Porada(int poradaId) const {
  if (poradaId == 0) return {};
  return porady_.value(poradaId);
}

std::vector<SiatkaDnia::WizytaDnia> SiatkaWizytDane::WizytyDnia() const {
  std::vector<SiatkaDnia::WizytaDnia> wynik;
  if (!sqlWizyty.isOpen()) return wynik;
  const Dataset& d = sqlWizyty;
  const int cId = d.fieldIndex("ID"), cGodz = d.fieldIndex("GODZ"), cNazwisko = d.fieldIndex("NAZWISKO"),
            cImie = d.fieldIndex("IMIE"), cUlica = d.fieldIndex("ULICA"), cNrDomu = d.fieldIndex("NRDOMU"),
            cNrLokal = d.fieldIndex("NRLOKAL"), cKodP = d.fieldIndex("KODP"), cPoczta = d.fieldIndex("POCZTA"),
            cPesel = d.fieldIndex("PESEL"), cPorada = d.fieldIndex("PORADA_ID"), cIcd = d.fieldIndex("ICD10");
  wynik.reserve(d.count());
  for (int i = 0; i < d.count(); ++i) {
    SiatkaDnia::WizytaDnia w;
    w.id = d.valueAt(i, cId).toInt();
    w.minuta = std::max(0, CzasDnia::MinutaZCzasu(d.valueAt(i, cGodz).toTime()));
    w.nazwisko = d.valueAt(i, cNazwisko).toString();
    w.imie = d.valueAt(i, cImie).toString();
    w.ulica = d.valueAt(i, cUlica).toString();
    w.nrDomu = d.valueAt(i, cNrDomu).toString();
    w.nrLokal = d.valueAt(i, cNrLokal).toString();
    w.kodP = d.valueAt(i, cKodP).toString();
    w.poczta = d.valueAt(i, cPoczta).toString();
    w.pesel = d.valueAt(i, cPesel).toString();
    // Looked up now rather than read from the row, so a reopened list shows at once.
    const auto p = Porada(d.valueAt(i, cPorada).toInt());
    w.poradaKod = p.first;
    w.poradaNazwa = p.second;
    w.icd10 = d.valueAt(i, cIcd).toString();
    wynik.push_back(std::move(w));
  }
  return wynik;
}

std::vector<SiatkaDnia::ZakresPracy> SiatkaWizytDane::ZakresyPracy() const {
  std::vector<SiatkaDnia::ZakresPracy> wynik;
  if (!sqlHarmonogram.isOpen()) return wynik;
  const int c1 = sqlHarmonogram.fieldIndex("GODZ1"), c2 = sqlHarmonogram.fieldIndex("GODZ2");
  for (int i = 0; i < sqlHarmonogram.count(); ++i)
    wynik.push_back({CzasDnia::MinutaZCzasu(sqlHarmonogram.valueAt(i, c1).toTime()),
                     CzasDnia::MinutaZCzasu(sqlHarmonogram.valueAt(i, c2).toTime())});
  return wynik;
}

SiatkaDnia::Wiersze SiatkaWizytDane::ZbudujWiersze(int grafikCo) const {
  return SiatkaDnia::ZbudujSiatke(ZakresyPracy(), WizytyDnia(), grafikCo);
}

QStringList SiatkaWizytDane::LinieDnia(int lekarzId, int grafikCo) const {
  using namespace SiatkaDnia;
  SiatkaDnia::WGodzinachPracy wGodzinach;
  wGodzinach.UstawZakresy(ZakresyPracy());
  QStringList linie;
  for (const WierszSiatki& w : ZbudujWiersze(grafikCo))
    linie << QStringList{w[KolGodz], w[KolId], w[KolNazwisko], w[KolPesel],
                         wGodzinach.Sprawdz(lekarzId, w) ? QStringLiteral("tak") : QStringLiteral("nie")}
                 .join(u'\t');
  return linie;
}

std::vector<LekarzZakladki> SiatkaWizytDane::LekarzeWUzyciu(Connection& polaczenie) {
  Statement q(polaczenie, QString::fromLatin1(kLekarze));
  q.execute();
  std::vector<LekarzZakladki> wynik;
  for (const Row& r : q.rows())
    wynik.push_back({r.value(0).toInt(), r.value(1).toString(), r.value(2).toString(), r.value(3).toInt()});
  return wynik;
}
