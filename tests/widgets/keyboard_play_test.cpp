// The real window played without a mouse: menus, the user's moves and
// every question answered from the keyboard; the focus ring, the hint and
// what the table tells a screen reader.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/message_box.h"
#include "table/main_window.h"
#include "table/table_widget.h"
#include "table/yomi_worker.h"
#include "ui_logic/card_name.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::qt::TableWidget;
using zunpa::testing::UserToMove;

namespace {

QWidget* KeyTarget(QWidget* fallback) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal->focusWidget() ? modal->focusWidget() : modal;
  return QApplication::focusWidget() ? QApplication::focusWidget() : fallback;
}

// Answers each modal window with keys: Enter for message boxes and
// dialogs, after Tab and Space have picked a suit where one must be
// picked.
class KeyAnswerer : public QObject {
 public:
  KeyAnswerer() {
    connect(&timer_, &QTimer::timeout, this, [this] { Answer(); });
    timer_.start(5);
  }
  QStringList answered;

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    answered << modal->objectName();
    const auto suits = modal->findChildren<QRadioButton*>();
    const bool picked = std::any_of(suits.begin(), suits.end(), [](QRadioButton* b) { return b->isChecked(); });
    for (int tab = 0; !suits.isEmpty() && !picked && tab < 12; ++tab) {
      if (qobject_cast<QRadioButton*>(modal->focusWidget())) {
        QTest::keyClick(modal->focusWidget(), Qt::Key_Space);
        break;
      }
      QTest::keyClick(KeyTarget(modal), Qt::Key_Tab);
    }
    QTest::keyClick(KeyTarget(modal), Qt::Key_Return);
  }
  QTimer timer_;
};

// Shows the ring, walks `steps` stops to the right and presses Enter.
void MoveByKeys(MainWindow& window, int steps) {
  QWidget* target = window.focusWidget();
  QTest::keyClick(target, Qt::Key_Right);
  for (int k = 0; k < steps; ++k)
    QTest::keyClick(target, Qt::Key_Right);
  QTest::keyClick(target, Qt::Key_Return);
}

QStringList ChildNames(QAccessibleInterface* table) {
  QStringList names;
  for (int k = 0; k < table->childCount(); ++k)
    if (QAccessibleInterface* child = table->child(k)) names << child->text(QAccessible::Name);
  return names;
}

}  // namespace

class KeyboardPlayTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void questionsAreAnsweredWithYNEnterAndEsc();
  void theRingMovesOverTheFittingCardsAndEnterPlaysIt();
  void theHintIsYomisChoiceWithEveryWorth();
  void theTableTellsAScreenReaderWhatIsShown();
  void aWholeGameWithoutTheMouse();

 private:
  // A window at the user's first move of a new game at the fastest speed.
  std::unique_ptr<MainWindow> WindowAtTheUsersMove(QTemporaryDir& dir);
};

void KeyboardPlayTest::questionsAreAnsweredWithYNEnterAndEsc() {
  QWidget parent;
  const std::vector<std::pair<Qt::Key, zunpa::Answer>> keys = {
      {Qt::Key_Y, zunpa::Answer::Yes}, {Qt::Key_N, zunpa::Answer::No}, {Qt::Key_Escape, zunpa::Answer::No}};
  for (const auto& [key, expected] : keys) {
    QTimer::singleShot(50, [key = key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
    const zunpa::Answer answer =
        zunpa::qt::ShowMessageBox(&parent, {"２が１枚あります。出しますか？", "ズンパＳ", zunpa::Buttons::YesNo});
    QCOMPARE(int(answer), int(expected));
  }
  QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return); });
  QCOMPARE(int(zunpa::qt::ShowMessageBox(&parent, {"ズンパを終了します", "ズンパＳ", zunpa::Buttons::OkCancel})),
           int(zunpa::Answer::Ok));
  QTimer::singleShot(50, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
  QCOMPARE(int(zunpa::qt::ShowMessageBox(&parent, {"ズンパを終了します", "ズンパＳ", zunpa::Buttons::OkCancel})),
           int(zunpa::Answer::Cancel));
}

