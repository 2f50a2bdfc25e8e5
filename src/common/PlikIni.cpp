#include "common/PlikIni.h"

#include "common/Win1250.h"

PlikIni::PlikIni(QString sciezka) : sciezka_(std::move(sciezka)) { wczytaj(); }

void PlikIni::wczytaj() {
  sekcje_.clear();
  for (const QString& surowa : Win1250::czytajLinie(sciezka_)) {
    const QString linia = surowa.trimmed();
    if (linia.isEmpty() || linia.startsWith(u';')) continue;
    if (linia.startsWith(u'[') && linia.endsWith(u']')) {
      sekcje_.append({linia.mid(1, linia.size() - 2).trimmed(), {}});
      continue;
    }
    const qsizetype rowna = linia.indexOf(u'=');
    if (rowna < 0 || sekcje_.isEmpty()) continue;
    sekcje_.last().wpisy.append({linia.left(rowna).trimmed(), linia.mid(rowna + 1)});
  }
}

bool PlikIni::zapisz() const {
  QStringList linie;
  for (const Sekcja& s : sekcje_) {
    linie << u'[' + s.nazwa + u']';
    for (const auto& [k, v] : s.wpisy) linie << k + u'=' + v;
    linie << QString();
  }
  return Win1250::zapiszLinie(sciezka_, linie);
}

const QString* PlikIni::znajdz(const QString& sekcja, const QString& klucz) const {
  for (const Sekcja& s : sekcje_) {
    if (s.nazwa.compare(sekcja, Qt::CaseInsensitive) != 0) continue;
    for (const auto& wpis : s.wpisy)
      if (wpis.first.compare(klucz, Qt::CaseInsensitive) == 0) return &wpis.second;
  }
  return nullptr;
}

QString PlikIni::czytajTekst(const QString& sekcja, const QString& klucz, const QString& domyslny) const {
  const QString* w = znajdz(sekcja, klucz);
  return w ? *w : domyslny;
}

int PlikIni::czytajLiczbe(const QString& sekcja, const QString& klucz, int domyslna) const {
  const QString* w = znajdz(sekcja, klucz);
  if (!w) return domyslna;
  bool ok = false;
  const int v = w->trimmed().toInt(&ok);
  return ok ? v : domyslna;
}

void PlikIni::zapiszTekst(const QString& sekcja, const QString& klucz, const QString& wartosc) {
  Sekcja* cel = nullptr;
  for (Sekcja& s : sekcje_)
    if (s.nazwa.compare(sekcja, Qt::CaseInsensitive) == 0) cel = &s;
  if (!cel) {
    sekcje_.append({sekcja, {}});
    cel = &sekcje_.last();
  }
  for (auto& wpis : cel->wpisy)
    if (wpis.first.compare(klucz, Qt::CaseInsensitive) == 0) {
      wpis.second = wartosc;
      return;
    }
  cel->wpisy.append({klucz, wartosc});
}

void PlikIni::zapiszLiczbe(const QString& sekcja, const QString& klucz, int wartosc) {
  zapiszTekst(sekcja, klucz, QString::number(wartosc));
}
