#include "patients/PasekListyStron.h"

#include "db/Dataset.h"
#include "patients/PacjenciReguly.h"
#include "patients/StronyPacjentow.h"
#include "ui/Kolory.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QFrame* linia(QWidget* rodzic) {
  auto* f = new QFrame(rodzic);
  f->setFrameShape(QFrame::VLine);
  f->setFrameShadow(QFrame::Sunken);
  return f;
}

}  // namespace

QAction* AkcjaOkna(QWidget* okno, const char* nazwa, const char* podpis, const char* podpowiedz,
                   const QKeySequence& skrot) {
  auto* a = new QAction(QString::fromUtf8(podpis), okno);
  a->setObjectName(QString::fromLatin1(nazwa));
  a->setStatusTip(QString::fromUtf8(podpowiedz));
  a->setToolTip(QString::fromUtf8(*podpowiedz ? podpowiedz : podpis));
  a->setShortcutContext(Qt::WindowShortcut);
  if (!skrot.isEmpty()) a->setShortcut(skrot);
  okno->addAction(a);
  return a;
}

void PasekListyStron::UtworzAkcje(QWidget* okno, const char* podpisNastepnej) {
  aGoToFiltruj = AkcjaOkna(okno, "aGoToFiltruj", "aGoToFiltruj", "", QKeySequence(Qt::CTRL | Qt::Key_F));
  aFiltruj = AkcjaOkna(okno, "aFiltruj", "Filtruj", "Filtrowanie listy pacjentów wg nazwiska i imienia lub nr PESEL",
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
  aGoToSzukaj = AkcjaOkna(okno, "aGoToSzukaj", "aGoToSzukaj", "", QKeySequence(Qt::CTRL | Qt::Key_W));
  aSzukaj = AkcjaOkna(okno, "aSzukaj", "Szukaj", "Wyszukiwanie pacjenta wg nazwiska i imienia lub nr PESEL",
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  aPoprzednia =
      AkcjaOkna(okno, "aPoprzednia", "Poprzednia", "Poprzednia strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Left));
  aNastepna =
      AkcjaOkna(okno, "aNastepna", podpisNastepnej, "Następna strona wyników", QKeySequence(Qt::CTRL | Qt::Key_Right));

  QObject::connect(aGoToFiltruj, &QAction::triggered, okno, [this] {
    edFiltruj->setFocus(Qt::ShortcutFocusReason);
    edFiltruj->selectAll();
  });
  QObject::connect(aGoToSzukaj, &QAction::triggered, okno, [this] {
    edSzukaj->setFocus(Qt::ShortcutFocusReason);
    edSzukaj->selectAll();
  });
}

QHBoxLayout* PasekListyStron::UtworzUklad(QWidget* okno, const char* nazwaWynikow, bool podpowiedziStron) {
  auto* pasek = new QHBoxLayout;
  pasek->addWidget(new QLabel(QStringLiteral("Filtrowanie:"), okno));
  edFiltruj = new QLineEdit(okno);
  edFiltruj->setObjectName(QStringLiteral("edFiltruj"));
  pasek->addWidget(edFiltruj);
  btnFiltruj = new QPushButton(aFiltruj->text(), okno);
  btnFiltruj->setObjectName(QStringLiteral("btnFiltruj"));
  btnFiltruj->setCheckable(true);
  btnFiltruj->setToolTip(aFiltruj->toolTip());
  QObject::connect(btnFiltruj, &QPushButton::clicked, aFiltruj, &QAction::trigger);
  pasek->addWidget(btnFiltruj);
  pasek->addWidget(linia(okno));
  pasek->addWidget(new QLabel(QStringLiteral("Wyszukiwanie:"), okno));
  edSzukaj = new QLineEdit(okno);
  edSzukaj->setObjectName(QStringLiteral("edSzukaj"));
  paletaSzukaj_ = edSzukaj->palette();
  QObject::connect(edSzukaj, &QLineEdit::textChanged, aSzukaj, &QAction::trigger);
  pasek->addWidget(edSzukaj);
  btnSzukaj = new QPushButton(aSzukaj->text(), okno);
  btnSzukaj->setToolTip(aSzukaj->toolTip());
  QObject::connect(btnSzukaj, &QPushButton::clicked, aSzukaj, &QAction::trigger);
  pasek->addWidget(btnSzukaj);
  pasek->addWidget(linia(okno));
  auto* strony = new QVBoxLayout;
  lblWyniki = new QLabel(QStringLiteral("Wyników: xxx.  Strona xx/yy"), okno);
  lblWyniki->setObjectName(QString::fromLatin1(nazwaWynikow));
  strony->addWidget(lblWyniki);
  auto* przyciskiStron = new QHBoxLayout;
  btnPoprzednia = new QPushButton(aPoprzednia->text(), okno);
  btnNastepna = new QPushButton(aNastepna->text(), okno);
  if (podpowiedziStron) {
    btnPoprzednia->setToolTip(aPoprzednia->toolTip());
    btnNastepna->setToolTip(aNastepna->toolTip());
  }
  QObject::connect(btnPoprzednia, &QPushButton::clicked, aPoprzednia, &QAction::trigger);
  QObject::connect(btnNastepna, &QPushButton::clicked, aNastepna, &QAction::trigger);
  // The buttons follow their actions' enabled state.
  QObject::connect(aPoprzednia, &QAction::enabledChanged, btnPoprzednia, &QWidget::setEnabled);
  QObject::connect(aNastepna, &QAction::enabledChanged, btnNastepna, &QWidget::setEnabled);
  przyciskiStron->addWidget(btnPoprzednia);
  przyciskiStron->addWidget(btnNastepna);
  strony->addLayout(przyciskiStron);
  pasek->addLayout(strony);
  // Enter in the boxes must not press a button of the bar.
  for (QPushButton* b : {btnFiltruj, btnSzukaj, btnPoprzednia, btnNastepna}) b->setAutoDefault(false);
  return pasek;
}

void PasekListyStron::PokazStrone(const StronyPacjentow& s) {
  lblWyniki->setText(QStringLiteral("Wyników: %1.  Strona %2/%3").arg(s.IloscWynikow).arg(s.Strona + 1).arg(s.IloscStron));
  aPoprzednia->setEnabled(s.Strona > 0);
  aNastepna->setEnabled(s.Strona < s.IloscStron - 1);
  btnPoprzednia->setEnabled(aPoprzednia->isEnabled());
  btnNastepna->setEnabled(aNastepna->isEnabled());
}

void PasekListyStron::Szukaj(Dataset& strona, const QString& poleNazwy) {
  const QString tekst = edSzukaj->text();
  bool znaleziono = true;
  if (!tekst.isEmpty()) {
    QStringList nazwy, pesele;
    for (int i = 0; strona.isOpen() && i < strona.count(); ++i) {
      nazwy << strona.valueAt(i, poleNazwy).toString();
      pesele << strona.valueAt(i, QStringLiteral("PESEL")).toString();
    }
    const int wiersz = PacjenciReguly::SzukajWStronie(nazwy, pesele, tekst);
    znaleziono = wiersz >= 0;
    if (znaleziono) strona.moveTo(wiersz);
  }
  QPalette p = paletaSzukaj_;
  if (!znaleziono) p.setColor(QPalette::Base, Kolory::NieZnaleziono);
  edSzukaj->setPalette(p);
}

bool PasekListyStron::KlawiszSzukania(QKeyEvent* e, QWidget* lista) {
  const bool enter = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier;
  if (enter || e->key() == Qt::Key_Escape) {
    lista->setFocus();
    return true;
  }
  return false;
}
