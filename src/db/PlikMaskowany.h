#pragma once
// The scrambled file scheme of params.db and logow.db: three file bytes per
// clear byte (the byte XOR a fixed mask, then two random filler bytes).
#include <QByteArray>
#include <QString>

QByteArray OdkodujMaskowane(const QByteArray& plik);
QByteArray ZakodujMaskowane(const QByteArray& jawne);

// Clear text of a scrambled file (WIN1250); a missing file reads as empty.
QString OdczytajPlikMaskowany(const QString& sciezka);
// Writes the clear text scrambled, replacing the file whole; false on failure.
bool ZapiszPlikMaskowany(const QString& sciezka, const QString& tekst);
