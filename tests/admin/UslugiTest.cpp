// Backup and restore through the embedded service manager.
#include "PorownanieBaz.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Services.h"
#include "support/BazaTestowa.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Uslugi, ABackupRestoredIntoANewFileHoldsTheSameRows) {
  BazaTestowa baza;
  baza.wykonaj(DaneWszystkichTabel());
  QTemporaryDir dir;
  const QString kopia = dir.filePath("ORBE_2011-02-09.FBK");
  const QString nowa = dir.filePath("NOWA.FDB");

  QStringList linie;
  Services uslugi(QString(), DomyslneParametryPolaczenia());
  uslugi.backup(baza.sciezka(), kopia, [&](const QString& l) { linie << l; });
  EXPECT_TRUE(QFile::exists(kopia));
  EXPECT_GT(linie.size(), 10);
  EXPECT_TRUE(linie.join('\n').contains("WIZYTY")) << linie.join('\n').toStdString();

  linie.clear();
  uslugi.restore(kopia, nowa, [&](const QString& l) { linie << l; });
  EXPECT_GT(linie.size(), 10);
  uslugi.detach();

  Connection odtworzona;
  odtworzona.open(nowa, DomyslneParametryPolaczenia(), Connection::Access::Embedded);
  ExpectTeSameDane(baza.polaczenie(), odtworzona);
}

TEST(Uslugi, RestoringOverADatabaseInUseFailsWithTheServersText) {
  BazaTestowa baza;
  QTemporaryDir dir;
  const QString kopia = dir.filePath("k.FBK");
  Services uslugi(QString(), DomyslneParametryPolaczenia());
  uslugi.backup(baza.sciezka(), kopia, {});
  try {
    uslugi.restore(kopia, baza.sciezka(), {});
    FAIL() << "restore over an open database succeeded";
  } catch (const DbError& e) {
    EXPECT_TRUE(e.message().contains("database might be in use")) << e.message().toStdString();
  }
}

TEST(Uslugi, AMissingBackupFileIsAnError) {
  QTemporaryDir dir;
  Services uslugi(QString(), DomyslneParametryPolaczenia());
  EXPECT_THROW(uslugi.restore(dir.filePath("brak.FBK"), dir.filePath("X.FDB"), {}), DbError);
  EXPECT_FALSE(QFile::exists(dir.filePath("X.FDB")));
}