std::unique_ptr<MainWindow> KeyboardPlayTest::WindowAtTheUsersMove(QTemporaryDir& dir) {
  auto window = std::make_unique<MainWindow>(zunpa::testing::MakeProgramFolder(dir));
  window->show();
  window->StartUp();
  window->action("flgSOKUDO0")->trigger();
  window->action("mneNEW")->trigger();
  // The balloons of a first round may go on for a while; the game's own
  // pace is not what is tested here.
  if (!QTest::qWaitFor([&] { return UserToMove(*window); }, 20000)) return nullptr;
  return window;
}

void KeyboardPlayTest::theRingMovesOverTheFittingCardsAndEnterPlaysIt() {
  QTemporaryDir dir;
  KeyAnswerer answerer;
  auto window = WindowAtTheUsersMove(dir);
  QVERIFY(window);
  TableWidget& table = window->table();
  const zunpa::Game& game = window->session().game();
  QVERIFY(!table.focusShown());
  const auto stops = zunpa::ui::FocusStops(game);
  QVERIFY(!stops.empty());
  QTest::keyClick(&table, Qt::Key_Right);
  QVERIFY(table.focusShown());
  QCOMPARE(*table.focusStop(), stops.front());
  QTest::keyClick(&table, Qt::Key_Left);
  QCOMPARE(*table.focusStop(), stops.back());
  QVERIFY(stops.back().draw);
  if (stops.size() == 1) QSKIP("nothing fits in this deal");
  QTest::keyClick(&table, Qt::Key_Right);
  const zunpa::ui::FocusStop card = *table.focusStop();
  QVERIFY(!card.draw);
  const int pileBefore = game.round.pileLog.size();
  QTest::keyClick(&table, Qt::Key_Return);
  QVERIFY(game.round.pileLog.size() > pileBefore);
  QVERIFY(!game.round.HandOf(4).Contains(card.code));
  // A click hides the ring again: the mouse player does not see it.
  QTRY_VERIFY_WITH_TIMEOUT(UserToMove(*window) || game.round.RoundNo > 1, 20000);
  QTest::mouseClick(&table, Qt::LeftButton, {}, QPoint(2, 2));
  QVERIFY(!table.focusShown());
}

// H asks 読み: its choice gets the ring, every choice its worth, and
// nothing is played; the window shows exactly the engine's answer.
void KeyboardPlayTest::theHintIsYomisChoiceWithEveryWorth() {
  QTemporaryDir dir;
  KeyAnswerer answerer;
  auto window = WindowAtTheUsersMove(dir);
  QVERIFY(window);
  const zunpa::Game& game = window->session().game();
  const zunpa::Advice expected = zunpa::Analyse(window->session().AnalysisInput(), zunpa::Question::Move,
                                                zunpa::WindowYomiSettings(), zunpa::qt::YomiWorker::SeedFor(game));
  const int hand = game.round.HandOf(4).size(), steps = window->stepsRun();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(KeyTarget(window.get()), Qt::Key_H);
  QTRY_VERIFY_WITH_TIMEOUT(window->table().hint().has_value(), 5000);
  QCOMPARE(window->table().hint(), zunpa::ui::HintOf(expected).best);
  QCOMPARE(int(window->table().worthTags().size()), expected.count > 1 ? expected.count : 0);
  QCOMPARE(game.round.HandOf(4).size(), hand);
  QCOMPARE(window->stepsRun(), steps);
  QVERIFY(UserToMove(*window));
  // The mark goes with the move it was for.
  MoveByKeys(*window, 0);
  QVERIFY(!window->table().hint());
  QVERIFY(window->table().worthTags().empty());
  // 問いにも読み is kept for the next window, and left off again.
  window->action("mneYOMI")->trigger();
  QVERIFY(MainWindow(zunpa::testing::MakeProgramFolder(dir)).action("mneYOMI")->isChecked());
  window->action("mneYOMI")->trigger();
  QVERIFY(!MainWindow(zunpa::testing::MakeProgramFolder(dir)).action("mneYOMI")->isChecked());
}

