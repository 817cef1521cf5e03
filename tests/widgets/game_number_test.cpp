// Numbered games in the window: the number dialog, the title, and a saved
// game that keeps its number when it is continued.

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "deal_log.h"
#include "flow/new_game.h"
#include "platform/user_store.h"
#include "rules/deal.h"
#include "rules/silent_host.h"
#include "table/main_window.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;

namespace {

// The hands of the four seats and the stock, as dealt.
std::vector<int> TableCards(const zunpa::Game& g) {
  zunpa::testing::DealLog log;
  log.OnDeal(g);
  return log.deals[0].cards;
}

// Round `round` as the number deals it, the first deal after taking it.
std::vector<int> DealOfNumber(std::uint64_t number, int round) {
  zunpa::SilentHost host;
  zunpa::Game g(host);
  g.watching = false;
  g.random.UseGameNumber(number);
  if (round == 1) {
    zunpa::BeginNewGame(g);
  } else {
    g.round.RoundNo = round;
    zunpa::ShuffleAndDeal(g);
    zunpa::TurnUpOpeningCard(g);
  }
  return TableCards(g);
}

// Types each entry in turn into the number dialog and presses OK; notes
// what the box held when the dialog came up and after the typing. OK is
// pressed from a timer of its own, so the answerer is free for the message
// a bad number brings.
void TypeInTurn(zunpa::testing::ModalAnswerer& answerer, QStringList entries, QStringList& found) {
  answerer.OnDialog([entries, &found](QWidget* dialog) mutable {
    auto* ok = dialog->findChild<QPushButton*>("cmdOK");
    if (dialog->objectName() != "frmNUMBER" || entries.isEmpty() || !ok->isDefault()) return;
    auto* box = dialog->findChild<QLineEdit*>("txtNUMBER");
    found << box->text();
    box->clear();
    QTest::keyClicks(box, entries.takeFirst());
    found << box->text();
    ok->setDefault(false);
    QTimer::singleShot(0, ok, [ok = QPointer<QPushButton>(ok)] {
      ok->click();
      if (ok) ok->setDefault(true);
    });
  });
}

QString Title(std::uint64_t number) {
  return "ズンパＳ　ゲーム番号 " + QString::number(number);
}

}  // namespace

class GameNumberTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void theItemAsksForANumberAndABadOneIsToldWithNothingLost();
  void cancellingTheNumberLeavesTheGameAndPlainNewNumbersToo();
  void aContinuedGameKeepsItsNumberAndItsDeals();
};

void GameNumberTest::theItemAsksForANumberAndABadOneIsToldWithNothingLost() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  QCOMPARE(window.windowTitle(), QString("ズンパＳ"));
  QVERIFY(window.action("mneNEWNUM")->isEnabled());
  QCOMPARE(window.action("mneNEWNUM")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F2));
  QStringList found;
  // Letters are not taken at all; nought is out of range; then a number.
  TypeInTurn(answerer, {"ab", "0", "123456"}, found);
  window.action("mneNEWNUM")->trigger();
  answerer.OnDialog({});
  QCOMPARE(found, QStringList({"", "", "", "0", "0", "123456"}));
  QCOMPARE(answerer.dialogs().mid(0, 4), QStringList({"frmNUMBER", "frmNUMBER", "frmNUMBER", "frmPLSEL"}));
  QCOMPARE(answerer.messages().mid(0, 2),
           QStringList({"ズンパＳ: ゲーム番号を入力してください。", "ズンパＳ: ゲーム番号は1から999999999までです。"}));
  QVERIFY(answerer.messages()[2].endsWith("から始めます"));
  QVERIFY(window.session().GameNumber() == std::optional<std::uint64_t>(123456));
  QCOMPARE(window.windowTitle(), Title(123456));
  // The table holds the number's first deal, before anyone has moved.
  QVERIFY(TableCards(window.session().game()) == DealOfNumber(123456, 1));
  window.close();
}

