#pragma once
// Reading rules of the KS-SWD declarations list (a semicolon-separated text
// file) and the texts of the import's update log and attention lists.
// No database and no widgets: the import itself is built on top of these.
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace ImportDeklaracji {

inline const QString TytulListy = QStringLiteral("LISTA DEKLARACJI Z PROGRAMU KS-SWD");
inline const QString BladFormatu = QStringLiteral("Błędny format pliku źródłowego.");

// ---- lines and fields -------------------------------------------------------

// Drops every empty line and every title line, wherever they stand.
QStringList UsunPusteITytul(const QStringList& linie);
// The same for a whole text, cut into lines at CR LF, LF or CR.
QStringList LinieListy(const QString& tekst);

// Fields at every ";", no quoting; a line ending in ";" has an empty last field.
QStringList PodzielPola(const QString& linia);

// ---- header -----------------------------------------------------------------

// The columns read, the first 13 required by the header check.
enum Kolumna {
  Pesel, Nazwisko, Imie, DataUrodzenia, KodPocztowy, Miejscowosc, Ulica, NrDomu,
  NrLokalu, Gmina, Powiat, Wojewodztwo, Plec,
  TypDeklaracji, DataOperacji, NrPrawaWykonywania, PeselLekarza,
  IloscKolumn
};
constexpr int IloscWymaganych = Plec + 1;

// Header names of the columns, in the order of Kolumna.
const std::array<QString, IloscKolumn>& NazwyKolumn();

struct Naglowek {
  Naglowek() { pozycja.fill(-1); }
  bool poprawny = false;               // all required names found
  std::array<int, IloscKolumn> pozycja;  // field index of each column, -1 when absent
  QStringList brakujace;               // required names not found
  int pozycjaKolumny(Kolumna k) const { return pozycja[k]; }
};

// Names trimmed, matched without case, in any order; the first of two equal
// names counts.
Naglowek SprawdzNaglowek(const QString& liniaNaglowka);

// ---- records ----------------------------------------------------------------

// Chars 1-4 year, 6-7 month, 9-10 day; anything else gives a null date.
QDate DataZTekstu(const QString& tekst);
// A whole number, 0 when the text is not one.
int TypZTekstu(const QString& tekst);

struct RekordDeklaracji {
  // Taken exactly as they stand (not trimmed, not capitalised).
  QString pesel, nazwisko, imie, dataUrodzeniaTekst, kodp, poczta, ulica, nrdomu, nrlokal,
      gmina, powiat, wojewodztwo, plec, pwzl, peselLekarza;
  QDate dataUrodzenia;  // null when it cannot be read
  int typDeklaracji = 0;
  QDate dataOperacji;   // null when it cannot be read or the column is absent
};

// A record line that lacks a field for one of the columns present in the
// header cannot be read: no value, and the reason in powod.
struct OdczytRekordu {
  std::optional<RekordDeklaracji> rekord;
  QString powod;
};
OdczytRekordu CzytajRekord(const Naglowek& naglowek, const QString& linia);

// The header name of the first value longer than its PACJENCI column, empty
// when all fit (so that the caller can skip the line instead of failing the
// statement).
QString PoleZaDlugie(const RekordDeklaracji& r);
// The same as the reason of the unreadable-lines list, empty when all fit.
QString PowodZaDlugiegoPola(const RekordDeklaracji& r);
// Maximum length of the PACJENCI column a column is written to; 0 when it is
// not written as text.
int DlugoscKolumny(Kolumna k);

// ---- doctors ----------------------------------------------------------------

// Key -> doctor ID, keys compared without case, the last one added wins.
// Empty keys are never stored nor found, so a line without a licence number
// is not given some doctor who has none.
class MapaLekarzy {
 public:
  void dodaj(const QString& klucz, int id);
  int znajdz(const QString& klucz) const;  // 0 when absent
 private:
  QHash<QString, int> mapa_;
};

struct LekarzeImportu {
  MapaLekarzy MapaPWZL;
  MapaLekarzy MapaPESEL;
  void dodajLekarza(int id, const QString& pwzl, const QString& pesel);
};

// The licence number first when it gives an ID above 0, else the PESEL, else 0.
int ZnajdzLekarza(const LekarzeImportu& lekarze, const QString& pwzl, const QString& pesel);

// ---- declaration dates ------------------------------------------------------

struct DatyDeklaracji {
  QDate lekarz;        // DTDEKLARLEK
  QDate pielegniarka;  // DTDEKLARPIEL
  bool operator==(const DatyDeklaracji&) const = default;
};

// Type 1 replaces the doctor date, type 3 the nurse date; a null operation
// date or any other type keeps the stored dates.
DatyDeklaracji NoweDatyDeklaracji(const DatyDeklaracji& zapisane, int typ, const QDate& dataOperacji);

// ---- lists ------------------------------------------------------------------

enum class ListaUwag { BezPesel, BlednePesele, NiezgodnaData, NiezgodnaPlec, BezLekarza, Nieczytelne };
inline constexpr std::array<ListaUwag, 6> WszystkieListyUwag{
    ListaUwag::BezPesel, ListaUwag::BlednePesele, ListaUwag::NiezgodnaData,
    ListaUwag::NiezgodnaPlec, ListaUwag::BezLekarza, ListaUwag::Nieczytelne};

// List lines, built from the line's fields as they stand.
QString PozycjaZapisana(const RekordDeklaracji& r);      // updated and added lists
QString PozycjaBezPesel(const RekordDeklaracji& r);
QString PozycjaBlednyPesel(const RekordDeklaracji& r);
QString PozycjaNiezgodnaData(const RekordDeklaracji& r);  // unreadable date: the text as it stands
QString PozycjaNiezgodnaPlec(const RekordDeklaracji& r);
QString PozycjaBezLekarza(const RekordDeklaracji& r);
QString PozycjaNieczytelna(const QString& powod, const QString& linia);

// What one import gathers.
struct ListyImportu {
  QStringList zaktualizowane;
  QStringList dodane;
  std::array<QStringList, WszystkieListyUwag.size()> uwagi;
  QStringList& lista(ListaUwag l) { return uwagi[static_cast<int>(l)]; }
  const QStringList& lista(ListaUwag l) const { return uwagi[static_cast<int>(l)]; }
};

// The checks made after a line was written: invalid PESEL, PESEL against the
// date of birth, PESEL against the sex (only when the PESEL gives a sex), no doctor.
void DodajUwagi(ListyImportu& listy, const RekordDeklaracji& r, int lekarzId);

// ---- files and texts --------------------------------------------------------

// "YYYY-MM-DD_HHNN", the T of the file names.
QString ZnacznikCzasu(const QDateTime& czas);
// The data folder + "Logi/".
QString KatalogLogow(const QString& katalogDanych);
// "<katalog>Aktualizacja_<T>.txt"
QString NazwaLoguAktualizacji(const QString& katalogLogow, const QString& znacznik);
QString NazwaPlikuUwag(ListaUwag l, const QString& katalogLogow, const QString& znacznik);

// The attention file: the count line, the column line of the no-doctor list, the entries.
QStringList TrescPlikuUwag(ListaUwag l, const QStringList& pozycje);
// The message shown after the file was written, count and file name filled in.
QString KomunikatUwag(ListaUwag l, int ilosc, const QString& plik);

// "Szczegóły aktualizacji zapisano w pliku:\n" + the log's name.
QString KomunikatLogu(const QString& plikLogu);

// The whole update log: start line, source file, format error when the header
// failed, then the updated and added lists each with its count.
QStringList LogAktualizacji(const QDateTime& start, const QString& plikZrodlowy,
                            bool bladNaglowka, const ListyImportu& listy);

}  // namespace ImportDeklaracji
