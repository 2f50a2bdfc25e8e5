#pragma once
// A sectioned key=value settings file (WIN1250, CR LF), read whole and
// replaced whole. Section and key names compare without regard to case.
#include <QList>
#include <QPair>
#include <QString>

class PlikIni {
 public:
  explicit PlikIni(QString sciezka);

  // Re-reads the file; a missing file gives no sections.
  void wczytaj();
  // Replaces the file; false when it cannot be written.
  bool zapisz() const;

  QString czytajTekst(const QString& sekcja, const QString& klucz, const QString& domyslny) const;
  // A missing value, or one that is not an integer, reads as the default.
  int czytajLiczbe(const QString& sekcja, const QString& klucz, int domyslna) const;
  void zapiszTekst(const QString& sekcja, const QString& klucz, const QString& wartosc);
  void zapiszLiczbe(const QString& sekcja, const QString& klucz, int wartosc);

  const QString& sciezka() const { return sciezka_; }

 private:
  struct Sekcja {
    QString nazwa;
    QList<QPair<QString, QString>> wpisy;
  };
  const QString* znajdz(const QString& sekcja, const QString& klucz) const;

  QString sciezka_;
  QList<Sekcja> sekcje_;
};
