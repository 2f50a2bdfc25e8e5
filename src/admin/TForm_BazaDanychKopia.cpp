// The database window's backup and restore: the service inputs from the
// rules, the progress lines in the text box, the messages of every outcome.
#include "admin/BazaDanychReguly.h"
#include "admin/TForm_BazaDanych.h"
#include "app/StanProgramu.h"
#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Services.h"
#include "ui/Klepsydra.h"
#include "ui/Komunikaty.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>


using namespace BazaDanychReguly;

namespace {

const QStringList kFiltr = {QStringLiteral("Pliki kopii bazy danych FBK (*.FBK)"),
                            QStringLiteral("Wszystkie pliki (*.*)")};

QString wybierzPlik(QWidget* rodzic, QFileDialog::AcceptMode tryb, const QString& katalog, const QString& nazwa) {
  QFileDialog d(rodzic);
  d.setAcceptMode(tryb);
  d.setFileMode(tryb == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  d.setNameFilters(kFiltr);
  d.setDefaultSuffix(QStringLiteral("FBK"));  // a name typed without an extension
  d.setDirectory(katalog);
  if (!nazwa.isEmpty()) d.selectFile(nazwa);
  // The save dialog asks before overwriting (Qt's default).
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return d.selectedFiles().first();
}

}  // namespace

void TForm_BazaDanych::DopiszLinie(const QString& linia) {
  memoPostep->appendPlainText(linia);
  QCoreApplication::processEvents();
}

void TForm_BazaDanych::UstawTrwanie(bool trwa) {
  trwa_ = trwa;
  ListaStron->setEnabled(!trwa);
  btnZamknij->setEnabled(!trwa);
  StanOkna();
}

void TForm_BazaDanych::WykonajBackup() {
  if (trwa_ || ZmianaLokalizacji) return;
  memoPostep->clear();
  ZadanieUslugi z;
  if (!rbBazaZdalna->isChecked()) {
    const QString nazwa = ProponowanaNazwaKopii(QDate::currentDate());
    const QString plik = DialogZapisu ? DialogZapisu(stan_->LastBackupDir, nazwa)
                                      : wybierzPlik(this, QFileDialog::AcceptSave, stan_->LastBackupDir, nazwa);
    if (plik.isEmpty()) return;
    z = ZadanieLokalne(biezacaBaza_, plik);
  } else {
    z = ZadanieZdalneZOkna();
  }
  const std::optional<QString> blad = UruchomUsluge(z, [&](Services& uslugi, const LiniaUslugi& linia) {
    uslugi.backup(z.baza, z.plik, linia);
  });
  ZakonczUsluge(!blad, QStringLiteral("Poprawnie wykonano kopię bazy danych."), TekstBleduKopii(blad.value_or(QString())));
}

void TForm_BazaDanych::WykonajRestore() {
  if (trwa_ || ZmianaLokalizacji) return;
  if (!komunikaty().pytanie(QStringLiteral("Potwierdzenie"), QStringLiteral("Na pewno nadpisać aktualną bazę danych?")))
    return;
  memoPostep->clear();
  ZadanieUslugi z;
  if (!rbBazaZdalna->isChecked()) {
    const QString plik = DialogOtwarcia ? DialogOtwarcia(stan_->LastBackupDir)
                                        : wybierzPlik(this, QFileDialog::AcceptOpen, stan_->LastBackupDir, QString());
    if (plik.isEmpty()) return;
    z = ZadanieLokalne(biezacaBaza_, plik);
  } else {
    z = ZadanieZdalneZOkna();
  }
  const std::optional<QString> blad = UruchomUsluge(z, [&](Services& uslugi, const LiniaUslugi& linia) {
    uslugi.restore(z.plik, z.baza, linia);
  });
  ZakonczUsluge(!blad, QStringLiteral("Poprawnie odtworzono bazę danych z kopii"),
                TekstBleduOdtwarzania(blad.value_or(QString())));
}

ZadanieUslugi TForm_BazaDanych::ZadanieZdalneZOkna() {
  stan_->RemoteBackupDir = FolderKopiiZdalnej(Edit5->text());
  return ZadanieZdalne(stan_->Host, stan_->Dir, Edit5->text(), Edit6->text());
}

std::optional<QString> TForm_BazaDanych::UruchomUsluge(const ZadanieUslugi& z, const AkcjaUslugi& akcja) {
  const QStringList parametry = ParametryPolaczenia(stan_->KatalogDanych);
  UstawTrwanie(true);
  std::optional<QString> blad;
  {
    Klepsydra klepsydra;
    try {
      Services uslugi(z.serwer, parametry);
      akcja(uslugi, [this](const QString& l) { DopiszLinie(l); });
      uslugi.detach();
    } catch (const DbError& e) {
      blad = e.message();
    }
  }
  stan_->LastBackupDir = FolderPliku(z.plik);
  UstawTrwanie(false);
  return blad;
}

void TForm_BazaDanych::ZakonczUsluge(bool udana, const QString& udane, const QString& nieudane) {
  if (udana) {
    komunikaty().informacja(udane);
  } else {
    komunikaty().sygnal();
    komunikaty().informacja(nieudane);
  }
}
