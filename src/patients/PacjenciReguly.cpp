#include "patients/PacjenciReguly.h"

namespace PacjenciReguly {

bool ZnakSzybkiegoFiltra(QChar znak) {
  static const QString polskie = QStringLiteral("ąćęłńóśżźĄĆĘŁŃÓŚŻŹ");
  const char16_t u = znak.unicode();
  return (u >= 0x30 && u <= 0x7A) || u == u' ' || u == u'-' || polskie.contains(znak);
}

int SzukajWStronie(const QStringList& nazwiskaImiona, const QStringList& pesele, const QString& tekst) {
  for (int i = 0; i < nazwiskaImiona.size(); ++i)
    if (nazwiskaImiona[i].startsWith(tekst, Qt::CaseInsensitive)) return i;
  for (int i = 0; i < pesele.size(); ++i)
    if (pesele[i].startsWith(tekst, Qt::CaseInsensitive)) return i;
  return -1;
}

}  // namespace PacjenciReguly
