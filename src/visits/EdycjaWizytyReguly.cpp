#include "visits/EdycjaWizytyReguly.h"

#include <QDate>

namespace EdycjaWizytyReguly {

namespace {
int Liczba(const QString& tekst, int od, int ile) {
  bool ok = false;
  const int n = tekst.mid(od, ile).toInt(&ok);
  return ok ? n : 0;
}
}  // namespace

bool DataPoprawna(const QString& tekst) {
  if (tekst.size() != 10) return false;
  return QDate::isValid(Liczba(tekst, 6, 4), Liczba(tekst, 3, 2), Liczba(tekst, 0, 2));
}

bool Dzisiaj(const QString& tekst, const QDate& dzis) {
  return DataPoprawna(tekst) && QDate(Liczba(tekst, 6, 4), Liczba(tekst, 3, 2), Liczba(tekst, 0, 2)) == dzis;
}

bool GodzinaPoprawna(const QString& tekst) {
  if (tekst.size() != 5) return false;
  bool okG = false, okM = false;
  const int g = tekst.mid(0, 2).toInt(&okG);
  const int m = tekst.mid(3, 2).toInt(&okM);
  return okG && okM && g >= 0 && g <= 23 && m >= 0 && m <= 59;
}

QStringList LiniePacjenta(const Pacjent& p) {
  QString adres = p.ulica + u' ' + p.nrDomu;
  if (!p.nrLokal.isEmpty()) adres += u'/' + p.nrLokal;
  return {p.nazwisko + u' ' + p.imie, adres, p.kodP + u' ' + p.poczta, QStringLiteral("PESEL: ") + p.pesel};
}

QStringList LinieLekarza(const Lekarz& l) { return {l.nazwisko + u' ' + l.imie, QStringLiteral("PWZL: ") + l.pwzl}; }

QStringList LiniePorady(const Porada& p) { return {p.kod, p.nazwa}; }

Blad SprawdzDane(const Wizyta& w, const std::function<bool()>& zmienGodzine) {
  if (!DataPoprawna(w.tekstDaty)) return Blad::Data;
  if (!GodzinaPoprawna(w.tekstGodziny)) return Blad::Godzina;
  if (w.pacjentId == 0) return Blad::Pacjent;
  if (w.lekarzId == 0) return Blad::Lekarz;
  if (zmienGodzine && zmienGodzine()) return Blad::GodzinaZajeta;
  const bool porada = w.poradaId != 0;
  const bool kod = !w.icd10.isEmpty();
  if (kod && !porada) return Blad::IcdBezPorady;
  if (porada && !kod) return Blad::PoradaBezIcd;
  return Blad::Brak;
}

QString Komunikat(Blad b) {
  switch (b) {
    case Blad::Data:
      return QStringLiteral("Niepoprawna data.");
    case Blad::Godzina:
      return QStringLiteral("Niepoprawna godzina.");
    case Blad::Pacjent:
      return QStringLiteral("Wybierz pacjenta.");
    case Blad::Lekarz:
      return QStringLiteral("Wybierz lekarza.");
    case Blad::IcdBezPorady:
      return QStringLiteral("Jeśli wpisano 'ICD10' to należy też wybrać 'Poradę'.");
    case Blad::PoradaBezIcd:
      return QStringLiteral("Jeśli wybrano 'Poradę' to należy też wpisać 'ICD10'.");
    default:
      return {};
  }
}

}  // namespace EdycjaWizytyReguly
