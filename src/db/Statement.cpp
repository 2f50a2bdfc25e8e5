#include "db/Statement.h"

#include "common/Win1250.h"
#include "db/Connection.h"
#include "db/FbApi.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstring>
#include <firebird/Interface.h>
#include <ibase.h>

using namespace Firebird;

namespace {
constexpr unsigned kCharsetWin1250 = 51;
constexpr unsigned kCharsetUtf8 = 4;
constexpr unsigned kCharsetOctets = 1;

QString decodeText(const char* p, int len, unsigned charset) {
  const QByteArray bytes(p, len);
  if (charset == kCharsetUtf8) return QString::fromUtf8(bytes);
  return Win1250::odkoduj(bytes);
}

FieldInfo::Type typeOf(unsigned t, int scale) {
  switch (t) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
      return scale < 0 ? FieldInfo::Float : FieldInfo::Integer;
    case SQL_TEXT:
    case SQL_VARYING:
    case SQL_BLOB:
      return FieldInfo::Text;
    case SQL_TYPE_DATE:
      return FieldInfo::Date;
    case SQL_TYPE_TIME:
      return FieldInfo::Time;
    case SQL_TIMESTAMP:
      return FieldInfo::Timestamp;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
      return FieldInfo::Float;
    default:
      return FieldInfo::Other;
  }
}

double scaled(qint64 v, int scale) {
  double d = static_cast<double>(v);
  for (int i = 0; i < -scale; ++i) d /= 10.0;
  return d;
}
}  // namespace

struct Statement::Impl {
  fb::Ref<IStatement> stmt;
  fb::Ref<IMessageMetadata> outMeta;
  quint64 generation = 0;
  bool cursor = false;
  QList<FieldInfo> fields;
  struct Out {
    unsigned type, charset, offset, nullOffset, length;
    int scale;
    unsigned subType;
  };
  QVector<Out> out;
};

Statement::Statement(Connection& connection, QString sql) : connection_(connection), d_(std::make_unique<Impl>()) {
  setSql(std::move(sql));
}

Statement::~Statement() {
  try {
    if (d_->stmt && connection_.isOpen() && d_->generation == connection_.generation())
      d_->stmt.finish([](IStatement* s, ThrowStatusWrapper* st) { s->free(st); });
  } catch (...) {
  }
}

void Statement::setSql(QString sql) {
  sql_ = std::move(sql);
  named_ = rewriteNamedParams(sql_);
  d_->stmt.reset();
  d_->outMeta.reset();
  d_->generation = 0;
  d_->fields.clear();
}

bool Statement::hasParam(const QString& name) const { return named_.names.contains(name.toUpper()); }

void Statement::setParam(const QString& name, const QVariant& value) { values_.insert(name.toUpper(), value); }

void Statement::prepare() {
  if (d_->stmt && d_->generation == connection_.generation()) return;
  // A statement prepared on an earlier attachment died with it.
  if (d_->stmt) {
    d_->stmt.reset();
    d_->outMeta.reset();
  }
  fb::call([&](ThrowStatusWrapper* st) {
    const QByteArray text = Win1250::zakoduj(named_.sql);
    d_->stmt.reset(connection_.attachment()->prepare(st, connection_.transaction(), text.size(), text.constData(), 3,
                                                     IStatement::PREPARE_PREFETCH_METADATA));
    d_->cursor = (d_->stmt->getFlags(st) & IStatement::FLAG_HAS_CURSOR) != 0;
    d_->outMeta.reset(d_->stmt->getOutputMetadata(st));
    IMessageMetadata* m = d_->outMeta.get();
    const unsigned n = m->getCount(st);
    d_->fields.clear();
    d_->out.clear();
    for (unsigned i = 0; i < n; ++i) {
      FieldInfo f;
      const char* alias = m->getAlias(st, i);
      f.name = QString::fromUtf8(alias && *alias ? alias : m->getField(st, i));
      const unsigned t = m->getType(st, i);
      const int scale = m->getScale(st, i);
      f.type = typeOf(t, scale);
      f.length = static_cast<int>(m->getLength(st, i));
      d_->fields.append(f);
      d_->out.append({t, m->getCharSet(st, i), m->getOffset(st, i), m->getNullOffset(st, i), m->getLength(st, i), scale,
                      static_cast<unsigned>(m->getSubType(st, i))});
    }
  });
  d_->generation = connection_.generation();
}

bool Statement::isSelect() {
  prepare();
  return d_->cursor;
}

QString Statement::plan(bool detailed) {
  prepare();
  QString text;
  fb::call([&](ThrowStatusWrapper* st) {
    const char* p = d_->stmt->getPlan(st, detailed);
    text = p ? QString::fromUtf8(p) : QString();
  });
  return text;
}

const QList<FieldInfo>& Statement::fields() {
  prepare();
  return d_->fields;
}

