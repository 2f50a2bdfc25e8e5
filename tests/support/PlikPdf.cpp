#include "support/PlikPdf.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace PlikPdf {

namespace {
QString Uruchom(const QString& program, const QStringList& argumenty) {
  QProcess p;
  p.start(program, argumenty);
  if (!p.waitForFinished(-1) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}
QString Info(const QString& plik, const QString& klucz) {
  const QRegularExpression r(QStringLiteral("^%1:\\s*(.*)$").arg(klucz), QRegularExpression::MultilineOption);
  return r.match(Uruchom(QStringLiteral("pdfinfo"), {plik})).captured(1).trimmed();
}
}  // namespace

QString Tekst(const QString& plik) { return Uruchom(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), plik, QStringLiteral("-")}); }

int Strony(const QString& plik) { return Info(plik, QStringLiteral("Pages")).toInt(); }

QString RozmiarStrony(const QString& plik) {
  const QString s = Info(plik, QStringLiteral("Page size"));
  return s.left(s.indexOf(QLatin1String(" pts")));
}

int Obrazy(const QString& plik) {
  const QStringList linie = Uruchom(QStringLiteral("pdfimages"), {QStringLiteral("-list"), plik}).split('\n', Qt::SkipEmptyParts);
  return std::max(0, int(linie.size()) - 2);  // two heading lines
}

bool DoPng(const QString& plik, const QString& png, int strona, int dpi) {
  QString baza = png;
  if (baza.endsWith(QLatin1String(".png"))) baza.chop(4);
  QFile::remove(png);
  Uruchom(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"), QString::number(dpi),
                                       QStringLiteral("-f"), QString::number(strona), QStringLiteral("-l"), QString::number(strona), plik, baza});
  return QFile::exists(png);
}

}  // namespace PlikPdf
