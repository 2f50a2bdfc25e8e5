#pragma once
// Every command of orbe-admin, one function each (in its own file).
#include <QStringList>

int PolecenieInit(const QStringList& args);
int PolecenieKatalog(const QStringList& args);
int PolecenieStatus(const QStringList& args);
int PolecenieImport(const QStringList& args);
// Exit code 0 for a valid number, 1 for an invalid one.
int PoleceniePesel(const QStringList& args);
int PolecenieEksportWizyt(const QStringList& args);
int PolecenieEksportDeklaracji(const QStringList& args);
int PolecenieDemo(const QStringList& args);
int PolecenieGrafik(const QStringList& args);
int PolecenieBackup(const QStringList& args);
int PolecenieRestore(const QStringList& args);
