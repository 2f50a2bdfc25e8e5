#pragma once
// The doctor list: maintained from the main window ("EDYCJA") and used to
// pick a doctor from the visit and patient editors ("WYBOR"). Callers set
// Tryb and WybraneID, run it modally, then read the result and WybraneID.
#include <QDialog>
#include <QString>

class Connection;
class Dataset;
class QAction;
class QPushButton;
class SiatkaListy;
class TForm_Lekarze_Edycja;

class TForm_Lekarze : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_Lekarze(Connection& polaczenie, QWidget* parent = nullptr);

  QString Tryb = QStringLiteral("EDYCJA");
  // In: the doctor to put the cursor on. Out: the current row's ID when the
  // window closed, whatever closed it (0 for an empty list).
  int WybraneID = 0;

  Dataset* sqlLekarze = nullptr;
  SiatkaListy* DBGrid1 = nullptr;
  QAction *aDodaj, *aUsun, *aEdytuj;
  QPushButton* btnOK = nullptr;
  QPushButton* btnAnuluj = nullptr;

  // The editor registers itself here when it is created.
  void UstawEdytor(TForm_Lekarze_Edycja* edytor) { edytor_ = edytor; }
  void UstawAkcje();
  // The current row's ID, 0 when there is none.
  int BiezaceID() const;

  void aDodajExecute();
  void aEdytujExecute();
  void aUsunExecute();
  void DBGrid1DblClick();

  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  bool Wybor() const { return Tryb == QStringLiteral("WYBOR"); }
  // Shows the editor on the row in insert or edit state, then commits or rolls back.
  void Edytuj();

  Connection& polaczenie_;
  TForm_Lekarze_Edycja* edytor_ = nullptr;
};
