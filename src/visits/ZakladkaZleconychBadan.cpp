#include "visits/ZakladkaZleconychBadan.h"

#include "app/Okna.h"
#include "dictionaries/TForm_Badania.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/SiatkaListy.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <QAction>
#include <QEvent>
#include <QToolBar>
#include <QVBoxLayout>

// The listed rows with the dictionary's code and name, answered from memory.
class ModelZlecen : public QAbstractTableModel {
 public:
  ModelZlecen(const ZleconeBadaniaWizyty& z, QObject* parent) : QAbstractTableModel(parent), z_(z) {}
  int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : z_.Ilosc(); }
  int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : 2; }
  QVariant data(const QModelIndex& i, int rola) const override {
    if (!i.isValid() || i.row() >= z_.Ilosc()) return {};
    const int badanie = z_.Wiersze()[i.row()].badanieId;
    switch (rola) {
      case Qt::DisplayRole: return i.column() == 0 ? z_.Kod(badanie) : z_.Nazwa(badanie);
      case Qt::TextAlignmentRole:
        return int(i.column() == 0 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
      default: return {};
    }
  }
  QVariant headerData(int s, Qt::Orientation o, int rola) const override {
    if (o != Qt::Horizontal || rola != Qt::DisplayRole) return {};
    return s == 0 ? QStringLiteral("Kod") : QStringLiteral("Nazwa");
  }
  void przeladuj() {
    beginResetModel();
    endResetModel();
  }

 private:
  const ZleconeBadaniaWizyty& z_;
};

namespace {
QAction* akcja(QWidget* siatka, const char* nazwa, const QString& podpis, const QString& podpowiedz,
               QList<QKeySequence> skroty) {
  auto* a = new QAction(podpis, siatka);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setToolTip(podpowiedz);
  a->setStatusTip(podpowiedz);
  a->setShortcuts(skroty);
  // Only while the grid has the focus: elsewhere Enter is the editor's OK
  // and Insert and Delete edit text.
  a->setShortcutContext(Qt::WidgetShortcut);
  a->setEnabled(false);
  siatka->addAction(a);
  return a;
}
}  // namespace

ZakladkaZleconychBadan::ZakladkaZleconychBadan(QWidget* parent, OknoSlownika* listaBadan)
    : QWidget(parent), listaBadan_(listaBadan) {
  DBGrid1 = new SiatkaListy(this);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  aBadanieDodaj = akcja(DBGrid1, "aBadanieDodaj", QStringLiteral("Dodaj"), QStringLiteral("Dodaj badanie do listy"),
                        {Qt::Key_Insert});
  aBadanieUsun = akcja(DBGrid1, "aBadanieUsun", QStringLiteral("Usuń"), QStringLiteral("Usuń badanie z listy"),
                       {Qt::Key_Delete});
  aBadanieEdytuj = akcja(DBGrid1, "aBadanieEdytuj", QStringLiteral("Edytuj"), QStringLiteral("Edytuj badanie"),
                         {Qt::Key_Return, Qt::Key_Enter});

  ToolBar = new QToolBar(this);
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  ToolBar->addActions({aBadanieDodaj, aBadanieUsun, aBadanieEdytuj});

  model_ = new ModelZlecen(zlecone_, this);
  DBGrid1->setModel(model_);
  DBGrid1->setColumnWidth(0, 120);
  DBGrid1->setColumnWidth(1, 350);
  DBGrid1->pogrubiony = [this](int wiersz) { return wiersz == BiezacyWiersz(); };
  DBGrid1->tlo = [this](int wiersz, int) -> std::optional<QColor> {
    return Kolory::tloWiersza(wiersz, wiersz == BiezacyWiersz(), DBGrid1->hasFocus(),
                              DBGrid1->palette().color(QPalette::Base));
  };
  DBGrid1->installEventFilter(this);
  connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    DBGrid1->viewport()->update();
    UstawAkcje();
  });

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(0, 0, 0, 0);
  uklad->setSpacing(0);
  uklad->addWidget(ToolBar);
  uklad->addWidget(DBGrid1, 1);

  connect(aBadanieDodaj, &QAction::triggered, this, &ZakladkaZleconychBadan::aBadanieDodajExecute);
  connect(aBadanieUsun, &QAction::triggered, this, &ZakladkaZleconychBadan::aBadanieUsunExecute);
  connect(aBadanieEdytuj, &QAction::triggered, this, &ZakladkaZleconychBadan::aBadanieEdytujExecute);
  connect(DBGrid1, &SiatkaListy::podwojneKlikniecie, this, [this] {
    if (aBadanieEdytuj->isEnabled()) aBadanieEdytujExecute();
  });
}

