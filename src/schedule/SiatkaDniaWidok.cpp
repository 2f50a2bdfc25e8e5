#include "schedule/SiatkaDniaWidok.h"

#include "resources/Ikony.h"
#include "ui/Kolory.h"

#include <QMouseEvent>
#include <QPainter>

using namespace SiatkaDnia;

// --- model ---

void ModelSiatkiDnia::UstawWiersze(SiatkaDnia::Wiersze wiersze) {
  beginResetModel();
  wiersze_ = std::move(wiersze);
  endResetModel();
}

int ModelSiatkiDnia::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(wiersze_.size());
}

int ModelSiatkiDnia::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : LiczbaKolumn; }

QVariant ModelSiatkiDnia::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  return wiersze_[index.row()][index.column()];
}

QVariant ModelSiatkiDnia::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= LiczbaKolumn) return {};
  return Naglowki()[section];
}

// --- drawing ---

namespace {

QFont czcionkaDuza() {
  QFont f(QStringLiteral("Arial"));
  f.setPointSize(18);
  return f;
}

// Writes the text's lines from (x, y) down, each line "XX" high, clipped to
// the cell without its rightmost pixel column.
void piszLinie(QPainter* p, const QRect& komorka, const QString& tekst, int x, int y) {
  const QFontMetrics fm(p->font());
  p->save();
  p->setClipRect(komorka.adjusted(0, 0, -1, 0));
  for (const QString& linia : tekst.split(u'\n')) {
    p->drawText(x, y + fm.ascent(), linia);
    y += fm.height();
  }
  p->restore();
}

QPoint wysrodkowany(const QRect& r, const QFontMetrics& fm, const QString& tekst) {
  return {r.left() + (r.width() - fm.horizontalAdvance(tekst)) / 2, r.top() + (r.height() - fm.height()) / 2};
}

}  // namespace

RysowanieKomorki::RysowanieKomorki(SiatkaDniaWidok* widok) : QStyledItemDelegate(widok), widok_(widok) {}

QSize RysowanieKomorki::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
  return {SzerokoscKolumny(index.column()), 30};
}

void RysowanieKomorki::paint(QPainter* p, const QStyleOptionViewItem& opcje, const QModelIndex& index) const {
  const QRect r = opcje.rect;
  const int kolumna = index.column();
  const QString tekst = index.data().toString();
  p->save();
  p->fillRect(r, Kolory::zBGR(widok_->KolorWiersza(index.row())));
  p->setPen(Qt::black);
  if (kolumna == KolId) {
    if (index.row() == widok_->WybranyWiersz()) {
      const QPixmap& s = widok_->Strzalka();
      p->drawPixmap(r.left() + (r.width() - s.width()) / 2, r.top() + (r.height() - s.height()) / 2, s);
    }
    p->restore();
    return;
  }
  p->setFont(kolumna == KolGodz || kolumna == KolNazwisko ? czcionkaDuza() : widok_->font());
  const QFontMetrics fm(p->font());
  QPoint xy;
  switch (kolumna) {
    case KolNazwisko:
      xy = {r.left() + 2, r.top() + (r.height() - fm.height()) / 2};
      break;
    case KolAdres:
    case KolPorada:
      xy = {r.left() + 2, r.top() + 2};
      break;
    default:
      xy = wysrodkowany(r, fm, tekst);
      break;
  }
  piszLinie(p, r, tekst, xy.x(), xy.y());
  p->restore();
}

NaglowekSiatkiDnia::NaglowekSiatkiDnia(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(false);
  setHighlightSections(false);
  setMinimumHeight(30);
}

void NaglowekSiatkiDnia::paintSection(QPainter* p, const QRect& r, int logicalIndex) const {
  p->save();
  p->fillRect(r, palette().color(QPalette::Button));
  p->setPen(palette().color(QPalette::Dark));
  p->drawLine(r.topRight(), r.bottomRight());
  p->drawLine(r.bottomLeft(), r.bottomRight());
  p->setPen(Qt::black);
  p->setFont(parentWidget() ? parentWidget()->font() : font());
  const QString tekst = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
  const QFontMetrics fm(p->font());
  const QPoint xy = wysrodkowany(r, fm, tekst);
  piszLinie(p, r, tekst, xy.x(), xy.y());
  p->restore();
}

// --- the grid ---

