#pragma once
// Shared pieces of the command-line tool: the data folder and settings the
// program would use, the connection, and plain output.
#include "app/StanProgramu.h"
#include "db/Connection.h"

#include <QStringList>
#include <QTextStream>

namespace Admin {

QTextStream& out();
QTextStream& err();

// The state the program would start with: folders and orbe.ini.
// `katalog` (when not empty) replaces the data folder.
StanProgramu WczytajStan(const QString& katalog = QString());
// Opens the clinic database of that state with params.db or the defaults; a
// failure is a DbError whose text starts "Błąd otwarcia:" (exit code 2).
void Polacz(Connection& polaczenie, const StanProgramu& stan);

// One command: name, arguments help, what it does, and the function (the
// arguments after the command name; returns the exit code).
struct Polecenie {
  const char* nazwa;
  const char* argumenty;
  const char* opis;
  int (*uruchom)(const QStringList& argumenty);
};

}  // namespace Admin
