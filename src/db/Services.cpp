#include "db/Services.h"

#include "db/FbApi.h"

#include <firebird/Interface.h>
#include <iberror.h>
#include <ibase.h>

#include <chrono>
#include <thread>
#include <vector>

using namespace Firebird;

struct Services::Impl {
  fb::Ref<IService> service;
};

namespace {

struct Login {
  QByteArray user, password;
};

Login parseParams(const QStringList& params) {
  Login l;
  for (const QString& line : params) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    const QString name = line.left(eq).trimmed().toLower();
    if (name == u"user_name") l.user = line.mid(eq + 1).toUtf8();
    else if (name == u"password") l.password = line.mid(eq + 1).toUtf8();
  }
  return l;
}

IService* attach(const QString& name, const Login& l, const char* providers) {
  return fb::call([&](ThrowStatusWrapper* st) {
    fb::Xpb spb(fb::util()->getXpbBuilder(st, IXpbBuilder::SPB_ATTACH, nullptr, 0));
    if (!l.user.isEmpty()) spb->insertString(st, isc_spb_user_name, l.user.constData());
    if (!l.password.isEmpty()) spb->insertString(st, isc_spb_password, l.password.constData());
    spb->insertTag(st, isc_spb_utf8_filename);
    if (providers) spb->insertString(st, isc_spb_config, providers);
    fb::Ref<IProvider> provider(fb::master()->getDispatcher());
    const QByteArray n = name.toUtf8();
    return provider->attachServiceManager(st, n.constData(), spb->getBufferLength(st), spb->getBuffer(st));
  });
}

bool isNetworkFailure(const DbError& e) { return e.code() == isc_network_error || e.code() == isc_net_connect_err; }

// The start buffer of one action: the action tag, then its file names and options.
QByteArray startBuffer(unsigned char action, const QString& database, const QString& backupFile, int options) {
  return fb::call([&](ThrowStatusWrapper* st) {
    fb::Xpb spb(fb::util()->getXpbBuilder(st, IXpbBuilder::SPB_START, nullptr, 0));
    spb->insertTag(st, action);
    spb->insertString(st, isc_spb_dbname, database.toUtf8().constData());
    spb->insertString(st, isc_spb_bkp_file, backupFile.toUtf8().constData());
    spb->insertTag(st, isc_spb_verbose);
    if (options) spb->insertInt(st, isc_spb_options, options);
    return QByteArray(reinterpret_cast<const char*>(spb->getBuffer(st)), static_cast<int>(spb->getBufferLength(st)));
  });
}

}  // namespace

Services::Services(const QString& host, const QStringList& params, Connection::Access access)
    : d_(std::make_unique<Impl>()) {
  if (access == Connection::Access::Auto) {
    // The same pin as for connections: an administrator or a test run may fix the way.
    const QByteArray pinned = qgetenv("ORBE_DOSTEP_BAZY");
    if (pinned == "embedded") access = Connection::Access::Embedded;
    else if (pinned == "server") access = Connection::Access::Server;
  }
  const Login l = parseParams(params);
  const QString name = managerName(host);
  IService* s = nullptr;
  if (!host.isEmpty()) {
    s = attach(name, l, nullptr);
  } else if (access == Connection::Access::Server) {
    s = attach(name, l, "Providers=Loopback");
  } else if (access == Connection::Access::Embedded) {
    s = attach(name, l, "Providers=Engine12");
  } else {
    try {
      s = attach(name, l, "Providers=Loopback");
    } catch (const DbError& viaServer) {
      // No local server answered: the embedded engine runs the service itself.
      if (!isNetworkFailure(viaServer)) throw;
      s = attach(name, l, "Providers=Engine12");
    }
  }
  d_->service.reset(s);
}

Services::~Services() {
  try {
    detach();
  } catch (...) {
  }
}

QString Services::managerName(const QString& host) {
  return host.isEmpty() ? QStringLiteral("service_mgr") : host + QStringLiteral(":service_mgr");
}

void Services::detach() {
  d_->service.finish([](IService* s, ThrowStatusWrapper* st) { s->detach(st); });
}

void Services::backup(const QString& database, const QString& backupFile, const LineHandler& onLine) {
  run(startBuffer(isc_action_svc_backup, database, backupFile, 0), onLine);
}

void Services::restore(const QString& backupFile, const QString& database, const LineHandler& onLine, bool replace) {
  run(startBuffer(isc_action_svc_restore, database, backupFile, replace ? isc_spb_res_replace : isc_spb_res_create),
      onLine);
}

void Services::run(const QByteArray& start, const LineHandler& onLine) {
  try {
    runLines(start, onLine);
  } catch (const DbError& e) {
    throw fb::explainEmbeddedLock(e);
  }
}

void Services::runLines(const QByteArray& start, const LineHandler& onLine) {
  if (!d_->service) throw DbError(QStringLiteral("Brak połączenia z menedżerem usług."));
  IService* service = d_->service.get();
  fb::call([&](ThrowStatusWrapper* st) {
    service->start(st, static_cast<unsigned>(start.size()), reinterpret_cast<const unsigned char*>(start.constData()));
  });

  const unsigned char items[] = {isc_info_svc_line};
  std::vector<unsigned char> reply(16 * 1024);
  QByteArray line;  // a line may come in pieces when the reply cannot hold it
  for (bool finished = false; !finished;) {
    fb::call([&](ThrowStatusWrapper* st) {
      service->query(st, 0, nullptr, sizeof items, items, static_cast<unsigned>(reply.size()), reply.data());
    });
    const unsigned char* p = reply.data();
    const unsigned char* const end = p + reply.size();
    bool truncated = false;
    bool notReady = false;
    while (p < end && *p != isc_info_end) {
      const unsigned char item = *p++;
      if (item == isc_info_svc_line) {
        if (end - p < 2) throw DbError(QStringLiteral("Niepoprawna odpowiedź menedżera usług."));
        const int length = static_cast<int>(isc_vax_integer(reinterpret_cast<const ISC_SCHAR*>(p), 2));
        p += 2;
        if (length < 0 || end - p < length) throw DbError(QStringLiteral("Niepoprawna odpowiedź menedżera usług."));
        // An empty line: the service has no more output, it has finished.
        if (length == 0) finished = true;
        line.append(reinterpret_cast<const char*>(p), length);
        p += length;
      } else if (item == isc_info_truncated) {
        truncated = true;
      } else if (item == isc_info_data_not_ready) {
        notReady = true;
      } else {
        throw DbError(QStringLiteral("Niepoprawna odpowiedź menedżera usług."));
      }
    }
    if (truncated && !finished) continue;
    if (!line.isEmpty()) {
      while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
      if (onLine) onLine(QString::fromUtf8(line));
      line.clear();
    }
    if (notReady && !finished) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  waitUntilStopped(service);
}

void Services::waitUntilStopped(IService* service) {
  // The last line comes before the service's own thread has ended; an
  // embedded engine shut down under that thread crashes the process.
  const unsigned char items[] = {isc_info_svc_running};
  unsigned char reply[16];
  for (int i = 0; i < 500; ++i) {
    fb::call([&](ThrowStatusWrapper* st) {
      service->query(st, 0, nullptr, sizeof items, items, sizeof reply, reply);
    });
    if (reply[0] != isc_info_svc_running) return;
    // A length-prefixed item or a bare 4-byte flag, depending on the engine.
    const auto* r = reinterpret_cast<const ISC_SCHAR*>(reply + 1);
    const bool prefixed = isc_vax_integer(r, 2) == 4;
    if (isc_vax_integer(prefixed ? r + 2 : r, 4) == 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}
