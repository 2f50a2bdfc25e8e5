#include "reports/Raport.h"

#include "common/Formaty.h"
#include "db/Dataset.h"
#include "reports/KodKreskowy.h"
#include "reports/PodgladRaportu.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include <deque>
#include <stdexcept>

#include <mustache.hpp>

namespace mu = kainjow::mustache;

namespace {

// Pages are laid out at one fixed resolution and scaled to the device, so the
// preview, the PDF and the printer break pages at the same places.
constexpr double DpiUkladu = 96.0;
double mmNaPiksele(double mm) { return mm / 25.4 * DpiUkladu; }

QImage& urzadzenieUkladu() {
  static QImage obraz = [] {
    QImage o(1, 1, QImage::Format_RGB32);
    const int dpm = qRound(DpiUkladu / 0.0254);
    o.setDotsPerMeterX(dpm);
    o.setDotsPerMeterY(dpm);
    return o;
  }();
  return obraz;
}

std::string u8(const QString& s) { return s.toStdString(); }

QString bezEncji(QString s) {
  s.replace(QLatin1String("&lt;"), QLatin1String("<"))
      .replace(QLatin1String("&gt;"), QLatin1String(">"))
      .replace(QLatin1String("&quot;"), QLatin1String("\""))
      .replace(QLatin1String("&#39;"), QLatin1String("'"))
      .replace(QLatin1String("&amp;"), QLatin1String("&"));
  return s;
}

const char* const KluczWiersza = "\x01wiersz";  // cannot be written in a tag

// Names the template asks for are looked up here: the engine's own values and
// the row sections first, then the program's callback on the row being
// rendered, then that row's dataset field. Empty answers count as false.
class KontekstRaportu : public mu::basic_context<std::string> {
 public:
  KontekstRaportu(const mu::data* korzen, Dataset* dane, const Raport::Zmienne& zmienne, int biezacy)
      : dane_(dane), zmienne_(zmienne), biezacy_(biezacy) {
    push(korzen);
  }

  void push(const mu::data* d) override { stos_.insert(stos_.begin(), d); }
  void pop() override { stos_.erase(stos_.begin()); }

  const mu::data* get(const std::string& nazwa) const override {
    if (nazwa == ".") return stos_.front();
    int wiersz = -1;
    for (const mu::data* d : stos_) {
      if (const mu::data* v = d->get(nazwa)) return v;
      if (wiersz < 0)
        if (const mu::data* w = d->get(KluczWiersza)) wiersz = std::stoi(w->string_value());
    }
    if (wiersz < 0) wiersz = biezacy_;
    const QString n = QString::fromStdString(nazwa);
    std::optional<QString> odp;
    if (zmienne_) {
      if (dane_ && wiersz >= 0) dane_->moveTo(wiersz);
      odp = zmienne_(n);
    }
    if (!odp && dane_ && wiersz >= 0 && dane_->hasField(n))
      odp = RegulyRaportu::TekstWartosci(dane_->valueAt(wiersz, n));
    if (!odp || odp->isEmpty()) return &falsz_;
    odpowiedzi_.emplace_back(u8(*odp));
    return &odpowiedzi_.back();
  }

  const mu::data* get_partial(const std::string&) const override { return nullptr; }

 private:
  std::vector<const mu::data*> stos_;
  Dataset* dane_;
  const Raport::Zmienne& zmienne_;
  int biezacy_;
  const mu::data falsz_{false};
  mutable std::deque<mu::data> odpowiedzi_;  // stable addresses while rendering
};

}  // namespace

// The document keeps the barcode images it was given, under their "kod128:" names.
class DokumentRaportu : public QTextDocument {
 public:
  QHash<QUrl, QImage> obrazy;

 protected:
  QVariant loadResource(int typ, const QUrl& nazwa) override {
    if (typ == QTextDocument::ImageResource && obrazy.contains(nazwa)) return obrazy.value(nazwa);
    return QTextDocument::loadResource(typ, nazwa);
  }
};

