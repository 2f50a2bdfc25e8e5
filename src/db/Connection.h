#pragma once
// One connection to a Firebird database with its one transaction (read
// committed, record versions, no wait). Closing the connection rolls back what
// is not committed. A local file is opened through a local server when one
// answers and through the embedded engine otherwise.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

class Connection : public QObject {
  Q_OBJECT
 public:
  enum class Access { Auto, Embedded, Server };

  explicit Connection(QObject* parent = nullptr);
  ~Connection() override;

  // `params` are name=value lines: user_name, password, lc_ctype (others ignored).
  void open(const QString& database, const QStringList& params, Access access = Access::Auto);
  void close();
  bool isOpen() const;
  const QString& databaseName() const { return database_; }

  void commitRetaining();
  void rollbackRetaining();

  // Creates an empty database file (dialect 3, WIN1250) and leaves it closed.
  // Forced (synchronous) writes are off: building a schema would otherwise wait
  // for the disk at every commit; setForcedWrites turns them on afterwards.
  static void createDatabase(const QString& path, const QStringList& params);
  // Switches the database's synchronous writes (needs the file to be free).
  static void setForcedWrites(const QString& path, const QStringList& params, bool on);

  // Ends the process once every connection is closed. The embedded engine
  // unloads itself at exit while some of its threads may still run, which
  // now and then crashes a process that has finished its work; everything is
  // on disk after the last detach, so the process leaves without that step.
  [[noreturn]] static void exitProcess(int code);

  // True for "host:path" names; a local file is an absolute path.
  static bool isRemoteName(const QString& database);

  // Changes on every open, so prepared statements know to prepare again.
  quint64 generation() const { return generation_; }

  Firebird::IAttachment* attachment() const;
  Firebird::ITransaction* transaction() const;

 signals:
  // Sent before the connection closes, so that every open query closes too.
  void closing();

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
  QString database_;
  quint64 generation_ = 0;
};
