#pragma once
// The clinic database script (a program resource) and its execution.
#include <QString>
#include <QStringList>

class Connection;

// The statements of a script, split at the terminator; SET TERM changes it.
QStringList splitSqlScript(const QString& script);
// The clinic schema script.
QString schemaScript();
// Runs every statement of the script, committing after each.
void runSqlScript(Connection& connection, const QString& script);
// Creates `path` as an empty clinic database (fails when it exists). A clinic's
// database keeps forced writes on; a throw-away test copy may leave them off.
void createClinicDatabase(const QString& path, const QStringList& params, bool forcedWrites = true);
