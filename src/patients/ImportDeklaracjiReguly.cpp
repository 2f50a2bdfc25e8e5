#include "patients/ImportDeklaracjiReguly.h"

#include "common/Win1250.h"
#include "patients/Pesel.h"

#include <algorithm>

namespace ImportDeklaracji {

namespace {

const QChar TAB = u'\t';

bool sameCyfry(const QString& t) {
  if (t.isEmpty()) return false;
  for (QChar c : t)
    if (c < u'0' || c > u'9') return false;
  return true;
}

QString nazwiskoImie(const RekordDeklaracji& r) { return r.nazwisko + u' ' + r.imie; }

struct OpisListy {
  const char* przyrostek;  // of the file name
  const char* pierwszaLinia;
  const char* drugaLinia;  // nullptr: none
  const char* komunikat;   // %d the count, %s the file
};

const OpisListy& opis(ListaUwag l) {
  static const OpisListy opisy[] = {
      {"_bez_peseli", "Ilość pacjentów bez PESEL: %d (nie dodano do bazy)", nullptr,
       "UWAGA!!!\n\nIlość pacjentów bez nr PESEL: %d (nie dodano do bazy)\n\n"
       "Lista pacjentów bez nr PESEL została zapisana do pliku:\n%s"},
      {"_bledne_pesele", "Ilość błędnych nr PESEL: %d", nullptr,
       "UWAGA!!!\n\nIlość błędnych nr PESEL: %d\n\n"
       "Lista błędnych nr PESEL została zapisana do pliku:\n%s"},
      {"_niezgodne_pesel-dataur", "Ilość niezgodnych nr PESEL z datą urodzenia: %d", nullptr,
       "UWAGA!!!\n\nIlość niezgodności nr PESEL z datą urodzenia: %d\n\n"
       "Lista niezgodności została zapisana do pliku:\n%s"},
      {"_niezgodne_pesel-plec", "Ilość niezgodnych pól PESEL/PŁEĆ: %d", nullptr,
       "UWAGA!!!\n\nIlość niezgodności nr PESEL z polem PŁEĆ: %d\n\n"
       "Lista niezgodności została zapisana do pliku:\n%s"},
      {"_pacjenci_bez_lekarza", "Ilość pacjentów bez przypisanego lekarza: %d",
       "Kolumny: (pacjent) pesel, nazwisko, imię, (lekarz) pwzl, pesel",
       "UWAGA!!!\n\nIlość pacjentów bez przypisanego lekarza: %d\n\n"
       "Lista została zapisana do pliku:\n%s"},
      {"_nieczytelne_linie", "Ilość nieczytelnych linii: %d (nie dodano do bazy)",
       "Kolumny: powód, linia pliku",
       "UWAGA!!!\n\nIlość nieczytelnych linii pliku: %d (nie dodano do bazy)\n\n"
       "Lista nieczytelnych linii została zapisana do pliku:\n%s"},
  };
  return opisy[static_cast<int>(l)];
}

// Fills %d first, then %s once, so that a "%" in the file name stays as it is.
QString wypelnij(const char* wzor, int ilosc, const QString& plik = {}) {
  QString t = QString::fromUtf8(wzor);
  t.replace(QStringLiteral("%d"), QString::number(ilosc));
  const qsizetype s = t.indexOf(QStringLiteral("%s"));
  if (s >= 0) t.replace(s, 2, plik);
  return t;
}

}  // namespace

QStringList UsunPusteITytul(const QStringList& linie) {
  QStringList wynik;
  for (const QString& l : linie)
    if (!l.isEmpty() && l != TytulListy) wynik.append(l);
  return wynik;
}

QStringList LinieListy(const QString& tekst) { return UsunPusteITytul(Win1250::podzielLinie(tekst)); }

QStringList PodzielPola(const QString& linia) { return linia.split(u';', Qt::KeepEmptyParts); }

const std::array<QString, IloscKolumn>& NazwyKolumn() {
  static const std::array<QString, IloscKolumn> nazwy{
      QStringLiteral("PESEL"),          QStringLiteral("Nazwisko"),
      QStringLiteral("Imię"),           QStringLiteral("Data urodzenia"),
      QStringLiteral("Kod pocztowy"),   QStringLiteral("Miejscowość"),
      QStringLiteral("Ulica"),          QStringLiteral("Nr domu"),
      QStringLiteral("Nr lokalu"),      QStringLiteral("Gmina"),
      QStringLiteral("Powiat"),         QStringLiteral("Województwo"),
      QStringLiteral("Płeć"),           QStringLiteral("Typ deklaracji"),
      QStringLiteral("Data operacji"),  QStringLiteral("Nr prawa wyk. zaw. lek."),
      QStringLiteral("PESEL lekarza")};
  return nazwy;
}

Naglowek SprawdzNaglowek(const QString& liniaNaglowka) {
  Naglowek n;
  const QStringList pola = PodzielPola(liniaNaglowka);
  for (int k = 0; k < IloscKolumn; ++k) {
    for (int i = 0; i < pola.size(); ++i) {
      if (pola.at(i).trimmed().compare(NazwyKolumn()[k], Qt::CaseInsensitive) == 0) {
        n.pozycja[k] = i;
        break;
      }
    }
    if (k < IloscWymaganych && n.pozycja[k] < 0) n.brakujace.append(NazwyKolumn()[k]);
  }
  n.poprawny = n.brakujace.isEmpty();
  return n;
}

QDate DataZTekstu(const QString& tekst) {
  if (tekst.size() < 10) return {};
  const QString rok = tekst.mid(0, 4), miesiac = tekst.mid(5, 2), dzien = tekst.mid(8, 2);
  if (!sameCyfry(rok) || !sameCyfry(miesiac) || !sameCyfry(dzien)) return {};
  const QDate d(rok.toInt(), miesiac.toInt(), dzien.toInt());
  return d.isValid() ? d : QDate();
}

int TypZTekstu(const QString& tekst) {
  bool ok = false;
  const int typ = tekst.toInt(&ok);
  return ok ? typ : 0;
}

OdczytRekordu CzytajRekord(const Naglowek& naglowek, const QString& linia) {
  const QStringList pola = PodzielPola(linia);
  for (int k = 0; k < IloscKolumn; ++k) {
    if (naglowek.pozycja[k] >= pola.size())
      return {std::nullopt, QStringLiteral("brak pola '%1'").arg(NazwyKolumn()[k])};
  }
  auto pole = [&](Kolumna k) {
    const int p = naglowek.pozycja[k];
    return p < 0 ? QString() : pola.at(p);
  };
  RekordDeklaracji r;
  r.pesel = pole(Pesel);
  r.nazwisko = pole(Nazwisko);
  r.imie = pole(Imie);
  r.dataUrodzeniaTekst = pole(DataUrodzenia);
  r.kodp = pole(KodPocztowy);
  r.poczta = pole(Miejscowosc);
  r.ulica = pole(Ulica);
  r.nrdomu = pole(NrDomu);
  r.nrlokal = pole(NrLokalu);
  r.gmina = pole(Gmina);
  r.powiat = pole(Powiat);
  r.wojewodztwo = pole(Wojewodztwo);
  r.plec = pole(Plec);
  r.pwzl = pole(NrPrawaWykonywania);
  r.peselLekarza = pole(PeselLekarza);
  r.dataUrodzenia = DataZTekstu(r.dataUrodzeniaTekst);
  r.typDeklaracji = TypZTekstu(pole(TypDeklaracji));
  r.dataOperacji = DataZTekstu(pole(DataOperacji));
  return {r, {}};
}

int DlugoscKolumny(Kolumna k) {
  switch (k) {
    case Pesel: return 11;
    case Nazwisko: return 64;
    case Imie: return 32;
    case KodPocztowy: return 6;
    case Miejscowosc: return 32;
    case Ulica: return 32;
    case NrDomu: return 8;
    case NrLokalu: return 8;
    case Gmina: return 32;
    case Powiat: return 32;
    case Wojewodztwo: return 32;
    case Plec: return 1;
    default: return 0;
  }
}

QString PoleZaDlugie(const RekordDeklaracji& r) {
  const std::pair<Kolumna, const QString*> pola[] = {
      {Pesel, &r.pesel},         {Nazwisko, &r.nazwisko},     {Imie, &r.imie},
      {KodPocztowy, &r.kodp},    {Miejscowosc, &r.poczta},    {Ulica, &r.ulica},
      {NrDomu, &r.nrdomu},       {NrLokalu, &r.nrlokal},      {Gmina, &r.gmina},
      {Powiat, &r.powiat},       {Wojewodztwo, &r.wojewodztwo}, {Plec, &r.plec}};
  for (const auto& [k, wartosc] : pola)
    if (wartosc->size() > DlugoscKolumny(k)) return NazwyKolumn()[k];
  return {};
}

QString PowodZaDlugiegoPola(const RekordDeklaracji& r) {
  const QString nazwa = PoleZaDlugie(r);
  if (nazwa.isEmpty()) return {};
  const auto k = static_cast<Kolumna>(
      std::find(NazwyKolumn().begin(), NazwyKolumn().end(), nazwa) - NazwyKolumn().begin());
  return QStringLiteral("za długie pole '%1' (dopuszczalna długość: %2)").arg(nazwa).arg(DlugoscKolumny(k));
}

void MapaLekarzy::dodaj(const QString& klucz, int id) {
  if (!klucz.isEmpty()) mapa_.insert(klucz.toCaseFolded(), id);
}

int MapaLekarzy::znajdz(const QString& klucz) const {
  return klucz.isEmpty() ? 0 : mapa_.value(klucz.toCaseFolded(), 0);
}

void LekarzeImportu::dodajLekarza(int id, const QString& pwzl, const QString& pesel) {
  MapaPWZL.dodaj(pwzl, id);
  MapaPESEL.dodaj(pesel, id);
}

int ZnajdzLekarza(const LekarzeImportu& lekarze, const QString& pwzl, const QString& pesel) {
  const int wgPwzl = lekarze.MapaPWZL.znajdz(pwzl);
  if (wgPwzl > 0) return wgPwzl;
  const int wgPesel = lekarze.MapaPESEL.znajdz(pesel);
  return wgPesel > 0 ? wgPesel : 0;
}

DatyDeklaracji NoweDatyDeklaracji(const DatyDeklaracji& zapisane, int typ, const QDate& dataOperacji) {
  DatyDeklaracji wynik = zapisane;
  if (!dataOperacji.isValid()) return wynik;
  if (typ == 1) wynik.lekarz = dataOperacji;
  else if (typ == 3) wynik.pielegniarka = dataOperacji;
  return wynik;
}

QString PozycjaZapisana(const RekordDeklaracji& r) {
  return r.pesel + u';' + r.nazwisko + u';' + r.imie;
}

QString PozycjaBezPesel(const RekordDeklaracji& r) { return nazwiskoImie(r); }

QString PozycjaBlednyPesel(const RekordDeklaracji& r) { return r.pesel + TAB + nazwiskoImie(r); }

QString PozycjaNiezgodnaData(const RekordDeklaracji& r) {
  const QString data = r.dataUrodzenia.isValid() ? r.dataUrodzenia.toString(QStringLiteral("dd-MM-yyyy"))
                                                 : r.dataUrodzeniaTekst;
  return r.pesel + TAB + data + TAB + nazwiskoImie(r);
}

QString PozycjaNiezgodnaPlec(const RekordDeklaracji& r) {
  return r.pesel + TAB + PlecZPesel(r.pesel) + u'/' + r.plec + TAB + nazwiskoImie(r);
}

QString PozycjaBezLekarza(const RekordDeklaracji& r) {
  return r.pesel + TAB + r.nazwisko + TAB + r.imie + TAB + r.pwzl + TAB + r.peselLekarza;
}

QString PozycjaNieczytelna(const QString& powod, const QString& linia) { return powod + TAB + linia; }

void DodajUwagi(ListyImportu& listy, const RekordDeklaracji& r, int lekarzId) {
  if (!PeselPoprawny(r.pesel)) listy.lista(ListaUwag::BlednePesele).append(PozycjaBlednyPesel(r));
  if (!PeselZgodnyZData(r.pesel, r.dataUrodzenia))
    listy.lista(ListaUwag::NiezgodnaData).append(PozycjaNiezgodnaData(r));
  const QString plec = PlecZPesel(r.pesel);
  if (!plec.isEmpty() && plec != r.plec)
    listy.lista(ListaUwag::NiezgodnaPlec).append(PozycjaNiezgodnaPlec(r));
  if (lekarzId == 0) listy.lista(ListaUwag::BezLekarza).append(PozycjaBezLekarza(r));
}

QString ZnacznikCzasu(const QDateTime& czas) { return czas.toString(QStringLiteral("yyyy-MM-dd_HHmm")); }

QString KatalogLogow(const QString& katalogDanych) { return katalogDanych + QStringLiteral("Logi/"); }

QString NazwaLoguAktualizacji(const QString& katalogLogow, const QString& znacznik) {
  return katalogLogow + QStringLiteral("Aktualizacja_") + znacznik + QStringLiteral(".txt");
}

QString NazwaPlikuUwag(ListaUwag l, const QString& katalogLogow, const QString& znacznik) {
  return katalogLogow + QStringLiteral("Aktualizacja_") + znacznik +
         QString::fromUtf8(opis(l).przyrostek) + QStringLiteral(".txt");
}

QStringList TrescPlikuUwag(ListaUwag l, const QStringList& pozycje) {
  QStringList tresc{wypelnij(opis(l).pierwszaLinia, pozycje.size())};
  if (opis(l).drugaLinia) tresc.append(QString::fromUtf8(opis(l).drugaLinia));
  tresc += pozycje;
  return tresc;
}

QString KomunikatUwag(ListaUwag l, int ilosc, const QString& plik) {
  return wypelnij(opis(l).komunikat, ilosc, plik);
}

QString KomunikatLogu(const QString& plikLogu) {
  return QStringLiteral("Szczegóły aktualizacji zapisano w pliku:\n") + plikLogu;
}

QStringList LogAktualizacji(const QDateTime& start, const QString& plikZrodlowy, bool bladNaglowka,
                            const ListyImportu& listy) {
  QStringList log;
  log << QStringLiteral("Log aktualizacji ") + start.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  log << QStringLiteral("Plik źródłowy '") + plikZrodlowy + u'\'';
  if (bladNaglowka) log << BladFormatu;
  log << QString();
  log << QStringLiteral("ZAKTUALIZOWANO: ") + QString::number(listy.zaktualizowane.size());
  log += listy.zaktualizowane;
  log << QString();
  log << QStringLiteral("DODANO: ") + QString::number(listy.dodane.size());
  log += listy.dodane;
  log << QString();
  return log;
}

}  // namespace ImportDeklaracji
