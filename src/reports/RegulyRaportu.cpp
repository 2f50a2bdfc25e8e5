#include "reports/RegulyRaportu.h"

#include "common/Formaty.h"
#include "common/Win1250.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSizeF>
#include <QTime>

namespace RegulyRaportu {

QString TekstWartosci(const QVariant& v) {
  if (v.isNull() || !v.isValid()) return {};
  switch (v.typeId()) {
    case QMetaType::QDate: return Formaty::data(v.toDate());
    case QMetaType::QTime: return Formaty::godzina(v.toTime());
    case QMetaType::QDateTime: {
      const QDateTime dt = v.toDateTime();
      return Formaty::data(dt.date()) + QLatin1Char(' ') + Formaty::godzina(dt.time());
    }
    default: return v.toString();
  }
}

namespace {

// The content of <meta name="..." content="..."> (either attribute order).
QString Meta(const QString& szablon, const QString& nazwa) {
  const QString n = QRegularExpression::escape(nazwa);
  const QRegularExpression a(QStringLiteral(R"(<meta\s+name\s*=\s*["']%1["']\s+content\s*=\s*["']([^"']*)["'])").arg(n),
                             QRegularExpression::CaseInsensitiveOption);
  const QRegularExpression b(QStringLiteral(R"(<meta\s+content\s*=\s*["']([^"']*)["']\s+name\s*=\s*["']%1["'])").arg(n),
                             QRegularExpression::CaseInsensitiveOption);
  auto m = a.match(szablon);
  if (!m.hasMatch()) m = b.match(szablon);
  return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

}  // namespace

UkladStrony UkladZSzablonu(const QString& szablon) {
  UkladStrony u;
  const QString strona = Meta(szablon, QStringLiteral("strona")).toLower();
  if (!strona.isEmpty()) {
    if (strona.contains(QLatin1String("poziom"))) u.orientacja = QPageLayout::Landscape;
    static const QRegularExpression wymiary(QStringLiteral(R"(^([\d.,]+)\s*x\s*([\d.,]+)\s*mm$)"));
    const auto m = wymiary.match(strona);
    if (strona.startsWith(QLatin1String("cr80"))) {
      // ISO/IEC 7810 ID-1, the plastic card; a card printer feeds it landscape.
      u.rozmiar = QPageSize(QSizeF(85.60, 53.98), QPageSize::Millimeter, QStringLiteral("CR80"));
      u.orientacja = QPageLayout::Portrait;
    } else if (m.hasMatch()) {
      const double w = QString(m.captured(1)).replace(',', '.').toDouble();
      const double h = QString(m.captured(2)).replace(',', '.').toDouble();
      if (w > 0 && h > 0) u.rozmiar = QPageSize(QSizeF(w, h), QPageSize::Millimeter);
    } else if (strona.startsWith(QLatin1String("a5"))) {
      u.rozmiar = QPageSize(QPageSize::A5);
    }
  }
  const QString marginesy = Meta(szablon, QStringLiteral("marginesy"));
  if (!marginesy.isEmpty()) {
    QList<double> mm;
    for (const QString& s : marginesy.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
      bool ok = false;
      const double x = QString(s).replace(',', '.').toDouble(&ok);
      if (!ok || x < 0) {
        mm.clear();
        break;
      }
      mm << x;
    }
    if (mm.size() == 1) u.marginesyMm = QMarginsF(mm[0], mm[0], mm[0], mm[0]);
    if (mm.size() == 4) u.marginesyMm = QMarginsF(mm[3], mm[0], mm[1], mm[2]);
  }
  if (Meta(szablon, QStringLiteral("stopka")).compare(QLatin1String("nie"), Qt::CaseInsensitive) == 0)
    u.stopka = false;
  return u;
}

QString TekstSzablonu(const QByteArray& bajty) {
  if (bajty.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bajty.mid(3));
  static const QRegularExpression utf8(QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?utf-?8)"),
                                       QRegularExpression::CaseInsensitiveOption);
  // The head is ASCII in either encoding, so it can be looked at before decoding.
  if (utf8.match(QString::fromLatin1(bajty.left(2048))).hasMatch()) return QString::fromUtf8(bajty);
  return Win1250::odkoduj(bajty);
}

int IndeksDrukarki(const QStringList& drukarki, const QString& nazwa) {
  for (int i = 0; i < drukarki.size(); ++i)
    if (drukarki[i].compare(nazwa, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

}  // namespace RegulyRaportu