void GameNumberTest::cancellingTheNumberLeavesTheGameAndPlainNewNumbersToo() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  window.action("flgSOKUDO0")->trigger();
  QStringList found;
  TypeInTurn(answerer, {"77"}, found);
  window.action("mneNEWNUM")->trigger();
  const zunpa::Game& game = window.session().game();
  QVERIFY(zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); }));
  const std::vector<int> hand(game.round.HandOf(4).begin(), game.round.HandOf(4).end());
  // Another number typed, then キャンセル: the game on the table goes on.
  answerer.OnDialog([&](QWidget* dialog) {
    if (dialog->objectName() != "frmNUMBER") return;
    QCOMPARE(dialog->findChild<QLineEdit*>("txtNUMBER")->text(), QString("77"));  // offered again
    QTest::keyClicks(dialog->findChild<QLineEdit*>("txtNUMBER"), "5");
    dialog->findChild<QPushButton*>("cmdOK")->setDefault(false);
    dialog->findChild<QPushButton*>("cmdCANCEL")->click();
  });
  window.action("mneNEWNUM")->trigger();
  answerer.OnDialog({});
  QVERIFY(window.session().GameNumber() == std::optional<std::uint64_t>(77));
  QCOMPARE(window.windowTitle(), Title(77));
  QVERIFY(std::vector<int>(game.round.HandOf(4).begin(), game.round.HandOf(4).end()) == hand);
  QVERIFY(zunpa::testing::UserToMove(window));
  // 新規 takes a number of its own from the clock.
  window.action("mneNEW")->trigger();
  const auto number = window.session().GameNumber();
  QVERIFY(number && *number != 77 && *number >= 1 && *number <= 999999999);
  QCOMPARE(window.windowTitle(), Title(*number));
  window.close();
}

void GameNumberTest::aContinuedGameKeepsItsNumberAndItsDeals() {
  zunpa::qt::KeepSavedGameNumber(std::nullopt);
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  QFile::copy(QString(ZUNPA_TEST_DATA) + "/savedata_round5.txt", QDir(folder).filePath("SaveData.txt"));
  QFile(QDir(folder).filePath("SaveData.txt")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  const QByteArray fileBefore = [&] {
    QFile file(QDir(folder).filePath("SaveData.txt"));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }();
  zunpa::testing::ModalAnswerer answerer;
  std::uint64_t number = 0;
  std::vector<int> roundFive;
  {
    MainWindow window(folder);
    window.show();
    window.StartUp();
    window.action("flgSOKUDO0")->trigger();
    // A save kept without a number: the continued game takes a fresh one.
    window.action("mneCONTINUE")->trigger();
    const zunpa::Game& game = window.session().game();
    QCOMPARE(game.round.RoundNo, 5);
    QVERIFY(window.session().GameNumber());
    number = *window.session().GameNumber();
    QCOMPARE(window.windowTitle(), Title(number));
    roundFive = TableCards(game);
    QVERIFY(roundFive == DealOfNumber(number, 5));
    QVERIFY(zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); }));
    window.action("mneSAVE")->trigger();
    QVERIFY(zunpa::qt::SavedGameNumber() == std::optional<std::uint64_t>(number));
    window.close();
  }
  // The file is as it always was: 107 lines, no number in it.
  QFile file(QDir(folder).filePath("SaveData.txt"));
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll().count("\r\n"), fileBefore.count("\r\n"));
  MainWindow again(folder);
  again.show();
  again.StartUp();
  QCOMPARE(again.windowTitle(), QString("ズンパＳ"));
  again.action("mneCONTINUE")->trigger();
  QVERIFY(again.session().GameNumber() == std::optional<std::uint64_t>(number));
  QCOMPARE(again.windowTitle(), Title(number));
  QCOMPARE(again.session().game().round.RoundNo, 5);
  QVERIFY(TableCards(again.session().game()) == roundFive);
  again.close();
}

QTEST_MAIN(GameNumberTest)
#include "game_number_test.moc"
