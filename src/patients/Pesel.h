#pragma once
// Rules of the Polish national identification number (PESEL): validity, the
// date of birth and the sex it encodes. Pure functions, no state.
#include <QDate>
#include <QString>

// True when the text is 11 decimal digits, neither the first five nor the last
// six are all zeros, and the weighted digit sum is divisible by 10.
bool PeselPoprawny(const QString& pesel);

// The date of birth in characters 1-6 (the month carries the century:
// +80 for 1800-1899, +0, +20, +40, +60 up to 2299). A null QDate when the
// characters are not such a date.
QDate DataUrodzeniaZPesel(const QString& pesel);

// True when characters 1-6 of the text are the PESEL form of the date.
// A null date, or a year outside 1800-2299, never agrees.
bool PeselZgodnyZData(const QString& pesel, const QDate& data);

// "M" when the 10th character is an odd digit, "K" when even, empty when it
// is missing or not a digit.
QString PlecZPesel(const QString& pesel);
