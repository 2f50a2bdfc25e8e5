#include "reports/Drukarki.h"

#include <QPrinter>
#include <QPrinterInfo>

QStringList Drukarki::Nazwy() const { return QPrinterInfo::availablePrinterNames(); }

std::unique_ptr<QPrinter> Drukarki::Drukarka(const QString& nazwa) const {
  // A printer built from QPrinterInfo starts from that printer's defaults.
  return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(nazwa), QPrinter::HighResolution);
}

namespace {
std::unique_ptr<Drukarki>& biezace() {
  static std::unique_ptr<Drukarki> d = std::make_unique<Drukarki>();
  return d;
}
}  // namespace

Drukarki& drukarki() { return *biezace(); }

void ustawDrukarki(std::unique_ptr<Drukarki> d) { biezace() = d ? std::move(d) : std::make_unique<Drukarki>(); }
