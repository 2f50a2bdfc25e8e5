#include "visits/ZleceniaReguly.h"

#include <QHash>

namespace ZleceniaReguly {

Roznice Porownaj(const QList<ZlecenieBadania>& zapisane, const QList<ZlecenieBadania>& biezace) {
  Roznice r;
  QHash<int, int> listowane;  // stored ID -> examination now listed for it
  for (int i = 0; i < biezace.size(); ++i) {
    if (biezace[i].id == 0)
      r.nowe << i;
    else
      listowane.insert(biezace[i].id, biezace[i].badanieId);
  }
  for (const ZlecenieBadania& z : zapisane) {
    const auto it = listowane.constFind(z.id);
    if (it == listowane.constEnd())
      r.usuniete << z.id;
    else if (it.value() != z.badanieId)
      r.zmienione << ZlecenieBadania{z.id, it.value()};
  }
  return r;
}

}  // namespace ZleceniaReguly
