#pragma once
// What orbe-admin backup and restore work on: the database of the data
// folder's settings and a backup file (a path on the database host when the
// database is remote).
#include "admin/BazaDanychReguly.h"
#include "app/StanProgramu.h"

BazaDanychReguly::ZadanieUslugi ZadanieKopii(const StanProgramu& stan, const QString& plik);
// Hands verbose lines to stdout when asked (-v / --verbose); removes the flag.
bool WyjmijFlage(QStringList& args, const QStringList& nazwy);
