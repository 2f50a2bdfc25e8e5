#include "app/TForm_Kalendarz.h"

#include "app/PoleEdycji.h"
#include "app/PolozenieOkna.h"
#include "common/Formaty.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

TForm_Kalendarz::TForm_Kalendarz() : QFrame(nullptr, Qt::Popup | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Form_Kalendarz"));
  setWindowTitle(QStringLiteral("Kalendarz"));
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);

  MonthCalendar1 = new QCalendarWidget(this);
  MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
  MonthCalendar1->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
  MonthCalendar1->setFirstDayOfWeek(Qt::Monday);
  MonthCalendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  auto* uklad = new QVBoxLayout(this);
  uklad->setContentsMargins(1, 1, 1, 1);
  uklad->addWidget(MonthCalendar1);
  uklad->setSizeConstraint(QLayout::SetFixedSize);

  aZamknij = new QAction(QStringLiteral("Zamknij"), this);
  aZamknij->setShortcut(Qt::Key_Escape);
  aZamknij->setShortcutContext(Qt::WindowShortcut);
  addAction(aZamknij);
  connect(aZamknij, &QAction::triggered, this, &QWidget::close);

  connect(MonthCalendar1, &QCalendarWidget::clicked, this, &TForm_Kalendarz::MonthCalendar1Click);
  connect(MonthCalendar1, &QCalendarWidget::activated, this, &TForm_Kalendarz::MonthCalendar1DblClick);
}

void TForm_Kalendarz::Pokaz(QLineEdit* pole) {
  if (!pole) return;
  pole_ = pole;
  ostatnia_ = QDate::fromString(pole->text().trimmed(), QStringLiteral("dd-MM-yyyy"));
  MonthCalendar1->setSelectedDate(ostatnia_.isValid() ? ostatnia_ : QDate::currentDate());
  adjustSize();
  const QRect obszar = pole->screen()->availableGeometry();
  move(PolozenieOkna::PolozenieKalendarza(QRect(pole->mapToGlobal(QPoint(0, 0)), pole->size()), size(),
                                          obszar.size()));
  show();
  activateWindow();
  MonthCalendar1->setFocus();
}

void TForm_Kalendarz::MonthCalendar1Click(const QDate& dzien) {
  if (dzien != ostatnia_) Zapisz(dzien);
}

void TForm_Kalendarz::MonthCalendar1DblClick(const QDate& dzien) {
  Zapisz(dzien);
  close();
}

void TForm_Kalendarz::Zapisz(const QDate& dzien) {
  ostatnia_ = dzien;
  WpiszDoPola(pole_, Formaty::data(dzien));
  emit Wybrano(dzien);
}
