#include "patients/TForm_Pacjenci_Edycja.h"

#include "app/Okna.h"
#include "app/TForm1.h"
#include "app/TForm_Kalendarz.h"
#include "db/Dataset.h"
#include "dictionaries/TForm_Lekarze.h"
#include "patients/TForm_Pacjenci.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Kolory.h"
#include "ui/Komunikaty.h"
#include "ui/PowiazanieEdycji.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace EdycjaPacjentaReguly;

namespace {
bool Edytowany(const Dataset& ds) { return ds.state() == Dataset::Insert || ds.state() == Dataset::Edit; }
}  // namespace

TForm_Pacjenci_Edycja::TForm_Pacjenci_Edycja(TForm_Pacjenci& lista, TForm1& glowne)
    : QDialog(&lista),
      lista_(lista),
      glowne_(glowne),
      sqlPacjenci_(lista.sqlPacjenci()),
      powiazanie_(new PowiazanieEdycji(this)),
      dane_(glowne.Polaczenie()) {
  setObjectName(QStringLiteral("Form_Pacjenci_Edycja"));
  setWindowTitle(QStringLiteral("Pacjenci - Edycja"));
  UtworzUklad();

  powiazanie_->etykieta(lblID, QStringLiteral("ID"));
  powiazanie_->tekst(edNazwisko, QStringLiteral("NAZWISKO"), true);
  powiazanie_->tekst(edImie, QStringLiteral("IMIE"), true);
  powiazanie_->tekst(edPESEL, QStringLiteral("PESEL"));
  powiazanie_->data(edDataUr, QStringLiteral("DATAUR"));
  powiazanie_->tekst(edUlica, QStringLiteral("ULICA"), true);
  powiazanie_->tekst(edNrDomu, QStringLiteral("NRDOMU"));
  powiazanie_->tekst(edNrLokal, QStringLiteral("NRLOKAL"));
  powiazanie_->tekst(edKodP, QStringLiteral("KODP"));
  // The mask leaves its dash in an empty code: that is no code at all.
  connect(edKodP, &QLineEdit::textEdited, this, [this](const QString& t) {
    if (Edytowany(sqlPacjenci_) && QString(t).remove(u'-').trimmed().isEmpty())
      sqlPacjenci_.setValue(QStringLiteral("KODP"), QVariant());
  });
  powiazanie_->tekst(edPoczta, QStringLiteral("POCZTA"), true);
  for (Lista l : {Lista::Gminy, Lista::Powiaty, Lista::Wojewodztwa}) {
    QComboBox* cb = Rozwijana(l);
    powiazanie_->tekst(cb->lineEdit(), Pole(l), true);
    // An item picked from the list is not typing, so the binding does not see it.
    connect(cb, &QComboBox::textActivated, this, [this, l](const QString& t) {
      if (Edytowany(sqlPacjenci_)) sqlPacjenci_.setValue(Pole(l), t.isEmpty() ? QVariant() : QVariant(t.toUpper()));
    });
  }
  powiazanie_->data(edDtDeklarLek, QStringLiteral("DTDEKLARLEK"));
  powiazanie_->data(edDtDeklarPiel, QStringLiteral("DTDEKLARPIEL"));
  powiazanie_->ustawDataset(&sqlPacjenci_);
  for (auto sygnal : {&Dataset::scrolled, &Dataset::stateChanged}) {
    connect(&sqlPacjenci_, sygnal, this, &TForm_Pacjenci_Edycja::PokazPlec);
    connect(&sqlPacjenci_, sygnal, this, &TForm_Pacjenci_Edycja::PokazLekarza);
  }
  connect(&sqlPacjenci_, &Dataset::rowChanged, this, [this] {
    PokazPlec();
    PokazLekarza();
  });

  connect(grupaPlci_, &QButtonGroup::idClicked, this, [this](int id) {
    if (Edytowany(sqlPacjenci_)) sqlPacjenci_.setValue(QStringLiteral("PLEC"), id == 0 ? QStringLiteral("K") : QStringLiteral("M"));
  });
  connect(cbLekarz, &QComboBox::activated, this, [this](int i) {
    if (!Edytowany(sqlPacjenci_)) return;
    const QVariant id = cbLekarz->itemData(i);
    sqlPacjenci_.setValue(QStringLiteral("LEKARZ_ID"), id);
  });
  connect(btnWyborLekarza, &QPushButton::clicked, this, &TForm_Pacjenci_Edycja::btnWyborLekarzaClick);
  const std::pair<QPushButton*, QLineEdit*> kalendarze[] = {
      {btnDataUr, edDataUr}, {btnDtDeklarLek, edDtDeklarLek}, {btnDtDeklarPiel, edDtDeklarPiel}};
  for (auto [przycisk, pole] : kalendarze)
    connect(przycisk, &QPushButton::clicked, this, [pole] { Form_Kalendarz->Pokaz(pole); });
  connect(btnOK, &QPushButton::clicked, this, &TForm_Pacjenci_Edycja::btnOKClick);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  for (QWidget* w : std::initializer_list<QWidget*>{edNazwisko, edImie, edPESEL, edKodP, cbGmina, cbPowiat,
                                                    cbWojewodztwo, cbLekarz})
    w->installEventFilter(this);
  filtrSkanera().dolacz(this);
}

