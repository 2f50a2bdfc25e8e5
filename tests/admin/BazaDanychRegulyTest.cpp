#include "admin/BazaDanychReguly.h"

#include <gtest/gtest.h>

using namespace BazaDanychReguly;

TEST(BazaDanychReguly, TheProposedNameCarriesTheDate) {
  EXPECT_EQ(ProponowanaNazwaKopii(QDate(2011, 2, 9)), "ORBE_2011-02-09.FBK");
  EXPECT_EQ(ProponowanaNazwaKopii(QDate(2024, 12, 31)), "ORBE_2024-12-31.FBK");
}

TEST(BazaDanychReguly, RemoteNamesAreOnTheHost) {
  struct Case {
    const char *dir, *folderKopii, *baza, *plik;
  };
  const Case cases[] = {
      {"D:\\Dane", "E:\\Kopie", "D:\\Dane\\ORBE.FDB", "E:\\Kopie\\ORBE_2011-02-09.FBK"},
      {"D:\\Dane\\", "E:\\Kopie\\", "D:\\Dane\\ORBE.FDB", "E:\\Kopie\\ORBE_2011-02-09.FBK"},
      {"/srv/orbe", "/srv/kopie", "/srv/orbe/ORBE.FDB", "/srv/kopie/ORBE_2011-02-09.FBK"},
      {"/srv/orbe/", "/srv/kopie/", "/srv/orbe/ORBE.FDB", "/srv/kopie/ORBE_2011-02-09.FBK"},
  };
  for (const Case& c : cases) {
    const ZadanieUslugi z = ZadanieZdalne("serwer", c.dir, c.folderKopii, ProponowanaNazwaKopii(QDate(2011, 2, 9)));
    EXPECT_EQ(z.serwer, "serwer");
    EXPECT_TRUE(z.zdalne);
    EXPECT_EQ(z.baza, QString(c.baza)) << c.dir;
    EXPECT_EQ(z.plik, QString(c.plik)) << c.folderKopii;
  }
  EXPECT_EQ(FolderKopiiZdalnej("E:\\Kopie"), "E:\\Kopie\\");
  const ZadanieUslugi l = ZadanieLokalne("/dane/ORBE.FDB", "/kopie/k.FBK");
  EXPECT_TRUE(l.serwer.isEmpty());
  EXPECT_FALSE(l.zdalne);
}

TEST(BazaDanychReguly, TheFolderOfABackupFileKeepsItsSeparator) {
  EXPECT_EQ(FolderPliku("E:\\Kopie\\ORBE_2011-02-09.FBK"), "E:\\Kopie\\");
  EXPECT_EQ(FolderPliku("/home/x/Dokumenty/k.FBK"), "/home/x/Dokumenty/");
  EXPECT_EQ(FolderPliku("k.FBK"), "");
}

TEST(BazaDanychReguly, TheRestoreMessageNamesAConnectedUser) {
  EXPECT_EQ(TekstBleduOdtwarzania("could not drop database X (database might be in use)"),
            "Błąd w trakcie odtwarzania bazy danych z kopii\n"
            "Prawdopodobnie inny użytkownik jest podłączony do bazy danych:\n"
            "could not drop database X (database might be in use)");
  EXPECT_EQ(TekstBleduOdtwarzania("cannot open backup file"),
            "Błąd w trakcie odtwarzania bazy danych z kopii:\ncannot open backup file");
  EXPECT_EQ(TekstBleduKopii("I/O error"), "Błąd w trakcie wykonywania kopii bazy danych:\nI/O error");
}
