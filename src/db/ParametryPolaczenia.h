#pragma once
// Where the clinic database is and with which parameters it is opened.
#include <QString>
#include <QStringList>

// The decoded lines of params.db in the data folder, or the three defaults.
QStringList ParametryPolaczenia(const QString& katalogDanych);
QStringList DomyslneParametryPolaczenia();
// The clear text of params.db for a user name and password.
QString TekstParametrowPolaczenia(const QString& uzytkownik, const QString& haslo);

// The database name from Host and Dir: a local file in the data folder, or
// host:path on a remote server.
QString NazwaBazy(const QString& katalogDanych, const QString& host, const QString& dir);
// A remote folder ends with the separator it already uses ("\" for a folder
// holding a backslash or a drive letter, "/" otherwise).
QString FolderZSeparatorem(const QString& dir);
