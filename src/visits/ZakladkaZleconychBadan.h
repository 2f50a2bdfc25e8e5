#pragma once
// The "Zlecone badania" tab of the visit editor: the examinations ordered at
// the visit, added, changed and removed through the examination list in choose
// mode. The rows stay in memory (ZleconeBadaniaWizyty) until the editor's OK.
#include "visits/ZleconeBadaniaWizyty.h"

#include <QWidget>

class Connection;
class OknoSlownika;
class QAction;
class QToolBar;
class SiatkaListy;
class ModelZlecen;

class ZakladkaZleconychBadan : public QWidget {
  Q_OBJECT
 public:
  // `listaBadan` is the examination list to choose from; nullptr = Form_Badania.
  explicit ZakladkaZleconychBadan(QWidget* parent = nullptr, OknoSlownika* listaBadan = nullptr);

  QToolBar* ToolBar;
  QAction *aBadanieDodaj, *aBadanieUsun, *aBadanieEdytuj;
  SiatkaListy* DBGrid1;

  // When the editor is shown: the dictionary and the visit's rows (0 = new visit).
  void Wczytaj(Connection& polaczenie, int wizytaId);
  // After the visit is posted (OK), with its identifier: writes the differences.
  void Zapisz(Connection& polaczenie, int wizytaId);
  // When the editor closes, whatever the result: forgets everything unwritten.
  void Zamknij();
  // The tab came to the front: the grid takes the focus.
  void PokazanoZakladke();

  const ZleconeBadaniaWizyty& Zlecone() const { return zlecone_; }
  int BiezacyWiersz() const;

  void UstawAkcje();
  void aBadanieDodajExecute();
  void aBadanieEdytujExecute();
  void aBadanieUsunExecute();

 protected:
  bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;
  void showEvent(QShowEvent* e) override;

 private:
  OknoSlownika& lista() const;
  // Runs the list in choose mode starting on `badanieId`; the chosen one, or 0 on cancel.
  int Wybierz(int badanieId);
  void Odswiez(int biezacy);

  OknoSlownika* listaBadan_;
  Connection* polaczenie_ = nullptr;
  ZleconeBadaniaWizyty zlecone_;
  ModelZlecen* model_;
};
