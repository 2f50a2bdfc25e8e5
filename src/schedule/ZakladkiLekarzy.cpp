#include "schedule/ZakladkiLekarzy.h"

#include "ui/Kolory.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QToolBar>

namespace {
QFont czcionkaZakladek() {
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPointSize(8);
  f.setBold(true);
  return f;
}
}  // namespace

PasekZakladek::PasekZakladek(QWidget* parent) : QTabBar(parent) {
  setObjectName(QStringLiteral("TabControl1"));
  setShape(QTabBar::RoundedSouth);
  setFont(czcionkaZakladek());
  setFocusPolicy(Qt::NoFocus);
  setDrawBase(false);
  setExpanding(false);
  setUsesScrollButtons(true);
  setElideMode(Qt::ElideNone);
}

void PasekZakladek::UstawKolory(QVector<int> kolory) {
  kolory_ = std::move(kolory);
  update();
}

void PasekZakladek::UstawBrakWyboru(bool brak) {
  brak_ = brak;
  update();
}

QSize PasekZakladek::tabSizeHint(int index) const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(tabText(index)) + 8 + 4, 26};
}

void PasekZakladek::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setFont(font());
  const QFontMetrics fm(font());
  for (int i = 0; i < count(); ++i) {
    QRect r = tabRect(i);
    // The selected tab stands out by its frame, as the platform's tabs do.
    const bool wybrana = i == Wybrana();
    if (!wybrana) r.adjust(0, 0, 0, -2);
    const QColor wypelnienie =
        i < kolory_.size() ? Kolory::zBGR(kolory_[i]) : palette().color(QPalette::Button);
    p.fillRect(r, wypelnienie);
    p.setPen(palette().color(wybrana ? QPalette::Shadow : QPalette::Mid));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    const int x = r.left() + 4;
    const int y = r.top() + (r.height() - fm.height()) / 2;
    p.save();
    p.setClipRect(r);
    p.setPen(Qt::black);
    p.drawText(x, y + fm.ascent(), tabText(i));
    p.restore();
  }
}

ZakladkiLekarzy::ZakladkiLekarzy(QAction* poprzednia, QAction* nastepna, QWidget* parent)
    : QWidget(parent), pasek_(new PasekZakladek(this)), przyciski_(new QToolBar(this)) {
  setObjectName(QStringLiteral("ZakladkiLekarzy"));
  setFixedHeight(30);
  setFocusPolicy(Qt::NoFocus);
  auto* l = new QHBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
  l->addWidget(pasek_, 1, Qt::AlignTop);
  przyciski_->setObjectName(QStringLiteral("ToolBarZakladek"));
  przyciski_->setIconSize(QSize(16, 16));
  przyciski_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  przyciski_->setMovable(false);
  przyciski_->setFloatable(false);
  przyciski_->addAction(poprzednia);
  przyciski_->addAction(nastepna);
  l->addWidget(przyciski_, 0, Qt::AlignRight | Qt::AlignVCenter);
  connect(pasek_, &QTabBar::currentChanged, this, [this] {
    pasek_->UstawBrakWyboru(false);
    emit zmiana();
  });
  // With no tab selected a click on the bar's current tab still selects it.
  connect(pasek_, &QTabBar::tabBarClicked, this, [this](int i) {
    if (i >= 0 && i == pasek_->currentIndex() && pasek_->Wybrana() < 0) {
      pasek_->UstawBrakWyboru(false);
      emit zmiana();
    }
  });
}

void ZakladkiLekarzy::UstawZakladki(const QStringList& podpisy, const QVector<int>& kolory) {
  const QSignalBlocker blokada(pasek_);
  while (pasek_->count() > 0) pasek_->removeTab(pasek_->count() - 1);
  pasek_->UstawKolory(kolory);
  for (const QString& p : podpisy) pasek_->addTab(p);
  pasek_->UstawBrakWyboru(false);
  if (!podpisy.isEmpty()) pasek_->setCurrentIndex(0);
}

int ZakladkiLekarzy::Indeks() const { return pasek_->Wybrana(); }

int ZakladkiLekarzy::Ilosc() const { return pasek_->count(); }

void ZakladkiLekarzy::UstawIndeks(int indeks) {
  const QSignalBlocker blokada(pasek_);
  const bool jest = indeks >= 0 && indeks < pasek_->count();
  if (jest) pasek_->setCurrentIndex(indeks);
  pasek_->UstawBrakWyboru(!jest);
}
