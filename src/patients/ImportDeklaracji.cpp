#include "patients/ImportDeklaracji.h"

#include "common/Win1250.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Statement.h"

#include <QDir>
#include <QFileInfo>

using namespace ImportDeklaracji;

namespace {

const char* kAktualizacja =
    "/*\n  update PACJENCI set ...\n  Aktualizacja rekordu wg nr PESEL\n*/\n\n"
    "update PACJENCI\nset\n  LEKARZ_ID = :lekarz_id,\n  NAZWISKO = :nazwisko,\n  IMIE = :imie,\n"
    "  ULICA = :ulica,\n  NRDOMU = :nrdomu,\n  NRLOKAL = :nrlokal,\n  KODP = :kodp,\n  POCZTA = :poczta,\n"
    "  GMINA = :gmina,\n  POWIAT = :powiat,\n  WOJEWODZTWO = :wojewodztwo,\n  PLEC = :plec,\n  DATAUR = :dataur,\n"
    "  DTDEKLARLEK = :dtdeklarlek,\n  DTDEKLARPIEL = :dtdeklarpiel,\n  AKTYW = :aktyw\nwhere\n  PESEL = :pesel";

const char* kDodanie =
    "/*\n  insert into PACJENCI ...\n  dodanie nowego rekordu\n*/\n\n"
    "insert into PACJENCI\n  (LEKARZ_ID, NAZWISKO, IMIE, PESEL, ULICA, NRDOMU, NRLOKAL, KODP,\n"
    "   POCZTA, GMINA, POWIAT, WOJEWODZTWO, DATAUR, PLEC, DTDEKLARLEK, DTDEKLARPIEL, AKTYW)\n"
    "values\n  (:lekarz_id, :nazwisko, :imie, :pesel, :ulica, :nrdomu, :nrlokal, :kodp,\n"
    "  :poczta, :gmina, :powiat, :wojewodztwo, :dataur, :plec, :dtdeklarlek, :dtdeklarpiel, :aktyw)";

// The declaration dates of the patient with this PESEL, bound rather than pasted.
const char* kDatyDeklaracji = "select DTDEKLARLEK, DTDEKLARPIEL\nfrom PACJENCI\nwhere PESEL = :pesel";

QVariant dataLubNull(const QDate& d) { return d.isValid() ? QVariant(d) : QVariant(); }

void ustawParametry(Statement& st, const RekordDeklaracji& r, int lekarz, const DatyDeklaracji& daty) {
  st.setParam("lekarz_id", lekarz);
  st.setParam("nazwisko", r.nazwisko);
  st.setParam("imie", r.imie);
  st.setParam("pesel", r.pesel);
  st.setParam("ulica", r.ulica);
  st.setParam("nrdomu", r.nrdomu);
  st.setParam("nrlokal", r.nrlokal);
  st.setParam("kodp", r.kodp);
  st.setParam("poczta", r.poczta);
  st.setParam("plec", r.plec);
  st.setParam("gmina", r.gmina);
  st.setParam("powiat", r.powiat);
  st.setParam("wojewodztwo", r.wojewodztwo);
  st.setParam("dataur", dataLubNull(r.dataUrodzenia));
  st.setParam("dtdeklarlek", dataLubNull(daty.lekarz));
  st.setParam("dtdeklarpiel", dataLubNull(daty.pielegniarka));
  st.setParam("aktyw", QStringLiteral("T"));
}

// Ends the progress on every path, exceptions included.
struct KoniecPostepu {
  const PostepImportu& p;
  ~KoniecPostepu() {
    if (p.zakoncz) p.zakoncz();
  }
};

}  // namespace

