#pragma once
// Writing a picked value into the edit that shows a record's field: the text
// is the field, and the edit's editing signals let its owner store it.
#include <QLineEdit>

inline void WpiszDoPola(QLineEdit* pole, const QString& tekst) {
  if (!pole) return;
  pole->setText(tekst);
  emit pole->textEdited(tekst);
  emit pole->editingFinished();
}
