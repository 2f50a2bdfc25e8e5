#pragma once
// Rules of the patient editor that need neither widgets, files nor the
// database: the PESEL fill-in, the checks before posting, the postal-code
// table and the drop-down lists of administrative divisions.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace EdycjaPacjentaReguly {

// What leaving the PESEL edit writes into the row: only what is still empty,
// and only from a valid number. Empty optionals change nothing.
struct UzupelnienieZPesel {
  bool peselPoprawny = false;
  std::optional<QDate> dataUrodzenia;
  std::optional<QString> plec;
};
UzupelnienieZPesel UzupelnijZPesel(const QString& pesel, const QDate& dataUrodzenia, const QString& plec);

// The control a failed check moves the focus to.
enum class PoleBledu { Brak, Nazwisko, Imie, Pesel, DataUrodzenia, Plec };

struct WynikSprawdzenia {
  PoleBledu pole = PoleBledu::Brak;
  QString komunikat;
  bool poprawny() const { return pole == PoleBledu::Brak; }
};

// Another patient holding the PESEL.
struct InnyPacjent {
  QString nazwisko, imie, aktyw;
};

struct DaneDoSprawdzenia {
  QString nazwisko, imie, pesel;
  QDate dataUrodzenia;
  QString plec;
};

// The checks in order, stopping at the first failure. `innyZPeselem` is asked
// only for a valid PESEL (removed patients count).
WynikSprawdzenia SprawdzDane(const DaneDoSprawdzenia& d,
                             const std::function<std::optional<InnyPacjent>(const QString& pesel)>& innyZPeselem);

QString KomunikatDuplikatu(const InnyPacjent& p);

// The postal-code table: lines "code=TOWN;COMMUNE;DISTRICT;VOIVODESHIP".
// The value of the first line whose name is the code; nothing when none is.
std::optional<QString> WartoscKodu(const QStringList& kody, const QString& kod);
// Replaces the value of the code's line, or appends a line for it.
void UstawKod(QStringList& kody, const QString& kod, const QString& wartosc);

// The four parts of a code's value in capitals (town, commune, district,
// voivodeship); nothing unless the value splits into exactly four (a value
// ending in ";" gives three).
std::optional<std::array<QString, 4>> CzesciAdresu(const QString& wartosc);
// The value learned for a code.
QString WartoscAdresu(const QString& poczta, const QString& gmina, const QString& powiat, const QString& wojewodztwo);

// A code the table is consulted for: exactly 6 characters.
bool KodPelny(const QString& kod);

// The three drop-downs of the editor.
enum class Lista { Gminy, Powiaty, Wojewodztwa };
QString PlikListy(Lista lista);
// Caption and text of the add-to-list question.
std::pair<QString, QString> PytanieONowaPozycje(Lista lista, const QString& tekst);
// True when the (trimmed) text is not empty and not among the items, case ignored.
bool NowaPozycja(const QStringList& pozycje, const QString& tekst);
// The items with the text added, in Polish order.
QStringList DodajPozycje(QStringList pozycje, const QString& tekst);

}  // namespace EdycjaPacjentaReguly
