#pragma once
// Rules of the report engine that need neither a window nor a database: how
// a field value reads on paper, the page a template asks for, how a template
// file's bytes become text, and where a printer name stands in a list.
#include <QByteArray>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace RegulyRaportu {

// A value as the program shows it: dates DD-MM-YYYY, times HH:NN, null as "".
QString TekstWartosci(const QVariant& v);

// The page a template asks for in its head:
//   <meta name="strona" content="A4">        A4, A5, A4 poziomo, CR80, or "W x H mm"
//   <meta name="marginesy" content="15 12 15 12">  mm: top right bottom left (or one value)
//   <meta name="stopka" content="nie">       no page number in the bottom margin
// Missing or unreadable entries keep the defaults (A4 portrait, 15 mm, page numbers on).
struct UkladStrony {
  QPageSize rozmiar = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientacja = QPageLayout::Portrait;
  QMarginsF marginesyMm = QMarginsF(15, 15, 15, 15);  // left, top, right, bottom
  bool stopka = true;
  QPageLayout uklad() const { return QPageLayout(rozmiar, orientacja, marginesyMm, QPageLayout::Millimeter); }
};
UkladStrony UkladZSzablonu(const QString& szablon);

// A template file's text: UTF-8 when its head says <meta charset="utf-8">
// (or it starts with a UTF-8 mark), Windows-1250 like every other file otherwise.
QString TekstSzablonu(const QByteArray& bajty);

// Position of a printer in the installed list, names compared without regard
// to case; -1 when absent (so also for the "---" of the settings).
int IndeksDrukarki(const QStringList& drukarki, const QString& nazwa);

}  // namespace RegulyRaportu
