#include "exports/PlikCSV.h"

#include "common/Formaty.h"

#include "common/Win1250.h"
#include "exports/PodstawPola.h"

#include <QRegularExpression>

QStringList LinieCSV(const QList<QStringList>& wiersze, int iloscKolumn) {
  QStringList linie;
  linie.reserve(wiersze.size());
  for (const QStringList& komorki : wiersze) {
    QString linia;
    for (int i = 0; i < iloscKolumn; ++i) {
      if (i > 0) linia += u';';
      if (i < komorki.size()) linia += komorki.at(i);
    }
    linie.append(linia);
  }
  return linie;
}

void ZapiszPlikCSV(const QString& sciezka, const QList<QStringList>& wiersze, int iloscKolumn) {
  Win1250::zapiszLinieLubBlad(sciezka, LinieCSV(wiersze, iloscKolumn));
}

void ZapiszEksportCSV(const QString& sciezka, const SzablonKolumn& szablon, const QList<QStringList>& wiersze) {
  QList<QStringList> plik;
  plik.reserve(wiersze.size() + 1);
  plik.append(NaglowkiSzablonu(szablon));
  plik.append(wiersze);
  ZapiszPlikCSV(sciezka, plik, int(szablon.size()));
}

bool RozbierzMiesiacEksportu(const QString& tekst, int& rok, int& miesiac) {
  static const QRegularExpression wzor(QStringLiteral("^(\\d{4})-(\\d{2})$"));
  const QRegularExpressionMatch m = wzor.match(tekst);
  if (!m.hasMatch()) return false;
  const int r = m.captured(1).toInt();
  const int mc = m.captured(2).toInt();
  if (r < RokEksportuOd || r > RokEksportuDo || mc < 1 || mc > 12) return false;
  rok = r;
  miesiac = mc;
  return true;
}

QDate PierwszyDzienMiesiaca(int rok, int miesiac) { return QDate(rok, miesiac, 1); }

QDate OstatniDzienMiesiaca(int rok, int miesiac) {
  const QDate pierwszy = PierwszyDzienMiesiaca(rok, miesiac);
  return pierwszy.isValid() ? QDate(rok, miesiac, pierwszy.daysInMonth()) : QDate();
}

QString NazwaPlikuEksportuWizyt(int rok, int miesiac) {
  return QString::asprintf("EksportWizyt_%04d-%02d.csv", rok, miesiac);
}

QString NazwaPlikuEksportuDeklaracji(int rok, int miesiac) {
  return QString::asprintf("EksportDeklaracji_%04d-%02d.csv", rok, miesiac);
}

static bool wOkresie(const QDate& d, const QDate& od, const QDate& do_) {
  return d.isValid() && d >= od && d <= do_;
}

QList<PozycjaDeklaracji> PozycjeDeklaracji(const QDate& dtDeklarLek, const QDate& dtDeklarPiel,
                                           const QDate& data1, const QDate& data2) {
  QList<PozycjaDeklaracji> pozycje;
  if (wOkresie(dtDeklarLek, data1, data2)) pozycje.append({DeklaracjaLekarska, dtDeklarLek});
  if (wOkresie(dtDeklarPiel, data1, data2)) pozycje.append({DeklaracjaPielegniarska, dtDeklarPiel});
  return pozycje;
}

QString OkresWykazu(const QDate& od, const QDate& do_) {
  return Formaty::dataEksportu(od) + u'÷' + Formaty::dataEksportu(do_);
}

QString NazwaPlikuWykazuBadan(const QDate& od, const QDate& do_) {
  return QStringLiteral("Badania_") + OkresWykazu(od, do_) + QStringLiteral(".csv");
}

QStringList LinieWykazuBadan(const QDate& od, const QDate& do_, const QList<PozycjaWykazuBadan>& pozycje) {
  QStringList linie{QStringLiteral("Wykaz ilościowy badań: ") + OkresWykazu(od, do_), QString(),
                    QStringLiteral("Lp;Nazwa;Ilość")};
  for (qsizetype i = 0; i < pozycje.size(); ++i)
    // Concatenated, not arg()-chained: a name may itself hold "%1".
    linie.append(QString::number(i + 1) + u';' + pozycje.at(i).nazwa + u';' + QString::number(pozycje.at(i).ilosc));
  return linie;
}

void ZapiszWykazBadan(const QString& sciezka, const QDate& od, const QDate& do_,
                      const QList<PozycjaWykazuBadan>& pozycje) {
  Win1250::zapiszLinieLubBlad(sciezka, LinieWykazuBadan(od, do_, pozycje));
}
