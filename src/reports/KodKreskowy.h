#pragma once
// Barcodes for the report templates, drawn by libzint.
#include <QImage>
#include <QString>

struct KodKreskowy {
  QImage obraz;   // black bars on white, one module = `skala` pixels; null on failure
  QString tekst;  // the text zint encoded (its human-readable line)
  QString blad;   // zint's message when the data cannot be encoded
  int moduly = 0; // width of the symbol in modules
};

// Code 128 of the text, bars `wysokosc` modules high, without a printed line
// (the templates print the number themselves where they want it).
KodKreskowy Kod128(const QString& dane, int skala = 4, int wysokosc = 40);
