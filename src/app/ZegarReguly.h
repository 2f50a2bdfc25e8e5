#pragma once
// The clock picker's dial: mouse position to minute of the day and the hand's
// end point. The face reads like a dial for 6:01 .. 18:00.
#include <QPoint>

namespace ZegarReguly {

constexpr int RozmiarTarczy = 128;
constexpr int Srodek = RozmiarTarczy / 2;
constexpr int DlugoscWskazowki = 50;

// Interval of the snapping: grafik_co kept within 5..60.
int InterwalZegara(int grafikCo);

// Minute under the mouse (x, y relative to the face). Snapped down to the
// interval within its hour unless Alt is held.
int MinutaZPozycji(int x, int y, int interwal, bool alt);

// End of the hand drawn from the centre for a minute of the day.
QPoint KoniecWskazowki(int minuta);

}  // namespace ZegarReguly
