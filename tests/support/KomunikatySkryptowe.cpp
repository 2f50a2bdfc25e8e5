#include "support/KomunikatySkryptowe.h"

void KomunikatySkryptowe::sygnal() { wpisy.append({Wpis::Sygnal, {}, {}}); }
void KomunikatySkryptowe::komunikat(const QString& tekst) { wpisy.append({Wpis::Komunikat, {}, tekst}); }
bool KomunikatySkryptowe::pytanie(const QString& tytul, const QString& tekst, bool) {
  wpisy.append({Wpis::Pytanie, tytul, tekst});
  return odpowiedzi.isEmpty() ? false : odpowiedzi.takeFirst();
}
void KomunikatySkryptowe::informacja(const QString& tekst, const QString& tytul) {
  wpisy.append({Wpis::Informacja, tytul, tekst});
}
void KomunikatySkryptowe::blad(const QString& tekst) { wpisy.append({Wpis::Blad, {}, tekst}); }

int KomunikatySkryptowe::ileSygnalow() const {
  int n = 0;
  for (const Wpis& w : wpisy) n += w.rodzaj == Wpis::Sygnal;
  return n;
}

QStringList KomunikatySkryptowe::teksty() const {
  QStringList t;
  for (const Wpis& w : wpisy)
    if (w.rodzaj != Wpis::Sygnal) t << w.tekst;
  return t;
}

QString KomunikatySkryptowe::ostatni() const {
  const QStringList t = teksty();
  return t.isEmpty() ? QString() : t.last();
}

ZKomunikatami::ZKomunikatami() {
  auto nowe = std::make_unique<KomunikatySkryptowe>();
  k_ = nowe.get();
  poprzednie_ = ustawKomunikaty(std::move(nowe));
}

ZKomunikatami::~ZKomunikatami() { ustawKomunikaty(std::move(poprzednie_)); }
