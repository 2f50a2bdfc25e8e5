#include "patients/StronyPacjentow.h"

void StronyPacjentow::PoliczWyniki() {
  ilosc_.setSql(WarunkiPacjentow::ZapytanieIlosci(tabela_, Warunki));
  for (auto it = Warunki.parametry.cbegin(); it != Warunki.parametry.cend(); ++it) ilosc_.setParam(it.key(), it.value());
  ilosc_.execute();
  IloscWynikow = ilosc_.value(QStringLiteral("ILOSC")).toInt();
  Strona = 0;
  IloscStron = WarunkiPacjentow::IloscStron(IloscWynikow);
}

void StronyPacjentow::PobierzStrone() {
  const int id = BiezaceID();
  strona_.close();
  strona_.setSelectSql(WarunkiPacjentow::ZapytanieStrony(tabela_, Warunki, Strona));
  for (auto it = Warunki.parametry.cbegin(); it != Warunki.parametry.cend(); ++it) strona_.setParam(it.key(), it.value());
  strona_.open();
  if (id != 0) strona_.locate(QStringLiteral("ID"), id);
}

int StronyPacjentow::BiezaceID() const {
  if (!strona_.isOpen() || strona_.recNo() < 0) return 0;
  return strona_.intValue(QStringLiteral("ID"));
}
