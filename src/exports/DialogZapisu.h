#pragma once
// The save dialog of the exports, behind one replaceable function so that
// tests choose the file without a real dialog.
#include <QString>
#include <functional>

class QWidget;

// Asks for a file to write: starts in `katalog` with `nazwa` proposed; `filtr`
// in Qt form ("Pliki CSV (*.csv);;Wszystkie pliki (*.*)"), the first entry
// selected. It asks before overwriting; a name typed without an extension gets
// the first entry's. Returns the chosen path, or empty when cancelled.
using WyborPlikuZapisu =
    std::function<QString(QWidget* rodzic, const QString& katalog, const QString& nazwa, const QString& filtr)>;

WyborPlikuZapisu& wyborPlikuZapisu();
// The real dialog (the default).
QString DialogZapisuPliku(QWidget* rodzic, const QString& katalog, const QString& nazwa, const QString& filtr);
