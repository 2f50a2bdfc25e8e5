#pragma once
// Field placeholders of the CSV exports: "<" name ">" in a template column's
// content is replaced by the value of the exported record's column of that
// name ("." read as "_", letter case ignored). Unknown placeholders stay.
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <QVariant>
#include <utility>

// What the placeholders can read from one exported record.
class RekordEksportu {
 public:
  virtual ~RekordEksportu() = default;
  // The value of column `nazwa`, compared without regard to letter case;
  // false when the record has no such column. A QDate value is a DATE column.
  virtual bool znajdzPole(const QString& nazwa, QVariant& wartosc) const = 0;
};

struct PoleRekordu {
  QString nazwa;
  QVariant wartosc;
};

// A record held as a plain list of columns.
class ListaPolRekordu : public RekordEksportu {
 public:
  ListaPolRekordu() = default;
  ListaPolRekordu(QList<PoleRekordu> pola) : pola(std::move(pola)) {}
  bool znajdzPole(const QString& nazwa, QVariant& wartosc) const override;

  QList<PoleRekordu> pola;
};

// A column value as cell text: dates as above, empty for null, others as text.
QString TekstPola(const QVariant& wartosc);

// The generic rule: every placeholder naming a column of `rekord` gets its value.
// Values put into the cell are never scanned for placeholders again.
QString PodstawPola(const QString& tresc, const RekordEksportu& rekord);

// Visit export cell: "<LP>", "<DATA>" (YYYY-MM-DD) and "<GODZ>" (HH:NN), in exactly
// this letter case, then the generic rule.
QString KomorkaWizyty(const QString& tresc, const RekordEksportu& rekord, int lp, const QDate& data,
                      const QTime& godz);

// Declaration export cell: "<LP>", "<TYP_DEKLARACJI>" and "<DATA_DEKLARACJI>", in
// exactly this letter case, then the generic rule.
QString KomorkaDeklaracji(const QString& tresc, const RekordEksportu& rekord, int lp, int typ,
                          const QDate& dataDeklaracji);
