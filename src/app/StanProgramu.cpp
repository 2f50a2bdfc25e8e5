#include "app/StanProgramu.h"

#include "common/PlikIni.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

static QString zUkosnikiem(QString p) {
  if (!p.endsWith(u'/')) p += u'/';
  return p;
}

QString DomyslnyKatalogDanych() {
  const QString env = qEnvironmentVariable("ORBE_DATA_DIR");
  if (!env.isEmpty()) return zUkosnikiem(QDir::cleanPath(QDir(env).absolutePath()));
  const QString wspolny = QStringLiteral("/var/lib/Halvik/orbe/");
  if (QFileInfo(wspolny).isDir()) return wspolny;
  return zUkosnikiem(QDir::homePath() + QStringLiteral("/.local/share/Halvik/orbe"));
}

void UstalKatalogi(StanProgramu& stan, const QString& katalogProgramu) {
  stan.KatalogProgramu = zUkosnikiem(katalogProgramu);
  stan.KatalogDanych = DomyslnyKatalogDanych();
  QString dok = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (dok.isEmpty()) dok = QDir::homePath();
  while (dok.size() > 1 && dok.endsWith(u'/')) dok.chop(1);
  stan.KatalogDokumentow = dok;
}

void CzytajUstawienia(StanProgramu& s) {
  const PlikIni ini(s.KatalogDanych + QStringLiteral("orbe.ini"));
  s.Host = ini.czytajTekst("FB", "Host", "");
  s.Dir = ini.czytajTekst("FB", "Dir", "");
  s.LastBackupDir = ini.czytajTekst("FB", "LastBackupDir", s.KatalogDokumentow);
  s.RemoteBackupDir = ini.czytajTekst("FB", "RemoteBackupDir", "");
  s.grafik_co = ini.czytajLiczbe("Wizyty", "grafik_co", 10);
  s.tessor_fdb = ini.czytajTekst("Tessor", "tessor_fdb", "");
  s.tessor_dtdekl = ini.czytajLiczbe("Tessor", "tessor_dtdekl", 1);
  s.eksport_dir = ini.czytajTekst("Katalogi", "eksport_dir", s.KatalogDokumentow);
  s.drukarka_biletow = ini.czytajTekst("Drukowanie", "drukarka_biletow", "---");
  s.drukarka_kart = ini.czytajTekst("Drukowanie", "drukarka_kart", "---");
  s.logow_timeout = ini.czytajLiczbe("Logowanie", "logow_timeout", 10);
  for (int i = 0; i < s.SzerKolumn.size(); ++i)
    s.SzerKolumn[i] = ini.czytajLiczbe("SzerKolumn", QString::number(i), s.SzerKolumn[i]);
}

void ZapiszUstawienia(const StanProgramu& s) {
  PlikIni ini(s.KatalogDanych + QStringLiteral("orbe.ini"));
  ini.zapiszTekst("FB", "Host", s.Host);
  ini.zapiszTekst("FB", "Dir", s.Dir);
  ini.zapiszTekst("FB", "LastBackupDir", s.LastBackupDir);
  ini.zapiszTekst("FB", "RemoteBackupDir", s.RemoteBackupDir);
  ini.zapiszLiczbe("Wizyty", "grafik_co", s.grafik_co);
  ini.zapiszTekst("Tessor", "tessor_fdb", s.tessor_fdb);
  ini.zapiszLiczbe("Tessor", "tessor_dtdekl", s.tessor_dtdekl);
  ini.zapiszTekst("Katalogi", "eksport_dir", s.eksport_dir);
  ini.zapiszTekst("Drukowanie", "drukarka_biletow", s.drukarka_biletow);
  ini.zapiszTekst("Drukowanie", "drukarka_kart", s.drukarka_kart);
  ini.zapiszLiczbe("Logowanie", "logow_timeout", s.logow_timeout);
  for (int i = 0; i < s.SzerKolumn.size(); ++i) ini.zapiszLiczbe("SzerKolumn", QString::number(i), s.SzerKolumn[i]);
  // A missing or read-only data folder loses this run's settings, nothing more.
  (void)ini.zapisz();
}

QString WersjaProduktu(const QString& nazwa) {
  if (nazwa == u"ProductVersion" || nazwa == u"FileVersion") return QStringLiteral(ORBE_VERSION);
  return {};
}
