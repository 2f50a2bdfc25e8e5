#pragma once
// Edits bound to the fields of a dataset's current row, as data-aware
// controls: each shows its field when the row moves or changes, and writes
// what the user types straight into the row (the dataset must be in insert
// or edit state for that, as the opening window arranges).
#include <QObject>
#include <QString>
#include <QVector>

class Dataset;
class QLineEdit;
class QLabel;

class PowiazanieEdycji : public QObject {
  Q_OBJECT
 public:
  explicit PowiazanieEdycji(QObject* parent = nullptr);

  void ustawDataset(Dataset* dataset);
  Dataset* dataset() const { return dataset_; }

  // Text field; `wielkieLitery` turns every typed letter into a capital.
  void tekst(QLineEdit* pole, const QString& nazwa, bool wielkieLitery = false);
  // DATE field shown and typed as DD-MM-YYYY; an empty or incomplete text is null.
  void data(QLineEdit* pole, const QString& nazwa);
  // TIME field shown and typed as HH:NN; an invalid text is null.
  void godzina(QLineEdit* pole, const QString& nazwa);
  // A label showing a field (read only).
  void etykieta(QLabel* etykieta, const QString& nazwa);

  // Shows every field of the current row again.
  void wczytaj();

 private:
  enum class Rodzaj { Tekst, Data, Godzina, Etykieta };
  struct Pole {
    QObject* kontrolka;
    QString nazwa;
    Rodzaj rodzaj;
  };
  void pokaz(const Pole& p);
  void zapisz(const Pole& p);

  Dataset* dataset_ = nullptr;
  QVector<Pole> pola_;
  bool wczytywanie_ = false;
};
