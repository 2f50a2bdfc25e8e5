#pragma once
// The installed printers, behind one small interface so that tests can offer
// named printers that write PDF files. The patient card and the admission
// ticket go to printers named in the settings through it.
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

class Drukarki {
 public:
  virtual ~Drukarki() = default;
  // Names of the installed printers, as the system lists them.
  virtual QStringList Nazwy() const;
  // A printer set to the named one with that printer's default settings
  // (paper, orientation and the like).
  virtual std::unique_ptr<QPrinter> Drukarka(const QString& nazwa) const;
};

// The service in use (the system's printers unless a test installed its own).
Drukarki& drukarki();
// Installs a replacement; nullptr puts the system's printers back.
void ustawDrukarki(std::unique_ptr<Drukarki> d);
