#include "schedule/FiltrSkanera.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Records every key character that reached the box past the filter.
class Rejestrator : public QObject {
 public:
  QString znaki;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    // Modifier keys carry no character and are left out.
    if (e->type() == QEvent::KeyPress) {
      const QChar z = FiltrSkanera::ZnakKlawisza(static_cast<QKeyEvent*>(e));
      if (!z.isNull()) znaki += z;
    }
    return false;
  }
};

// A filtering window with one edit box holding "abc".
struct OknoZPolem {
  std::unique_ptr<QWidget> okno = std::make_unique<QWidget>();
  QLineEdit* pole = new QLineEdit(QStringLiteral("abc"), okno.get());
  Rejestrator rejestrator;

  explicit OknoZPolem(bool filtruje = true) {
    (new QVBoxLayout(okno.get()))->addWidget(pole);
    if (filtruje) filtrSkanera().dolacz(okno.get());
    pole->installEventFilter(&rejestrator);
    okno->show();
    pole->setFocus();
    pole->end(false);
  }
};

enum class Rodzaj { Klawisz, UplywCzasu, StopTimera };

struct Krok {
  Rodzaj rodzaj = Rodzaj::Klawisz;
  Qt::Key klawisz = Qt::Key_unknown;
  Qt::KeyboardModifiers mod = Qt::NoModifier;
  QString tekst;
};

