#include "support/OrbeAdminTestowy.h"

#include <QProcess>
#include <QProcessEnvironment>

WynikOrbeAdmin UruchomOrbeAdmin(const QStringList& argumenty, const QString& katalogDanych) {
  QProcess p;
  if (!katalogDanych.isEmpty()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORBE_DATA_DIR"), katalogDanych);
    p.setProcessEnvironment(env);
  }
  p.start(QStringLiteral(ORBE_BIN_DIR "/orbe-admin"), argumenty);
  if (!p.waitForFinished(300000)) {
    p.kill();
    p.waitForFinished();
    return {-1, QString::fromUtf8(p.readAllStandardOutput()), QStringLiteral("orbe-admin nie zakończył się")};
  }
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}
