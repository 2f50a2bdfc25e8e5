#include "exports/EksportDane.h"

#include "db/Connection.h"
#include "exports/PlikCSV.h"

#include <QStringList>

QString SqlEksportuWizyt() {
  return QStringList{
      "select",
      "  W.DATA,",
      "  W.GODZ,",
      "  W.ICD10,",
      "",
      "  P.NAZWISKO as P_NAZWISKO,",
      "  P.IMIE as P_IMIE,",
      "  P.PESEL as P_PESEL,",
      "  P.ULICA as P_ULICA,",
      "  P.NRDOMU as P_NRDOMU,",
      "  P.NRLOKAL as P_NRLOKAL,",
      "  P.KODP as P_KODP,",
      "  P.POCZTA as P_POCZTA,",
      "  P.GMINA as P_GMINA,",
      "  P.POWIAT as P_POWIAT,",
      "  P.WOJEWODZTWO as P_WOJEWODZTWO,",
      "  P.DATAUR as P_DATAUR,",
      "  P.PLEC as P_PLEC,",
      "  P.DTDEKLARLEK as P_DTDEKLARLEK,",
      "  P.DTDEKLARPIEL as P_DTDEKLARPIEL,",
      "  L.NAZWISKO as L_NAZWISKO,",
      "  L.IMIE as L_IMIE,",
      "  L.PWZL as L_PWZL,",
      "  L.PESEL as L_PESEL,",
      "  R.KOD as PORADA_KOD,",
      "  R.NAZWA as PORADA_NAZWA",
      "from",
      "  WIZYTY W",
      "  left join PACJENCI P on W.PACJENT_ID = P.ID",
      "  left join LEKARZE L on W.LEKARZ_ID = L.ID",
      "  left join PORADY R on W.PORADA_ID = R.ID",
      "where",
      "  W.ICD10 is not null",
      "  and",
      "  W.DATA >= :data1",
      "  and",
      "  W.DATA <= :data2",
      "order by",
      "  W.DATA, W.GODZ, W.ID",
  }
      .join(u'\n');
}

QString SqlDeklaracji() {
  return QStringList{
      "select",
      "  P.DTDEKLARLEK as DTDEKLARLEK,",
      "  P.DTDEKLARPIEL as DTDEKLARPIEL,",
      "  P.NAZWISKO as P_NAZWISKO,",
      "  P.IMIE as P_IMIE,",
      "  P.PESEL as P_PESEL,",
      "  P.ULICA as P_ULICA,",
      "  P.NRDOMU as P_NRDOMU,",
      "  P.NRLOKAL as P_NRLOKAL,",
      "  P.KODP as P_KODP,",
      "  P.POCZTA as P_POCZTA,",
      "  P.GMINA as P_GMINA,",
      "  P.POWIAT as P_POWIAT,",
      "  P.WOJEWODZTWO as P_WOJEWODZTWO,",
      "  P.DATAUR as P_DATAUR,",
      "  P.PLEC as P_PLEC,",
      "  L.NAZWISKO as L_NAZWISKO,",
      "  L.IMIE as L_IMIE,",
      "  L.PWZL as L_PWZL,",
      "  L.PESEL as L_PESEL",
      "from",
      "  PACJENCI P",
      "  left join LEKARZE L on P.LEKARZ_ID = L.ID",
      "where",
      "  (",
      "    P.DTDEKLARLEK >= :data1",
      "    and",
      "    P.DTDEKLARLEK <= :data2",
      "  )",
      "  or",
      "  (",
      "    P.DTDEKLARPIEL >= :data1",
      "    and",
      "    P.DTDEKLARPIEL <= :data2",
      "  )",
      "order by",
      "  P.ID",
  }
      .join(u'\n');
}

KolumnyZapytania::KolumnyZapytania(const QList<FieldInfo>& pola) {
  for (const FieldInfo& p : pola) {
    nazwy_.append(p.name);
    indeksy_.insert(p.name.toUpper(), int(nazwy_.size() - 1));
  }
}

