#include "app/PolozenieOkna.h"

namespace PolozenieOkna {

namespace {
bool zaSzerokie(int lewo, const QSize& okno, const QSize& obszar) { return lewo + okno.width() > obszar.width(); }
bool zaNisko(int gora, const QSize& okno, const QSize& obszar) { return gora + okno.height() > obszar.height(); }
}  // namespace

// QRect's right()/bottom() are the last pixel; the edges meant here lie one past them.
QPoint PolozenieKalendarza(const QRect& pole, const QSize& okno, const QSize& obszarRoboczy) {
  int lewo = pole.left();
  int gora = pole.top() + pole.height();
  if (zaSzerokie(lewo, okno, obszarRoboczy)) lewo = obszarRoboczy.width() - okno.width();
  if (zaNisko(gora, okno, obszarRoboczy)) gora -= pole.height() + okno.height();
  return {lewo, gora};
}

QPoint PolozenieZegara(const QRect& pole, const QSize& okno, const QSize& obszarRoboczy) {
  int lewo = pole.left() + pole.width();
  int gora = pole.top();
  if (zaSzerokie(lewo, okno, obszarRoboczy)) lewo = obszarRoboczy.width() - okno.width();
  if (zaNisko(gora, okno, obszarRoboczy)) gora = obszarRoboczy.height() - okno.height();
  return {lewo, gora};
}

}  // namespace PolozenieOkna
