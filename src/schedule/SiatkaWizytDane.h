#pragma once
// The data behind the day grid: the day's visits (the dataset the visit
// commands edit and the printout reads), the advice-type list the visits look
// their code and name up in, the doctor's working ranges for the weekday, and
// the doctors in use for the tabs. Shared by the main window and orbe-admin.
#include "db/Dataset.h"
#include "schedule/SiatkaDnia.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <vector>

class Connection;

// One doctor in use, as a tab shows him.
struct LekarzZakladki {
  int id = 0;
  QString nazwisko, imie;
  int kolor = 0;  // an empty KOLOR counts as 0
};

class SiatkaWizytDane : public QObject {
  Q_OBJECT
 public:
  explicit SiatkaWizytDane(Connection& polaczenie, QObject* parent = nullptr);

  Dataset sqlWizyty;
  Dataset sqlPorady;
  Dataset sqlHarmonogram;

  // Closes the visits, sets :data and :lekarz_id, opens them.
  void OtworzWizyty(const QDate& data, int lekarzId);
  // The weekday of the date and the doctor as :dzien and :lekarz_id.
  void OtworzHarmonogram(const QDate& data, int lekarzId);
  // Closes and reopens the advice types; codes added meanwhile are found.
  void OtworzPorady();

  // KOD and NAZWA of an advice type, both empty when there is none.
  QPair<QString, QString> Porada(int poradaId) const;

  // The open queries as the day grid's inputs.
  std::vector<SiatkaDnia::WizytaDnia> WizytyDnia() const;
  std::vector<SiatkaDnia::ZakresPracy> ZakresyPracy() const;
  // The rows of the day from the open queries.
  SiatkaDnia::Wiersze ZbudujWiersze(int grafikCo) const;
  // The same rows as text lines: time, visit ID (empty when free), name,
  // PESEL and "tak" / "nie" for working hours, separated by tabs.
  QStringList LinieDnia(int lekarzId, int grafikCo) const;

  // LEKARZE with USUN = 'N', in tab order.
  static std::vector<LekarzZakladki> LekarzeWUzyciu(Connection& polaczenie);

 private:
  void PrzeliczPorady();
  QHash<int, QPair<QString, QString>> porady_;
};
