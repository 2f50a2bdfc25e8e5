#pragma once
// The main window's shared state: folders, the values of the settings keys,
// the login flags, the selected doctor and the tab list.
#include <QString>
#include <QStringList>
#include <QVector>

struct StanProgramu {
  QString KatalogProgramu;    // ends with "/"
  QString KatalogDanych;      // ends with "/"
  QString KatalogDokumentow;  // no trailing separator

  QString Host;
  QString Dir;
  QString LastBackupDir;
  QString RemoteBackupDir;
  int grafik_co = 10;
  QString tessor_fdb;
  int tessor_dtdekl = 1;
  QString eksport_dir;
  QString drukarka_biletow = QStringLiteral("---");
  QString drukarka_kart = QStringLiteral("---");
  int logow_timeout = 10;

  bool LogowanieWlaczone = false;
  bool Zalogowany = false;
  int BiezacyLekarz = 0;
  QStringList ListaLekarzy;  // "ID=KOLOR" per tab, in tab order

  // Widths of the day grid's seven columns.
  QVector<int> SzerKolumn = DomyslneSzerokosciKolumn();
  static QVector<int> DomyslneSzerokosciKolumn() { return {45, 88, 340, 262, 93, 128, 62}; }
};

// Finds the program, data and documents folders (the data folder is never created here).
void UstalKatalogi(StanProgramu& stan, const QString& katalogProgramu);
// The data folder: $ORBE_DATA_DIR, else /var/lib/Halvik/orbe/ when it exists,
// else ~/.local/share/Halvik/orbe/; always ending with "/".
QString DomyslnyKatalogDanych();

// Reads orbe.ini of the data folder into the state; missing or non-integer
// values give the defaults. Column widths default to the given current widths.
void CzytajUstawienia(StanProgramu& stan);
// Writes the keys back into orbe.ini (other sections kept); errors are ignored.
void ZapiszUstawienia(const StanProgramu& stan);

// The program's version strings ("ProductVersion", "FileVersion"); empty for others.
QString WersjaProduktu(const QString& nazwa);
