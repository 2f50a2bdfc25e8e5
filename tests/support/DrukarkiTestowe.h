#pragma once
// Installed printers of a test: named ones that write PDF files, put in place
// for the lifetime of a ZDrukarkami and the system's printers back after it.
#include "reports/Drukarki.h"

#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class DrukarkiTestowe : public Drukarki {
 public:
  explicit DrukarkiTestowe(QStringList nazwy) : nazwy_(std::move(nazwy)) {}
  QStringList Nazwy() const override { return nazwy_; }
  std::unique_ptr<QPrinter> Drukarka(const QString& nazwa) const override {
    uzyte << nazwa;
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(dir.filePath(QStringLiteral("wydruk%1.pdf").arg(uzyte.size())));
    return p;
  }
  // Printers asked for, in order; the n-th one wrote wydruk<n>.pdf in dir.
  mutable QStringList uzyte;
  QTemporaryDir dir;

 private:
  QStringList nazwy_;
};

class ZDrukarkami {
 public:
  explicit ZDrukarkami(QStringList nazwy) {
    auto d = std::make_unique<DrukarkiTestowe>(std::move(nazwy));
    d_ = d.get();
    ustawDrukarki(std::move(d));
  }
  ~ZDrukarkami() { ustawDrukarki(nullptr); }
  DrukarkiTestowe* operator->() { return d_; }

 private:
  DrukarkiTestowe* d_;
};
