#pragma once
// Rules of the ordered-examinations summary window.
#include <QDate>
#include <QString>
#include <optional>

// The period a showing starts with: the month of the main window's day.
struct OkresWykazuBadan {
  QDate od, do_;
};
OkresWykazuBadan OkresMiesiacaDnia(const QDate& dzien);

// A period can be counted when "from" is not after "to".
inline bool OkresPoprawny(const QDate& od, const QDate& do_) { return od <= do_; }

struct StanAkcjiWykazu {
  bool generuj, zapisz, drukuj;
  bool operator==(const StanAkcjiWykazu&) const = default;
};
// "Generuj" for a sound period with no result yet; saving and printing for a
// result holding at least one row.
StanAkcjiWykazu AkcjeWykazu(bool okresPoprawny, bool wynikOtwarty, int iloscWierszy);

// The report's variables: "data1" and "data2" as DD-MM-YYYY; no other name.
std::optional<QString> ZmiennaWykazuBadan(const QString& nazwa, const QDate& od, const QDate& do_);
