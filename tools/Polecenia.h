#pragma once
// Every command of orbe-admin, one function each (in its own file).
#include <QStringList>

int PolecenieInit(const QStringList& args);
int PolecenieBackup(const QStringList& args);
int PolecenieRestore(const QStringList& args);
