#pragma once
// The "ZEGAR" picture: the clock picker's clean face, 128 x 128, on purple
// RGB 800080 that the window treats as transparent.
#include <QColor>
#include <QImage>
#include <QRegion>

namespace TarczaZegara {

inline const QColor KolorPrzezroczysty{0x80, 0x00, 0x80};

QImage ZEGAR();

// The pixels of a face that are not the transparent colour: what shows and
// what the mouse can point at.
QRegion ObszarTarczy(const QImage& tarcza);

}  // namespace TarczaZegara
