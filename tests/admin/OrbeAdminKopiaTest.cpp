// orbe-admin backup and restore as cron runs them: exit codes and messages.
#include "support/OrbeAdminTestowy.h"
#include "PorownanieBaz.h"
#include "db/ParametryPolaczenia.h"
#include "support/BazaTestowa.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Wynik = WynikOrbeAdmin;

Wynik orbeAdmin(const QString& katalog, const QStringList& args) { return UruchomOrbeAdmin(args, katalog); }

int ileWizyt(BazaTestowa& baza) {
  Connection c;
  c.open(baza.sciezka(), DomyslneParametryPolaczenia(), Connection::Access::Embedded);
  return WierszeZapytania(c, "select count(*) from WIZYTY").value(0).value(0).toInt();
}

}  // namespace

TEST(OrbeAdminKopia, BackupAndRestoreForceBringTheDataBack) {
  BazaTestowa baza;
  baza.wykonaj(DaneWszystkichTabel());
  QTemporaryDir kopie;
  const QString plik = kopie.filePath("nocna.FBK");
  baza.polaczenie().close();  // the child process opens the file itself

  Wynik w = orbeAdmin(baza.katalog(), {"backup", plik});
  EXPECT_EQ(w.kod, 0) << w.bledy.toStdString();
  EXPECT_TRUE(QFile::exists(plik));
  EXPECT_TRUE(w.wyjscie.contains(plik));

  baza.polaczenie().open(baza.sciezka(), DomyslneParametryPolaczenia(), Connection::Access::Embedded);
  baza.wykonaj({"delete from BADANIASPLOT", "delete from WIZYTY"});
  baza.polaczenie().close();

  w = orbeAdmin(baza.katalog(), {"restore", plik});
  EXPECT_EQ(w.kod, 3);
  EXPECT_TRUE(w.bledy.contains("--force")) << w.bledy.toStdString();
  EXPECT_EQ(ileWizyt(baza), 0);

  w = orbeAdmin(baza.katalog(), {"restore", plik, "--force", "-v"});
  EXPECT_EQ(w.kod, 0) << w.bledy.toStdString() << w.wyjscie.toStdString();
  EXPECT_TRUE(w.wyjscie.contains("gbak:"));
  EXPECT_EQ(ileWizyt(baza), 2);
}

TEST(OrbeAdminKopia, EveryFailureIsAMessageAndANonZeroExit) {
  BazaTestowa baza;  // its connection stays open: the child cannot use the file
  QTemporaryDir kopie;
  struct Case {
    QStringList args;
    int kod;
    const char* tekst;
  };
  const Case cases[] = {
      {{"backup"}, 1, "Użycie: orbe-admin backup"},
      {{"restore", "a", "b"}, 1, "Użycie: orbe-admin restore"},
      {{"restore", kopie.filePath("brak.FBK"), "--force"}, 2, "Nie ma pliku kopii"},
      {{"backup", kopie.filePath("k.FBK")}, 2, "Błąd w trakcie wykonywania kopii bazy danych:"},
  };
  for (const Case& c : cases) {
    const Wynik w = orbeAdmin(baza.katalog(), c.args);
    EXPECT_EQ(w.kod, c.kod) << c.args.join(' ').toStdString();
    EXPECT_TRUE(w.bledy.contains(QString::fromUtf8(c.tekst))) << w.bledy.toStdString();
  }
  // The file held by this process: the message says what to do.
  const Wynik w = orbeAdmin(baza.katalog(), {"backup", kopie.filePath("k.FBK")});
  EXPECT_TRUE(w.bledy.contains("Zamknij go")) << w.bledy.toStdString();
}
