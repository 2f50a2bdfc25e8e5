#include "patients/TessorDane.h"

#include "common/Formaty.h"

#include <QDateTime>

TessorDane::TessorDane() : sqlPacjent(IBDatabaseTESSOR), sqlQuery(IBDatabaseTESSOR, QString()) {
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

void TessorDane::PoliczWyniki() {
  sqlQuery.setSql(WarunkiPacjentow::ZapytanieIlosci(QStringLiteral("PACJENT"), Warunki));
  for (auto it = Warunki.parametry.cbegin(); it != Warunki.parametry.cend(); ++it) sqlQuery.setParam(it.key(), it.value());
  sqlQuery.execute();
  IloscWynikow = sqlQuery.value(QStringLiteral("ILOSC")).toInt();
  Strona = 0;
  IloscStron = WarunkiPacjentow::IloscStron(IloscWynikow);
}

void TessorDane::PobierzStrone() {
  const int id = BiezaceID();
  sqlPacjent.close();
  sqlPacjent.setSelectSql(WarunkiPacjentow::ZapytanieStrony(QStringLiteral("PACJENT"), Warunki, Strona));
  for (auto it = Warunki.parametry.cbegin(); it != Warunki.parametry.cend(); ++it) sqlPacjent.setParam(it.key(), it.value());
  sqlPacjent.open();
  if (id != 0) sqlPacjent.locate(QStringLiteral("ID"), id);
}

int TessorDane::BiezaceID() const {
  if (!sqlPacjent.isOpen() || sqlPacjent.recNo() < 0) return 0;
  return sqlPacjent.intValue(QStringLiteral("ID"));
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
