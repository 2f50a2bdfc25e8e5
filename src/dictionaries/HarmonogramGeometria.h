#pragma once
// Arithmetic of the weekly schedule editor: a week grid of seven day rows by
// twenty-four hour columns at two minutes per pixel, the range boxes placed on
// it, drawing, moving and resizing by mouse, the overlap rule and the texts.
// Minutes of the day throughout; x values in the grid's coordinates.
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace HarmonogramGeometria {

constexpr int SzerokoscKolumnyDni = 74;
constexpr int SzerokoscKolumnyGodzin = 29;
constexpr int SkokGodziny = 30;  // column + 1-pixel grid line: 2 minutes per pixel
constexpr int WysokoscWiersza = 24;
constexpr int SkokWiersza = 25;
constexpr int MinutDoby = 24 * 60;

struct Zakres {
  int start = 0;
  int koniec = 0;
};

// Day names of HARMONOGRAM.DZIEN 1 (Monday) .. 7; "" outside.
QString NazwaDnia(int dzien);
bool WierszDnia(int wiersz);  // grid rows 1..7 are the days

// Lowers a minute to a multiple of the interval counted from its full hour
// (truncating toward zero). The interval is the editor's, kept within 5..60.
int Zaokraglij(int minuta, int interwal);

// x of minute 0: grid left + the day-name column + its grid line.
int X0(int lewoSiatki);
// Snapped minute under mouse x (the grid's own x).
int MinutaZX(int x, int x0, int interwal);

// Grid row and column under a point of the grid (a cell with the grid line
// after it); -1 outside.
int WierszZY(int y);
int KolumnaZX(int x);
// An hour cell of a day row: neither the header row nor the day-name column.
bool KomorkaGodzin(int x, int y);

// Box of a range in day row "dzien"; right and bottom edges excluded.
QRect ProstokatPola(int start, int koniec, int dzien, QPoint poczatekSiatki);
// The drawing box from the start row down to the current row.
QRect ProstokatRysowania(int start, int koniec, int wierszStart, int wierszBiezacy, QPoint poczatekSiatki);

// 0 <= start < end < 24:00.
bool ZakresPoprawny(int start, int koniec);

// The moving box's rectangle widened 1 px left and 2 px right meets another
// box (the caller leaves the moving box itself out). Touching ranges overlap.
bool SprawdzNakladanie(const QRect& ruchome, const std::vector<QRect>& inne);

// Move: start from the box's left plus the mouse travel since the grab, end =
// start + 2 x box width (so the length stays even). Empty when the result would
// begin before 00:00 or end at 24:00 or later: the box stays where it was.
std::optional<Zakres> Przesun(int lewoPola, int szerokoscPola, int x0, int xWPolu, int punktChwytu,
                              int interwal);
// Resize by the right edge: end = snap(2 x + start + 10), x inside the box.
// Empty unless start < end < 24:00.
std::optional<Zakres> ZmienRozmiar(int start, int xWPolu, int interwal);
// Over the 4 right-most pixels of the selected box the drag resizes.
bool StrefaZmianyRozmiaru(int xWPolu, int szerokoscPola);

// A finished drawing is offered when the range is valid and it runs from the
// start row down to a day row not above it.
bool RysunekDoDodania(int start, int koniec, int wierszStart, int wierszBiezacy);

// "HH:NN ÷ HH:NN"
QString PodpisZakresu(int start, int koniec);
// Box hint: day name + ":  " + caption.
QString PodpowiedzPola(int dzien, int start, int koniec);
// Drawing hint: "Pon. Wto. " + line break + caption; "" for an invalid range.
QString PodpowiedzRysowania(int wierszStart, int wierszBiezacy, int start, int koniec);
// Hint over the grid: day name + "  " + minute; "" off the day rows or before 00:00.
QString PodpowiedzSiatki(int wiersz, int minuta);

inline const QString TytulNowyWpis = QStringLiteral("Nowy wpis");
inline const QString TytulUsuniecieWpisu = QStringLiteral("Usunięcie wpisu");
QString PytanieNowyWpis(int wierszStart, int wierszKoniec, int start, int koniec);
QString PytanieUsuniecieWpisu(int dzien, int start, int koniec);

}  // namespace HarmonogramGeometria
