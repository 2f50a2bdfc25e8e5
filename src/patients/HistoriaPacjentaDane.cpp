#include "patients/HistoriaPacjentaDane.h"

const char* const SqlHistoriaWizyt =
    "select\n"
    "  W.*,\n"
    "  P.KOD as PORADA_KOD,\n"
    "  P.NAZWA as PORADA_NAZWA,\n"
    "  L.NAZWISKO as LEKARZ_NAZWISKO\n"
    "from WIZYTY W\n"
    "left join PORADY P on P.ID = W.PORADA_ID\n"
    "left join LEKARZE L on L.ID = W.LEKARZ_ID\n"
    "where W.PACJENT_ID = :pacjent_id\n"
    "order by W.DATA desc, W.GODZ desc";

const char* const SqlHistoriaBadan =
    "select\n"
    "  S.WIZYTA_ID,\n"
    "  W.DATA,\n"
    "  B.KOD,\n"
    "  B.NAZWA,\n"
    "  L.NAZWISKO,\n"
    "  L.IMIE\n"
    "from\n"
    "  BADANIASPLOT S\n"
    "    left join BADANIA B on B.ID = S.BADANIE_ID,\n"
    "  WIZYTY W\n"
    "    left join LEKARZE L on L.ID = W.LEKARZ_ID\n"
    "where\n"
    "  W.ID = S.WIZYTA_ID\n"
    "  and\n"
    "  W.PACJENT_ID = :pacjent_id\n"
    "order by W.DATA, W.GODZ, S.ID";

HistoriaPacjentaDane::HistoriaPacjentaDane(Connection& polaczenie) : sqlWizyty(polaczenie), sqlBadania(polaczenie) {
  sqlWizyty.setSelectSql(QString::fromUtf8(SqlHistoriaWizyt));
  sqlBadania.setSelectSql(QString::fromUtf8(SqlHistoriaBadan));
  sqlBadania.addCalculatedField(QStringLiteral("_nazwisko_imie"));
  sqlBadania.setCalculate([](Record& r) {
    r.setValue(QStringLiteral("_nazwisko_imie"), r.text(QStringLiteral("NAZWISKO")) + u' ' + r.text(QStringLiteral("IMIE")));
  });
}

void HistoriaPacjentaDane::Otworz(int pacjentId) {
  sqlBadania.setParam(QStringLiteral("pacjent_id"), pacjentId);
  sqlBadania.open();
  sqlWizyty.setParam(QStringLiteral("pacjent_id"), pacjentId);
  sqlWizyty.open();
}

void HistoriaPacjentaDane::Zamknij() {
  sqlWizyty.close();
  sqlBadania.close();
}

int HistoriaPacjentaDane::PierwszeBadanieWizyty(int wizytaId) const {
  if (!sqlBadania.isOpen()) return -1;
  for (int i = 0; i < sqlBadania.count(); ++i)
    if (sqlBadania.valueAt(i, QStringLiteral("WIZYTA_ID")).toInt() == wizytaId) return i;
  return -1;
}
