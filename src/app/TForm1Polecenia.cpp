// The main window's commands: each action wired to what it does.
#include "admin/TForm_BazaDanych.h"
#include "app/Okna.h"
#include "app/TForm1.h"
#include "db/ParametryPolaczenia.h"

#include <QAction>
#include <QGuiApplication>

void TForm1::PodlaczAkcje() {
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
  connect(aBazaDanych, &QAction::triggered, this, [this] { aBazaDanychExecute(); });
}

bool TForm1::PokazOknoBazyDanych() {
  // The connection is closed now; the window's local backup and restore work
  // on the database the last attempt named.
  Form_BazaDanych->Przygotuj(Stan, NazwaBazy(Stan.KatalogDanych, Stan.Host, Stan.Dir));
  // A connection attempt may be showing the hourglass: the user works in the window.
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  struct Kursor {
    ~Kursor() { QGuiApplication::restoreOverrideCursor(); }
  } kursor;
  return Form_BazaDanych->PokazModalnie();
}
