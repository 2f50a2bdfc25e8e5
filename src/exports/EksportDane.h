#pragma once
// The queries of the visit and declaration exports and the preview rows built
// from them. The export windows and orbe-admin both take their rows from here,
// so a file saved in a window and one written from the command line agree.
#include "db/Statement.h"
#include "exports/PodstawPola.h"
#include "exports/SzablonKolumn.h"

#include <QHash>
#include <QList>
#include <QStringList>

class Connection;

// The statement texts, line by line as the exports send them.
QString SqlEksportuWizyt();
QString SqlDeklaracji();

// Column positions of a query by upper-case name.
class KolumnyZapytania {
 public:
  KolumnyZapytania() = default;
  explicit KolumnyZapytania(const QList<FieldInfo>& pola);
  int indeks(const QString& nazwa) const;  // without regard to case; -1 when absent
  const QStringList& nazwy() const { return nazwy_; }

 private:
  QStringList nazwy_;
  QHash<QString, int> indeksy_;
};

// One row of a query as an export record.
class RekordZapytania : public RekordEksportu {
 public:
  RekordZapytania(const KolumnyZapytania& kolumny, const Row& wiersz) : kolumny_(kolumny), wiersz_(wiersz) {}
  bool znajdzPole(const QString& nazwa, QVariant& wartosc) const override;
  QVariant wartosc(const QString& nazwa) const;

 private:
  const KolumnyZapytania& kolumny_;
  const Row& wiersz_;
};

// What a rebuilt preview holds besides the template.
struct PodgladEksportu {
  QStringList kolumnyZapytania;  // the opened query's column names
  int iloscRekordow = 0;         // records the query returned ("Zapisz" needs one)
  QList<QStringList> wiersze;    // one cell per template column, per exported row
};

// The month's visits with an ICD-10 code, by date, time and ID.
PodgladEksportu PodgladEksportuWizyt(Connection& polaczenie, int rok, int miesiac, const SzablonKolumn& szablon);
// One row per declaration dated in the month (the doctor's, then the nurse's),
// patients by ID; both rows of a patient share its ordinal number.
PodgladEksportu PodgladEksportuDeklaracji(Connection& polaczenie, int rok, int miesiac,
                                          const SzablonKolumn& szablon);
