#pragma once
// The declarations import: a KS-SWD list brings PACJENCI up to date by PESEL
// (update, else insert), with the update log and the attention lists in the
// Logi folder. Shared by the patient list and orbe-admin.
#include "patients/ImportDeklaracjiReguly.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

class Connection;

struct PostepImportu {
  std::function<void(int maksimum)> rozpocznij;
  std::function<void()> krok;  // after each line (the caller lets the window repaint)
  std::function<void()> zakoncz;
};

struct WynikImportu {
  bool bladNaglowka = false;
  ImportDeklaracji::ListyImportu listy;
  QStringList log;   // the update log's lines
  QString plikLogu;  // where it was written
};

// Reads the file and does the database work (the log's lines 3 and on go to
// wynik.log). Every message (the format error, each attention list written)
// goes to `komunikat` in order. Commits retaining at the end; after a fatal
// error it rolls back retaining and raises the error. The progress always ends.
void ImportujPlikCSV(Connection& polaczenie, const QString& plik, const QDateTime& start,
                     const QString& katalogDanych, WynikImportu& wynik, const PostepImportu& postep,
                     const std::function<void(const QString&)>& komunikat);

// The whole import of a chosen file: the Logi folder, the log's first lines,
// ImportujPlikCSV, the log written, and the closing message.
WynikImportu ImportujDeklaracje(Connection& polaczenie, const QString& plik, const QString& katalogDanych,
                                const PostepImportu& postep, const std::function<void(const QString&)>& komunikat,
                                const QDateTime& start = QDateTime::currentDateTime());
