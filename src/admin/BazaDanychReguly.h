#pragma once
// Rules of the database window: backup file names, the remote backup folder,
// what the backup and restore services are given, and the failure messages.
#include <QDate>
#include <QString>

namespace BazaDanychReguly {

// "ORBE_" + the date as yyyy-mm-dd + ".FBK".
QString ProponowanaNazwaKopii(const QDate& dzien);

// The remote backup folder as typed, ending with the separator it uses.
QString FolderKopiiZdalnej(const QString& wpisany);

// The folder of a file path with its final separator ("\" or "/"); empty
// when the path names no folder.
QString FolderPliku(const QString& sciezka);

// What one backup or restore works on.
struct ZadanieUslugi {
  QString serwer;  // host of the service manager; empty = this machine
  QString baza;    // database path as the service manager's machine sees it
  QString plik;    // backup file, on the same machine
  bool zdalne = false;
};

// A local backup or restore: the main connection's current database and a
// file chosen in the dialog.
ZadanieUslugi ZadanieLokalne(const QString& biezacaBaza, const QString& plik);
// A remote one: Dir + ORBE.FDB and the backup folder + file name, all on Host.
ZadanieUslugi ZadanieZdalne(const QString& host, const QString& dir, const QString& folderKopii,
                            const QString& nazwaPliku);

QString TekstBleduKopii(const QString& blad);
// Names the likely cause when the server says the database might be in use.
QString TekstBleduOdtwarzania(const QString& blad);
QString TekstBleduUsuwaniaParametrow(const QString& blad);

}  // namespace BazaDanychReguly
