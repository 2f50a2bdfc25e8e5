#pragma once
// Backup and restore through the Firebird service manager, with the verbose
// output handed line by line to a callback. The local service manager runs
// in a local server when one answers and in the embedded engine otherwise;
// a remote one is "host:service_mgr" over TCP.
#include "db/Connection.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace Firebird {
class IService;
}

class Services {
 public:
  using LineHandler = std::function<void(const QString& line)>;

  // `params` are the name=value lines of the connection (user_name, password;
  // others ignored). An empty host is the local service manager.
  Services(const QString& host, const QStringList& params, Connection::Access access = Connection::Access::Auto);
  ~Services();
  Services(const Services&) = delete;
  Services& operator=(const Services&) = delete;

  // Backs the database (a path as the service manager's machine sees it) up
  // into one file; returns when the output has ended.
  void backup(const QString& database, const QString& backupFile, const LineHandler& onLine);
  // Restores one backup file into the database. With `replace` an existing
  // database is replaced; without it the service refuses to overwrite one.
  void restore(const QString& backupFile, const QString& database, const LineHandler& onLine, bool replace = true);

  // Detaches from the service manager (also done by the destructor).
  void detach();

  // "service_mgr" for the local machine, "host:service_mgr" otherwise.
  static QString managerName(const QString& host);

 private:
  void run(const QByteArray& startBuffer, const LineHandler& onLine);
  void runLines(const QByteArray& startBuffer, const LineHandler& onLine);
  static void waitUntilStopped(Firebird::IService* service);

  struct Impl;
  std::unique_ptr<Impl> d_;
};
