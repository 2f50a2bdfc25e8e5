#include "visits/ZleconeBadaniaWizyty.h"

#include "db/Statement.h"

namespace {
const char* const SqlSlownik = "select *\nfrom BADANIA";
const char* const SqlWiersze =
    "select *\nfrom BADANIASPLOT\nwhere WIZYTA_ID = :wizyta_id\norder by ID";
const char* const SqlNowy =
    "insert into BADANIASPLOT\n  (ID, WIZYTA_ID, BADANIE_ID)\nvalues\n  (:ID, :WIZYTA_ID, :BADANIE_ID)";
const char* const SqlZmieniony =
    "update BADANIASPLOT\nset\n  ID = :ID,\n  WIZYTA_ID = :WIZYTA_ID,\n  BADANIE_ID = :BADANIE_ID\nwhere\n  ID = :OLD_ID";
const char* const SqlUsuniety = "delete from BADANIASPLOT\nwhere\n  ID = :OLD_ID";
const char* const SqlKlucz = "SELECT GEN_ID(GEN_BADANIASPLOT_ID, 1) FROM RDB$DATABASE";
}  // namespace

void ZleconeBadaniaWizyty::Wczytaj(Connection& polaczenie, int wizytaId) {
  Zamknij();
  WczytajSlownik(polaczenie);
  // Rows of a visit never posted are not looked for: none can belong to it.
  if (wizytaId != 0) {
    Statement wiersze(polaczenie, QString::fromLatin1(SqlWiersze));
    wiersze.setParam(QStringLiteral("wizyta_id"), wizytaId);
    wiersze.execute();
    const int wid = wiersze.fieldIndex(QStringLiteral("ID"));
    const int bid = wiersze.fieldIndex(QStringLiteral("BADANIE_ID"));
    for (const Row& r : wiersze.rows()) wiersze_ << ZlecenieBadania{r[wid].toInt(), r[bid].toInt()};
  }
  zapisane_ = wiersze_;
  otwarte_ = true;
}

void ZleconeBadaniaWizyty::WczytajSlownik(Connection& polaczenie) {
  Statement slownik(polaczenie, QString::fromLatin1(SqlSlownik));
  slownik.execute();
  const int id = slownik.fieldIndex(QStringLiteral("ID"));
  const int kod = slownik.fieldIndex(QStringLiteral("KOD"));
  const int nazwa = slownik.fieldIndex(QStringLiteral("NAZWA"));
  slownik_.clear();
  for (const Row& r : slownik.rows()) slownik_.insert(r[id].toInt(), {r[kod].toString(), r[nazwa].toString()});
}

void ZleconeBadaniaWizyty::Zapisz(Connection& polaczenie, int wizytaId) {
  if (!otwarte_) return;
  const ZleceniaReguly::Roznice r = ZleceniaReguly::Porownaj(zapisane_, wiersze_);
  // The stored state follows every statement that succeeded, so that after an
  // error a second OK goes on from there instead of writing rows twice.
  const auto zapisany = [this](int id) {
    for (int i = 0; i < zapisane_.size(); ++i)
      if (zapisane_[i].id == id) return i;
    return -1;
  };
  if (!r.usuniete.isEmpty()) {
    Statement usun(polaczenie, QString::fromLatin1(SqlUsuniety));
    for (int id : r.usuniete) {
      usun.setParam(QStringLiteral("OLD_ID"), id);
      usun.execute();
      zapisane_.removeAt(zapisany(id));
    }
  }
  if (!r.zmienione.isEmpty()) {
    Statement zmien(polaczenie, QString::fromLatin1(SqlZmieniony));
    for (const ZlecenieBadania& z : r.zmienione) {
      zmien.setParam(QStringLiteral("ID"), z.id);
      zmien.setParam(QStringLiteral("WIZYTA_ID"), wizytaId);
      zmien.setParam(QStringLiteral("BADANIE_ID"), z.badanieId);
      zmien.setParam(QStringLiteral("OLD_ID"), z.id);
      zmien.execute();
      zapisane_[zapisany(z.id)].badanieId = z.badanieId;
    }
  }
  if (!r.nowe.isEmpty()) {
    Statement klucz(polaczenie, QString::fromLatin1(SqlKlucz));
    Statement dodaj(polaczenie, QString::fromLatin1(SqlNowy));
    for (int i : r.nowe) {
      klucz.execute();
      const int id = klucz.rows().first().first().toInt();
      dodaj.setParam(QStringLiteral("ID"), id);
      dodaj.setParam(QStringLiteral("WIZYTA_ID"), wizytaId);
      dodaj.setParam(QStringLiteral("BADANIE_ID"), wiersze_[i].badanieId);
      dodaj.execute();
      wiersze_[i].id = id;
      zapisane_ << wiersze_[i];
    }
  }
}

void ZleconeBadaniaWizyty::Zamknij() {
  otwarte_ = false;
  wiersze_.clear();
  zapisane_.clear();
  slownik_.clear();
}

void ZleconeBadaniaWizyty::Dodaj(int badanieId) { wiersze_ << ZlecenieBadania{0, badanieId}; }

void ZleconeBadaniaWizyty::Zmien(int wiersz, int badanieId) {
  if (wiersz >= 0 && wiersz < wiersze_.size()) wiersze_[wiersz].badanieId = badanieId;
}

void ZleconeBadaniaWizyty::Usun(int wiersz) {
  if (wiersz >= 0 && wiersz < wiersze_.size()) wiersze_.removeAt(wiersz);
}
