#include "patients/TessorDane.h"

#include "common/Formaty.h"

#include <QDateTime>

TessorDane::TessorDane()
    : StronyPacjentow(QStringLiteral("PACJENT"), sqlPacjent, sqlQuery),
      sqlPacjent(IBDatabaseTESSOR), sqlQuery(IBDatabaseTESSOR, QString()) {
  sqlPacjent.addCalculatedField(QStringLiteral("_pacjent_name"));
  // The update time as the program shows times: DD-MM-YYYY HH:NN.
  sqlPacjent.addCalculatedField(QStringLiteral("_dtaktualiz"));
  sqlPacjent.setCalculate([](Record& r) {
    r.setValue(QStringLiteral("_pacjent_name"), r.text(QStringLiteral("NAZWISKO")) + u' ' + r.text(QStringLiteral("IMIE")));
    const QDateTime t = r.value(QStringLiteral("DTAKTUALIZ")).toDateTime();
    r.setValue(QStringLiteral("_dtaktualiz"),
               t.isValid() ? Formaty::data(t.date()) + u' ' + Formaty::godzina(t.time()) : QString());
  });
}

void TessorDane::Otworz(const QString& sciezka) {
  Zamknij();
  IBDatabaseTESSOR.open(sciezka, TessorReguly::ParametryPolaczenia());
}

void TessorDane::Zamknij() {
  sqlPacjent.close();
  if (IBDatabaseTESSOR.isOpen()) IBDatabaseTESSOR.close();
  IloscWynikow = 0;
  Strona = 0;
  IloscStron = 1;
}

void TessorDane::BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra) {
  Warunki = WarunkiPacjentow::BudujWarunkiTessor(filtrWlaczony, tekstFiltra);
}

TessorReguly::PacjentTessor TessorDane::BiezacyPacjent() const {
  TessorReguly::PacjentTessor p;
  if (BiezaceID() == 0) return p;
  const auto t = [this](const char* pole) { return sqlPacjent.text(QString::fromLatin1(pole)); };
  const auto d = [this](const char* pole) { return sqlPacjent.value(QString::fromLatin1(pole)).toDate(); };
  p.ID = BiezaceID();
  p.NAZWISKO = t("NAZWISKO");
  p.IMIE = t("IMIE");
  p.PESEL = t("PESEL");
  p.ADRES = t("ADRES");
  p.KODP = t("KODP");
  p.POCZTA = t("POCZTA");
  p.URDATA = d("URDATA");
  p.PLEC = t("PLEC");
  p.DEKLARDATA = d("DEKLARDATA");
  return p;
}
