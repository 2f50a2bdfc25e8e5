#include "patients/Pesel.h"

#include <array>

namespace {

bool cyfra(QChar c) { return c >= u'0' && c <= u'9'; }

bool sameCyfry(const QString& t, qsizetype od, qsizetype ile) {
  if (od + ile > t.size()) return false;
  for (qsizetype i = od; i < od + ile; ++i)
    if (!cyfra(t.at(i))) return false;
  return true;
}

int liczba(const QString& t, qsizetype od, qsizetype ile) {
  int wynik = 0;
  for (qsizetype i = od; i < od + ile; ++i) wynik = wynik * 10 + (t.at(i).unicode() - u'0');
  return wynik;
}

bool sameZera(const QString& t, qsizetype od, qsizetype ile) {
  for (qsizetype i = od; i < od + ile; ++i)
    if (t.at(i) != u'0') return false;
  return true;
}

// Month code offset of each century the number can carry.
int przesuniecieMiesiaca(int rok) {
  if (rok < 1900) return 80;
  if (rok < 2000) return 0;
  if (rok < 2100) return 20;
  if (rok < 2200) return 40;
  return 60;
}

}  // namespace

bool PeselPoprawny(const QString& pesel) {
  if (pesel.size() != 11 || !sameCyfry(pesel, 0, 11)) return false;
  if (sameZera(pesel, 0, 5) || sameZera(pesel, 5, 6)) return false;
  static constexpr std::array<int, 11> wagi{1, 3, 7, 9, 1, 3, 7, 9, 1, 3, 1};
  int suma = 0;
  for (int i = 0; i < 11; ++i) suma += liczba(pesel, i, 1) * wagi[i];
  return suma % 10 == 0;
}

QDate DataUrodzeniaZPesel(const QString& pesel) {
  if (!sameCyfry(pesel, 0, 6) || sameZera(pesel, 0, 6)) return {};
  const int rr = liczba(pesel, 0, 2);
  const int mm = liczba(pesel, 2, 2);
  const int dd = liczba(pesel, 4, 2);
  int stulecie;
  if (mm >= 1 && mm <= 12) stulecie = 1900;
  else if (mm >= 21 && mm <= 32) stulecie = 2000;
  else if (mm >= 41 && mm <= 52) stulecie = 2100;
  else if (mm >= 61 && mm <= 72) stulecie = 2200;
  else if (mm >= 81 && mm <= 92) stulecie = 1800;
  else return {};
  const QDate data(stulecie + rr, mm - przesuniecieMiesiaca(stulecie), dd);
  return data.isValid() ? data : QDate();
}

bool PeselZgodnyZData(const QString& pesel, const QDate& data) {
  if (!data.isValid() || data.year() < 1800 || data.year() > 2299) return false;
  const QString postac = QString::asprintf("%02d%02d%02d", data.year(),
                                           data.month() + przesuniecieMiesiaca(data.year()),
                                           data.day())
                             .mid(2);
  return pesel.left(6) == postac;
}

QString PlecZPesel(const QString& pesel) {
  if (pesel.size() < 10 || !cyfra(pesel.at(9))) return {};
  return liczba(pesel, 9, 1) % 2 == 1 ? QStringLiteral("M") : QStringLiteral("K");
}
