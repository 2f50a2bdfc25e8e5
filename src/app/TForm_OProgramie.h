#pragma once
// The About window: product name, version, maker and the maker's web and
// mail links, opened through the desktop.
#include <QDialog>
#include <QLabel>

// A link line: blue with a hand cursor, red while the mouse is over it.
class EtykietaLinku : public QLabel {
  Q_OBJECT
 public:
  EtykietaLinku(const QString& tekst, QWidget* rodzic);
 signals:
  void klikniety();

 protected:
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void UstawKolor(const QColor& kolor);
};

class TForm_OProgramie : public QDialog {
  Q_OBJECT
 public:
  TForm_OProgramie();

  static const QString AdresWww;
  static const QString AdresEmail;
  static const QString TematListu;

  QLabel* lblWersja;
  EtykietaLinku* lblWww;
  EtykietaLinku* lblEmail;
};
