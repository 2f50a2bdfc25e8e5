#include "exports/DialogZapisu.h"

#include <QFileDialog>
#include <QRegularExpression>

WyborPlikuZapisu& wyborPlikuZapisu() {
  static WyborPlikuZapisu wybor = DialogZapisuPliku;
  return wybor;
}

QString DialogZapisuPliku(QWidget* rodzic, const QString& katalog, const QString& nazwa, const QString& filtr) {
  QFileDialog dialog(rodzic);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filtr);
  const QStringList filtry = filtr.split(QStringLiteral(";;"));
  dialog.selectNameFilter(filtry.value(0));
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filtry.value(0));
  if (m.hasMatch()) dialog.setDefaultSuffix(m.captured(1));
  dialog.setDirectory(katalog);
  dialog.selectFile(nazwa);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}
