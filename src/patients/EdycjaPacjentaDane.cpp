#include "patients/EdycjaPacjentaDane.h"

EdycjaPacjentaDane::EdycjaPacjentaDane(Connection& polaczenie)
    : sqlQuery1(polaczenie, QStringLiteral("select NAZWISKO, IMIE, AKTYW\n"
                                           "from PACJENCI\n"
                                           "where\n"
                                           "  PESEL = :PESEL\n"
                                           "  and\n"
                                           "  ID <> :ID")) {}

std::optional<EdycjaPacjentaReguly::InnyPacjent> EdycjaPacjentaDane::InnyZPeselem(const QString& pesel, int id) {
  sqlQuery1.setParam(QStringLiteral("PESEL"), pesel);
  sqlQuery1.setParam(QStringLiteral("ID"), id);
  sqlQuery1.execute();
  if (sqlQuery1.rows().isEmpty()) return std::nullopt;
  return EdycjaPacjentaReguly::InnyPacjent{sqlQuery1.value(QStringLiteral("NAZWISKO")).toString(),
                                           sqlQuery1.value(QStringLiteral("IMIE")).toString(),
                                           sqlQuery1.value(QStringLiteral("AKTYW")).toString()};
}