SiatkaDniaWidok::SiatkaDniaWidok(QWidget* parent) : QTableView(parent), strzalka_(Ikony::StrzalkaWPrawo()) {
  setObjectName(QStringLiteral("SG1"));
  setHorizontalHeader(new NaglowekSiatkiDnia(this));
  setModel(&model_);
  setItemDelegate(new RysowanieKomorki(this));
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(10);
  verticalHeader()->setDefaultSectionSize(30);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setMinimumSectionSize(5);
  horizontalHeader()->setStretchLastSection(false);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(true);
  setWordWrap(false);
  setContextMenuPolicy(Qt::CustomContextMenu);
  UstawSzerokosci(QVector<int>());
  UstawTlo(koloryLekarza_.podstawowy);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    viewport()->update();
    emit wybranyZmieniony();
  });
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int kolumna, int, int szerokosc) { emit szerokoscZmieniona(kolumna, szerokosc); });
}

void SiatkaDniaWidok::UstawWiersze(SiatkaDnia::Wiersze wiersze) {
  // The selection keeps its row number across a rebuild, as far as the rows reach.
  const int byl = WybranyWiersz();
  {
    const QSignalBlocker blokada(selectionModel());
    model_.UstawWiersze(std::move(wiersze));
  }
  const int n = model_.rowCount();
  WybierzWiersz(n == 0 ? -1 : std::clamp(byl, 0, n - 1));
}

int SiatkaDniaWidok::WybranyWiersz() const {
  const QModelIndex i = selectionModel()->currentIndex();
  return i.isValid() ? i.row() : -1;
}

void SiatkaDniaWidok::WybierzWiersz(int wiersz) {
  if (wiersz < 0 || wiersz >= model_.rowCount()) {
    selectionModel()->clear();
    emit wybranyZmieniony();
    return;
  }
  const QModelIndex i = model_.index(wiersz, KolGodz);
  selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(i);
  viewport()->update();
}

bool SiatkaDniaWidok::WybranaWizyta() const {
  const int w = WybranyWiersz();
  return w >= 0 && JestWizyta(Wiersze()[w]);
}

void SiatkaDniaWidok::UstawKoloryLekarza(const SiatkaDnia::KoloryWierszy& k) {
  koloryLekarza_ = k;
  viewport()->update();
}

void SiatkaDniaWidok::UstawTlo(int kolorBGR) {
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Kolory::zBGR(kolorBGR));
  setPalette(pal);
  viewport()->setAutoFillBackground(true);
}

QColor SiatkaDniaWidok::Tlo() const { return palette().color(QPalette::Base); }

void SiatkaDniaWidok::UstawGodzinyPracy(int lekarzId, std::vector<SiatkaDnia::ZakresPracy> zakresy) {
  lekarzId_ = lekarzId;
  wGodzinach_.UstawZakresy(std::move(zakresy));
  viewport()->update();
}

bool SiatkaDniaWidok::WGodzinachPracy(int wiersz) {
  if (wiersz < 0 || wiersz >= model_.rowCount()) return false;
  return wGodzinach_.Sprawdz(lekarzId_, Wiersze()[wiersz]);
}

int SiatkaDniaWidok::KolorWiersza(int wiersz) {
  const KoloryWierszy& k = WGodzinachPracy(wiersz) ? koloryLekarza_ : koloryPoza_;
  return SiatkaDnia::KolorWiersza(k, wiersz, wiersz == WybranyWiersz());
}

void SiatkaDniaWidok::UstawSzerokosci(const QVector<int>& szerokosci) {
  const QSignalBlocker blokada(horizontalHeader());
  for (int k = 0; k < LiczbaKolumn; ++k)
    setColumnWidth(k, k < szerokosci.size() && szerokosci[k] > 0 ? szerokosci[k] : SzerokoscKolumny(k));
}

QVector<int> SiatkaDniaWidok::Szerokosci() const {
  QVector<int> s;
  for (int k = 0; k < LiczbaKolumn; ++k) s << columnWidth(k);
  return s;
}

int SiatkaDniaWidok::WierszPod(const QPoint& p) const { return p.y() < 0 ? -1 : rowAt(p.y()); }

void SiatkaDniaWidok::mousePressEvent(QMouseEvent* e) {
  ostatniPunkt_ = e->position().toPoint();
  if (e->button() == Qt::RightButton) {
    // The row under the pointer is selected before the popup menu opens.
    const int w = WierszPod(ostatniPunkt_);
    if (w >= 0) WybierzWiersz(w);
  } else {
    QTableView::mousePressEvent(e);
  }
  emit przycisniety();
}

void SiatkaDniaWidok::mouseReleaseEvent(QMouseEvent* e) {
  QTableView::mouseReleaseEvent(e);
  if (e->button() == Qt::LeftButton) emit klikniety();
}

void SiatkaDniaWidok::mouseDoubleClickEvent(QMouseEvent* e) {
  ostatniPunkt_ = e->position().toPoint();
  emit dwuklik(WierszPod(ostatniPunkt_));
}
