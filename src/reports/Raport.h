#pragma once
// The report engine: an HTML template with Mustache tags, laid out in pages
// by QTextDocument, previewed, printed and saved as PDF.
//
// What a template sees:
//   {{tytul}}                the report's title
//   {{#wiersze}}..{{/wiersze}} once per row of the dataset, first to last;
//                            {{^wiersze}}..{{/wiersze}} when it has none
//   {{_nr}}                  inside a row: its position counting from 1
//   {{_wydrukowano}}         date and time of preparing, "DD-MM-YYYY HH:NN"
//   {{#kod128}}..{{/kod128}} the rendered text as a Code 128 barcode image
//   any other name           the program's answer for it (exact case), else
//                            the dataset field of that name on the row being
//                            rendered (outside rows: the current row), else empty.
// Empty values are false, so {{#ICD10}}..{{/ICD10}} prints only when there is one.
// The page comes from the template's <meta> tags (RegulyRaportu::UkladZSzablonu).
#include "reports/RegulyRaportu.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class Dataset;
class QPrinter;
class QTextDocument;
class QWidget;

class Raport : public QObject {
  Q_OBJECT
 public:
  using Zmienne = std::function<std::optional<QString>(const QString& nazwa)>;

  explicit Raport(QObject* parent = nullptr);
  ~Raport() override;

  // Loads a template file. A missing or unreadable file is not reported: the
  // report keeps what it held before (nothing at the first use). True when read.
  bool Wczytaj(const QString& sciezka);
  const QString& Szablon() const { return szablon_; }

  void UstawTytul(const QString& tytul) { tytul_ = tytul; }
  const QString& Tytul() const { return tytul_; }
  // The rows of the report; nullptr for none. The dataset is not owned.
  void UstawDane(Dataset* dane) { dane_ = dane; }
  void UstawZmienne(Zmienne zmienne) { zmienne_ = std::move(zmienne); }

  // Renders the template over the data and lays the pages out. The dataset is
  // back on its current row afterwards. A template with broken tags raises an
  // error naming the file and the fault.
  void Przygotuj();
  const QString& Html() const { return html_; }
  int IloscStron() const;
  QTextDocument& Dokument() { return *dokument_; }
  const RegulyRaportu::UkladStrony& Uklad() const { return uklad_; }
  // Texts encoded by the barcodes of the last preparation, in order.
  const QStringList& Kody() const { return kody_; }

  // The modal print preview (zoom, page set-up, print, save as PDF, find).
  void Podglad(QWidget* rodzic);
  // Prints pages od..dokad (from 1; dokad 0 = the last) of the prepared report
  // on the printer as it is set up; the page size comes from the template.
  void Drukuj(QPrinter& drukarka, int od = 1, int dokad = 0);
  // Pages of the prepared report in their own layout, honouring the printer's
  // page range (what the preview paints, also after a page set-up).
  void Maluj(QPrinter& drukarka);
  bool ZapiszPdf(const QString& sciezka);

  // Tests put the preview aside: the replacement is called instead of the dialog.
  static void UstawPodglad(std::function<void(Raport&, QWidget*)> zastepstwo);

 private:
  void UlozStrony(const QSizeF& trescMm);
  void MalujStrony(QPrinter& drukarka, int od, int dokad);

  QString szablon_;
  QString sciezka_;
  QString tytul_;
  Dataset* dane_ = nullptr;
  Zmienne zmienne_;
  QString html_;
  QStringList kody_;
  QString wydrukowano_;
  RegulyRaportu::UkladStrony uklad_;
  std::unique_ptr<QTextDocument> dokument_;
};
