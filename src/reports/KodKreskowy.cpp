#include "reports/KodKreskowy.h"

#if __has_include(<zint.h>)
#include <zint.h>
#define ORBE_ZINT 1
#endif

#include <memory>

KodKreskowy Kod128(const QString& dane, int skala, int wysokosc) {
  KodKreskowy k;
#ifdef ORBE_ZINT
  std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> s(ZBarcode_Create(), ZBarcode_Delete);
  if (!s) {
    k.blad = QStringLiteral("Brak pamięci dla kodu kreskowego");
    return k;
  }
  s->symbology = BARCODE_CODE128;
  s->input_mode = UNICODE_MODE;
  s->height = float(wysokosc);
  s->scale = float(skala) / 2.0f;  // zint's raster draws 2 pixels a module at scale 1
  s->show_hrt = 0;
  s->whitespace_width = 10;  // the quiet zone the scanners need
  const QByteArray utf8 = dane.toUtf8();
  const int rc = ZBarcode_Encode_and_Buffer(s.get(), reinterpret_cast<const unsigned char*>(utf8.constData()),
                                            int(utf8.size()), 0);
  if (rc >= ZINT_ERROR) {
    k.blad = QString::fromUtf8(s->errtxt);
    return k;
  }
  k.tekst = QString::fromUtf8(reinterpret_cast<const char*>(s->text));
  k.moduly = s->width;
  QImage obraz(s->bitmap_width, s->bitmap_height, QImage::Format_RGB32);
  const unsigned char* p = s->bitmap;
  for (int y = 0; y < s->bitmap_height; ++y) {
    auto* linia = reinterpret_cast<QRgb*>(obraz.scanLine(y));
    for (int x = 0; x < s->bitmap_width; ++x, p += 3) linia[x] = qRgb(p[0], p[1], p[2]);
  }
  k.obraz = obraz;
#else
  Q_UNUSED(skala);
  Q_UNUSED(wysokosc);
  k.blad = QStringLiteral("Program zbudowano bez biblioteki kodów kreskowych");
  k.tekst = dane;
#endif
  return k;
}