void KeyboardPlayTest::theTableTellsAScreenReaderWhatIsShown() {
  QTemporaryDir dir;
  KeyAnswerer answerer;
  auto window = WindowAtTheUsersMove(dir);
  QVERIFY(window);
  const zunpa::Game& game = window->session().game();
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&window->table());
  QVERIFY(table);
  const QStringList names = ChildNames(table);
  for (int code : game.round.HandOf(4))
    QVERIFY2(names.contains(QString::fromStdString(zunpa::ui::CardName(code))), qPrintable(names.join("|")));
  QVERIFY(names.contains("めくる"));
  QVERIFY(names.contains(QString::fromStdString(game.display.stockCounter)));
  QVERIFY(QString::fromStdString(game.display.stockCounter).startsWith("あと"));
  const QString seat1 = QString::fromStdString(game.display.seats[0].name) + " 現在得点 " +
                        QString::fromStdString(game.display.seats[0].total);
  QVERIFY2(names.contains(seat1), qPrintable(names.join("|")));
  // No face-down card is named anywhere.
  for (int seat = 1; seat <= 3; ++seat)
    for (int code : game.round.HandOf(seat)) {
      const QString name = QString::fromStdString(zunpa::ui::CardName(code));
      for (const QString& shown : names)
        QVERIFY2(!shown.endsWith(name), qPrintable(shown));
    }
  // The ring is the accessible focus.
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  QTest::keyClick(&window->table(), Qt::Key_Right);
  if (window->table().focusStop()->draw) return;
  const int item = window->table().FocusedItem();
  QVERIFY(item >= 0);
  QAccessibleInterface* focused = table->child(table->childCount() - int(window->table().items().size()) + item);
  QVERIFY(focused && focused->state().focused);
  QCOMPARE(focused->text(QAccessible::Name),
           QString::fromStdString(zunpa::ui::CardName(window->table().focusStop()->code)));
}

void KeyboardPlayTest::aWholeGameWithoutTheMouse() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  window.show();
  window.StartUp();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), &window.table());
  // 特急 through the menus: Alt+O, S for 進行速度, its first item.
  QTest::keyClick(&window, Qt::Key_O, Qt::AltModifier);
  QTRY_VERIFY(QApplication::activePopupWidget());
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_S);
  QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) &&
              QApplication::activePopupWidget()->objectName() == "mneSOKUDO");
  QMenu* speed = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (speed->activeAction() != speed->actions().front()) QTest::keyClick(speed, Qt::Key_Home);
  QTest::keyClick(speed, Qt::Key_Return);
  QTRY_VERIFY(window.action("flgSOKUDO0")->isChecked());
  QCOMPARE(window.session().game().options.SpeedIndex, 0);

  KeyAnswerer answerer;
  QTest::keyClick(KeyTarget(&window), Qt::Key_F2);
  const zunpa::Game& game = window.session().game();
  int moves = 0;
  QElapsedTimer clock;
  clock.start();
  while (!(answerer.answered.contains("frmRESULT") && !window.session().Busy())) {
    QVERIFY2(clock.elapsed() < 240000, "the game did not end in four minutes");
    if (UserToMove(window) && !QApplication::activeModalWidget()) {
      // The window's own focus, the widget its keys go to once it is
      // active: the offscreen platform hands activation about loosely
      // (even to the balloon, which accepts no focus).
      QCOMPARE(window.focusWidget(), &window.table());
      const auto stops = zunpa::ui::FocusStops(game);
      if (moves % 5 == 4) {
        QTest::keyClick(window.focusWidget(), moves % 2 ? Qt::Key_D : Qt::Key_Down);
      } else {
        MoveByKeys(window, moves % int(stops.size()));
      }
      ++moves;
    }
    QTest::qWait(1);
  }
  QVERIFY(moves > 20);
  QCOMPARE(answerer.answered.count("frmTEN"), 20);
  QVERIFY(!game.display.sheet.Cell(4, 20).caption.empty());
}

QTEST_MAIN(KeyboardPlayTest)
#include "keyboard_play_test.moc"
