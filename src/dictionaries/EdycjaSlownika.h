#pragma once
// The edit dialog of a dictionary row (advice types and examinations alike):
// the ID shown read-only, the code and the name bound to the list's current
// row. OK refuses an empty code; closing in any way cancels what is pending.
#include <QDialog>
#include <QSize>
#include <QString>

class OknoSlownika;
class PowiazanieEdycji;
class QLabel;
class QLineEdit;
class QPushButton;

class EdycjaSlownika : public QDialog {
  Q_OBJECT
 public:
  QLabel* lblID;
  QLineEdit* edKod;
  QLineEdit* edNazwa;
  QPushButton *btnOK, *btnAnuluj;

  void btnOKClick();

 protected:
  EdycjaSlownika(OknoSlownika& lista, const QString& tytul, QSize klient, const QString& pustyKod);
  void showEvent(QShowEvent* e) override;
  void done(int wynik) override;

 private:
  OknoSlownika& lista_;
  PowiazanieEdycji* powiazanie_;
  QString pustyKod_;
};
