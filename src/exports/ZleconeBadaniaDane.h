#pragma once
// The counting statement of the ordered-examinations summary: how many times
// each examination was ordered at the visits of a period, by code.
#include "db/Dataset.h"
#include "exports/PlikCSV.h"

#include <QDate>
#include <memory>

class Connection;

extern const char* const SqlZleconeBadania;

// The result rows with `_lp`, their position counting from 1; read-only.
std::unique_ptr<Dataset> UtworzWykazBadan(Connection& polaczenie, QObject* rodzic = nullptr);
// Closes the result, sets data1 / data2 and reads every row.
void OtworzWykazBadan(Dataset& wykaz, const QDate& od, const QDate& do_);
// The rows as the CSV file lists them, first to last.
QList<PozycjaWykazuBadan> PozycjeWykazu(const Dataset& wykaz);