QComboBox* TForm_Pacjenci_Edycja::Rozwijana(Lista lista) const {
  switch (lista) {
    case Lista::Gminy:
      return cbGmina;
    case Lista::Powiaty:
      return cbPowiat;
    case Lista::Wojewodztwa:
      break;
  }
  return cbWojewodztwo;
}

QString TForm_Pacjenci_Edycja::Pole(Lista lista) const {
  switch (lista) {
    case Lista::Gminy:
      return QStringLiteral("GMINA");
    case Lista::Powiaty:
      return QStringLiteral("POWIAT");
    case Lista::Wojewodztwa:
      break;
  }
  return QStringLiteral("WOJEWODZTWO");
}

void TForm_Pacjenci_Edycja::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (e->spontaneous()) return;  // a restore from minimised keeps what was typed
  FormShow();
}

void TForm_Pacjenci_Edycja::FormShow() {
  Listy.ustawKatalog(glowne_.Stan.KatalogDanych);
  Listy.Wczytaj();
  for (Lista l : {Lista::Gminy, Lista::Powiaty, Lista::Wojewodztwa}) {
    QComboBox* cb = Rozwijana(l);
    cb->clear();
    cb->addItems(Listy.pozycje(l));
  }
  WypelnijLekarzy();
  powiazanie_->wczytaj();
  PokazPlec();
  PokazLekarza();
  UzupelnijAdres();
  for (QWidget* w : {static_cast<QWidget*>(edNazwisko), static_cast<QWidget*>(edImie), static_cast<QWidget*>(edPESEL)})
    UstawKolor(w, true);
  lekarzMaFokus_ = false;
  zamykanie_ = false;
  btnOK->setDefault(true);
  edNazwisko->setFocus();
}

void TForm_Pacjenci_Edycja::WypelnijLekarzy() {
  Dataset& lekarze = lista_.sqlLekarze();
  cbLekarz->clear();
  if (!lekarze.isOpen()) return;
  for (int i = 0; i < lekarze.count(); ++i)
    cbLekarz->addItem(lekarze.valueAt(i, QStringLiteral("_nazwisko_imie")).toString(),
                      lekarze.valueAt(i, QStringLiteral("ID")));
}

void TForm_Pacjenci_Edycja::PokazLekarza() {
  const QVariant id = sqlPacjenci_.isOpen() ? sqlPacjenci_.value(QStringLiteral("LEKARZ_ID")) : QVariant();
  // A removed doctor is not among the items and shows as none.
  cbLekarz->setCurrentIndex(id.isNull() ? -1 : cbLekarz->findData(id.toInt()));
}

void TForm_Pacjenci_Edycja::PokazPlec() {
  const QString plec = sqlPacjenci_.isOpen() ? sqlPacjenci_.text(QStringLiteral("PLEC")) : QString();
  grupaPlci_->setExclusive(false);
  rbKobieta->setChecked(plec == QStringLiteral("K"));
  rbMezczyzna->setChecked(plec == QStringLiteral("M"));
  grupaPlci_->setExclusive(true);
}

