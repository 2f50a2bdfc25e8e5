// The patient list's import of a KS-SWD declarations file.
#include "patients/TForm_Pacjenci.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "app/TForm_Postep.h"
#include "patients/ImportDeklaracji.h"
#include "ui/Klepsydra.h"
#include "ui/Komunikaty.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>

namespace {

// "*" for every file: "*.*" would hide the files without a dot here.
QString OknoWyboruPliku(QWidget* rodzic) {
  return QFileDialog::getOpenFileName(rodzic, QString(), QString(),
                                      QStringLiteral("Pliki CSV (*.csv);;Wszystkie pliki (*)"));
}

}  // namespace

void TForm_Pacjenci::aImportujExecute() {
  const QDateTime start = QDateTime::currentDateTime();
  QDir().mkpath(ImportDeklaracji::KatalogLogow(glowne_.Stan.KatalogDanych));
  const QString plik = WybierzPlikImportu ? WybierzPlikImportu(this) : OknoWyboruPliku(this);
  if (plik.isEmpty()) {
    UstawAkcje();
    return;
  }

  PostepImportu postep;
  postep.rozpocznij = [](int n) { Form_Postep->Rozpocznij(n); };
  // Repaints only: a click or a key reaching the list in the middle of the
  // import would run its commands on half-imported data.
  postep.krok = [] {
    Form_Postep->Krok();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  postep.zakoncz = [] { Form_Postep->Zakoncz(); };
  const auto komunikat = [](const QString& tekst) {
    if (tekst != ImportDeklaracji::BladFormatu) komunikaty().sygnal();
    komunikaty().komunikat(tekst);
  };

  try {
    Klepsydra klepsydra;
    ImportujDeklaracje(glowne_.Polaczenie(), plik, glowne_.Stan.KatalogDanych, postep, komunikat, start);
    // Closed first, so the rebuild starts at the top of the first page.
    dane_.sqlPacjenci.close();
    Przebuduj();
  } catch (...) {
    // The import rolled back and its error says why; the list keeps its page.
    UstawAkcje();
    throw;
  }
  UstawAkcje();
}
