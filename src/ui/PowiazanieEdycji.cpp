#include "ui/PowiazanieEdycji.h"

#include "common/Formaty.h"
#include "db/Dataset.h"

#include <QLabel>
#include <QLineEdit>

PowiazanieEdycji::PowiazanieEdycji(QObject* parent) : QObject(parent) {}

void PowiazanieEdycji::ustawDataset(Dataset* dataset) {
  if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
  dataset_ = dataset;
  connect(dataset_, &Dataset::scrolled, this, &PowiazanieEdycji::wczytaj);
  connect(dataset_, &Dataset::stateChanged, this, &PowiazanieEdycji::wczytaj);
  connect(dataset_, &Dataset::rowChanged, this, [this](int) {
    if (!wczytywanie_) wczytaj();
  });
  wczytaj();
}

void PowiazanieEdycji::tekst(QLineEdit* pole, const QString& nazwa, bool wielkieLitery) {
  pola_.append({pole, nazwa, Rodzaj::Tekst});
  const Pole p = pola_.last();
  connect(pole, &QLineEdit::textEdited, this, [this, pole, p, wielkieLitery](const QString& t) {
    if (wielkieLitery && t != t.toUpper()) {
      const int kursor = pole->cursorPosition();
      pole->setText(t.toUpper());
      pole->setCursorPosition(kursor);
    }
    zapisz(p);
  });
  pokaz(p);
}

void PowiazanieEdycji::data(QLineEdit* pole, const QString& nazwa) {
  pola_.append({pole, nazwa, Rodzaj::Data});
  const Pole p = pola_.last();
  // Programmatic changes (the calendar popup) write the field as well.
  connect(pole, &QLineEdit::textChanged, this, [this, p] { zapisz(p); });
  pokaz(p);
}

void PowiazanieEdycji::godzina(QLineEdit* pole, const QString& nazwa) {
  pola_.append({pole, nazwa, Rodzaj::Godzina});
  const Pole p = pola_.last();
  connect(pole, &QLineEdit::textChanged, this, [this, p] { zapisz(p); });
  pokaz(p);
}

void PowiazanieEdycji::etykieta(QLabel* etykieta, const QString& nazwa) {
  pola_.append({etykieta, nazwa, Rodzaj::Etykieta});
  pokaz(pola_.last());
}

void PowiazanieEdycji::wczytaj() {
  for (const Pole& p : pola_) pokaz(p);
}

void PowiazanieEdycji::pokaz(const Pole& p) {
  if (!dataset_) return;
  wczytywanie_ = true;
  const QVariant v = dataset_->isOpen() ? dataset_->value(p.nazwa) : QVariant();
  QString t;
  switch (p.rodzaj) {
    case Rodzaj::Data:
      t = Formaty::data(v.toDate());
      break;
    case Rodzaj::Godzina:
      t = Formaty::godzina(v.toTime());
      break;
    default:
      t = v.toString();
  }
  if (auto* e = qobject_cast<QLineEdit*>(p.kontrolka)) {
    if (e->text() != t) e->setText(t);
  } else if (auto* l = qobject_cast<QLabel*>(p.kontrolka)) {
    l->setText(t);
  }
  wczytywanie_ = false;
}

void PowiazanieEdycji::zapisz(const Pole& p) {
  if (wczytywanie_ || !dataset_ || (dataset_->state() != Dataset::Insert && dataset_->state() != Dataset::Edit)) return;
  auto* e = qobject_cast<QLineEdit*>(p.kontrolka);
  if (!e) return;
  const QString t = e->text();
  QVariant v;
  switch (p.rodzaj) {
    case Rodzaj::Data: {
      const QDate d = QDate::fromString(t, QStringLiteral("dd-MM-yyyy"));
      if (d.isValid()) v = d;
      break;
    }
    case Rodzaj::Godzina: {
      const QTime g = QTime::fromString(t, QStringLiteral("HH:mm"));
      if (g.isValid()) v = g;
      break;
    }
    default:
      if (!t.isEmpty()) v = t;
  }
  wczytywanie_ = true;
  dataset_->setValue(p.nazwa, v);
  wczytywanie_ = false;
}
