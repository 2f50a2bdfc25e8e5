#pragma once
// A record's window with one edit for the picker tests.
#include <QLineEdit>
#include <QSignalSpy>
#include <QWidget>
#include <memory>

// A record's window with one edit, placed where a test wants it on the screen.
struct OknoZPolem {
  std::unique_ptr<QWidget> okno = std::make_unique<QWidget>();
  QLineEdit* pole = new QLineEdit(okno.get());
  std::unique_ptr<QSignalSpy> edycje;

  explicit OknoZPolem(const QString& tekst, QPoint gdzie = QPoint(100, 100)) {
    pole->setText(tekst);
    pole->setGeometry(0, 0, 90, 22);
    okno->setWindowFlags(Qt::FramelessWindowHint);
    okno->setGeometry(QRect(gdzie, QSize(90, 22)));
    okno->show();
    edycje = std::make_unique<QSignalSpy>(pole, &QLineEdit::textEdited);
  }
};
