#include "admin/TForm_Opcje.h"

#include "admin/OpcjeReguly.h"
#include "app/PlikLogowania.h"
#include "common/Win1250.h"
#include "schedule/FiltrSkanera.h"
#include "ui/Komunikaty.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <stdexcept>

static const QString kBrak = QStringLiteral("---");

TForm_Opcje::TForm_Opcje(StanProgramu& stan, QWidget* parent) : QDialog(parent), stan_(stan) {
  setObjectName(QStringLiteral("Form_Opcje"));
  setWindowTitle(QStringLiteral("Opcje"));
  setModal(true);
  resize(640, 430);
  ZrodloDrukarek = [] { return QPrinterInfo::availablePrinterNames(); };

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->addItems({QStringLiteral("Wizyty"), QStringLiteral("Podział administracyjny"),
                      QStringLiteral("Baza programu 'Tessor'"), QStringLiteral("Drukowanie"),
                      QStringLiteral("Logowanie do programu")});
  ListBox1->setFixedWidth(170);
  // The pages have no tabs: the list chooses them.
  PageControl1 = new QStackedWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  connect(ListBox1, &QListWidget::currentRowChanged, PageControl1, [this](int wiersz) {
    if (wiersz >= 0) PageControl1->setCurrentIndex(wiersz);
  });

  UtworzStronyWizytIList();
  UtworzStronyTessorIDrukowania();
  UtworzStroneLogowania();

  btnOK = new QPushButton(QStringLiteral("OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, &TForm_Opcje::btnOKClick);
  btnAnuluj = new QPushButton(QStringLiteral("Anuluj"), this);
  btnAnuluj->setObjectName(QStringLiteral("btnAnuluj"));
  btnAnuluj->setAutoDefault(false);
  connect(btnAnuluj, &QPushButton::clicked, this, &QDialog::reject);

  auto* srodek = new QHBoxLayout;
  srodek->addWidget(ListBox1);
  srodek->addWidget(PageControl1, 1);
  auto* przyciski = new QHBoxLayout;
  przyciski->addStretch();
  przyciski->addWidget(btnOK);
  przyciski->addWidget(btnAnuluj);
  auto* uklad = new QVBoxLayout(this);
  uklad->addLayout(srodek, 1);
  uklad->addLayout(przyciski);

  filtrSkanera().dolacz(this);
}

void TForm_Opcje::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  WypelnijDrukarki();
  PokazUstawienia();
  PageControl2->setCurrentIndex(0);
  ListBox1->setCurrentRow(0);
  PageControl1->setCurrentIndex(0);
  ZmianyOpcji = false;
  ZmianaLogowania = false;
  ListBox1->setFocus();
}

void TForm_Opcje::WypelnijDrukarki() {
  const QStringList pozycje = QStringList{kBrak} + ZrodloDrukarek();
  for (QComboBox* box : {ComboBox2, ComboBox3}) {
    box->clear();
    box->addItems(pozycje);
  }
}

void TForm_Opcje::PokazUstawienia() {
  UpDown1->setValue(stan_.grafik_co);
  const struct {
    QPlainTextEdit* pole;
    const char* plik;
  } listy[] = {{MemoGminy, "lista_gmin.txt"}, {MemoPowiaty, "lista_powiatow.txt"},
               {MemoWojewodztwa, "lista_wojewodztw.txt"}};
  for (const auto& l : listy) {
    // A missing file shows as an empty list.
    l.pole->setPlainText(OpcjeReguly::TekstListy(Win1250::czytajLinie(stan_.KatalogDanych + QString::fromLatin1(l.plik))));
    l.pole->document()->setModified(false);
  }
  for (const auto& l : listy) UporzadkujListe(l.pole);

  Edit1->setText(stan_.tessor_fdb);
  ComboBox1->setCurrentIndex(stan_.tessor_dtdekl >= 0 && stan_.tessor_dtdekl < ComboBox1->count() ? stan_.tessor_dtdekl
                                                                                                 : -1);
  QStringList pozycje;
  for (int i = 0; i < ComboBox2->count(); ++i) pozycje << ComboBox2->itemText(i);
  ComboBox2->setCurrentIndex(OpcjeReguly::IndeksDrukarki(pozycje, stan_.drukarka_biletow));
  ComboBox3->setCurrentIndex(OpcjeReguly::IndeksDrukarki(pozycje, stan_.drukarka_kart));

  UpDown2->setValue(stan_.logow_timeout);
  Edit3->clear();
  Edit4->clear();
  Edit_logow_OnChange();
  PokazStanLogowania();
}

void TForm_Opcje::PokazStanLogowania() {
  lblStanLogowania->setText(stan_.LogowanieWlaczone ? QStringLiteral("WŁĄCZONE") : QStringLiteral("WYŁĄCZONE"));
  btnWylaczLogowanie->setEnabled(stan_.LogowanieWlaczone);
}

void TForm_Opcje::UporzadkujListe(QPlainTextEdit* pole) {
  const QString uporzadkowany = OpcjeReguly::UporzadkujListe(pole->toPlainText());
  if (uporzadkowany == pole->toPlainText()) return;
  pole->setPlainText(uporzadkowany);
  pole->document()->setModified(true);
}

void TForm_Opcje::ZapiszListe(QPlainTextEdit* pole, const char* plik) {
  if (!pole->document()->isModified()) return;
  // A file that cannot be written is reported by the error display; the window stays open.
  Win1250::zapiszLinieLubBlad(stan_.KatalogDanych + QString::fromLatin1(plik),
                              OpcjeReguly::LinieListy(pole->toPlainText()));
  pole->document()->setModified(false);
}

void TForm_Opcje::ZapiszOpcje() {
  stan_.grafik_co = UpDown1->value();
  for (QPlainTextEdit* pole : {MemoGminy, MemoPowiaty, MemoWojewodztwa}) UporzadkujListe(pole);
  ZapiszListe(MemoGminy, "lista_gmin.txt");
  ZapiszListe(MemoPowiaty, "lista_powiatow.txt");
  ZapiszListe(MemoWojewodztwa, "lista_wojewodztw.txt");
  stan_.tessor_fdb = Edit1->text();
  // An unknown stored choice shows nothing selected; it is kept until one is chosen.
  if (ComboBox1->currentIndex() >= 0) stan_.tessor_dtdekl = ComboBox1->currentIndex();
  stan_.drukarka_biletow = ComboBox2->currentIndex() < 0 ? QString() : ComboBox2->currentText();
  stan_.drukarka_kart = ComboBox3->currentIndex() < 0 ? QString() : ComboBox3->currentText();
  stan_.logow_timeout = UpDown2->value();
}

void TForm_Opcje::btnOKClick() {
  ZapiszOpcje();
  ZmianyOpcji = false;
  accept();
}

void TForm_Opcje::done(int wynik) {
  // Every way of closing but OK: changed options are offered for saving.
  if (ZmianyOpcji && komunikaty().pytanie(QStringLiteral("Opcje"), QStringLiteral("Zapisać zmiany"))) ZapiszOpcje();
  QDialog::done(wynik);
}

void TForm_Opcje::ZmianyNaTRUE() { ZmianyOpcji = true; }

void TForm_Opcje::btnWyborDBTessorClick() {
  // Linux file names keep their case, so both spellings are offered.
  const QString plik = QFileDialog::getOpenFileName(
      this, QString(), QString(),
      QStringLiteral("Plik TESSOR.FDB (TESSOR.FDB tessor.fdb);;Pliki FBK (*.FBK *.fbk);;Wszystkie pliki (*)"));
  if (!plik.isEmpty()) Edit1->setText(plik);
}

void TForm_Opcje::Edit_logow_OnChange() {
  btnZapiszParametryLogowania->setEnabled(!Edit3->text().isEmpty() && !Edit4->text().isEmpty());
}

QString TForm_Opcje::PlikLogowania() const { return stan_.KatalogDanych + QStringLiteral("logow.db"); }

void TForm_Opcje::btnZapiszParametryLogowaniaClick() {
  if (!ZapiszPlikLogowania(PlikLogowania(), Edit3->text(), Edit4->text()))
    throw std::runtime_error(QStringLiteral("Nie można zapisać pliku %1").arg(PlikLogowania()).toStdString());
  Edit3->clear();
  Edit4->clear();
  ZmianaLogowania = true;
  stan_.LogowanieWlaczone = QFile::exists(PlikLogowania());
  stan_.Zalogowany = false;
  PokazStanLogowania();
}

void TForm_Opcje::btnWylaczLogowanieClick() {
  QFile::remove(PlikLogowania());
  Edit3->clear();
  Edit4->clear();
  ZmianaLogowania = true;
  stan_.LogowanieWlaczone = QFile::exists(PlikLogowania());
  PokazStanLogowania();
}