void TForm_Pacjenci_Edycja::UstawKolor(QWidget* pole, bool normalny) {
  QPalette p = pole->palette();
  p.setColor(QPalette::Base, normalny ? QApplication::palette(pole).color(QPalette::Base) : Kolory::PolePuste);
  pole->setPalette(p);
}

bool TForm_Pacjenci_Edycja::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
  if (obiekt == cbLekarz && zdarzenie->type() == QEvent::FocusIn) {
    // Enter and Esc work the drop-down while it has the focus.
    lekarzMaFokus_ = true;
    btnOK->setDefault(false);
  } else if (zdarzenie->type() == QEvent::FocusOut && !zamykanie_) {
    const Qt::FocusReason powod = static_cast<QFocusEvent*>(zdarzenie)->reason();
    // A popup of the control itself or another window is no leaving.
    if (powod != Qt::PopupFocusReason && powod != Qt::ActiveWindowFocusReason) Opuszczono(static_cast<QWidget*>(obiekt));
  }
  return QDialog::eventFilter(obiekt, zdarzenie);
}

void TForm_Pacjenci_Edycja::Opuszczono(QWidget* pole) {
  opuszczono_ = true;
  if (pole == edNazwisko || pole == edImie) {
    UstawKolor(pole, !static_cast<QLineEdit*>(pole)->text().trimmed().isEmpty());
  } else if (pole == edPESEL) {
    edPESELExit();
  } else if (pole == edKodP) {
    UzupelnijAdres();
  } else if (pole == cbGmina) {
    ListaExit(Lista::Gminy);
  } else if (pole == cbPowiat) {
    ListaExit(Lista::Powiaty);
  } else if (pole == cbWojewodztwo) {
    ListaExit(Lista::Wojewodztwa);
  } else if (pole == cbLekarz) {
    lekarzMaFokus_ = false;
    btnOK->setDefault(true);
  }
}

