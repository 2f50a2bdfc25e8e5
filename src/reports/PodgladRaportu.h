#pragma once
// The modal preview of a prepared report: Qt's print preview (zoom, page
// set-up, print) with saving as PDF and finding text added to its tool bar.
#include <QPrintPreviewDialog>

class QLineEdit;
class QPrinter;
class Raport;

class PodgladRaportu : public QPrintPreviewDialog {
  Q_OBJECT
 public:
  PodgladRaportu(Raport& raport, QWidget* rodzic);
  ~PodgladRaportu() override;

  // Shows the next page (after the one on screen, wrapping) that holds the text; false when none does.
  bool Szukaj(const QString& tekst);
  void ZapiszPdf();

 private:
  Raport& raport_;
  QPrinter* drukarka_;
  QLineEdit* edSzukaj_ = nullptr;
};
