#pragma once
// Colours shared by every drawn grid and edit, and the one conversion between
// the stored 0xBBGGRR colour values and QColor.
#include <QColor>

namespace Kolory {

inline QColor zBGR(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
inline int doBGR(const QColor& c) { return (c.blue() << 16) | (c.green() << 8) | c.red(); }

inline const QColor WybranyZFokusem{0xA6, 0xCA, 0xF0};   // sky blue
inline const QColor WybranyBezFokusu{0xC0, 0xC0, 0xC0};  // silver
inline const QColor WierszNieparzysty{0xF5, 0xF5, 0xF5};
inline const QColor PolePuste{0xFF, 0xB9, 0xB9};         // empty or invalid edit
inline const QColor NieZnaleziono{0xFF, 0xA6, 0xA6};     // search found nothing
inline const QColor NieDzisiaj{0xFF, 0xFF, 0x00};        // a date other than today
inline const QColor TekstUsuniety{0x80, 0x80, 0x80};

// Background of a list-grid row by the common rule: the selected row sky blue
// or silver by focus; other rows F5F5F5 on odd record numbers (first row = 1),
// the normal base on even ones.
inline QColor tloWiersza(int wiersz0, bool wybrany, bool fokus, const QColor& normalne) {
  if (wybrany) return fokus ? WybranyZFokusem : WybranyBezFokusu;
  return ((wiersz0 + 1) % 2 == 1) ? WierszNieparzysty : normalne;
}

}  // namespace Kolory