void TForm_Pacjenci_Edycja::keyPressEvent(QKeyEvent* e) {
  if (lekarzMaFokus_ && (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
    if (e->key() != Qt::Key_Escape) cbLekarz->showPopup();
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TForm_Pacjenci_Edycja::edPESELExit() {
  const auto u = UzupelnijZPesel(sqlPacjenci_.text(QStringLiteral("PESEL")),
                                 sqlPacjenci_.value(QStringLiteral("DATAUR")).toDate(),
                                 sqlPacjenci_.text(QStringLiteral("PLEC")));
  UstawKolor(edPESEL, u.peselPoprawny);
  if (!Edytowany(sqlPacjenci_)) return;
  if (u.dataUrodzenia) sqlPacjenci_.setValue(QStringLiteral("DATAUR"), *u.dataUrodzenia);
  if (u.plec) sqlPacjenci_.setValue(QStringLiteral("PLEC"), *u.plec);
}

void TForm_Pacjenci_Edycja::UzupelnijAdres() {
  if (!Edytowany(sqlPacjenci_)) return;
  const QString kod = sqlPacjenci_.text(QStringLiteral("KODP"));
  if (!KodPelny(kod)) return;
  const auto wartosc = WartoscKodu(Listy.KodyPocztowe, kod);
  if (!wartosc) return;
  const auto czesci = CzesciAdresu(*wartosc);
  if (!czesci) return;
  const QString pola[] = {QStringLiteral("POCZTA"), QStringLiteral("GMINA"), QStringLiteral("POWIAT"),
                          QStringLiteral("WOJEWODZTWO")};
  for (int i = 0; i < 4; ++i)
    if (sqlPacjenci_.text(pola[i]).isEmpty()) sqlPacjenci_.setValue(pola[i], (*czesci)[i]);
}

void TForm_Pacjenci_Edycja::ZapamietajKodPocztowy() {
  if (!sqlPacjenci_.isOpen() || sqlPacjenci_.recNo() < 0) return;
  const QString kod = sqlPacjenci_.text(QStringLiteral("KODP"));
  if (!KodPelny(kod)) return;
  UstawKod(Listy.KodyPocztowe, kod,
           WartoscAdresu(sqlPacjenci_.text(QStringLiteral("POCZTA")), sqlPacjenci_.text(QStringLiteral("GMINA")),
                         sqlPacjenci_.text(QStringLiteral("POWIAT")), sqlPacjenci_.text(QStringLiteral("WOJEWODZTWO"))));
  Listy.ZapiszKody();
}

void TForm_Pacjenci_Edycja::ListaExit(Lista lista) {
  QComboBox* cb = Rozwijana(lista);
  const QString tekst = cb->currentText().trimmed();
  if (tekst != cb->currentText()) cb->setEditText(tekst);
  if (Edytowany(sqlPacjenci_) && sqlPacjenci_.text(Pole(lista)) != tekst)
    sqlPacjenci_.setValue(Pole(lista), tekst.isEmpty() ? QVariant() : QVariant(tekst));
  QStringList& pozycje = Listy.pozycje(lista);
  if (!NowaPozycja(pozycje, tekst)) return;
  const auto [tytul, pytanie] = PytanieONowaPozycje(lista, tekst);
  if (!komunikaty().pytanie(tytul, pytanie, true)) return;
  pozycje = DodajPozycje(pozycje, tekst);
  cb->clear();
  cb->addItems(pozycje);
  cb->setEditText(tekst);
  Listy.ZapiszListe(lista);
}

void TForm_Pacjenci_Edycja::btnWyborLekarzaClick() {
  Form_Lekarze->Tryb = QStringLiteral("WYBOR");
  Form_Lekarze->WybraneID = sqlPacjenci_.intValue(QStringLiteral("LEKARZ_ID"));
  if (Form_Lekarze->exec() != QDialog::Accepted) return;
  if (Edytowany(sqlPacjenci_))
    sqlPacjenci_.setValue(QStringLiteral("LEKARZ_ID"),
                          Form_Lekarze->WybraneID != 0 ? QVariant(Form_Lekarze->WybraneID) : QVariant());
  // Doctors may have been added, changed or removed in the list meanwhile.
  lista_.sqlLekarze().close();
  lista_.Dane().OtworzLekarzy();
  WypelnijLekarzy();
  PokazLekarza();
  glowne_.WczytajLekarzy();
}

bool TForm_Pacjenci_Edycja::SprawdzDane() {
  const DaneDoSprawdzenia d{edNazwisko->text().trimmed(), edImie->text().trimmed(), edPESEL->text(),
                            sqlPacjenci_.value(QStringLiteral("DATAUR")).toDate(),
                            sqlPacjenci_.text(QStringLiteral("PLEC"))};
  const int id = sqlPacjenci_.intValue(QStringLiteral("ID"));
  const WynikSprawdzenia w =
      EdycjaPacjentaReguly::SprawdzDane(d, [&](const QString& pesel) { return dane_.InnyZPeselem(pesel, id); });
  if (w.poprawny()) return true;
  bladWalidacji(w.komunikat);
  switch (w.pole) {
    case PoleBledu::Nazwisko:
      edNazwisko->setFocus();
      break;
    case PoleBledu::Imie:
      edImie->setFocus();
      break;
    case PoleBledu::Pesel:
      edPESEL->setFocus();
      break;
    case PoleBledu::DataUrodzenia:
      edDataUr->setFocus();
      break;
    case PoleBledu::Plec:
      (rbMezczyzna->isChecked() ? rbMezczyzna : rbKobieta)->setFocus();
      break;
    case PoleBledu::Brak:
      break;
  }
  return false;
}

void TForm_Pacjenci_Edycja::btnOKClick() {
  // Leaving the control that had the focus runs its handler; in a window
  // without activation no focus event comes, so it is run here.
  QWidget* poprzedni = focusWidget();
  opuszczono_ = false;
  btnOK->setFocus();
  if (!opuszczono_ && poprzedni && poprzedni != btnOK) Opuszczono(poprzedni);
  if (!SprawdzDane()) return;
  // A failed post shows the server's error and leaves the editor open with what was typed.
  sqlPacjenci_.post();
  accept();
}

void TForm_Pacjenci_Edycja::done(int wynik) {
  zamykanie_ = true;
  if (Edytowany(sqlPacjenci_)) sqlPacjenci_.cancel();
  QDialog::done(wynik);
  // The row current now (after a cancelled new row, the one before it) teaches its code.
  try {
    ZapamietajKodPocztowy();
  } catch (...) {
    Listy.ZwolnijKody();
    throw;
  }
  Listy.ZwolnijKody();
}
