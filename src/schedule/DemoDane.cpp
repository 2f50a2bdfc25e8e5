#include "schedule/DemoDane.h"

#include "db/Connection.h"
#include "db/Statement.h"
#include "schedule/DemoReguly.h"

#include <QSet>
#include <QTime>
#include <stdexcept>

using namespace DemoReguly;

namespace {

int los(Losowanie& g, int od, int doW) { return std::uniform_int_distribution<int>(od, doW)(g); }

// Takes n keys of a sequence at once; returns the first.
int Klucze(Connection& c, const char* sekwencja, int n) {
  if (n <= 0) return 0;
  Statement s(c, QStringLiteral("SELECT GEN_ID(%1, %2) FROM RDB$DATABASE").arg(QLatin1String(sekwencja)).arg(n));
  s.execute();
  return s.rows().value(0).value(0).toInt() - n + 1;
}

// Inserts rows several at a time: one prepared "insert ... select ... union
// all ..." for a full batch, executed again and again, and one for the rest.
// Fewer round trips matter when the database is reached through a server.
class WstawianiePaczkami {
 public:
  static constexpr int kPaczka = 32;
  WstawianiePaczkami(Connection& c, const QString& tabela, QList<QPair<QString, QString>> kolumny)
      : c_(c), tabela_(tabela), kolumny_(std::move(kolumny)), pelna_(c, sql(kPaczka)) {}

  void dodaj(QVariantList wartosci) {
    wiersze_.append(std::move(wartosci));
    if (wiersze_.size() == kPaczka) wyslij(pelna_);
  }
  void zakoncz() {
    if (wiersze_.isEmpty()) return;
    Statement reszta(c_, sql(static_cast<int>(wiersze_.size())));
    wyslij(reszta);
  }

 private:
  QString sql(int wierszy) const {
    QStringList nazwy, wybory;
    for (const auto& [nazwa, typ] : kolumny_) nazwy << nazwa;
    for (int w = 0; w < wierszy; ++w) {
      QStringList pola;
      for (int k = 0; k < kolumny_.size(); ++k) pola << QStringLiteral("cast(:p%1_%2 as %3)").arg(w).arg(k).arg(kolumny_[k].second);
      wybory << QStringLiteral("select ") + pola.join(", ") + QStringLiteral(" from RDB$DATABASE");
    }
    return QStringLiteral("insert into %1 (%2) ").arg(tabela_, nazwy.join(", ")) + wybory.join(" union all ");
  }
  void wyslij(Statement& s) {
    for (int w = 0; w < wiersze_.size(); ++w)
      for (int k = 0; k < kolumny_.size(); ++k) s.setParam(QStringLiteral("p%1_%2").arg(w).arg(k), wiersze_[w].value(k));
    s.execute();
    wiersze_.clear();
  }

  Connection& c_;
  QString tabela_;
  QList<QPair<QString, QString>> kolumny_;
  Statement pelna_;
  QList<QVariantList> wiersze_;
};

struct WizytaDemo {
  int lekarz;
  QDate data;
  int minuta;
};

// Share of slots booked: most in the past, fewer the further ahead.
int ProcentZajetych(int dniOdDzis, int dni) {
  if (dniOdDzis < 0) return 80;
  if (dniOdDzis == 0) return 75;
  return std::max(10, 65 - 55 * dniOdDzis / std::max(1, dni));
}

}  // namespace

bool BazaPustaDlaDemo(Connection& polaczenie) {
  Statement s(polaczenie, QStringLiteral("select (select count(*) from LEKARZE) + (select count(*) from PACJENCI) "
                                         "as ILOSC from RDB$DATABASE"));
  s.execute();
  return s.value(QStringLiteral("ILOSC")).toLongLong() == 0;
}

