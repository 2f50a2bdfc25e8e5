#include "visits/EdycjaWizytyDane.h"

#include "db/Statement.h"

namespace {

const char* kPacjent =
    "select NAZWISKO, IMIE, ULICA, NRDOMU, NRLOKAL, KODP, POCZTA, PESEL\n"
    "from PACJENCI\n"
    "where ID = :id";

const char* kLekarz =
    "select NAZWISKO, IMIE, PWZL\n"
    "from LEKARZE\n"
    "where ID = :id";

const char* kPorada =
    "select KOD, NAZWA\n"
    "from PORADY\n"
    "where ID = :id";

const char* kZajeta =
    "select count(*) as ILOSC\n"
    "from WIZYTY\n"
    "where\n"
    "  DATA = :data\n"
    "  and\n"
    "  GODZ = :czas\n"
    "  and\n"
    "  LEKARZ_ID = :lid\n"
    "  and\n"
    "  ID <> :wid";

const char* kIstnieje =
    "select count(*) as ILOSC\n"
    "from WIZYTY\n"
    "where ID = :id";

// Runs a one-row query on the identifier. A statement per call: the database
// window may reconnect between two showings of the editor.
std::unique_ptr<Statement> Wiersz(Connection& c, const char* sql, int id) {
  auto st = std::make_unique<Statement>(c, QString::fromLatin1(sql));
  st->setParam(QStringLiteral("id"), id);
  st->execute();
  return st;
}

QString Tekst(const Statement& st, const char* pole) { return st.value(QString::fromLatin1(pole)).toString(); }

}  // namespace

EdycjaWizytyDane::EdycjaWizytyDane(Connection& polaczenie) : polaczenie_(polaczenie) {}

EdycjaWizytyReguly::Pacjent EdycjaWizytyDane::Pacjent(int id) {
  const auto w = Wiersz(polaczenie_, kPacjent, id);
  const Statement& s = *w;
  return {Tekst(s, "NAZWISKO"), Tekst(s, "IMIE"), Tekst(s, "ULICA"), Tekst(s, "NRDOMU"),
          Tekst(s, "NRLOKAL"),  Tekst(s, "KODP"), Tekst(s, "POCZTA"), Tekst(s, "PESEL")};
}

EdycjaWizytyReguly::Lekarz EdycjaWizytyDane::Lekarz(int id) {
  const auto w = Wiersz(polaczenie_, kLekarz, id);
  const Statement& s = *w;
  return {Tekst(s, "NAZWISKO"), Tekst(s, "IMIE"), Tekst(s, "PWZL")};
}

EdycjaWizytyReguly::Porada EdycjaWizytyDane::Porada(int id) {
  const auto w = Wiersz(polaczenie_, kPorada, id);
  const Statement& s = *w;
  return {Tekst(s, "KOD"), Tekst(s, "NAZWA")};
}

int EdycjaWizytyDane::GodzinaZajeta(const QDate& data, const QTime& czas, int lekarzId, int wizytaId) {
  Statement st(polaczenie_, QString::fromLatin1(kZajeta));
  st.setParam(QStringLiteral("data"), data);
  st.setParam(QStringLiteral("czas"), czas);
  st.setParam(QStringLiteral("lid"), lekarzId);
  st.setParam(QStringLiteral("wid"), wizytaId);
  st.execute();
  return st.value(QStringLiteral("ILOSC")).toInt();
}

bool EdycjaWizytyDane::WizytaIstnieje(int wizytaId) {
  return Wiersz(polaczenie_, kIstnieje, wizytaId)->value(QStringLiteral("ILOSC")).toInt() > 0;
}
