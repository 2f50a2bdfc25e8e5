#include "support/PodgladTestowy.h"

#include "reports/Raport.h"

#include <QTextDocument>

PodgladTestowy::PodgladTestowy() {
  Raport::UstawPodglad([this](Raport& r, QWidget*) {
    Wydruk w;
    w.tytul = r.Tytul();
    w.tekst = r.Dokument().toPlainText();
    w.html = r.Html();
    w.pdf = dir_.filePath(QStringLiteral("podglad%1.pdf").arg(wydruki.size() + 1));
    w.stron = r.IloscStron();
    r.ZapiszPdf(w.pdf);
    wydruki << w;
  });
}

PodgladTestowy::~PodgladTestowy() { Raport::UstawPodglad({}); }