OknoSlownika& ZakladkaZleconychBadan::lista() const {
  return listaBadan_ ? *listaBadan_ : *static_cast<OknoSlownika*>(Form_Badania);
}

int ZakladkaZleconychBadan::BiezacyWiersz() const {
  const QModelIndex i = DBGrid1->currentIndex();
  return i.isValid() && i.row() < zlecone_.Ilosc() ? i.row() : -1;
}

void ZakladkaZleconychBadan::Wczytaj(Connection& polaczenie, int wizytaId) {
  polaczenie_ = &polaczenie;
  zlecone_.Wczytaj(polaczenie, wizytaId);
  Odswiez(0);
}

void ZakladkaZleconychBadan::Zapisz(Connection& polaczenie, int wizytaId) { zlecone_.Zapisz(polaczenie, wizytaId); }

void ZakladkaZleconychBadan::Zamknij() {
  zlecone_.Zamknij();
  polaczenie_ = nullptr;
  Odswiez(-1);
}

void ZakladkaZleconychBadan::PokazanoZakladke() {
  DBGrid1->setFocus();
  UstawAkcje();
}

void ZakladkaZleconychBadan::Odswiez(int biezacy) {
  model_->przeladuj();
  if (zlecone_.Ilosc() > 0) {
    const int w = std::clamp(biezacy, 0, zlecone_.Ilosc() - 1);
    DBGrid1->setCurrentIndex(model_->index(w, 0));
    DBGrid1->scrollTo(model_->index(w, 0));
  }
  DBGrid1->viewport()->update();
  UstawAkcje();
}

void ZakladkaZleconychBadan::UstawAkcje() {
  const bool fokus = DBGrid1->hasFocus() && zlecone_.Otwarte();
  aBadanieDodaj->setEnabled(fokus);
  aBadanieUsun->setEnabled(fokus && BiezacyWiersz() >= 0);
  aBadanieEdytuj->setEnabled(fokus && BiezacyWiersz() >= 0);
}

int ZakladkaZleconychBadan::Wybierz(int badanieId) {
  OknoSlownika& o = lista();
  o.Tryb = QStringLiteral("WYBOR");
  o.WybraneID = badanieId;
  const bool ok = o.exec() == QDialog::Accepted;
  // The list may have added or renamed examinations: show them as they are now.
  if (polaczenie_) zlecone_.WczytajSlownik(*polaczenie_);
  return ok ? o.WybraneID : 0;
}

void ZakladkaZleconychBadan::aBadanieDodajExecute() {
  if (!zlecone_.Otwarte()) return;
  const int wybrane = Wybierz(0);
  int biezacy = BiezacyWiersz();
  if (wybrane != 0) {
    zlecone_.Dodaj(wybrane);
    biezacy = zlecone_.Ilosc() - 1;
  }
  Odswiez(biezacy);
}

void ZakladkaZleconychBadan::aBadanieEdytujExecute() {
  const int w = BiezacyWiersz();
  if (!zlecone_.Otwarte() || w < 0) return;
  const int wybrane = Wybierz(zlecone_.Wiersze()[w].badanieId);
  if (wybrane != 0) zlecone_.Zmien(w, wybrane);
  Odswiez(w);
}

void ZakladkaZleconychBadan::aBadanieUsunExecute() {
  const int w = BiezacyWiersz();
  if (!zlecone_.Otwarte() || w < 0) return;
  const int badanie = zlecone_.Wiersze()[w].badanieId;
  const QString tekst = QStringLiteral("Na pewno usunąć badanie?\n\n[") + zlecone_.Kod(badanie) +
                        QStringLiteral("]  ") + zlecone_.Nazwa(badanie);
  if (komunikaty().pytanie(QStringLiteral("Usunięcie badania"), tekst)) zlecone_.Usun(w);
  Odswiez(w);
}

bool ZakladkaZleconychBadan::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == DBGrid1 && (zdarzenie->type() == QEvent::FocusIn || zdarzenie->type() == QEvent::FocusOut))
    UstawAkcje();
  return QWidget::eventFilter(obiekt, zdarzenie);
}

void ZakladkaZleconychBadan::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  PokazanoZakladke();
}
