#include "dictionaries/TForm_Lekarze_Edycja.h"

#include "db/Dataset.h"
#include "dictionaries/LekarzeReguly.h"
#include "dictionaries/TForm_Lekarze.h"
#include "patients/Pesel.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/PowiazanieEdycji.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QVBoxLayout>

ProbkaKoloru::ProbkaKoloru(QWidget* parent) : QFrame(parent) {
  setCursor(Qt::PointingHandCursor);
  setFixedSize(65, 21);
}

void ProbkaKoloru::ustawKolor(const QColor& kolor) {
  kolor_ = kolor;
  update();
}

void ProbkaKoloru::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(Qt::black);
  p.setBrush(kolor_);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ProbkaKoloru::mousePressEvent(QMouseEvent* e) {
  QFrame::mousePressEvent(e);
  emit nacisnieta();
}

TForm_Lekarze_Edycja::TForm_Lekarze_Edycja(TForm_Lekarze& lista)
    : QDialog(&lista), sqlLekarze_(*lista.sqlLekarze), powiazanie_(new PowiazanieEdycji(this)) {
  setObjectName(QStringLiteral("Form_Lekarze_Edycja"));
  setWindowTitle(QStringLiteral("Lekarze - Edycja"));
  lista.UstawEdytor(this);

  QFont pogrubiona = font();
  pogrubiona.setBold(true);
  lblID = new QLabel(this);
  lblID->setFont(pogrubiona);
  auto pole = [&](const char* nazwa, int dlugosc) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(nazwa));
    e->setFont(pogrubiona);
    e->setMaxLength(dlugosc);  // the column's length: longer text would fail the post
    return e;
  };
  edNazwisko = pole("edNazwisko", 64);
  edImie = pole("edImie", 32);
  edPWZL = pole("edPWZL", 16);
  edPESEL = pole("edPESEL", 11);
  // Typed keys are filtered below; this also keeps pasted text to digits.
  edPESEL->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edPESEL));
  edPESEL->installEventFilter(this);
  shpKolor = new ProbkaKoloru(this);
  shpKolor->setObjectName(QStringLiteral("shpKolor"));
  connect(shpKolor, &ProbkaKoloru::nacisnieta, this, &TForm_Lekarze_Edycja::shpKolorMouseDown);

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TForm_Lekarze_Edycja::btnOKClick);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  auto* siatka = new QGridLayout;
  int w = 0;
  auto wiersz = [&](const QString& podpis, QWidget* kontrolka) {
    siatka->addWidget(new QLabel(podpis, this), w, 0);
    siatka->addWidget(kontrolka, w++, 1, Qt::AlignLeft);
  };
  wiersz(QStringLiteral("ID:"), lblID);
  wiersz(QStringLiteral("Nazwisko:"), edNazwisko);
  wiersz(QStringLiteral("Imię:"), edImie);
  wiersz(QStringLiteral("PWZL:"), edPWZL);
  wiersz(QStringLiteral("PESEL:"), edPESEL);
  wiersz(QStringLiteral("Kolor:"), shpKolor);
  edNazwisko->setMinimumWidth(240);
  edImie->setMinimumWidth(160);
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(siatka);
  uklad->addLayout(przyciski);
  uklad->setSizeConstraint(QLayout::SetFixedSize);

  powiazanie_->etykieta(lblID, QStringLiteral("ID"));
  powiazanie_->tekst(edNazwisko, QStringLiteral("NAZWISKO"), true);
  powiazanie_->tekst(edImie, QStringLiteral("IMIE"), true);
  powiazanie_->tekst(edPWZL, QStringLiteral("PWZL"), true);
  powiazanie_->tekst(edPESEL, QStringLiteral("PESEL"));
  powiazanie_->ustawDataset(&sqlLekarze_);

  WybierzKolor = [](const QColor& poczatkowy, QWidget* rodzic) -> std::optional<QColor> {
    const QColor c = QColorDialog::getColor(poczatkowy, rodzic);
    if (!c.isValid()) return std::nullopt;
    return c;
  };
  filtrSkanera().dolacz(this);
}

void TForm_Lekarze_Edycja::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;  // a restore from minimised keeps the picked colour
  powiazanie_->wczytaj();
  edNazwisko->setFocus();
  edNazwisko->selectAll();
  shpKolor->ustawKolor(Kolory::zBGR(sqlLekarze_.intValue(QStringLiteral("KOLOR"))));
}

bool TForm_Lekarze_Edycja::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == edPESEL && zdarzenie->type() == QEvent::KeyPress) {
    const QString t = static_cast<QKeyEvent*>(zdarzenie)->text();
    // Keys without a character (arrows, Delete) and control characters
    // (Ctrl+C, Ctrl+V) are not typing; every other character but a digit is dropped.
    if (!t.isEmpty() && t.at(0).isPrint() && !ZnakPolaPesel(t.at(0))) return true;
  }
  return QDialog::eventFilter(obiekt, zdarzenie);
}

void TForm_Lekarze_Edycja::shpKolorMouseDown() {
  if (const auto c = WybierzKolor(shpKolor->kolor(), this)) shpKolor->ustawKolor(KolorCoNajmniej100(*c));
}

bool TForm_Lekarze_Edycja::SprawdzDane() {
  const QString pesel = sqlLekarze_.text(QStringLiteral("PESEL"));
  if (pesel.isEmpty() || PeselPoprawny(pesel)) return true;
  bladWalidacji(QStringLiteral("Błędny nr PESEL"));
  edPESEL->setFocus();
  return false;
}

void TForm_Lekarze_Edycja::btnOKClick() {
  btnOK->setFocus();
  sqlLekarze_.setValue(QStringLiteral("KOLOR"), Kolory::doBGR(shpKolor->kolor()));
  if (!SprawdzDane()) return;
  // A failed post shows the server's error and leaves the editor open with what was typed.
  sqlLekarze_.post();
  accept();
}

void TForm_Lekarze_Edycja::done(int wynik) {
  if (sqlLekarze_.state() == Dataset::Insert || sqlLekarze_.state() == Dataset::Edit) sqlLekarze_.cancel();
  QDialog::done(wynik);
}
