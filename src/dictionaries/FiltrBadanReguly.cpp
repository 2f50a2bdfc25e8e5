#include "dictionaries/FiltrBadanReguly.h"

namespace FiltrBadan {

QString WzorzecZawiera(const QString& tekst) {
  QString w = QStringLiteral("%");
  for (const QChar c : tekst.toUpper()) {
    if (c == u'%' || c == u'_' || c == u'\\') w += u'\\';
    w += c;
  }
  return w + u'%';
}

bool ZnakSzybkiegoFiltru(QChar znak) {
  static const QString polskie = QStringLiteral("ąćęłńóśżźĄĆĘŁŃÓŚŻŹ");
  return (znak >= u'0' && znak <= u'z') || polskie.contains(znak) || znak == u' ' || znak == u'-';
}

Reakcja Klawisz(QString& tekst, QChar znak, bool backspace, bool filtrWlaczony) {
  if (backspace) {
    tekst.chop(1);
    if (!tekst.isEmpty() || !filtrWlaczony) return Reakcja::UruchomTimer;
    return Reakcja::PrzelaczTeraz;
  }
  if (!ZnakSzybkiegoFiltru(znak)) return Reakcja::Nic;
  tekst += znak;
  return Reakcja::UruchomTimer;
}

}  // namespace FiltrBadan
