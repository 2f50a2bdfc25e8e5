#include "ui/Komunikaty.h"

#include <QApplication>
#include <QMessageBox>

static std::unique_ptr<Komunikaty>& biezace() {
  static std::unique_ptr<Komunikaty> k = std::make_unique<Komunikaty>();
  return k;
}

Komunikaty& komunikaty() { return *biezace(); }

std::unique_ptr<Komunikaty> ustawKomunikaty(std::unique_ptr<Komunikaty> nowe) {
  std::unique_ptr<Komunikaty> stare = std::move(biezace());
  biezace() = std::move(nowe);
  return stare;
}

void bladWalidacji(const QString& tekst) {
  komunikaty().sygnal();
  komunikaty().komunikat(tekst);
}

static QWidget* rodzic() { return QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow(); }

void Komunikaty::sygnal() { QApplication::beep(); }

void Komunikaty::komunikat(const QString& tekst) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), tekst, QMessageBox::Ok, rodzic());
  box.exec();
}

bool Komunikaty::pytanie(const QString& tytul, const QString& tekst, bool takDomyslnie) {
  QMessageBox box(QMessageBox::Question, tytul, tekst, QMessageBox::Yes | QMessageBox::No, rodzic());
  box.setButtonText(QMessageBox::Yes, QStringLiteral("&Tak"));
  box.setButtonText(QMessageBox::No, QStringLiteral("&Nie"));
  box.setDefaultButton(takDomyslnie ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

void Komunikaty::informacja(const QString& tekst, const QString& tytul) {
  QMessageBox box(QMessageBox::Information, tytul.isEmpty() ? QApplication::applicationDisplayName() : tytul, tekst,
                  QMessageBox::Ok, rodzic());
  box.exec();
}

void Komunikaty::blad(const QString& tekst) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), tekst, QMessageBox::Ok, rodzic());
  box.exec();
}
