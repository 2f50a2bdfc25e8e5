#pragma once
// The one conversion point between the program's QString and the Windows-1250
// bytes of every file and of the database connection.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Win1250 {

QByteArray zakoduj(const QString& tekst);
QString odkoduj(const QByteArray& bajty);

// Lines of a text file; CR LF, LF and a lone CR all end a line. A missing or
// unreadable file reads as no lines. A final line ending adds no empty line.
QStringList czytajLinie(const QString& sciezka);
QStringList podzielLinie(const QString& tekst);

// Writes every line followed by CR LF, replacing the file whole.
// Returns false (and leaves any old file intact) when the file cannot be written.
bool zapiszLinie(const QString& sciezka, const QStringList& linie);
// Same, but raises a std::runtime_error naming the file when writing fails.
void zapiszLinieLubBlad(const QString& sciezka, const QStringList& linie);

// Writes raw bytes, replacing the file whole.
bool zapiszBajty(const QString& sciezka, const QByteArray& bajty);

}  // namespace Win1250