int Statement::fieldIndex(const QString& name) const {
  for (int i = 0; i < d_->fields.size(); ++i)
    if (d_->fields[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

QVariant Statement::value(const QString& name) const {
  const int i = fieldIndex(name);
  if (i < 0 || rows_.isEmpty()) return {};
  return rows_.first().at(i);
}

static QString readBlob(ThrowStatusWrapper* st, Connection& c, ISC_QUAD* id, unsigned charset) {
  fb::Ref<IBlob> blob(c.attachment()->openBlob(st, c.transaction(), id, 0, nullptr));
  QByteArray bytes;
  char buf[8192];
  for (;;) {
    unsigned got = 0;
    const int r = blob->getSegment(st, sizeof buf, buf, &got);
    if (r == IStatus::RESULT_OK || r == IStatus::RESULT_SEGMENT) bytes.append(buf, got);
    else break;
  }
  blob.finish([](IBlob* b, ThrowStatusWrapper* s) { b->close(s); });
  return decodeText(bytes.constData(), bytes.size(), charset);
}

void Statement::execute() {
  prepare();
  rows_.clear();
  affected_ = 0;
  fb::call([&](ThrowStatusWrapper* st) {
    // Input message: each parameter typed after the value bound to it, so the
    // server converts and reports anything that does not fit.
    fb::Ref<IMessageMetadata> inServer(d_->stmt->getInputMetadata(st));
    const unsigned nIn = inServer->getCount(st);
    QVector<QByteArray> texts(nIn);
    fb::Ref<IMetadataBuilder> builder(inServer->getBuilder(st));
    for (unsigned i = 0; i < nIn; ++i) {
      const QVariant v = i < static_cast<unsigned>(named_.names.size()) ? values_.value(named_.names[i]) : QVariant();
      if (!v.isValid() || v.isNull()) continue;
      switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Bool:
          builder->setType(st, i, SQL_LONG);
          builder->setLength(st, i, 4);
          builder->setScale(st, i, 0);
          break;
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
          builder->setType(st, i, SQL_INT64);
          builder->setLength(st, i, 8);
          builder->setScale(st, i, 0);
          break;
        case QMetaType::Double:
        case QMetaType::Float:
          builder->setType(st, i, SQL_DOUBLE);
          builder->setLength(st, i, 8);
          builder->setScale(st, i, 0);
          break;
        case QMetaType::QDate:
          builder->setType(st, i, SQL_TYPE_DATE);
          builder->setLength(st, i, 4);
          break;
        case QMetaType::QTime:
          builder->setType(st, i, SQL_TYPE_TIME);
          builder->setLength(st, i, 4);
          break;
        case QMetaType::QDateTime:
          builder->setType(st, i, SQL_TIMESTAMP);
          builder->setLength(st, i, 8);
          break;
        default:
          texts[i] = Win1250::zakoduj(v.toString());
          builder->setType(st, i, SQL_VARYING);
          builder->setLength(st, i, std::max<unsigned>(1, texts[i].size()));
          builder->setCharSet(st, i, kCharsetWin1250);
          builder->setScale(st, i, 0);
          break;
      }
    }
    fb::Ref<IMessageMetadata> inMeta(builder->getMetadata(st));
    QByteArray inBuf(static_cast<int>(inMeta->getMessageLength(st)), '\0');
    for (unsigned i = 0; i < nIn; ++i) {
      const QVariant v = i < static_cast<unsigned>(named_.names.size()) ? values_.value(named_.names[i]) : QVariant();
      char* base = inBuf.data();
      short* null = reinterpret_cast<short*>(base + inMeta->getNullOffset(st, i));
      char* p = base + inMeta->getOffset(st, i);
      if (!v.isValid() || v.isNull()) {
        *null = -1;
        continue;
      }
      *null = 0;
      switch (inMeta->getType(st, i)) {
        case SQL_LONG: {
          const ISC_LONG x = v.toInt();
          std::memcpy(p, &x, 4);
          break;
        }
        case SQL_INT64: {
          const ISC_INT64 x = v.toLongLong();
          std::memcpy(p, &x, 8);
          break;
        }
        case SQL_DOUBLE: {
          const double x = v.toDouble();
          std::memcpy(p, &x, 8);
          break;
        }
        case SQL_TYPE_DATE: {
          const QDate d = v.toDate();
          const ISC_DATE x = fb::util()->encodeDate(d.year(), d.month(), d.day());
          std::memcpy(p, &x, 4);
          break;
        }
        case SQL_TYPE_TIME: {
          const QTime t = v.toTime();
          const ISC_TIME x = fb::util()->encodeTime(t.hour(), t.minute(), t.second(), t.msec() * 10);
          std::memcpy(p, &x, 4);
          break;
        }
        case SQL_TIMESTAMP: {
          const QDateTime dt = v.toDateTime();
          ISC_TIMESTAMP x;
          x.timestamp_date = fb::util()->encodeDate(dt.date().year(), dt.date().month(), dt.date().day());
          x.timestamp_time =
              fb::util()->encodeTime(dt.time().hour(), dt.time().minute(), dt.time().second(), dt.time().msec() * 10);
          std::memcpy(p, &x, 8);
          break;
        }
        default: {
          const short len = static_cast<short>(texts[i].size());
          std::memcpy(p, &len, 2);
          std::memcpy(p + 2, texts[i].constData(), len);
          break;
        }
      }
    }

    IMessageMetadata* outMeta = d_->outMeta.get();
    QByteArray outBuf(static_cast<int>(outMeta->getMessageLength(st)), '\0');
    auto decodeRow = [&]() {
      Row row(d_->out.size());
      const char* base = outBuf.constData();
      for (int i = 0; i < d_->out.size(); ++i) {
        const Impl::Out& o = d_->out[i];
        if (*reinterpret_cast<const short*>(base + o.nullOffset) != 0) continue;
        const char* p = base + o.offset;
        switch (o.type) {
          case SQL_SHORT: {
            qint16 x;
            std::memcpy(&x, p, 2);
            row[i] = o.scale < 0 ? QVariant(scaled(x, o.scale)) : QVariant(static_cast<int>(x));
            break;
          }
          case SQL_LONG: {
            qint32 x;
            std::memcpy(&x, p, 4);
            row[i] = o.scale < 0 ? QVariant(scaled(x, o.scale)) : QVariant(static_cast<int>(x));
            break;
          }
          case SQL_INT64: {
            qint64 x;
            std::memcpy(&x, p, 8);
            row[i] = o.scale < 0 ? QVariant(scaled(x, o.scale)) : QVariant(static_cast<qlonglong>(x));
            break;
          }
          case SQL_FLOAT: {
            float x;
            std::memcpy(&x, p, 4);
            row[i] = static_cast<double>(x);
            break;
          }
          case SQL_DOUBLE:
          case SQL_D_FLOAT: {
            double x;
            std::memcpy(&x, p, 8);
            row[i] = x;
            break;
          }
          case SQL_TEXT: {
            QString s = decodeText(p, static_cast<int>(o.length), o.charset);
            // CHAR columns come padded with blanks.
            while (!s.isEmpty() && s.back() == u' ') s.chop(1);
            row[i] = s;
            break;
          }
          case SQL_VARYING: {
            quint16 len;
            std::memcpy(&len, p, 2);
            row[i] = o.charset == kCharsetOctets ? QVariant(QByteArray(p + 2, len)) : QVariant(decodeText(p + 2, len, o.charset));
            break;
          }
          case SQL_TYPE_DATE: {
            ISC_DATE x;
            std::memcpy(&x, p, 4);
            unsigned y, m, d;
            fb::util()->decodeDate(x, &y, &m, &d);
            row[i] = QDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d));
            break;
          }
          case SQL_TYPE_TIME: {
            ISC_TIME x;
            std::memcpy(&x, p, 4);
            unsigned h, m, s, f;
            fb::util()->decodeTime(x, &h, &m, &s, &f);
            row[i] = QTime(static_cast<int>(h), static_cast<int>(m), static_cast<int>(s), static_cast<int>(f / 10));
            break;
          }
          case SQL_TIMESTAMP: {
            ISC_TIMESTAMP x;
            std::memcpy(&x, p, 8);
            unsigned y, mo, d, h, mi, s, f;
            fb::util()->decodeDate(x.timestamp_date, &y, &mo, &d);
            fb::util()->decodeTime(x.timestamp_time, &h, &mi, &s, &f);
            row[i] = QDateTime(QDate(static_cast<int>(y), static_cast<int>(mo), static_cast<int>(d)),
                               QTime(static_cast<int>(h), static_cast<int>(mi), static_cast<int>(s), static_cast<int>(f / 10)));
            break;
          }
          case SQL_BOOLEAN:
            row[i] = *reinterpret_cast<const unsigned char*>(p) != 0;
            break;
          case SQL_BLOB: {
            ISC_QUAD id;
            std::memcpy(&id, p, sizeof id);
            row[i] = readBlob(st, connection_, &id, o.subType == 1 ? o.charset : kCharsetOctets);
            break;
          }
          default:
            break;
        }
      }
      return row;
    };

    if (d_->cursor) {
      fb::Ref<IResultSet> rs(d_->stmt->openCursor(st, connection_.transaction(), inMeta.get(), inBuf.data(), outMeta, 0));
      while (rs->fetchNext(st, outBuf.data()) == IStatus::RESULT_OK) rows_.append(decodeRow());
      rs.finish([](IResultSet* r, ThrowStatusWrapper* s) { r->close(s); });
    } else {
      d_->stmt->execute(st, connection_.transaction(), inMeta.get(), inBuf.data(), outMeta,
                        d_->out.isEmpty() ? nullptr : outBuf.data());
      if (!d_->out.isEmpty()) rows_.append(decodeRow());
      affected_ = static_cast<int>(d_->stmt->getAffectedRecords(st));
    }
  });
}
