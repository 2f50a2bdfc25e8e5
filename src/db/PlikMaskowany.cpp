#include "db/PlikMaskowany.h"

#include "common/Win1250.h"

#include <QFile>
#include <QRandomGenerator>

namespace {
constexpr char kMaska = static_cast<char>(0xA7);
}

QByteArray OdkodujMaskowane(const QByteArray& plik) {
  QByteArray jawne;
  jawne.reserve(plik.size() / 3 + 1);
  // A last, incomplete group still gives its first byte.
  for (qsizetype i = 0; i < plik.size(); i += 3) jawne.append(static_cast<char>(plik[i] ^ kMaska));
  return jawne;
}

QByteArray ZakodujMaskowane(const QByteArray& jawne) {
  QByteArray plik;
  plik.reserve(jawne.size() * 3);
  QRandomGenerator los(QRandomGenerator::securelySeeded());
  for (char b : jawne) {
    plik.append(static_cast<char>(b ^ kMaska));
    plik.append(static_cast<char>(los.bounded(256)));
    plik.append(static_cast<char>(los.bounded(256)));
  }
  return plik;
}

QString OdczytajPlikMaskowany(const QString& sciezka) {
  QFile f(sciezka);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return Win1250::odkoduj(OdkodujMaskowane(f.readAll()));
}

bool ZapiszPlikMaskowany(const QString& sciezka, const QString& tekst) {
  return Win1250::zapiszBajty(sciezka, ZakodujMaskowane(Win1250::zakoduj(tekst)));
}
