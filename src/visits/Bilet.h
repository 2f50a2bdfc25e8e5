#pragma once
// The admission ticket printed on the ticket printer after a visit is saved.
// The editor holds a printer object of its own while it is shown, so choosing
// the ticket printer never touches the application's default printer.
#include <QDate>
#include <QString>
#include <QTime>
#include <memory>

class QCheckBox;
class QPainter;
class QPrinter;

class DrukarkaBiletow {
 public:
  DrukarkaBiletow();
  ~DrukarkaBiletow();

  // When the editor is shown: finds the printer named in drukarka_biletow and
  // sets the check box (disabled and unticked when there is none).
  void UstawDrukarkeBiletow(const QString& drukarkaBiletow, bool nowaWizyta, QCheckBox* btnDrukujBilet);
  bool Gotowa() const { return drukarka_ != nullptr; }
  // One print job "Bilet"; false when there is no ticket printer.
  bool DrukujBilet(const QDate& data, const QTime& godzina, const QString& imie, const QString& nazwisko);
  // When the editor closes.
  void Zwolnij();

  // The ticket drawn on a painter that is active on a device, in its units.
  static void Rysuj(QPainter& p, const QDate& data, const QTime& godzina, const QString& imie,
                    const QString& nazwisko);

 private:
  std::unique_ptr<QPrinter> drukarka_;
};
