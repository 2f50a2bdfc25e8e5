#pragma once
// The widgets of the weekly schedule editor: the week grid, which paints only
// its header row and day-name column, and the range boxes lying over it. Both
// only paint and hand their mouse events to the window.
#include <QColor>
#include <QString>
#include <QWidget>
#include <functional>

class QMouseEvent;

namespace KoloryHarmonogramu {
inline const QColor Zwykly{0x00, 0xFF, 0x00};      // lime
inline const QColor Wybrany{0xFF, 0xFF, 0x00};     // yellow
inline const QColor Nakladanie{0xFF, 0x00, 0x00};  // red
inline const QColor Rysowany{0x00, 0xFF, 0xFF};    // aqua
}  // namespace KoloryHarmonogramu

// Mouse press, move and release, each handed to the window.
struct ObslugaMyszy {
  std::function<void(QMouseEvent&)> wcisniecie, ruch, zwolnienie;
};

class SiatkaHarmonogramu : public QWidget {
  Q_OBJECT
 public:
  explicit SiatkaHarmonogramu(QWidget* parent = nullptr);
  ObslugaMyszy mysz;
  // Header texts: "00".."23" in row 0, the day names in column 0.
  QString Tekst(int wiersz, int kolumna) const;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
};

// One range of the week (or, unnumbered, the drawing box).
class PoleZakresu : public QWidget {
  Q_OBJECT
 public:
  PoleZakresu(int numer, int id, int dzien, QWidget* parent);
  const int numer;  // 1.. in the order of the rows; 0 for the drawing box
  const int id;     // HARMONOGRAM.ID
  const int dzien;
  ObslugaMyszy mysz;

  void UstawKolor(const QColor& kolor);
  const QColor& Kolor() const { return kolor_; }
  void UstawPodpis(const QString& podpis);
  const QString& Podpis() const { return podpis_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QColor kolor_ = KoloryHarmonogramu::Zwykly;
  QString podpis_;
};
