#include "support/BazaTestowa.h"

#include "db/ParametryPolaczenia.h"
#include "db/Schema.h"
#include "db/Statement.h"

#include <QCoreApplication>
#include <QFile>
#include <stdexcept>

// The schema is built once per process and copied for every test: a copy
// costs milliseconds, a build much more.
static QString wzorzec() {
  static QTemporaryDir dir;
  static QString sciezka;
  if (sciezka.isEmpty()) {
    const QString p = dir.filePath(QStringLiteral("WZORZEC.FDB"));
    createClinicDatabase(p, DomyslneParametryPolaczenia(), false);
    sciezka = p;
  }
  return sciezka;
}

BazaTestowa::BazaTestowa() {
  if (!QFile::copy(wzorzec(), sciezka())) throw std::runtime_error("cannot copy the template database");
  QFile::setPermissions(sciezka(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  polaczenie_ = std::make_unique<Connection>();
  polaczenie_->open(sciezka(), DomyslneParametryPolaczenia(), Connection::Access::Embedded);
}

BazaTestowa::~BazaTestowa() {
  try {
    polaczenie_->close();
  } catch (...) {
  }
}

QString BazaTestowa::katalog() const { return dir_.path() + u'/'; }
QString BazaTestowa::sciezka() const { return katalog() + QStringLiteral("ORBE.FDB"); }

std::unique_ptr<Connection> BazaTestowa::drugiePolaczenie() const {
  auto c = std::make_unique<Connection>();
  c->open(sciezka(), DomyslneParametryPolaczenia(), Connection::Access::Embedded);
  return c;
}

void BazaTestowa::wykonaj(const QStringList& sql) {
  for (const QString& s : sql) {
    Statement st(*polaczenie_, s);
    st.execute();
  }
  polaczenie_->commitRetaining();
}

QVariant BazaTestowa::wartosc(const QString& sql) {
  Statement st(*polaczenie_, sql);
  st.execute();
  return st.rows().isEmpty() ? QVariant() : st.rows().first().value(0);
}
