#include "reports/PodgladRaportu.h"

#include "reports/Raport.h"
#include <QCursor>  // before Klepsydra.h, which needs it
#include "ui/Klepsydra.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolBar>

namespace {
QPrinter* nowaDrukarka(Raport& r) {
  auto* d = new QPrinter(QPrinter::HighResolution);
  d->setPageLayout(r.Uklad().uklad());
  d->setDocName(r.Tytul());
  return d;
}
}  // namespace

PodgladRaportu::PodgladRaportu(Raport& raport, QWidget* rodzic)
    : QPrintPreviewDialog(nowaDrukarka(raport), rodzic), raport_(raport), drukarka_(printer()) {
  setWindowTitle(QStringLiteral("Podgląd wydruku - %1").arg(raport.Tytul()));
  resize(900, 760);
  connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { raport_.Maluj(*p); });
  if (auto* pasek = findChild<QToolBar*>()) {
    pasek->addSeparator();
    QAction* pdf = pasek->addAction(QStringLiteral("PDF"), this, &PodgladRaportu::ZapiszPdf);
    pdf->setObjectName(QStringLiteral("aZapiszPdf"));
    pdf->setToolTip(QStringLiteral("Zapisz jako PDF"));
    pasek->addSeparator();
    edSzukaj_ = new QLineEdit(pasek);
    edSzukaj_->setObjectName(QStringLiteral("edSzukaj"));
    edSzukaj_->setPlaceholderText(QStringLiteral("Szukaj"));
    edSzukaj_->setMaximumWidth(160);
    pasek->addWidget(edSzukaj_);
    connect(edSzukaj_, &QLineEdit::returnPressed, this, [this] { Szukaj(edSzukaj_->text()); });
  }
}

PodgladRaportu::~PodgladRaportu() { delete drukarka_; }

bool PodgladRaportu::Szukaj(const QString& tekst) {
  auto* widok = findChild<QPrintPreviewWidget*>();
  if (!widok || tekst.isEmpty()) return false;
  QTextDocument& dok = raport_.Dokument();
  const double wysokosc = dok.pageSize().height();
  const int stron = dok.pageCount();
  const int biezaca = widok->currentPage();
  QList<int> strony;
  for (QTextCursor c = dok.find(tekst); !c.isNull(); c = dok.find(tekst, c)) {
    const QRectF r = dok.documentLayout()->blockBoundingRect(c.block());
    const QTextLine linia = c.block().layout()->lineForTextPosition(c.positionInBlock());
    const double y = r.top() + (linia.isValid() ? linia.y() : 0);
    strony << std::clamp(int(y / wysokosc) + 1, 1, stron);
  }
  if (strony.isEmpty()) {
    if (edSzukaj_) edSzukaj_->setStyleSheet(QStringLiteral("background: #FFA6A6"));
    return false;
  }
  if (edSzukaj_) edSzukaj_->setStyleSheet({});
  int cel = strony.first();
  for (int s : strony)
    if (s > biezaca) {
      cel = s;
      break;
    }
  widok->setCurrentPage(cel);
  return true;
}

void PodgladRaportu::ZapiszPdf() {
  const QString katalog = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString plik = QFileDialog::getSaveFileName(this, QStringLiteral("Zapisz jako PDF"),
                                                    katalog + QLatin1Char('/') + raport_.Tytul() + QStringLiteral(".pdf"),
                                                    QStringLiteral("Pliki PDF (*.pdf);;Wszystkie pliki (*)"));
  if (plik.isEmpty()) return;
  Klepsydra k;
  raport_.ZapiszPdf(plik);
}
