// orbe-admin status: connects as the program would and tells what it found.
#include "Admin.h"
#include "Polecenia.h"

#include "db/DbError.h"
#include "db/ParametryPolaczenia.h"
#include "db/Statement.h"

int PolecenieStatus(const QStringList&) {
  const StanProgramu stan = Admin::WczytajStan();
  const QString nazwa = NazwaBazy(stan.KatalogDanych, stan.Host, stan.Dir);
  Admin::out() << "Baza danych: " << nazwa << Qt::endl;
  Connection c;
  Admin::Polacz(c, stan);
  for (const char* tabela : {"LEKARZE", "PACJENCI", "WIZYTY", "PORADY", "BADANIA", "BADANIASPLOT", "HARMONOGRAM"}) {
    Statement st(c, QStringLiteral("select count(*) from %1").arg(QLatin1String(tabela)));
    st.execute();
    Admin::out() << tabela << '\t' << st.rows().value(0).value(0).toLongLong() << Qt::endl;
  }
  return 0;
}
