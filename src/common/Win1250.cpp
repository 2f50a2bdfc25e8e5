#include "common/Win1250.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <stdexcept>

namespace Win1250 {

QByteArray zakoduj(const QString& tekst) {
  QStringEncoder enc("windows-1250", QStringConverter::Flag::Default);
  QByteArray wynik = enc(tekst);
  return wynik;
}

QString odkoduj(const QByteArray& bajty) {
  QStringDecoder dec("windows-1250", QStringConverter::Flag::Default);
  QString wynik = dec(bajty);
  return wynik;
}

QStringList podzielLinie(const QString& tekst) {
  QStringList linie;
  QString biezaca;
  for (qsizetype i = 0; i < tekst.size(); ++i) {
    const QChar c = tekst.at(i);
    if (c == u'\r' || c == u'\n') {
      linie.append(biezaca);
      biezaca.clear();
      if (c == u'\r' && i + 1 < tekst.size() && tekst.at(i + 1) == u'\n') ++i;
    } else {
      biezaca.append(c);
    }
  }
  if (!biezaca.isEmpty()) linie.append(biezaca);
  return linie;
}

QStringList czytajLinie(const QString& sciezka) {
  QFile plik(sciezka);
  if (!plik.open(QIODevice::ReadOnly)) return {};
  return podzielLinie(odkoduj(plik.readAll()));
}

static QByteArray zlozLinie(const QStringList& linie) {
  QByteArray bajty;
  for (const QString& l : linie) {
    bajty += zakoduj(l);
    bajty += "\r\n";
  }
  return bajty;
}

bool zapiszBajty(const QString& sciezka, const QByteArray& bajty) {
  QSaveFile plik(sciezka);
  if (!plik.open(QIODevice::WriteOnly)) return false;
  if (plik.write(bajty) != bajty.size()) {
    plik.cancelWriting();
    return false;
  }
  return plik.commit();
}

bool zapiszLinie(const QString& sciezka, const QStringList& linie) {
  return zapiszBajty(sciezka, zlozLinie(linie));
}

void zapiszLinieLubBlad(const QString& sciezka, const QStringList& linie) {
  if (!zapiszLinie(sciezka, linie))
    throw std::runtime_error(QStringLiteral("Nie można zapisać pliku %1").arg(sciezka).toStdString());
}

}  // namespace Win1250