namespace {
std::function<void(Raport&, QWidget*)>& zastepstwoPodgladu() {
  static std::function<void(Raport&, QWidget*)> z;
  return z;
}
}  // namespace

Raport::Raport(QObject* parent) : QObject(parent), dokument_(std::make_unique<DokumentRaportu>()) {
  dokument_->documentLayout()->setPaintDevice(&urzadzenieUkladu());
  dokument_->setDocumentMargin(0);
  UlozStrony(uklad_.uklad().paintRect(QPageLayout::Millimeter).size());
}

Raport::~Raport() = default;

bool Raport::Wczytaj(const QString& sciezka) {
  QFile f(sciezka);
  if (!f.open(QIODevice::ReadOnly)) return false;
  szablon_ = RegulyRaportu::TekstSzablonu(f.readAll());
  sciezka_ = sciezka;
  return true;
}

void Raport::Przygotuj() {
  auto* dok = static_cast<DokumentRaportu*>(dokument_.get());
  kody_.clear();
  dok->obrazy.clear();
  uklad_ = RegulyRaportu::UkladZSzablonu(szablon_);
  wydrukowano_ = Formaty::data(QDate::currentDate()) + QLatin1Char(' ') + Formaty::godzina(QTime::currentTime());

  const int biezacy = dane_ && dane_->isOpen() ? dane_->recNo() : -1;
  mu::data korzen{mu::data::type::object};
  korzen.set("tytul", u8(tytul_));
  korzen.set("_wydrukowano", u8(wydrukowano_));
  mu::data wiersze{mu::data::type::list};
  if (dane_ && dane_->isOpen()) {
    for (int i = 0; i < dane_->count(); ++i) {
      mu::data w{mu::data::type::object};
      w.set(KluczWiersza, std::to_string(i));
      w.set("_nr", std::to_string(i + 1));
      wiersze.push_back(w);
    }
  }
  korzen.set("wiersze", wiersze);
  korzen.set("kod128", mu::lambda2{[this, dok](const std::string& tekst, const mu::renderer& render) {
               const QString dane = bezEncji(QString::fromStdString(render(tekst))).trimmed();
               kody_ << dane;
               const KodKreskowy k = Kod128(dane, 1, 40);
               if (k.obraz.isNull()) return u8(QStringLiteral("<span>%1</span>").arg(dane.toHtmlEscaped()));
               const QUrl url(QStringLiteral("kod128:%1").arg(kody_.size()));
               dok->obrazy.insert(url, k.obraz);
               // 0.33 mm a module (the usual X dimension) and 12 mm high, quiet zones included.
               const double naModul = double(k.obraz.width()) / std::max(1, k.moduly + 20);
               const int szer = qRound(mmNaPiksele(0.33) * k.obraz.width() / naModul);
               const int wys = qRound(mmNaPiksele(12.0));
               return u8(QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\">").arg(url.toString()).arg(szer).arg(wys));
             }});

  mu::mustache szablon{u8(szablon_)};
  if (!szablon.is_valid())
    throw std::runtime_error(u8(QStringLiteral("Szablon wydruku %1: %2").arg(sciezka_, QString::fromStdString(szablon.error_message()))));
  std::string wynik;
  {
    KontekstRaportu kontekst(&korzen, dane_, zmienne_, biezacy);
    wynik = szablon.render(kontekst);
  }
  if (dane_ && biezacy >= 0) dane_->moveTo(biezacy);
  if (!szablon.is_valid())
    throw std::runtime_error(u8(QStringLiteral("Szablon wydruku %1: %2").arg(sciezka_, QString::fromStdString(szablon.error_message()))));

  html_ = QString::fromStdString(wynik);
  dok->setHtml(html_);
  dok->setMetaInformation(QTextDocument::DocumentTitle, tytul_);
  UlozStrony(uklad_.uklad().paintRect(QPageLayout::Millimeter).size());
}

