#pragma once
// The report variables of the day visit list and the doctor's tab caption.
#include <QDate>
#include <QString>
#include <optional>

namespace WykazWizyt {

inline const char* const Szablon = "Wizyty.frf";
inline const char* const Tytul = "WykazWizyt";

// The caption of a doctor's tab: a space at each end and between the names.
QString PodpisLekarza(const QString& nazwisko, const QString& imie);

// "dzien" = the day as DD-MM-YYYY, "lekarz" = the tab caption as it stands;
// names compared exactly; any other name gets no answer.
std::optional<QString> Zmienna(const QString& nazwa, const QDate& dzien, const QString& lekarz);

}  // namespace WykazWizyt
