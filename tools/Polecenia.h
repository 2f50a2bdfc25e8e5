#pragma once
// Every command of orbe-admin, one function each (in its own file).
#include <QStringList>

int PolecenieInit(const QStringList& args);
int PolecenieEksportWizyt(const QStringList& args);
int PolecenieEksportDeklaracji(const QStringList& args);
