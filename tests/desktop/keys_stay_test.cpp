// The real window played by keys on a real desktop (an X server with a
// window manager, or a Wayland compositor): after every window the game
// opens by itself (the round result, the score table, the suit choice,
// its questions) the keys are back with the table, and each balloon lies
// on the table over its speaker's row. On X11 the keys are real ones,
// sent to whichever window has the focus.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "table/balloon.h"
#include "table/main_window.h"
#include "table/qt_host.h"
#include "table/table_transform.h"
#include "table/table_widget.h"
#include "ui_logic/key_focus.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;

namespace {

bool OnWayland() {
  return QGuiApplication::platformName() == "wayland";
}

// Where the desktop sends the keys now.
bool TableHasTheKeys(MainWindow& window) {
  const bool windowHasThem =
      OnWayland() ? QGuiApplication::focusWindow() == window.windowHandle() : QApplication::activeWindow() == &window;
  return windowHasThem && window.focusWidget() == &window.table();
}

// A key as the user presses it: on X11 through the X server to the window
// with the focus, on Wayland (no keys can be sent there) to the table.
void Press(MainWindow& window, Qt::Key key, const char* xName) {
  if (OnWayland())
    QTest::keyClick(&window.table(), key);
  else
    QProcess::execute("xdotool", {"key", xName});
  QTest::qWait(40);
}

// Under sway, whether the compositor marked a window of ours urgent: an
// activation it refused.
bool MarkedUrgent() {
  if (qEnvironmentVariableIsEmpty("SWAYSOCK")) return false;
  QProcess tree;
  tree.start("swaymsg", {"-t", "get_tree"});
  return tree.waitForFinished(5000) && tree.readAllStandardOutput().contains("\"urgent\": true");
}

// What the window manager lets the user do to a window, as it says on
// the window (X11 only).
QString AllowedActions(QWidget* window) {
  if (OnWayland()) return {};
  QProcess xprop;
  xprop.start("xprop", {"-id", QString::number(window->winId()), "_NET_WM_ALLOWED_ACTIONS"});
  return xprop.waitForFinished(5000) ? QString::fromUtf8(xprop.readAllStandardOutput()) : QString();
}

// Notes that a window was minimised.
class MinimiseWatch : public QObject {
 public:
  explicit MinimiseWatch(QWidget* window) { window->installEventFilter(this); }
  bool minimised = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange && static_cast<QWidget*>(watched)->isMinimized()) minimised = true;
    return false;
  }
};

// Answers each window the game opens with keys, and notes its name.
class Answerer : public QObject {
 public:
  Answerer() {
    connect(&timer_, &QTimer::timeout, this, [this] { Answer(); });
    timer_.start(20);
  }
  QStringList seen;
  QStringList urgentUnder;
  QStringList faults;

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || answering_) return;
    answering_ = true;
    seen << modal->objectName();
    if (MarkedUrgent()) urgentUnder << modal->objectName();
    // No dialog may be maximised; one minimised (openbox offers it to
    // every dialog) comes straight back with the table.
    if (AllowedActions(modal).contains("MAXIMIZE")) faults << modal->objectName() + " may be maximised";
    if (!OnWayland() && seen.size() == 1) {
      MinimiseWatch watch(modal);
      if (!QTest::qWaitForWindowExposed(modal)) faults << modal->objectName() + " did not show";
      QProcess::execute("xdotool", {"windowminimize", QString::number(modal->winId())});
      if (!QTest::qWaitFor([&] { return watch.minimised; }, 2000)) faults << "the minimise was not seen";
      if (!QTest::qWaitFor(
              [&] {
                return modal->isVisible() && !modal->isMinimized() && !modal->parentWidget()->window()->isMinimized();
              },
              3000))
        faults << modal->objectName() + " stayed minimised";
    }
    if (auto* number = modal->findChild<QLineEdit*>("txtNUMBER")) number->setText(QStringLiteral("8"));
    const auto suits = modal->findChildren<QRadioButton*>();
    if (!suits.isEmpty() && std::none_of(suits.begin(), suits.end(), [](auto* b) { return b->isChecked(); }))
      suits.front()->setChecked(true);
    QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
    QTest::keyClick(target, Qt::Key_Return);
    answering_ = false;
  }
  QTimer timer_;
  bool answering_ = false;
};

// The stop to play: a suit change when one fits (its question is one of
// those looked at), else the first stop.
zunpa::ui::FocusStop Target(const zunpa::Game& game) {
  const std::vector<zunpa::ui::FocusStop> stops = zunpa::ui::FocusStops(game);
  for (const auto& stop : stops)
    if (!stop.draw && zunpa::RankOfCode(stop.code) == game.roles.SuitChangeRank) return stop;
  return stops.front();
}

}  // namespace

class KeysStayTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void theTableHasTheKeysAfterEveryWindowTheGameOpens();
};

void KeysStayTest::theTableHasTheKeysAfterEveryWindowTheGameOpens() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  Answerer answerer;
  window.show();
  window.StartUp();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.action("flgSOKUDO0")->trigger();
  const zunpa::Game& game = window.session().game();

  // No window but a question or dialog ever takes the keys from the table.
  QStringList stolenBy;
  QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [&](QWindow* focus) {
    if (focus && focus != window.windowHandle() && focus->modality() == Qt::NonModal) stolenBy << focus->objectName();
  });

  // Each balloon, as it shows: on the table, over a row's first card.
  QStringList balloonFaults;
  int balloons = 0;
  QTimer balloonWatch;
  QObject::connect(&balloonWatch, &QTimer::timeout, [&] {
    zunpa::qt::Balloon* balloon = window.host().balloon();
    if (!balloon->isVisible()) return;
    ++balloons;
    const QPoint twips = window.table().transform().ToTwips(QPointF(balloon->pos()) + QPointF(0.5, 0.5));
    const bool onARow = std::any_of(zunpa::kRowTop.begin(), zunpa::kRowTop.end(),
                                    [&](int row) { return std::abs(twips.y() - (row + 120)) <= 15; });
    if (balloon->parentWidget() != &window.table() || !window.table().rect().contains(balloon->geometry()) ||
        std::abs(twips.x() - 3120) > 15 || !onARow || QApplication::focusWidget() == balloon)
      balloonFaults << QString("%1 at %2,%3").arg(balloon->text()).arg(twips.x()).arg(twips.y());
  });
  balloonWatch.start(10);

  // A numbered game played the same way is the same game on every run;
  // this one has a suit to choose in its first round.
  window.action("mneNEWNUM")->trigger();
  int moves = 0;
  const auto enough = [&] {
    return game.round.RoundNo >= 2 && answerer.seen.contains("frmTEN") && answerer.seen.contains("frmSELS") &&
           balloons > 0;
  };
  while (!enough()) {
    QVERIFY2(moves < 2000 && game.round.RoundNo <= 6, qPrintable(answerer.seen.join(' ')));
    QVERIFY(QTest::qWaitFor([&] { return zunpa::testing::UserToMove(window); }, 60000));
    // The window that closed last gave the keys back to the table.
    QVERIFY2(QTest::qWaitFor([&] { return TableHasTheKeys(window); }, 3000),
             qPrintable("after " + answerer.seen.value(answerer.seen.size() - 1, "the start") + ", the keys are with " +
                        (QGuiApplication::focusWindow() ? QGuiApplication::focusWindow()->objectName() : "nothing") +
                        " and " + (window.focusWidget() ? window.focusWidget()->objectName() : "nothing")));
    const zunpa::ui::FocusStop target = Target(game);
    Press(window, Qt::Key_Right, "Right");
    for (int step = 0; step < 30 && window.table().focusStop() != target; ++step)
      Press(window, Qt::Key_Right, "Right");
    const int before = window.stepsRun();
    Press(window, Qt::Key_Return, "Return");
    QVERIFY(QTest::qWaitFor([&] { return !zunpa::testing::UserToMove(window) || window.stepsRun() != before; }, 5000));
    ++moves;
  }
  QVERIFY2(balloonFaults.isEmpty(), qPrintable(balloonFaults.join(" | ")));
  QVERIFY2(answerer.urgentUnder.isEmpty(), qPrintable(answerer.urgentUnder.join(' ')));
  QVERIFY2(stolenBy.isEmpty(), qPrintable(stolenBy.join(' ')));
  QVERIFY2(answerer.faults.isEmpty(), qPrintable(answerer.faults.join('\n')));
  // The score table stands beside the table, over none of its controls.
  QWidget* sheet = window.host().scoreTable();
  QVERIFY(sheet && sheet->isVisible());
  if (sheet->isWindow()) {
    QVERIFY(!sheet->frameGeometry().intersects(window.frameGeometry()));
  } else {
    const QRect felt = window.table().transform().ToPixels(0, 0, zunpa::kTableWidth, zunpa::qt::kTableTwips.height());
    const QRect feltInWindow(window.table().mapTo(&window, felt.topLeft()), felt.size());
    QVERIFY(!QRect(sheet->mapTo(&window, QPoint()), sheet->size()).intersects(feltInWindow));
  }
  window.close();
}

QTEST_MAIN(KeysStayTest)
#include "keys_stay_test.moc"
