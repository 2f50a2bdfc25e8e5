#pragma once
// The owner-drawn doctor tabs TabControl1: one tab per doctor along the bottom
// of the grid, each filled with the doctor's colour, and at the right end a
// small toolbar with the previous / next tab buttons.
#include <QTabBar>
#include <QWidget>

class QAction;
class QToolBar;

class PasekZakladek : public QTabBar {
  Q_OBJECT
 public:
  explicit PasekZakladek(QWidget* parent = nullptr);
  // Fill colours (0xBBGGRR) by tab index; a tab past the list keeps the button face.
  void UstawKolory(QVector<int> kolory);
  const QVector<int>& Kolory() const { return kolory_; }
  // The selected tab, -1 when none is (a tab bar with tabs always has a current one).
  int Wybrana() const { return brak_ ? -1 : currentIndex(); }
  void UstawBrakWyboru(bool brak);

 protected:
  QSize tabSizeHint(int index) const override;
  void paintEvent(QPaintEvent* e) override;

 private:
  QVector<int> kolory_;
  bool brak_ = false;
};

class ZakladkiLekarzy : public QWidget {
  Q_OBJECT
 public:
  ZakladkiLekarzy(QAction* poprzednia, QAction* nastepna, QWidget* parent = nullptr);

  // Replaces the tabs; the first becomes the selected one (none when empty).
  // The change is the program's own: zmiana() is not sent.
  void UstawZakladki(const QStringList& podpisy, const QVector<int>& kolory);
  int Indeks() const;  // -1 when no tab is selected
  int Ilosc() const;
  // Selects a tab (-1 = none) without sending zmiana().
  void UstawIndeks(int indeks);
  PasekZakladek* Pasek() const { return pasek_; }
  QToolBar* Przyciski() const { return przyciski_; }

 signals:
  // The user selected another tab.
  void zmiana();

 private:
  PasekZakladek* pasek_;
  QToolBar* przyciski_;
};
