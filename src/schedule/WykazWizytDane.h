#pragma once
// The day's visits of one doctor as the printout reads them: the visit
// columns, the patient's columns and the advice type's code and name.
#include <QDate>
#include <memory>

class Connection;
class Dataset;

namespace WykazWizyt {

// The visits of the day and doctor ordered by time, then ID, with
// _porada_kod / _porada_nazwa looked up in PORADY (empty when none). Open.
std::unique_ptr<Dataset> OtworzWizytyDnia(Connection& polaczenie, int lekarzId, const QDate& dzien);

// The tab caption of the doctor with this ID; "" when there is none.
QString PodpisLekarzaZBazy(Connection& polaczenie, int lekarzId);

}  // namespace WykazWizyt
