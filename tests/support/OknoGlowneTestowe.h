#pragma once
// The program's windows over a fresh test database: the data folder is the
// database's folder, the main window is shown and its start-up has run.
#include "app/Okna.h"
#include "app/TForm1.h"
#include "support/BazaTestowa.h"
#include "support/KomunikatySkryptowe.h"

#include <functional>

class OknoGlowneTestowe {
 public:
  // With uruchomStart = false a test prepares the data folder or the state
  // first and then calls uruchomStart().
  explicit OknoGlowneTestowe(bool uruchomStart = true);
  // `przygotuj` fills the data folder before the main window is shown (and
  // reads its settings and the login file).
  OknoGlowneTestowe(const std::function<void(BazaTestowa&)>& przygotuj, bool uruchomStart);
  ~OknoGlowneTestowe();

  // A preparation giving the clinic one doctor, so a start-up has a tab and
  // says nothing about a missing doctor list.
  static void JedenLekarz(BazaTestowa& b);

  BazaTestowa baza;
  ZKomunikatami komunikaty;
  TForm1& okno() { return *Form1; }
  void uruchomStart();
};
