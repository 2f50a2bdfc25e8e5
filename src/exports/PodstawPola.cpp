#include "exports/PodstawPola.h"

#include "common/Formaty.h"

#include <QPair>

bool ListaPolRekordu::znajdzPole(const QString& nazwa, QVariant& wartosc) const {
  for (const PoleRekordu& p : pola) {
    if (p.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0) {
      wartosc = p.wartosc;
      return true;
    }
  }
  return false;
}

QString TekstPola(const QVariant& wartosc) {
  if (wartosc.isNull()) return {};
  if (wartosc.metaType() == QMetaType::fromType<QDate>()) return Formaty::dataEksportu(wartosc.toDate());
  return wartosc.toString();
}

QString PodstawPola(const QString& tresc, const RekordEksportu& rekord) {
  // Tokens are found by scanning the content; each known one is then replaced
  // wherever it stands in the content. The output is built in one pass over the
  // content so that text coming from a value is never taken for a token.
  QList<QPair<QString, QString>> zamiany;
  qsizetype od = 0;
  for (;;) {
    const qsizetype p = tresc.indexOf(u'<', od);
    const qsizetype q = tresc.indexOf(u'>', od);
    if (p < 0 || q <= p) break;
    const QString token = tresc.mid(p, q - p + 1);
    QString nazwa = token.mid(1, token.size() - 2);
    nazwa.replace(u'.', u'_');
    QVariant wartosc;
    if (rekord.znajdzPole(nazwa, wartosc)) zamiany.append({token, TekstPola(wartosc)});
    od = q + 1;
  }
  if (zamiany.isEmpty()) return tresc;

  QString wynik;
  wynik.reserve(tresc.size());
  for (qsizetype i = 0; i < tresc.size();) {
    bool zamieniono = false;
    if (tresc.at(i) == u'<') {
      for (const auto& [token, wartosc] : zamiany) {
        if (QStringView(tresc).mid(i).startsWith(token)) {
          wynik += wartosc;
          i += token.size();
          zamieniono = true;
          break;
        }
      }
    }
    if (!zamieniono) wynik += tresc.at(i++);
  }
  return wynik;
}

QString KomorkaWizyty(const QString& tresc, const RekordEksportu& rekord, int lp, const QDate& data,
                      const QTime& godz) {
  // Each value is made only for a content that asks for it: a month's export
  // fills tens of thousands of cells.
  QString t = tresc;
  if (t.contains(QLatin1String("<LP>"))) t.replace(QLatin1String("<LP>"), QString::number(lp));
  if (t.contains(QLatin1String("<DATA>"))) t.replace(QLatin1String("<DATA>"), Formaty::dataEksportu(data));
  if (t.contains(QLatin1String("<GODZ>")))
    t.replace(QLatin1String("<GODZ>"), godz.isValid() ? godz.toString(QStringLiteral("HH:mm")) : QString());
  return PodstawPola(t, rekord);
}

QString KomorkaDeklaracji(const QString& tresc, const RekordEksportu& rekord, int lp, int typ,
                          const QDate& dataDeklaracji) {
  QString t = tresc;
  if (t.contains(QLatin1String("<LP>"))) t.replace(QLatin1String("<LP>"), QString::number(lp));
  if (t.contains(QLatin1String("<TYP_DEKLARACJI>")))
    t.replace(QLatin1String("<TYP_DEKLARACJI>"), QString::number(typ));
  if (t.contains(QLatin1String("<DATA_DEKLARACJI>")))
    t.replace(QLatin1String("<DATA_DEKLARACJI>"), Formaty::dataEksportu(dataDeklaracji));
  return PodstawPola(t, rekord);
}
