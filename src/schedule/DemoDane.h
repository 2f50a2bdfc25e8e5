#pragma once
// Fills an empty clinic database with demo data for a first look and for the
// benchmarks: doctors, their weekly hours, advice types, examinations,
// patients and visits around a given day. One transaction, committed at the end.
#include <QDate>
#include <QString>

class Connection;

struct ParametryDemo {
  int pacjentow = 2000;
  int dni = 14;        // visits from dzis - dni to dzis + dni
  int lekarzy = 5;
  QDate dzis = QDate::currentDate();
  unsigned ziarno = 2024;
};

struct WynikDemo {
  int lekarzy = 0, zakresow = 0, porad = 0, badan = 0, pacjentow = 0, wizyt = 0, zlecen = 0;
};

// True when the database holds no doctor and no patient (the demo refuses otherwise).
bool BazaPustaDlaDemo(Connection& polaczenie);
// Writes the demo rows and commits them; a failure leaves nothing behind (rolled back).
// Throws std::runtime_error, writing nothing, when the database is not empty.
WynikDemo WypelnijDemo(Connection& polaczenie, const ParametryDemo& p);
