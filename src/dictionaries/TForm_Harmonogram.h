#pragma once
// The weekly work-schedule editor: one doctor's office hours as boxes on a
// week grid at two minutes per pixel. Ranges are drawn over one or several
// days, moved and resized by dragging, removed from the context menu; every
// change is committed at once. The window also holds the day grid's interval.
// Callers set LekarzId and Interwal, run it modally and read both back, with
// the drop-down's position for the doctor tab.
#include <QDialog>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class Connection;
class Dataset;
class QAction;
class QComboBox;
class QMenu;
class QMouseEvent;
class QPushButton;
class QSpinBox;
class PoleZakresu;
class SiatkaHarmonogramu;

class TForm_Harmonogram : public QDialog {
  Q_OBJECT
 public:
  // `listaLekarzy` is the main window's "ID=KOLOR" list of the doctors in use.
  TForm_Harmonogram(Connection& polaczenie, const QStringList& listaLekarzy, QWidget* parent = nullptr);

  int LekarzId = 0;
  int Interwal = 10;
  int WybranyPanel = 0;

  Dataset* sqlLekarze = nullptr;
  Dataset* sqlHarmonogram = nullptr;
  QComboBox* ComboBox1 = nullptr;
  QSpinBox* UpDown1 = nullptr;
  SiatkaHarmonogramu* SG1 = nullptr;
  PoleZakresu* Panel00 = nullptr;
  QPushButton* btnZamknij = nullptr;
  QMenu* popmenuPanelX = nullptr;
  QAction* pmPanelX_Usun = nullptr;

  // The range boxes in the order of the rows.
  const std::vector<PoleZakresu*>& Panele() const { return panele_; }
  // The drop-down position of the chosen doctor (-1 for none).
  int WybranaPozycja() const;

  void ComboBox1Change();
  void pmPanelX_UsunClick();

  void done(int wynik) override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void WypelnijLekarzy();
  // Loads the doctor's ranges and builds their boxes.
  void Zaladuj();
  void UtworzPanele();
  void KolorujPanele();
  PoleZakresu* Panel(int numer) const;
  // Boxes' rectangles but this one's, for the overlap rule.
  std::vector<QRect> InnePola(const PoleZakresu* bez) const;
  void PokazPodpowiedz(const QString& tekst, const QMouseEvent& e);

  // Drawing on the grid (TForm_HarmonogramMysz.cpp).
  void SG1MouseDown(QMouseEvent& e);
  void SG1MouseMove(QMouseEvent& e);
  void SG1MouseUp(QMouseEvent& e);
  // Moving and resizing a box.
  void PanelXXXX_OnMouseDown(PoleZakresu& pole, QMouseEvent& e);
  void PanelXXXX_OnMouseMove(PoleZakresu& pole, QMouseEvent& e);
  void PanelXXXX_OnMouseUp(PoleZakresu& pole, QMouseEvent& e);

  Connection& polaczenie_;
  const QStringList& listaLekarzy_;
  std::vector<PoleZakresu*> panele_;

  bool przeciaganie_ = false;
  bool zmianaRozmiaru_ = false;
  int start_ = 0, koniec_ = 0;
  int wierszStart_ = 0, wierszBiezacy_ = 0;
  int punktChwytu_ = 0;
  QRect staryProstokat_;
  QString staryPodpis_;
};
