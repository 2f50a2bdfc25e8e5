#pragma once
// "Zlecone badania": how many times each examination was ordered at the
// visits of a period, shown in a grid, saved as CSV or printed.
#include <QDialog>
#include <memory>

class QAction;
class QDateEdit;
class QLabel;
class QPushButton;
class QStackedLayout;
class Dataset;
class Raport;
class SiatkaListy;

class TForm_ZleconeBadania : public QDialog {
  Q_OBJECT
 public:
  explicit TForm_ZleconeBadania(QWidget* rodzic = nullptr);
  ~TForm_ZleconeBadania() override;

  QAction *aGeneruj, *aZapisz, *aDrukuj;
  QDateEdit *DateTimePicker1, *DateTimePicker2;
  QLabel* Panel1;  // the panel's caption, seen while the grid is hidden
  SiatkaListy* DBGrid1;
  QLabel* Label4;
  QPushButton* btnZamknij;

  Dataset& sqlZleconeBadania() { return *wykaz_; }
  QString ProponowanaNazwaPliku() const;
  // Writes the result as the CSV file.
  void ZapiszWykaz(const QString& sciezka);

  static const QString FiltrPlikow;

 protected:
  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;

 private:
  void FormShow();
  void FormClose();
  void UstawOkres();
  void ZmianaDaty();
  void UstawAkcje();
  void aGenerujExecute();
  void aZapiszExecute();
  void aDrukujExecute();

  std::unique_ptr<Dataset> wykaz_;
  Raport* raport_ = nullptr;
  QStackedLayout* srodek_ = nullptr;
  bool otwarte_ = false;
};
