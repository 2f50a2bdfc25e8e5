#include "patients/EdycjaPacjentaReguly.h"

#include "admin/OpcjeReguly.h"
#include "patients/Pesel.h"

#include <algorithm>

namespace EdycjaPacjentaReguly {

UzupelnienieZPesel UzupelnijZPesel(const QString& pesel, const QDate& dataUrodzenia, const QString& plec) {
  UzupelnienieZPesel u;
  u.peselPoprawny = PeselPoprawny(pesel);
  if (!u.peselPoprawny) return u;
  if (!dataUrodzenia.isValid()) {
    const QDate z = DataUrodzeniaZPesel(pesel);
    if (z.isValid()) u.dataUrodzenia = z;
  }
  if (plec.trimmed().isEmpty()) u.plec = PlecZPesel(pesel);
  return u;
}

QString KomunikatDuplikatu(const InnyPacjent& p) {
  QString t = QStringLiteral("Pacjent z podanym nr PESEL już występuje w bazie danych jako:\n") + p.nazwisko +
              QStringLiteral(" ") + p.imie;
  if (p.aktyw == QStringLiteral("N")) t += QStringLiteral(" (Usunięty)");
  return t;
}

WynikSprawdzenia SprawdzDane(const DaneDoSprawdzenia& d,
                             const std::function<std::optional<InnyPacjent>(const QString& pesel)>& innyZPeselem) {
  if (d.nazwisko.isEmpty()) return {PoleBledu::Nazwisko, QStringLiteral("Wpisz nazwisko")};
  if (d.imie.isEmpty()) return {PoleBledu::Imie, QStringLiteral("Wpisz imię")};
  if (!PeselPoprawny(d.pesel)) return {PoleBledu::Pesel, QStringLiteral("Błędny nr PESEL")};
  if (const auto inny = innyZPeselem(d.pesel)) return {PoleBledu::Pesel, KomunikatDuplikatu(*inny)};
  if (!PeselZgodnyZData(d.pesel, d.dataUrodzenia))
    return {PoleBledu::DataUrodzenia, QStringLiteral("Niezgodność nr PESEL z datą urodzenia")};
  if (PlecZPesel(d.pesel) != d.plec) return {PoleBledu::Plec, QStringLiteral("Niezgodność nr PESEL z wybraną płcią")};
  return {};
}

namespace {
int IndeksKodu(const QStringList& kody, const QString& kod) {
  for (int i = 0; i < kody.size(); ++i) {
    const int r = kody[i].indexOf(u'=');
    if (r >= 0 && kody[i].left(r).compare(kod, Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}
}  // namespace

std::optional<QString> WartoscKodu(const QStringList& kody, const QString& kod) {
  const int i = IndeksKodu(kody, kod);
  if (i < 0) return std::nullopt;
  return kody[i].mid(kody[i].indexOf(u'=') + 1);
}

void UstawKod(QStringList& kody, const QString& kod, const QString& wartosc) {
  const QString linia = kod + u'=' + wartosc;
  const int i = IndeksKodu(kody, kod);
  if (i >= 0)
    kody[i] = linia;
  else
    kody.append(linia);
}

std::optional<std::array<QString, 4>> CzesciAdresu(const QString& wartosc) {
  QStringList czesci = wartosc.toUpper().split(u';');
  // A final ";" closes the last part rather than opening an empty one.
  if (!czesci.isEmpty() && czesci.last().isEmpty()) czesci.removeLast();
  if (czesci.size() != 4) return std::nullopt;
  return std::array<QString, 4>{czesci[0], czesci[1], czesci[2], czesci[3]};
}

QString WartoscAdresu(const QString& poczta, const QString& gmina, const QString& powiat, const QString& wojewodztwo) {
  return (poczta + u';' + gmina + u';' + powiat + u';' + wojewodztwo).toUpper();
}

bool KodPelny(const QString& kod) { return kod.size() == 6; }

QString PlikListy(Lista lista) {
  switch (lista) {
    case Lista::Gminy:
      return QStringLiteral("lista_gmin.txt");
    case Lista::Powiaty:
      return QStringLiteral("lista_powiatow.txt");
    case Lista::Wojewodztwa:
      break;
  }
  return QStringLiteral("lista_wojewodztw.txt");
}

std::pair<QString, QString> PytanieONowaPozycje(Lista lista, const QString& tekst) {
  switch (lista) {
    case Lista::Gminy:
      return {QStringLiteral("Nowa gmina"), QStringLiteral("Dodać gminę '%1' do listy gmin?").arg(tekst)};
    case Lista::Powiaty:
      return {QStringLiteral("Nowy powiat"), QStringLiteral("Dodać powiat '%1' do listy powiatów?").arg(tekst)};
    case Lista::Wojewodztwa:
      break;
  }
  return {QStringLiteral("Nowe województwo"), QStringLiteral("Dodać województwo '%1' do listy województw?").arg(tekst)};
}

bool NowaPozycja(const QStringList& pozycje, const QString& tekst) {
  const QString t = tekst.trimmed();
  return !t.isEmpty() && !pozycje.contains(t, Qt::CaseInsensitive);
}

QStringList DodajPozycje(QStringList pozycje, const QString& tekst) {
  pozycje.append(tekst);
  std::stable_sort(pozycje.begin(), pozycje.end(), OpcjeReguly::PrzedWgPolskiego);
  return pozycje;
}

}  // namespace EdycjaPacjentaReguly
