#include "patients/ListyAdresowe.h"

#include "common/Win1250.h"

using EdycjaPacjentaReguly::Lista;

namespace {
const QString PlikKodow = QStringLiteral("kody_pocztowe.txt");
}

void ListyAdresowe::Wczytaj() {
  for (Lista l : {Lista::Gminy, Lista::Powiaty, Lista::Wojewodztwa})
    pozycje(l) = Win1250::czytajLinie(sciezka(EdycjaPacjentaReguly::PlikListy(l)));
  KodyPocztowe = Win1250::czytajLinie(sciezka(PlikKodow));
}

QStringList& ListyAdresowe::pozycje(Lista lista) {
  switch (lista) {
    case Lista::Gminy:
      return gminy_;
    case Lista::Powiaty:
      return powiaty_;
    case Lista::Wojewodztwa:
      break;
  }
  return wojewodztwa_;
}

void ListyAdresowe::ZapiszListe(Lista lista) {
  Win1250::zapiszLinieLubBlad(sciezka(EdycjaPacjentaReguly::PlikListy(lista)), pozycje(lista));
}

void ListyAdresowe::ZapiszKody() { Win1250::zapiszLinieLubBlad(sciezka(PlikKodow), KodyPocztowe); }