int KolumnyZapytania::indeks(const QString& nazwa) const { return indeksy_.value(nazwa.toUpper(), -1); }

bool RekordZapytania::znajdzPole(const QString& nazwa, QVariant& wartosc) const {
  const int i = kolumny_.indeks(nazwa);
  if (i < 0) return false;
  wartosc = wiersz_.value(i);
  return true;
}

QVariant RekordZapytania::wartosc(const QString& nazwa) const {
  const int i = kolumny_.indeks(nazwa);
  return i < 0 ? QVariant() : wiersz_.value(i);
}

// Runs an export query for the month's first and last day.
static void OtworzMiesiac(Statement& zapytanie, int rok, int miesiac) {
  zapytanie.setParam(QStringLiteral("data1"), PierwszyDzienMiesiaca(rok, miesiac));
  zapytanie.setParam(QStringLiteral("data2"), OstatniDzienMiesiaca(rok, miesiac));
  zapytanie.execute();
}

PodgladEksportu PodgladEksportuWizyt(Connection& polaczenie, int rok, int miesiac, const SzablonKolumn& szablon) {
  Statement zapytanie(polaczenie, SqlEksportuWizyt());
  OtworzMiesiac(zapytanie, rok, miesiac);
  const KolumnyZapytania kolumny(zapytanie.fields());
  const int iData = kolumny.indeks(QStringLiteral("DATA"));
  const int iGodz = kolumny.indeks(QStringLiteral("GODZ"));

  PodgladEksportu podglad;
  podglad.kolumnyZapytania = kolumny.nazwy();
  podglad.iloscRekordow = int(zapytanie.rows().size());
  podglad.wiersze.reserve(podglad.iloscRekordow);
  int lp = 0;
  for (const Row& w : zapytanie.rows()) {
    ++lp;
    const RekordZapytania rekord(kolumny, w);
    const QDate data = w.value(iData).toDate();
    const QTime godz = w.value(iGodz).toTime();
    QStringList komorki;
    komorki.reserve(szablon.size());
    for (const KolumnaSzablonu& k : szablon) komorki.append(KomorkaWizyty(k.tresc, rekord, lp, data, godz));
    podglad.wiersze.append(std::move(komorki));
  }
  return podglad;
}

PodgladEksportu PodgladEksportuDeklaracji(Connection& polaczenie, int rok, int miesiac,
                                          const SzablonKolumn& szablon) {
  Statement zapytanie(polaczenie, SqlDeklaracji());
  OtworzMiesiac(zapytanie, rok, miesiac);
  const KolumnyZapytania kolumny(zapytanie.fields());
  const int iLek = kolumny.indeks(QStringLiteral("DTDEKLARLEK"));
  const int iPiel = kolumny.indeks(QStringLiteral("DTDEKLARPIEL"));
  const QDate data1 = PierwszyDzienMiesiaca(rok, miesiac);
  const QDate data2 = OstatniDzienMiesiaca(rok, miesiac);

  PodgladEksportu podglad;
  podglad.kolumnyZapytania = kolumny.nazwy();
  podglad.iloscRekordow = int(zapytanie.rows().size());
  int lp = 0;
  for (const Row& w : zapytanie.rows()) {
    ++lp;
    const RekordZapytania rekord(kolumny, w);
    for (const PozycjaDeklaracji& poz :
         PozycjeDeklaracji(w.value(iLek).toDate(), w.value(iPiel).toDate(), data1, data2)) {
      QStringList komorki;
      komorki.reserve(szablon.size());
      for (const KolumnaSzablonu& k : szablon)
        komorki.append(KomorkaDeklaracji(k.tresc, rekord, lp, poz.typ, poz.data));
      podglad.wiersze.append(std::move(komorki));
    }
  }
  return podglad;
}
