#pragma once
// "Historia pacjenta": one patient's visits, newest first, and every
// examination ordered at them, oldest first, with the examinations of the
// selected visit current, visible and bold. Read only.
#include "patients/HistoriaPacjentaDane.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QSplitter;
class SiatkaListy;

class TForm_HistoriaPacjenta : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_HistoriaPacjenta(Connection& polaczenie, QWidget* rodzic = nullptr);

  // Set by the patient list before showing.
  int PacjentID = 0;
  // The patient panel from the patient list's current row.
  void UstawPacjenta(const Dataset& pacjenci);

  Dataset& sqlWizyty() { return dane_.sqlWizyty; }
  Dataset& sqlBadania() { return dane_.sqlBadania; }

  QLabel *lblID, *lblPESEL, *lblNazwiskoImie, *lblAdres, *lblPoczta;
  QLabel *lblPacjent, *lblHistoriaWizyt, *lblZleconeBadania;  // the headings
  SiatkaListy* DBGrid1;  // visits
  SiatkaListy* DBGrid2;  // examinations
  QSplitter* Splitter1;
  QPushButton* btnZamknij;

  // Makes the visit's first examination current with the rows after it below.
  void PokazBadaniaWizyty(int wizytaId);

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;

 private:
  void FormShow();
  void FormClose();
  void sqlWizytyAfterScroll();
  bool BadanieBiezacejWizyty(int wiersz) const;

  HistoriaPacjentaDane dane_;
  bool otwarte_ = false;
};