void Raport::UlozStrony(const QSizeF& trescMm) {
  dokument_->setPageSize(QSizeF(mmNaPiksele(trescMm.width()), mmNaPiksele(trescMm.height())));
}

int Raport::IloscStron() const { return dokument_->pageCount(); }

void Raport::MalujStrony(QPrinter& drukarka, int od, int dokad) {
  // The whole sheet is painted, so the page number may stand in the margin.
  const QMarginsF m = drukarka.pageLayout().margins(QPageLayout::Millimeter);
  const QPointF lewyGorny(m.left(), m.top());
  drukarka.setFullPage(true);
  const int stron = IloscStron();
  od = std::max(1, od);
  dokad = dokad <= 0 ? stron : std::min(dokad, stron);
  QPainter p(&drukarka);
  if (!p.isActive()) throw std::runtime_error(u8(QStringLiteral("Nie można rozpocząć wydruku na drukarce %1").arg(drukarka.printerName())));
  const double skala = drukarka.resolution() / DpiUkladu;
  const QSizeF strona = dokument_->pageSize();
  p.translate(mmNaPiksele(lewyGorny.x()) * skala, mmNaPiksele(lewyGorny.y()) * skala);
  QFont stopka(QStringLiteral("Arial"));
  stopka.setPixelSize(qRound(mmNaPiksele(2.6)));  // about 7.5 pt
  for (int nr = od; nr <= dokad; ++nr) {
    if (nr > od) drukarka.newPage();
    p.save();
    p.scale(skala, skala);
    p.translate(0, -(nr - 1) * strona.height());
    dokument_->drawContents(&p, QRectF(QPointF(0, (nr - 1) * strona.height()), strona));
    p.restore();
    if (uklad_.stopka) {
      // In the bottom margin, under the page's text.
      p.save();
      p.scale(skala, skala);
      p.setFont(stopka);
      p.setPen(Qt::black);
      const QRectF pasek(0, strona.height() + mmNaPiksele(2), strona.width(), mmNaPiksele(6));
      p.drawText(pasek, Qt::AlignRight | Qt::AlignTop, QStringLiteral("Strona %1 z %2").arg(nr).arg(stron));
      p.restore();
    }
  }
}

void Raport::Drukuj(QPrinter& drukarka, int od, int dokad) {
  drukarka.setFullPage(false);
  drukarka.setPageLayout(uklad_.uklad());
  drukarka.setDocName(tytul_);
  UlozStrony(uklad_.uklad().paintRect(QPageLayout::Millimeter).size());
  MalujStrony(drukarka, od, dokad);
}

void Raport::Maluj(QPrinter& drukarka) {
  drukarka.setFullPage(false);
  // After a page set-up the printer's page may differ from the template's.
  UlozStrony(drukarka.pageLayout().paintRect(QPageLayout::Millimeter).size());
  int od = 1, dokad = 0;
  if (drukarka.printRange() == QPrinter::PageRange && drukarka.fromPage() > 0) {
    od = drukarka.fromPage();
    dokad = drukarka.toPage();
  }
  MalujStrony(drukarka, od, dokad);
}

bool Raport::ZapiszPdf(const QString& sciezka) {
  QPrinter pdf(QPrinter::HighResolution);
  pdf.setOutputFormat(QPrinter::PdfFormat);
  pdf.setOutputFileName(sciezka);
  pdf.setCreator(QStringLiteral("ORBE"));
  Drukuj(pdf, 1, 0);
  return QFile::exists(sciezka);
}

void Raport::Podglad(QWidget* rodzic) {
  if (zastepstwoPodgladu()) {
    zastepstwoPodgladu()(*this, rodzic);
    return;
  }
  {
    PodgladRaportu okno(*this, rodzic);
    okno.exec();
  }
  UlozStrony(uklad_.uklad().paintRect(QPageLayout::Millimeter).size());
}

void Raport::UstawPodglad(std::function<void(Raport&, QWidget*)> zastepstwo) { zastepstwoPodgladu() = std::move(zastepstwo); }
