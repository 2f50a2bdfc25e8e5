#include "dictionaries/TForm_Porady.h"

#include "db/Connection.h"

namespace {
OpisSlownika opisPorad() {
  return {QStringLiteral("Porady"),
          QSize(846, 433),
          QStringLiteral("Dodaj poradę do listy"),
          QStringLiteral("Usuń poradę z listy"),
          QStringLiteral("Edytuj poradę"),
          QStringLiteral("Usunięcie porady"),
          QStringLiteral("Na pewno usunąć poradę?"),
          600,
          true};
}
}  // namespace

TForm_Porady::TForm_Porady(Connection& polaczenie, QWidget* parent)
    : OknoSlownika(polaczenie, opisPorad(), parent), dane(polaczenie) {
  setObjectName(QStringLiteral("Form_Porady"));
  ustawDataset(dane.sqlPorady);
}

void TForm_Porady::OtworzListe() { dane.Otworz(); }

void TForm_Porady::UsunBiezacy() {
  dane.sqlPorady.remove();
  polaczenie().commitRetaining();
}
