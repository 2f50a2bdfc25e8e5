#include "db/Connection.h"

#include "db/FbApi.h"

#include <QByteArray>
#include <firebird/Interface.h>
#include <iberror.h>
#include <ibase.h>
#include <cstdio>
#include <unistd.h>

using namespace Firebird;

struct Connection::Impl {
  fb::Ref<IAttachment> attachment;
  fb::Ref<ITransaction> transaction;
};

namespace {

struct Dpb {
  QByteArray user, password, charset = "WIN1250", role;
};

Dpb parseParams(const QStringList& params) {
  Dpb d;
  for (const QString& line : params) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    const QString name = line.left(eq).trimmed().toLower();
    const QByteArray value = line.mid(eq + 1).toUtf8();
    if (name == u"user_name") d.user = value;
    else if (name == u"password") d.password = value;
    else if (name == u"lc_ctype") d.charset = value;
    else if (name == u"sql_role_name") d.role = value;
  }
  return d;
}

// Attaches (or creates) with the given provider list; empty = the client's default.
IAttachment* attach(const QString& database, const Dpb& p, const char* providers, bool create, int forcedWrites = -1) {
  return fb::call([&](ThrowStatusWrapper* st) {
    fb::Xpb dpb(fb::util()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0));
    if (!p.user.isEmpty()) dpb->insertString(st, isc_dpb_user_name, p.user.constData());
    if (!p.password.isEmpty()) dpb->insertString(st, isc_dpb_password, p.password.constData());
    if (!p.charset.isEmpty()) dpb->insertString(st, isc_dpb_lc_ctype, p.charset.constData());
    if (!p.role.isEmpty()) dpb->insertString(st, isc_dpb_sql_role_name, p.role.constData());
    if (providers) dpb->insertString(st, isc_dpb_config, providers);
    if (forcedWrites >= 0) dpb->insertInt(st, isc_dpb_force_write, forcedWrites);
    if (create) {
      dpb->insertInt(st, isc_dpb_force_write, 0);
      dpb->insertInt(st, isc_dpb_sql_dialect, 3);
      dpb->insertString(st, isc_dpb_set_db_charset, "WIN1250");
      dpb->insertInt(st, isc_dpb_page_size, 8192);
    }
    fb::Ref<IProvider> provider(fb::master()->getDispatcher());
    const QByteArray name = database.toUtf8();
    IAttachment* a = create ? provider->createDatabase(st, name.constData(), dpb->getBufferLength(st), dpb->getBuffer(st))
                            : provider->attachDatabase(st, name.constData(), dpb->getBufferLength(st), dpb->getBuffer(st));
    return a;
  });
}

bool isNetworkFailure(const DbError& e) { return e.code() == isc_network_error || e.code() == isc_net_connect_err; }

}  // namespace

Connection::Connection(QObject* parent) : QObject(parent), d_(std::make_unique<Impl>()) {}

Connection::~Connection() {
  try {
    close();
  } catch (...) {
  }
}

void Connection::exitProcess(int code) {
  std::fflush(nullptr);
  ::_exit(code);
}

bool Connection::isRemoteName(const QString& database) {
  // Local files here are absolute paths; anything else with a colon names a host.
  return !database.startsWith(u'/') && database.contains(u':');
}

void Connection::open(const QString& database, const QStringList& params, Access access) {
  close();
  if (access == Access::Auto) {
    // An administrator (or a test run) may pin the way local files are opened.
    const QByteArray pinned = qgetenv("ORBE_DOSTEP_BAZY");
    if (pinned == "embedded") access = Access::Embedded;
    else if (pinned == "server") access = Access::Server;
  }
  const Dpb p = parseParams(params);
  IAttachment* a = nullptr;
  if (isRemoteName(database) || access == Access::Server) {
    a = attach(database, p, isRemoteName(database) ? nullptr : "Providers=Loopback", false);
  } else if (access == Access::Embedded) {
    try {
      a = attach(database, p, "Providers=Engine12", false);
    } catch (const DbError& e) {
      throw fb::explainEmbeddedLock(e);
    }
  } else {
    try {
      a = attach(database, p, "Providers=Loopback", false);
    } catch (const DbError& viaServer) {
      // No local server answered: the embedded engine opens the file itself.
      if (!isNetworkFailure(viaServer)) throw;
      try {
        a = attach(database, p, "Providers=Engine12", false);
      } catch (const DbError& e) {
        throw fb::explainEmbeddedLock(e);
      }
    }
  }
  d_->attachment.reset(a);
  d_->transaction.reset(fb::call([&](ThrowStatusWrapper* st) {
    fb::Xpb tpb(fb::util()->getXpbBuilder(st, IXpbBuilder::TPB, nullptr, 0));
    tpb->insertTag(st, isc_tpb_read_committed);
    tpb->insertTag(st, isc_tpb_rec_version);
    tpb->insertTag(st, isc_tpb_nowait);
    tpb->insertTag(st, isc_tpb_write);
    return a->startTransaction(st, tpb->getBufferLength(st), tpb->getBuffer(st));
  }));
  database_ = database;
  ++generation_;
}

void Connection::close() {
  if (!d_->attachment) return;
  emit closing();
  try {
    d_->transaction.finish([](ITransaction* t, ThrowStatusWrapper* st) { t->rollback(st); });
  } catch (...) {
    d_->attachment.finish([](IAttachment* a, ThrowStatusWrapper* st) { a->detach(st); });
    throw;
  }
  d_->attachment.finish([](IAttachment* a, ThrowStatusWrapper* st) { a->detach(st); });
}

bool Connection::isOpen() const { return static_cast<bool>(d_->attachment); }

void Connection::commitRetaining() {
  if (!d_->transaction) throw DbError(QStringLiteral("Brak połączenia z bazą danych."));
  fb::call([&](ThrowStatusWrapper* st) { d_->transaction->commitRetaining(st); });
}

void Connection::rollbackRetaining() {
  if (!d_->transaction) throw DbError(QStringLiteral("Brak połączenia z bazą danych."));
  fb::call([&](ThrowStatusWrapper* st) { d_->transaction->rollbackRetaining(st); });
}

void Connection::createDatabase(const QString& path, const QStringList& params) {
  fb::Ref<IAttachment> a(attach(path, parseParams(params), "Providers=Engine12", true));
  a.finish([](IAttachment* p, ThrowStatusWrapper* st) { p->detach(st); });
}

void Connection::setForcedWrites(const QString& path, const QStringList& params, bool on) {
  fb::Ref<IAttachment> a(attach(path, parseParams(params), "Providers=Engine12", false, on ? 1 : 0));
  a.finish([](IAttachment* p, ThrowStatusWrapper* st) { p->detach(st); });
}

IAttachment* Connection::attachment() const {
  if (!d_->attachment) throw DbError(QStringLiteral("Brak połączenia z bazą danych."));
  return d_->attachment.get();
}

ITransaction* Connection::transaction() const {
  if (!d_->transaction) throw DbError(QStringLiteral("Brak połączenia z bazą danych."));
  return d_->transaction.get();
}
