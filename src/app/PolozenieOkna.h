#pragma once
// Where the calendar and clock pickers open next to their field. The field's
// rectangle is in screen coordinates; the work area's origin is taken as 0, 0.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace PolozenieOkna {

// Just below the field; against the right edge when too wide; above the field when too low.
QPoint PolozenieKalendarza(const QRect& pole, const QSize& okno, const QSize& obszarRoboczy);

// Just right of the field; against the right edge when too wide; against the bottom when too low.
QPoint PolozenieZegara(const QRect& pole, const QSize& okno, const QSize& obszarRoboczy);

}  // namespace PolozenieOkna
