#pragma once
// Rules of the doctor dictionary: the doctors' colours and the keys the
// PESEL edit lets through. No widgets, no database.
#include <QColor>

class QRandomGenerator;

// A random light colour for a new doctor: red, green and blue each 200 plus a
// whole number from 0 to 54, drawn in that order.
QColor LosowyKolor(QRandomGenerator& generator);
QColor LosowyKolor();  // from the global generator

// A picked colour with every component raised to at least 100, so that black
// text stays readable on the doctor's tab and grid.
QColor KolorCoNajmniej100(const QColor& kolor);

// Characters the PESEL edit accepts when typed: the digits 0-9 and Backspace.
bool ZnakPolaPesel(QChar znak);
