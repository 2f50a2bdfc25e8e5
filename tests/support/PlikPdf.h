#pragma once
// What a PDF written by a test holds, read back with poppler's tools.
#include <QString>

namespace PlikPdf {

// The text of the pages (pdftotext -layout); "" when the file cannot be read.
QString Tekst(const QString& plik);
// The number of pages (pdfinfo); 0 when the file cannot be read.
int Strony(const QString& plik);
// The first page's size in points, "W x H" as pdfinfo prints it.
QString RozmiarStrony(const QString& plik);
// The number of images embedded (pdfimages -list).
int Obrazy(const QString& plik);
// Renders page `strona` to a PNG at `dpi` (pdftoppm); true when written.
bool DoPng(const QString& plik, const QString& png, int strona = 1, int dpi = 60);

}  // namespace PlikPdf
