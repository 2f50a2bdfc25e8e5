#include "app/TForm_OProgramie.h"

#include "app/StanProgramu.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>
#include <QVBoxLayout>

const QString TForm_OProgramie::AdresWww = QStringLiteral("www.halvik.pl");
const QString TForm_OProgramie::AdresEmail = QStringLiteral("biuro@halvik.pl");
const QString TForm_OProgramie::TematListu = QStringLiteral("ORBE - Ambulor");

EtykietaLinku::EtykietaLinku(const QString& tekst, QWidget* rodzic) : QLabel(tekst, rodzic) {
  setCursor(Qt::PointingHandCursor);
  setAlignment(Qt::AlignCenter);
  UstawKolor(Qt::blue);
}

void EtykietaLinku::UstawKolor(const QColor& kolor) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, kolor);
  setPalette(p);
}

void EtykietaLinku::enterEvent(QEnterEvent* e) {
  UstawKolor(Qt::red);
  QLabel::enterEvent(e);
}

void EtykietaLinku::leaveEvent(QEvent* e) {
  UstawKolor(Qt::blue);
  QLabel::leaveEvent(e);
}

void EtykietaLinku::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit klikniety();
  QLabel::mouseReleaseEvent(e);
}

namespace {
QLabel* etykieta(QWidget* okno, const QString& tekst, int piksele, bool pogrubiona) {
  auto* l = new QLabel(tekst, okno);
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(piksele);
  f.setBold(pogrubiona);
  l->setFont(f);
  l->setAlignment(Qt::AlignCenter);
  return l;
}
}  // namespace

TForm_OProgramie::TForm_OProgramie() {
  setObjectName(QStringLiteral("Form_OProgramie"));
  setWindowTitle(QStringLiteral("O programie"));
  setFixedSize(507, 346);

  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(16, 16, 16, 16);
  uklad->addWidget(etykieta(this, QStringLiteral("ORBE"), 29, false));
  uklad->addWidget(etykieta(this, QStringLiteral("(Ambulor)"), 16, true));

  lblWersja = new QLabel(QStringLiteral("v. ") + WersjaProduktu(QStringLiteral("FileVersion")), this);
  lblWersja->setObjectName(QStringLiteral("lblWersja"));
  lblWersja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont fw = lblWersja->font();
  fw.setBold(true);
  lblWersja->setFont(fw);
  lblWersja->setStyleSheet(QStringLiteral("color: navy;"));
  uklad->addWidget(lblWersja);
  uklad->addStretch(1);

  auto* wykonal = new QLabel(QStringLiteral("Program wykonała firma:"), this);
  wykonal->setAlignment(Qt::AlignCenter);
  uklad->addWidget(wykonal);
  uklad->addWidget(etykieta(this, QStringLiteral("Halvik"), 16, true));
  uklad->addWidget(etykieta(this, QStringLiteral("Oprogramowanie na zamówienie"), 13, false));
  uklad->addStretch(1);

  lblWww = new EtykietaLinku(AdresWww, this);
  lblWww->setObjectName(QStringLiteral("lblWww"));
  lblEmail = new EtykietaLinku(AdresEmail, this);
  lblEmail->setObjectName(QStringLiteral("lblEmail"));
  uklad->addWidget(lblWww);
  uklad->addWidget(lblEmail);

  connect(lblWww, &EtykietaLinku::klikniety, this,
          [this] { QDesktopServices::openUrl(QUrl::fromUserInput(lblWww->text())); });
  connect(lblEmail, &EtykietaLinku::klikniety, this, [this] {
    QUrl adres(QStringLiteral("mailto:") + lblEmail->text() + QStringLiteral("?subject=") + TematListu);
    QDesktopServices::openUrl(adres);
  });
}
