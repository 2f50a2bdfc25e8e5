#pragma once
// The panel holding the day grid and the doctor tabs; while both are hidden
// (login gate closed) it shows its centred caption.
#include <QWidget>

class PanelSiatki : public QWidget {
  Q_OBJECT
 public:
  explicit PanelSiatki(QWidget* parent = nullptr);
  QString Napis() const { return QStringLiteral("N I E Z A L O G O W A N Y"); }
  // Shows the grid and tabs while the login gate is open, the caption otherwise.
  void UstawBramke(bool otwarta);
  // True while the caption is what the panel shows.
  bool NapisWidoczny() const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  bool otwarta_ = true;
};