// As a scanner's STX and ETX arrive on X11: the letter key, Ctrl and the control code.
Krok stx() { return {Rodzaj::Klawisz, Qt::Key_B, Qt::ControlModifier, QStringLiteral("\x02")}; }
Krok etx() { return {Rodzaj::Klawisz, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03")}; }
// Ctrl+B / Ctrl+C where the platform delivers the plain letter with Ctrl.
Krok ctrl(Qt::Key k, const char* litera) { return {Rodzaj::Klawisz, k, Qt::ControlModifier, QString::fromLatin1(litera)}; }
Krok cyfra(char c) { return {Rodzaj::Klawisz, Qt::Key(Qt::Key_0 + (c - '0')), Qt::NoModifier, QString(QChar(c))}; }
Krok litera(Qt::Key k, const QString& t, Qt::KeyboardModifiers m = Qt::NoModifier) { return {Rodzaj::Klawisz, k, m, t}; }
Krok uplyw() { return {Rodzaj::UplywCzasu}; }
Krok stopTimera() { return {Rodzaj::StopTimera}; }

std::vector<Krok> cyfry(const char* s) {
  std::vector<Krok> w;
  for (; *s; ++s) w.push_back(cyfra(*s));
  return w;
}

std::vector<Krok> polacz(std::initializer_list<std::vector<Krok>> czesci) {
  std::vector<Krok> w;
  for (const auto& c : czesci) w.insert(w.end(), c.begin(), c.end());
  return w;
}

void wykonaj(QLineEdit* pole, const Krok& k) {
  QTimer& timer = filtrSkanera().timerIgnorujSkaner();
  switch (k.rodzaj) {
    case Rodzaj::Klawisz:
      QTest::sendKeyEvent(QTest::Click, pole, k.klawisz, k.tekst, k.mod);
      break;
    case Rodzaj::UplywCzasu:
      // The one-second timer runs out: fire it rather than wait for it.
      ASSERT_TRUE(timer.isActive());
      ASSERT_TRUE(QMetaObject::invokeMethod(&timer, "timeout", Qt::DirectConnection));
      break;
    case Rodzaj::StopTimera:
      timer.stop();
      break;
  }
}

}  // namespace

TEST(FiltrSkanera, ScansAreSwallowedWholeAndOtherKeysTyped) {
  struct P {
    const char* nazwa;
    std::vector<Krok> kroki;
    QString tekstPola;     // the box afterwards
    QString doPola;        // characters that reached the box
    bool aktywny;          // a scan still being swallowed
    bool timerDziala;
  };
  const QString stxZnak(QChar(2)), etxZnak(QChar(3));
  const std::vector<P> przypadki = {
      {"a framed scan of eleven digits leaves the box unchanged",
       polacz({{stx()}, cyfry("90010112345"), {etx()}}), "abc", "", false, false},
      {"after the scan keys are typed again", polacz({{stx()}, cyfry("123"), {etx()}, cyfry("7")}), "abc7", "7",
       false, false},
      {"Ctrl+B delivered as a letter starts swallowing, Ctrl+C ends it",
       polacz({{ctrl(Qt::Key_B, "b")}, cyfry("45"), {ctrl(Qt::Key_C, "c")}, cyfry("6")}), "abc6", "6", false, false},
      {"STX without ETX keeps swallowing until the second runs out", polacz({{stx()}, cyfry("12")}), "abc", "", true,
       true},
      {"after the second has run out keys are typed again", polacz({{stx()}, cyfry("12"), {uplyw()}, cyfry("9")}),
       "abc9", "9", false, false},
      {"a lone ETX passes through to the box", polacz({{etx()}, cyfry("5")}), "abc5", etxZnak + "5", false, false},
      {"a second STX does not restart the timer", polacz({{stx(), stopTimera(), stx()}, cyfry("3")}), "abc", "",
       true, false},
      {"AltGr with C types a Polish letter", {litera(Qt::Key_C, QStringLiteral("ć"), Qt::ControlModifier | Qt::AltModifier)},
       "abcć", "ć", false, false},
      {"keys with no character are swallowed inside a scan",
       polacz({{stx(), litera(Qt::Key_Left, {}), litera(Qt::Key_Backspace, QStringLiteral("\b")), etx()}}), "abc", "",
       false, false},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(p.nazwa);
    filtrSkanera().zatrzymaj();
    OknoZPolem o;
    for (const auto& k : p.kroki) wykonaj(o.pole, k);
    EXPECT_EQ(o.pole->text(), p.tekstPola);
    EXPECT_EQ(o.rejestrator.znaki, p.doPola);
    EXPECT_EQ(filtrSkanera().aktywny(), p.aktywny);
    EXPECT_EQ(filtrSkanera().timerIgnorujSkaner().isActive(), p.timerDziala);
  }
  filtrSkanera().zatrzymaj();
  EXPECT_EQ(filtrSkanera().timerIgnorujSkaner().interval(), 1000);
  EXPECT_TRUE(filtrSkanera().timerIgnorujSkaner().isSingleShot());
}

TEST(FiltrSkanera, AWindowWithoutTheFilterTypesEveryKey) {
  filtrSkanera().zatrzymaj();
  OknoZPolem o(false);
  for (const auto& k : polacz({{ctrl(Qt::Key_B, "b")}, cyfry("12")})) wykonaj(o.pole, k);
  EXPECT_EQ(o.pole->text(), "abc12");
  EXPECT_FALSE(filtrSkanera().aktywny());
}

TEST(FiltrSkanera, NoShortcutFiresDuringAScan) {
  filtrSkanera().zatrzymaj();
  OknoZPolem o;
  int zapisz = 0, pogrubienie = 0;
  auto* aZapisz = new QAction(o.okno.get());
  aZapisz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QObject::connect(aZapisz, &QAction::triggered, [&] { ++zapisz; });
  auto* aPogrub = new QAction(o.okno.get());
  aPogrub->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  QObject::connect(aPogrub, &QAction::triggered, [&] { ++pogrubienie; });
  o.okno->addAction(aZapisz);
  o.okno->addAction(aPogrub);
  o.okno->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(o.okno.get()));

  const Krok ctrlS = ctrl(Qt::Key_S, "s");
  wykonaj(o.pole, ctrlS);
  EXPECT_EQ(zapisz, 1) << "the shortcut works outside a scan";
  wykonaj(o.pole, stx());
  wykonaj(o.pole, ctrlS);
  EXPECT_EQ(zapisz, 1) << "no shortcut inside a scan";
  wykonaj(o.pole, etx());
  wykonaj(o.pole, ctrlS);
  EXPECT_EQ(zapisz, 2);
  EXPECT_EQ(pogrubienie, 0) << "STX itself fires nothing";
  EXPECT_EQ(o.pole->text(), "abc");
  filtrSkanera().zatrzymaj();
}