WynikDemo WypelnijDemo(Connection& c, const ParametryDemo& p) {
  // The demo keys and PESEL numbers would mix with a clinic's own rows.
  if (!BazaPustaDlaDemo(c)) throw std::runtime_error("the database already holds doctors or patients");
  Losowanie g(p.ziarno);
  WynikDemo w;
  try {
    // Doctors, their hours, the dictionaries.
    const auto lekarze = Lekarze(g, p.lekarzy, p.dzis);
    const int idLekarza = Klucze(c, "GEN_LEKARZE_ID", static_cast<int>(lekarze.size()));
    Statement insLekarz(c, QStringLiteral("insert into LEKARZE (ID, NAZWISKO, IMIE, PWZL, PESEL, KOLOR, USUN) "
                                          "values (:ID, :NAZWISKO, :IMIE, :PWZL, :PESEL, :KOLOR, 'N')"));
    std::vector<std::vector<ZakresTygodnia>> harmonogramy;
    for (size_t i = 0; i < lekarze.size(); ++i) {
      const Lekarz& l = lekarze[i];
      insLekarz.setParam("ID", idLekarza + static_cast<int>(i));
      insLekarz.setParam("NAZWISKO", l.osoba.nazwisko);
      insLekarz.setParam("IMIE", l.osoba.imie);
      insLekarz.setParam("PWZL", l.pwzl);
      insLekarz.setParam("PESEL", l.osoba.pesel);
      insLekarz.setParam("KOLOR", l.kolor);
      insLekarz.execute();
      harmonogramy.push_back(Harmonogram(static_cast<int>(i)));
      w.zakresow += static_cast<int>(harmonogramy.back().size());
    }
    w.lekarzy = static_cast<int>(lekarze.size());
    Statement insZakres(c, QStringLiteral("insert into HARMONOGRAM (ID, LEKARZ_ID, DZIEN, GODZ1, GODZ2) "
                                          "values (:ID, :LEKARZ_ID, :DZIEN, :GODZ1, :GODZ2)"));
    int idZakresu = Klucze(c, "GEN_HARMONOGRAM_ID", w.zakresow);
    for (size_t i = 0; i < harmonogramy.size(); ++i)
      for (const ZakresTygodnia& z : harmonogramy[i]) {
        insZakres.setParam("ID", idZakresu++);
        insZakres.setParam("LEKARZ_ID", idLekarza + static_cast<int>(i));
        insZakres.setParam("DZIEN", z.dzien);
        insZakres.setParam("GODZ1", QTime(z.zakres.godz1 / 60, z.zakres.godz1 % 60));
        insZakres.setParam("GODZ2", QTime(z.zakres.godz2 / 60, z.zakres.godz2 % 60));
        insZakres.execute();
      }
    auto slownik = [&](const char* tabela, const char* sekwencja, const std::vector<Slownik>& pozycje,
                       bool zFlaga) {
      const int pierwszy = Klucze(c, sekwencja, static_cast<int>(pozycje.size()));
      Statement ins(c, QStringLiteral("insert into %1 (ID, KOD, NAZWA%2) values (:ID, :KOD, :NAZWA%3)")
                           .arg(QLatin1String(tabela), zFlaga ? ", USUN" : "", zFlaga ? ", 'N'" : ""));
      for (size_t i = 0; i < pozycje.size(); ++i) {
        ins.setParam("ID", pierwszy + static_cast<int>(i));
        ins.setParam("KOD", pozycje[i].kod);
        ins.setParam("NAZWA", pozycje[i].nazwa);
        ins.execute();
      }
      return pierwszy;
    };
    const int idPorady = slownik("PORADY", "GEN_PORADY_ID", Porady(), false);
    const int idBadania = slownik("BADANIA", "GEN_BADANIA_ID", Badania(), true);
    w.porad = static_cast<int>(Porady().size());
    w.badan = static_cast<int>(Badania().size());

    // Patients, each with a PESEL of his own.
    const int idPacjenta = Klucze(c, "GEN_PACJENCI_ID", p.pacjentow);
    WstawianiePaczkami insPacjent(
        c, "PACJENCI",
        {{"ID", "integer"}, {"LEKARZ_ID", "integer"}, {"NAZWISKO", "varchar(64)"}, {"IMIE", "varchar(32)"},
         {"PESEL", "varchar(11)"}, {"ULICA", "varchar(32)"}, {"NRDOMU", "varchar(8)"}, {"NRLOKAL", "varchar(8)"},
         {"KODP", "varchar(6)"}, {"POCZTA", "varchar(32)"}, {"GMINA", "varchar(32)"}, {"POWIAT", "varchar(32)"},
         {"WOJEWODZTWO", "varchar(32)"}, {"DATAUR", "date"}, {"PLEC", "char(1)"}, {"DTDEKLARLEK", "date"},
         {"DTDEKLARPIEL", "date"}, {"AKTYW", "char(1)"}});
    QSet<QString> pesele;
    pesele.reserve(p.pacjentow);
    for (int i = 0; i < p.pacjentow; ++i) {
      Osoba o = LosujOsobe(g, p.dzis);
      while (pesele.contains(o.pesel)) o.pesel = Pesel(o.dataUr, o.kobieta, los(g, 1, 4999));
      pesele.insert(o.pesel);
      const Adres a = LosujAdres(g);
      const QDate deklaracja = std::max(o.dataUr, p.dzis.addDays(-los(g, 30, 3650)));
      const QVariant lekarz = w.lekarzy ? QVariant(idLekarza + los(g, 0, w.lekarzy - 1)) : QVariant();
      const QVariant dtLek = los(g, 0, 9) < 6 ? QVariant(deklaracja) : QVariant();
      const QVariant dtPiel = los(g, 0, 9) < 5 ? QVariant(deklaracja) : QVariant();
      insPacjent.dodaj({idPacjenta + i, lekarz, o.nazwisko, o.imie, o.pesel, a.ulica, a.nrDomu,
                        a.nrLokal.isEmpty() ? QVariant() : QVariant(a.nrLokal), a.kodP, a.poczta, a.gmina, a.powiat,
                        a.wojewodztwo, o.dataUr, o.kobieta ? "K" : "M", dtLek, dtPiel,
                        los(g, 0, 99) == 0 ? "N" : "T"});
    }
    insPacjent.zakoncz();
    w.pacjentow = p.pacjentow;

    // Visits on the doctors' working days around today, at the slots and now and then between them.
    std::vector<WizytaDemo> wizyty;
    if (p.pacjentow > 0)
      for (int d = -p.dni; d <= p.dni; ++d) {
        const QDate data = p.dzis.addDays(d);
        const int procent = ProcentZajetych(d, p.dni);
        for (size_t i = 0; i < harmonogramy.size(); ++i) {
          bool pracuje = false;
          for (const ZakresTygodnia& z : harmonogramy[i]) {
            if (z.dzien != data.dayOfWeek()) continue;
            pracuje = true;
            for (int m = z.zakres.godz1; m < z.zakres.godz2; m += 10)
              if (los(g, 0, 99) < procent)
                wizyty.push_back({idLekarza + static_cast<int>(i), data, los(g, 0, 9) == 0 ? m + 5 : m});
          }
          // An urgent patient before the hours.
          if (pracuje && los(g, 0, 19) == 0) {
            int start = 24 * 60;
            for (const ZakresTygodnia& z : harmonogramy[i])
              if (z.dzien == data.dayOfWeek()) start = std::min(start, z.zakres.godz1);
            wizyty.push_back({idLekarza + static_cast<int>(i), data, std::max(0, start - 25)});
          }
        }
      }
    int idWizyty = Klucze(c, "GEN_WIZYTY_ID", static_cast<int>(wizyty.size()));
    WstawianiePaczkami insWizyta(c, "WIZYTY",
                                 {{"ID", "integer"}, {"PACJENT_ID", "integer"}, {"LEKARZ_ID", "integer"},
                                  {"PORADA_ID", "integer"}, {"DATA", "date"}, {"GODZ", "time"}, {"ICD10", "varchar(8)"}});
    struct Zlecenie {
      int wizyta, badanie;
    };
    std::vector<Zlecenie> zlecenia;
    const QStringList& icd = KodyICD10();
    for (const WizytaDemo& v : wizyty) {
      const bool odbyta = v.data < p.dzis;
      const bool zPorada = odbyta && los(g, 0, 99) < 75;
      insWizyta.dodaj({idWizyty, idPacjenta + los(g, 0, p.pacjentow - 1), v.lekarz,
                       zPorada ? idPorady + los(g, 0, w.porad - 1) : 0, v.data, QTime(v.minuta / 60, v.minuta % 60),
                       zPorada ? QVariant(icd[los(g, 0, icd.size() - 1)]) : QVariant()});
      if (zPorada && los(g, 0, 99) < 25) {
        const int ile = los(g, 1, 3);
        const int pierwsze = los(g, 0, w.badan - 1);
        for (int k = 0; k < ile; ++k) zlecenia.push_back({idWizyty, idBadania + (pierwsze + k) % w.badan});
      }
      ++idWizyty;
    }
    insWizyta.zakoncz();
    w.wizyt = static_cast<int>(wizyty.size());
    int idZlecenia = Klucze(c, "GEN_BADANIASPLOT_ID", static_cast<int>(zlecenia.size()));
    WstawianiePaczkami insZlecenie(c, "BADANIASPLOT",
                                   {{"ID", "integer"}, {"WIZYTA_ID", "integer"}, {"BADANIE_ID", "integer"}});
    for (const Zlecenie& z : zlecenia) insZlecenie.dodaj({idZlecenia++, z.wizyta, z.badanie});
    insZlecenie.zakoncz();
    w.zlecen = static_cast<int>(zlecenia.size());
    c.commitRetaining();
  } catch (...) {
    c.rollbackRetaining();
    throw;
  }
  return w;
}