void ImportujPlikCSV(Connection& c, const QString& plik, const QDateTime& start, const QString& katalogDanych,
                     WynikImportu& wynik, const PostepImportu& postep,
                     const std::function<void(const QString&)>& komunikat) {
  try {
    LekarzeImportu lekarze;
    {
      Statement st(c, QStringLiteral("select ID, PWZL, PESEL\nfrom LEKARZE\nwhere USUN = 'N'"));
      st.execute();
      for (const Row& r : st.rows()) lekarze.dodajLekarza(r[0].toInt(), r[1].toString(), r[2].toString());
    }

    QStringList linie = UsunPusteITytul(Win1250::czytajLinie(plik));
    Naglowek naglowek;
    if (!linie.isEmpty()) naglowek = SprawdzNaglowek(linie.first());
    if (!naglowek.poprawny) {
      wynik.bladNaglowka = true;
      wynik.log << BladFormatu;
      komunikat(BladFormatu);
      linie.clear();
    }

    Statement aktualizacja(c, QString::fromUtf8(kAktualizacja));
    Statement dodanie(c, QString::fromUtf8(kDodanie));
    Statement daty(c, QString::fromUtf8(kDatyDeklaracji));
    {
      if (postep.rozpocznij) postep.rozpocznij(linie.size());
      KoniecPostepu koniec{postep};
      for (qsizetype i = 1; i < linie.size(); ++i) {
        const QString& linia = linie[i];
        const OdczytRekordu odczyt = CzytajRekord(naglowek, linia);
        if (!odczyt.rekord) {
          wynik.listy.lista(ListaUwag::Nieczytelne) << PozycjaNieczytelna(odczyt.powod, linia);
        } else if (odczyt.rekord->pesel.isEmpty()) {
          wynik.listy.lista(ListaUwag::BezPesel) << PozycjaBezPesel(*odczyt.rekord);
        } else if (const QString zaDlugie = PowodZaDlugiegoPola(*odczyt.rekord); !zaDlugie.isEmpty()) {
          wynik.listy.lista(ListaUwag::Nieczytelne) << PozycjaNieczytelna(zaDlugie, linia);
        } else {
          const RekordDeklaracji& r = *odczyt.rekord;
          daty.setParam("pesel", r.pesel);
          daty.execute();
          DatyDeklaracji zapisane;
          if (!daty.rows().isEmpty()) zapisane = {daty.rows()[0][0].toDate(), daty.rows()[0][1].toDate()};
          const DatyDeklaracji nowe = NoweDatyDeklaracji(zapisane, r.typDeklaracji, r.dataOperacji);
          const int lekarz = ZnajdzLekarza(lekarze, r.pwzl, r.peselLekarza);
          try {
            // Each statement is atomic: a refused one writes nothing of the line.
            ustawParametry(aktualizacja, r, lekarz, nowe);
            aktualizacja.execute();
            if (aktualizacja.rowsAffected() > 0) {
              wynik.listy.zaktualizowane << PozycjaZapisana(r);
            } else {
              ustawParametry(dodanie, r, lekarz, nowe);
              dodanie.execute();
              wynik.listy.dodane << PozycjaZapisana(r);
            }
            DodajUwagi(wynik.listy, r, lekarz);
          } catch (const DbError& e) {
            wynik.listy.lista(ListaUwag::Nieczytelne)
                << PozycjaNieczytelna(QStringLiteral("odrzucone przez bazę danych: ") +
                                          QString(e.message()).replace(u'\n', u' '),
                                      linia);
          }
        }
        if (postep.krok) postep.krok();
      }
    }

    const QStringList log = LogAktualizacji(start, plik, false, wynik.listy);
    // Lines 1 and 2 are the caller's; the format error (line 3) is already in.
    wynik.log << log.mid(2);

    const QString katalogLogow = KatalogLogow(katalogDanych);
    const QString znacznik = ZnacznikCzasu(start);
    for (ListaUwag l : WszystkieListyUwag) {
      const QStringList& pozycje = wynik.listy.lista(l);
      if (pozycje.isEmpty()) continue;
      const QString nazwa = NazwaPlikuUwag(l, katalogLogow, znacznik);
      Win1250::zapiszLinieLubBlad(nazwa, TrescPlikuUwag(l, pozycje));
      komunikat(KomunikatUwag(l, pozycje.size(), nazwa));
      // Lines not written at all are named in the log too, so nothing goes unseen.
      if (l == ListaUwag::Nieczytelne)
        wynik.log << QStringLiteral("POMINIĘTO: %1 (linie nieczytelne lub odrzucone, lista w pliku: %2)")
                         .arg(pozycje.size())
                         .arg(nazwa)
                  << QString();
    }
    c.commitRetaining();
  } catch (const std::exception& e) {
    c.rollbackRetaining();
    throw DbError(QStringLiteral("Import przerwany, żadna zmiana z pliku nie została zapisana:\n") +
                  QString::fromUtf8(e.what()));
  }
}

WynikImportu ImportujDeklaracje(Connection& c, const QString& plik, const QString& katalogDanych,
                                const PostepImportu& postep, const std::function<void(const QString&)>& komunikat,
                                const QDateTime& start) {
  WynikImportu wynik;
  const QString katalogLogow = KatalogLogow(katalogDanych);
  QDir().mkpath(katalogLogow);
  const QStringList naglowekLogu = LogAktualizacji(start, QFileInfo(plik).absoluteFilePath(), false, {}).mid(0, 2);
  wynik.log = naglowekLogu;
  ImportujPlikCSV(c, QFileInfo(plik).absoluteFilePath(), start, katalogDanych, wynik, postep, komunikat);
  wynik.plikLogu = NazwaLoguAktualizacji(katalogLogow, ZnacznikCzasu(start));
  Win1250::zapiszLinieLubBlad(wynik.plikLogu, wynik.log);
  komunikat(KomunikatLogu(wynik.plikLogu));
  return wynik;
}
