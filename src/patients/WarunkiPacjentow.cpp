#include "patients/WarunkiPacjentow.h"

namespace WarunkiPacjentow {

namespace {

const QString param = QStringLiteral("cast(:t as varchar(%1))").arg(DlugoscFiltra);

QStringList liniePrefiksu() {
  return {QStringLiteral("  ("),
          QStringLiteral("    upper(NAZWISKO||' '||IMIE) STARTING WITH ") + param,
          QStringLiteral("    or"),
          QStringLiteral("    PESEL STARTING WITH ") + param,
          QStringLiteral("  )")};
}

}  // namespace

QString TekstFiltra(bool filtrWlaczony, const QString& tekst) {
  return filtrWlaczony ? tekst.toUpper().left(DlugoscFiltra) : QString();
}

Warunki BudujWarunki(bool filtrWlaczony, const QString& tekstFiltra, bool pokazUsunietych) {
  Warunki w;
  w.linie << QStringLiteral("where");
  const QString t = TekstFiltra(filtrWlaczony, tekstFiltra);
  if (!t.isEmpty()) {
    w.linie << liniePrefiksu() << QStringLiteral("  and");
    w.parametry.insert(QStringLiteral("t"), t);
  }
  w.linie << (pokazUsunietych ? QStringLiteral("  AKTYW = 'N'") : QStringLiteral("  AKTYW = 'T'"));
  return w;
}

Warunki BudujWarunkiTessor(bool filtrWlaczony, const QString& tekstFiltra) {
  Warunki w;
  const QString t = TekstFiltra(filtrWlaczony, tekstFiltra);
  if (!t.isEmpty()) {
    w.linie << QStringLiteral("where") << liniePrefiksu();
    w.parametry.insert(QStringLiteral("t"), t);
  }
  return w;
}

QString ZapytanieStrony(const QString& tabela, const Warunki& w, int strona) {
  QStringList l;
  l << QStringLiteral("select first %1 skip %2 *").arg(RozmiarStrony).arg(qint64(strona) * RozmiarStrony)
    << QStringLiteral("from ") + tabela << w.linie << QStringLiteral("order by NAZWISKO, IMIE, ID");
  return l.join(u'\n');
}

QString ZapytanieIlosci(const QString& tabela, const Warunki& w) {
  QStringList l;
  l << QStringLiteral("select count(*) as ILOSC") << QStringLiteral("from ") + tabela << w.linie;
  return l.join(u'\n');
}

int IloscStron(int iloscWynikow) { return iloscWynikow / RozmiarStrony + 1; }

}  // namespace WarunkiPacjentow
