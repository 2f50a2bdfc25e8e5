#include "schedule/DemoReguly.h"

namespace DemoReguly {

namespace {

int los(Losowanie& g, int od, int doW) { return std::uniform_int_distribution<int>(od, doW)(g); }

template <typename T>
const T& wybierz(Losowanie& g, const std::vector<T>& v) {
  return v[static_cast<size_t>(los(g, 0, static_cast<int>(v.size()) - 1))];
}

const std::vector<QString>& nazwiska() {
  static const std::vector<QString> n = {
      "NOWAK", "KOWALSKI", "WIŚNIEWSKI", "WÓJCIK", "KOWALCZYK", "KAMIŃSKI", "LEWANDOWSKI", "ZIELIŃSKI",
      "SZYMAŃSKI", "WOŹNIAK", "DĄBROWSKI", "KOZŁOWSKI", "JANKOWSKI", "MAZUR", "KWIATKOWSKI", "KRAWCZYK",
      "PIOTROWSKI", "GRABOWSKI", "NOWAKOWSKI", "PAWŁOWSKI", "MICHALSKI", "NOWICKI", "ADAMCZYK", "DUDEK",
      "ZAJĄC", "WIECZOREK", "JABŁOŃSKI", "KRÓL", "MAJEWSKI", "OLSZEWSKI", "JAWORSKI", "WRÓBEL",
      "MALINOWSKI", "PAWLAK", "WITKOWSKI", "WALCZAK", "STĘPIEŃ", "GÓRSKI", "RUTKOWSKI", "MICHALAK",
      "SIKORA", "OSTROWSKI", "BARAN", "DUDA", "SZEWCZYK", "TOMASZEWSKI", "PIETRZAK", "MARCINIAK",
      "WRÓBLEWSKI", "ZALEWSKI", "JAKUBOWSKI", "JASIŃSKI", "ZAWADZKI", "SADOWSKI", "BĄK", "CHMIELEWSKI",
      "WŁODARCZYK", "BORKOWSKI", "CZARNECKI", "SAWICKI", "SOKOŁOWSKI", "URBAŃSKI", "KUBIAK", "MACIEJEWSKI",
      "SZCZEPAŃSKI", "KUCHARSKI", "WILK", "KALINOWSKI", "LIS", "MAZUREK", "WYSOCKI", "ADAMSKI",
      "KAŹMIERCZAK", "WASILEWSKI", "SOBCZAK", "CZERWIŃSKI", "ANDRZEJEWSKI", "CIESIELSKI", "GŁOWACKI",
      "ZAKRZEWSKI", "KOŁODZIEJ", "SIKORSKI", "KRAJEWSKI", "GAJEWSKI", "SZYMCZAK", "SZULC", "BARANOWSKI",
      "LASKOWSKI", "BRZEZIŃSKI", "MAKOWSKI", "ZIÓŁKOWSKI", "PRZYBYLSKI", "GRZELAK", "SOWA", "BIELECKI"};
  return n;
}

const std::vector<QString>& imionaZenskie() {
  static const std::vector<QString> n = {
      "ANNA", "MARIA", "KATARZYNA", "MAŁGORZATA", "AGNIESZKA", "BARBARA", "EWA", "KRYSTYNA", "ELŻBIETA",
      "MAGDALENA", "JOANNA", "ZOFIA", "MONIKA", "TERESA", "DANUTA", "NATALIA", "JULIA", "ALEKSANDRA",
      "KAROLINA", "MARTA", "BEATA", "DOROTA", "HALINA", "JADWIGA", "IRENA", "JANINA", "ALICJA", "HANNA",
      "ZUZANNA", "WIKTORIA", "OLIWIA", "LENA", "GRAŻYNA", "URSZULA", "ŁUCJA"};
  return n;
}

const std::vector<QString>& imionaMeskie() {
  static const std::vector<QString> n = {
      "PIOTR", "KRZYSZTOF", "ANDRZEJ", "TOMASZ", "JAN", "PAWEŁ", "MICHAŁ", "MARCIN", "STANISŁAW", "JAKUB",
      "ADAM", "MAREK", "ŁUKASZ", "GRZEGORZ", "MATEUSZ", "WOJCIECH", "MARIUSZ", "DARIUSZ", "ZBIGNIEW",
      "JERZY", "TADEUSZ", "RYSZARD", "KAMIL", "MACIEJ", "KACPER", "FILIP", "SZYMON", "ANTONI", "JÓZEF",
      "HENRYK", "BARTOSZ", "KAROL", "WIKTOR", "MIKOŁAJ", "ZDZISŁAW"};
  return n;
}

const std::vector<QString>& ulice() {
  static const std::vector<QString> n = {
      "MICKIEWICZA", "SŁOWACKIEGO", "KOŚCIUSZKI", "DŁUGA", "KRÓTKA", "OGRODOWA", "POLNA", "LEŚNA",
      "SZKOLNA", "KOLEJOWA", "ŁĄKOWA", "KWIATOWA", "SPACEROWA", "JANA PAWŁA II", "PIŁSUDSKIEGO",
      "3 MAJA", "SIENKIEWICZA", "KRAKOWSKA", "WARSZAWSKA", "RYNEK", "LIPOWA", "BRZOZOWA", "SŁONECZNA",
      "MŁYŃSKA", "ZIELONA", "KONOPNICKIEJ", "REYMONTA", "WYSPIAŃSKIEGO", "MATEJKI", "CHOPINA",
      "PARKOWA", "OS. TYSIĄCLECIA", "ŻEROMSKIEGO", "GRUNWALDZKA", "WIEJSKA", "ŚWIĘTEGO MARCINA"};
  return n;
}

struct Miejscowosc {
  QString poczta, kod, gmina, powiat;
  bool miasto;  // flats are common
  int waga;
};

const std::vector<Miejscowosc>& miejscowosci() {
  static const std::vector<Miejscowosc> n = {
      {"WIELICZKA", "32-020", "WIELICZKA", "WIELICKI", true, 40},
      {"KRAKÓW", "30-", "KRAKÓW", "KRAKÓW", true, 15},
      {"NIEPOŁOMICE", "32-005", "NIEPOŁOMICE", "WIELICKI", true, 12},
      {"BISKUPICE", "32-020", "BISKUPICE", "WIELICKI", false, 8},
      {"GDÓW", "32-420", "GDÓW", "WIELICKI", false, 6},
      {"KŁAJ", "32-015", "KŁAJ", "WIELICKI", false, 6},
      {"SKAWINA", "32-050", "SKAWINA", "KRAKOWSKI", true, 5},
      {"DOBCZYCE", "32-410", "DOBCZYCE", "MYŚLENICKI", false, 4},
      {"ŚWIĄTNIKI GÓRNE", "32-040", "ŚWIĄTNIKI GÓRNE", "KRAKOWSKI", false, 4}};
  return n;
}

// Light colours, as RGB; stored as 0xBBGGRR.
constexpr int kKolory[][3] = {{200, 230, 255}, {255, 228, 196}, {210, 245, 210}, {255, 250, 200},
                              {232, 215, 250}, {255, 215, 225}, {205, 240, 240}, {240, 235, 220}};

}  // namespace

QString NazwiskoZenskie(const QString& meskie) {
  if (meskie.endsWith(QStringLiteral("SKI")) || meskie.endsWith(QStringLiteral("CKI")) ||
      meskie.endsWith(QStringLiteral("DZKI")))
    return meskie.left(meskie.size() - 1) + u'A';
  return meskie;
}

QString Pesel(const QDate& dataUr, bool kobieta, int seria) {
  const int y = dataUr.year();
  int miesiac = dataUr.month();
  if (y < 1900) miesiac += 80;
  else if (y >= 2000 && y < 2100) miesiac += 20;
  else if (y >= 2100 && y < 2200) miesiac += 40;
  else if (y >= 2200) miesiac += 60;
  // Serial 0..4999 spreads over the three serial digits and the sex digit's choice.
  const int plec = (seria % 5) * 2 + (kobieta ? 0 : 1);
  QString p = QString::asprintf("%02d%02d%02d%03d%d", y % 100, miesiac, dataUr.day(), (seria / 5) % 1000, plec);
  static const int wagi[10] = {1, 3, 7, 9, 1, 3, 7, 9, 1, 3};
  int suma = 0;
  for (int i = 0; i < 10; ++i) suma += p[i].digitValue() * wagi[i];
  return p + QString::number((10 - suma % 10) % 10);
}

Osoba LosujOsobe(Losowanie& g, const QDate& dzis) {
  Osoba o;
  o.kobieta = los(g, 0, 99) < 53;
  // Two draws, the younger kept now and then: fewer very old patients.
  int wiek = los(g, 0, 95);
  if (wiek > 70 && los(g, 0, 2) == 0) wiek = los(g, 0, 70);
  o.dataUr = dzis.addYears(-wiek).addDays(-los(g, 0, 364));
  const QString& n = wybierz(g, nazwiska());
  o.nazwisko = o.kobieta ? NazwiskoZenskie(n) : n;
  o.imie = wybierz(g, o.kobieta ? imionaZenskie() : imionaMeskie());
  // Serial 0 of a woman born on a day ending in 0 could give six zeros at the end.
  o.pesel = Pesel(o.dataUr, o.kobieta, los(g, 1, 4999));
  return o;
}

Adres LosujAdres(Losowanie& g) {
  const auto& m = miejscowosci();
  int suma = 0;
  for (const auto& x : m) suma += x.waga;
  int r = los(g, 0, suma - 1);
  size_t i = 0;
  while (r >= m[i].waga) r -= m[i++].waga;
  const Miejscowosc& w = m[i];
  Adres a;
  a.ulica = wybierz(g, ulice());
  a.nrDomu = QString::number(los(g, 1, w.miasto ? 120 : 60));
  if (los(g, 0, 9) == 0) a.nrDomu += QChar(u'A' + los(g, 0, 2));
  if (w.miasto && los(g, 0, 99) < 55) a.nrLokal = QString::number(los(g, 1, 60));
  a.kodP = w.kod.size() == 3 ? w.kod + QString::asprintf("%03d", los(g, 1, 999)) : w.kod;
  a.poczta = w.poczta;
  a.gmina = w.gmina;
  a.powiat = w.powiat;
  a.wojewodztwo = QStringLiteral("MAŁOPOLSKIE");
  return a;
}

std::vector<Lekarz> Lekarze(Losowanie& g, int ile, const QDate& dzis) {
  std::vector<Lekarz> wynik;
  const int kolorow = static_cast<int>(std::size(kKolory));
  for (int i = 0; i < ile; ++i) {
    Lekarz l;
    l.osoba = LosujOsobe(g, dzis);
    // Doctors are grown-ups of working age.
    l.osoba.dataUr = dzis.addYears(-los(g, 30, 64)).addDays(-los(g, 0, 364));
    l.osoba.pesel = Pesel(l.osoba.dataUr, l.osoba.kobieta, los(g, 1, 4999));
    l.pwzl = QString::number(los(g, 1000000, 9999999));
    const int* k = kKolory[i % kolorow];
    l.kolor = (k[2] << 16) | (k[1] << 8) | k[0];
    wynik.push_back(l);
  }
  return wynik;
}

std::vector<ZakresTygodnia> Harmonogram(int numer) {
  auto m = [](int g, int n) { return g * 60 + n; };
  std::vector<ZakresTygodnia> w;
  switch (numer % 4) {
    case 0:  // mornings and afternoons on Monday, Wednesday, Friday; Tuesday and Thursday afternoon only
      for (int d : {1, 3, 5}) {
        w.push_back({d, {m(8, 0), m(12, 0)}});
        w.push_back({d, {m(14, 0), m(18, 0)}});
      }
      for (int d : {2, 4}) w.push_back({d, {m(12, 0), m(18, 0)}});
      break;
    case 1:  // every weekday morning, a short Saturday
      for (int d = 1; d <= 5; ++d) w.push_back({d, {m(7, 30), m(13, 30)}});
      w.push_back({6, {m(9, 0), m(12, 0)}});
      break;
    case 2:  // three ranges on Tuesday
      for (int d : {1, 4}) w.push_back({d, {m(10, 0), m(16, 0)}});
      w.push_back({2, {m(8, 0), m(10, 0)}});
      w.push_back({2, {m(11, 0), m(14, 0)}});
      w.push_back({2, {m(15, 0), m(19, 0)}});
      w.push_back({5, {m(8, 0), m(12, 0)}});
      break;
    default:  // afternoons
      for (int d = 1; d <= 5; ++d) w.push_back({d, {m(13, 0), m(19, 0)}});
      break;
  }
  return w;
}

const std::vector<Slownik>& Porady() {
  static const std::vector<Slownik> p = {
      {"P01", "Porada lekarska w gabinecie"},     {"P02", "Porada lekarska w domu pacjenta"},
      {"P03", "Porada pediatryczna"},             {"P04", "Bilans zdrowia dziecka"},
      {"P05", "Szczepienie ochronne"},            {"P06", "Porada kontrolna"},
      {"P07", "Wystawienie recepty"},             {"P08", "Teleporada"},
      {"P09", "Badanie profilaktyczne"},          {"P10", "Orzeczenie lekarskie"}};
  return p;
}

const std::vector<Slownik>& Badania() {
  static const std::vector<Slownik> b = {
      {"MORF", "Morfologia krwi z rozmazem"},    {"OB", "Odczyn Biernackiego"},
      {"GLU", "Glukoza we krwi"},                {"MOCZ", "Badanie ogólne moczu"},
      {"CHOL", "Cholesterol całkowity"},         {"LIPID", "Lipidogram"},
      {"TSH", "Hormon tyreotropowy TSH"},        {"KREA", "Kreatynina"},
      {"ALT", "Aminotransferaza alaninowa ALT"}, {"AST", "Aminotransferaza asparaginianowa AST"},
      {"CRP", "Białko C-reaktywne"},             {"NAK", "Sód i potas"},
      {"EKG", "Elektrokardiogram spoczynkowy"},  {"RTG-KL", "RTG klatki piersiowej"},
      {"USG-JB", "USG jamy brzusznej"}};
  return b;
}

const QStringList& KodyICD10() {
  static const QStringList k = {"J06.9", "J20.9", "I10",   "E11.9", "M54.5", "K29.7", "J02.9", "N39.0",
                                "R51",   "Z00.0", "E78.0", "J45.9", "F41.9", "H10.9", "L20.9", "B34.9"};
  return k;
}

}  // namespace DemoReguly
