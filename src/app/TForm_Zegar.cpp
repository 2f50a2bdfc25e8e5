#include "app/TForm_Zegar.h"

#include "app/PoleEdycji.h"
#include "app/PolozenieOkna.h"
#include "app/TarczaZegara.h"
#include "app/ZegarReguly.h"
#include "common/CzasDnia.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

using namespace ZegarReguly;

TForm_Zegar::TForm_Zegar() : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form_Zegar"));
  setWindowTitle(QStringLiteral("Zegar"));
  setFixedSize(RozmiarTarczy, RozmiarTarczy);
  setMouseTracking(true);
  // Only the face itself is visible: the purple around it is cut away.
  obszarTarczy_ = TarczaZegara::ObszarTarczy(TarczaZegara::ZEGAR());
  setMask(obszarTarczy_);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(rect());
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(16);
  Label1->setFont(f);
  Label1->setStyleSheet(QStringLiteral("color: red; background: transparent;"));

  aZamknij = new QAction(QStringLiteral("Zamknij"), this);
  aZamknij->setShortcut(Qt::Key_Escape);
  aZamknij->setShortcutContext(Qt::WindowShortcut);
  addAction(aZamknij);
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);
}

void TForm_Zegar::Pokaz(QLineEdit* pole, int interwal) {
  if (!pole) return;
  pole_ = pole;
  interwal_ = InterwalZegara(interwal);
  tarcza_ = TarczaZegara::ZEGAR();
  const int minuta = CzasDnia::MinutaZTekstu(pole->text());
  if (minuta >= 0 && minuta < 24 * 60) {
    PokazCzas(minuta);
  } else {
    // A field without a readable time: the clean face and no time.
    obraz_ = tarcza_;
    Label1->clear();
  }
  const QRect obszar = pole->screen()->availableGeometry();
  move(PolozenieOkna::PolozenieZegara(QRect(pole->mapToGlobal(QPoint(0, 0)), pole->size()), size(), obszar.size()));
  show();
  activateWindow();
  setFocus();
}

int TForm_Zegar::MinutaPodMysza(const QMouseEvent* e) const {
  const QPoint p = e->position().toPoint();
  return MinutaZPozycji(p.x(), p.y(), interwal_, e->modifiers() & Qt::AltModifier);
}

void TForm_Zegar::PokazCzas(int minuta) {
  obraz_ = tarcza_.copy();
  QPainter p(&obraz_);
  p.setPen(QPen(QColor(0xA0, 0xA0, 0xA4), 3));
  p.drawLine(QPoint(Srodek, Srodek), KoniecWskazowki(minuta));
  p.end();
  Label1->setText(CzasDnia::TekstGodziny(minuta));
  update();
}

void TForm_Zegar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, obraz_.isNull() ? TarczaZegara::ZEGAR() : obraz_);
}

void TForm_Zegar::mouseMoveEvent(QMouseEvent* e) {
  if (tarcza_.isNull() || !obszarTarczy_.contains(e->position().toPoint())) return;
  PokazCzas(MinutaPodMysza(e));
}

void TForm_Zegar::mousePressEvent(QMouseEvent* e) {
  // The popup sees presses anywhere; one off the face closes it without a pick.
  if (tarcza_.isNull() || !obszarTarczy_.contains(e->position().toPoint())) {
    close();
    return;
  }
  const int minuta = MinutaPodMysza(e);
  PokazCzas(minuta);
  WpiszDoPola(pole_, CzasDnia::TekstGodziny(minuta));
  close();
  emit Wybrano(minuta);
}

void TForm_Zegar::hideEvent(QHideEvent* e) {
  // The clean face is held only while the clock is shown.
  tarcza_ = QImage();
  obraz_ = QImage();
  QWidget::hideEvent(e);
}
