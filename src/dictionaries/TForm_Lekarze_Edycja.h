#pragma once
// The doctor editor, shown by the doctor list on its dataset's row in insert
// or edit state. It validates the PESEL and posts on OK; closing it any other
// way cancels the pending change. It never commits: the list does.
#include <QColor>
#include <QDialog>
#include <QFrame>
#include <functional>
#include <optional>

class Dataset;
class QLabel;
class QLineEdit;
class QPushButton;
class PowiazanieEdycji;
class TForm_Lekarze;

// The colour swatch: a framed rectangle that reports any mouse press.
class ProbkaKoloru : public QFrame {
  Q_OBJECT
 public:
  explicit ProbkaKoloru(QWidget* parent = nullptr);
  QColor kolor() const { return kolor_; }
  void ustawKolor(const QColor& kolor);

 signals:
  void nacisnieta();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QColor kolor_{Qt::white};
};

class TForm_Lekarze_Edycja : public QDialog {
  Q_OBJECT
 public:
  // A child of the list, so it goes with it.
  explicit TForm_Lekarze_Edycja(TForm_Lekarze& lista);

  QLabel* lblID = nullptr;
  QLineEdit *edNazwisko, *edImie, *edPWZL, *edPESEL;
  ProbkaKoloru* shpKolor = nullptr;
  QPushButton *btnOK, *btnAnuluj;

  // The colour dialog: starting colour in, the confirmed colour out (nothing
  // when cancelled). Tests put their own picker here.
  std::function<std::optional<QColor>(const QColor& poczatkowy, QWidget* rodzic)> WybierzKolor;

  // The PESEL check: empty, or valid by the PESEL rules.
  bool SprawdzDane();
  void btnOKClick();
  void shpKolorMouseDown();

  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

 private:
  Dataset& sqlLekarze_;
  PowiazanieEdycji* powiazanie_;
};
