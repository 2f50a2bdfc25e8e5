#pragma once
// Every command of orbe-admin, one function each (in its own file).
#include <QStringList>

int PolecenieInit(const QStringList& args);
int PolecenieDemo(const QStringList& args);
int PolecenieGrafik(const QStringList& args);
