#pragma once
// The one message-box service. Windows never create QMessageBox themselves:
// tests install a scripted service that records every text and answers as told.
#include <QString>
#include <memory>

class Komunikaty {
 public:
  virtual ~Komunikaty() = default;
  // System beep.
  virtual void sygnal();
  // Plain one-line message: application title as caption, one OK button.
  // Does not beep by itself; callers beep where the behaviour asks for it.
  virtual void komunikat(const QString& tekst);
  // Yes/No question with a question icon; No is the default unless told otherwise.
  virtual bool pytanie(const QString& tytul, const QString& tekst, bool takDomyslnie = false);
  // Information box (information icon, OK).
  virtual void informacja(const QString& tekst, const QString& tytul = QString());
  // The error display: an error that escaped an event handler.
  virtual void blad(const QString& tekst);
};

Komunikaty& komunikaty();
// Replaces the service (tests); returns the previous one.
std::unique_ptr<Komunikaty> ustawKomunikaty(std::unique_ptr<Komunikaty> nowe);

// Beep, then the plain message: the usual validation failure.
void bladWalidacji(const QString& tekst);
