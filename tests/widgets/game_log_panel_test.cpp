// 経過 in the real main window: a round played by clicks leaves its lines
// in the seats' colours, scrolled to the latest, copied as text; the menu
// item and the panel's close button keep the check mark and the user's
// store in step; a new game starts an empty log.

#include "table/game_log_panel.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "table/main_window.h"
#include "table/table_widget.h"
#include "ui_logic/game_log.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::testing::PlayUntil;
using zunpa::testing::UserToMove;

namespace {

QVariant StoredLogPanel() {
  return QSettings(QSettings::UserScope, "ZunpaS", "ZunpaS").value("View/logPanel");
}

void ForgetLogPanel() {
  QSettings(QSettings::UserScope, "ZunpaS", "ZunpaS").remove("View/logPanel");
}

QColor ColourOfLine(const QTextBlock& block) {
  return block.begin().fragment().charFormat().foreground().color();
}

// A seat's line shows the colour of its name on the table.
QColor SeatColour(const zunpa::Game& game, int seat) {
  if (seat == 0) return QColor(0xD8, 0xD8, 0xD8);
  return QColor::fromRgb(game.display.seats[seat - 1].nameColour);
}

}  // namespace

class GameLogPanelTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void init() { ForgetLogPanel(); }
  void aRoundLeavesItsLinesColouredScrolledAndCopyable();
  void theMenuItemAndTheCloseButtonAgreeAndAreKept();
};

void GameLogPanelTest::aRoundLeavesItsLinesColouredScrolledAndCopyable() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  window.show();
  window.StartUp();
  zunpa::testing::ModalAnswerer answerer;
  window.action("mneLOG")->trigger();
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
  const zunpa::Game& game = window.session().game();
  QPlainTextEdit* lines = window.logPanel().lines();
  const std::vector<zunpa::ui::LogEntry>& entries = window.log().entries();
  // A short first round fits in the panel and leaves nothing to scroll.
  const auto overflows = [&] {
    return int(entries.size()) > lines->viewport()->height() / lines->fontMetrics().lineSpacing();
  };
  QVERIFY(PlayUntil(window, [&] { return game.round.RoundNo >= 2 && overflows() && UserToMove(window); }));

  QCOMPARE(lines->document()->blockCount(), int(entries.size()));
  QVERIFY(entries.front().text.rfind("新しいゲーム: ", 0) == 0);
  bool scored = false;
  for (int i = 0; i < int(entries.size()); ++i) {
    const QTextBlock block = lines->document()->findBlockByNumber(i);
    QCOMPARE(block.text(), QString::fromStdString(entries[i].text));
    QCOMPARE(ColourOfLine(block), SeatColour(game, entries[i].seat));
    scored = scored || entries[i].text == "第1ラウンドの得点";
  }
  QVERIFY(scored);
  QVERIFY(lines->toPlainText().contains("── 第2ラウンド"));
  // The text lays itself out when the events run, later on a busy machine.
  QScrollBar* bar = lines->verticalScrollBar();
  QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 0, 5000);
  QTRY_COMPARE_WITH_TIMEOUT(bar->value(), bar->maximum(), 5000);

  // すべてコピー, Ctrl+C on a selected line, and Ctrl+C with nothing selected.
  QClipboard* clipboard = QApplication::clipboard();
  const QString all = QString::fromStdString(window.log().Text()).chopped(1);
  clipboard->clear();
  QTest::mouseClick(window.logPanel().findChild<QPushButton*>("cmdCOPYALL"), Qt::LeftButton);
  QCOMPARE(clipboard->text(), all);
  QTextCursor cursor(lines->document()->findBlockByNumber(1));
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  lines->setTextCursor(cursor);
  lines->setFocus();
  QTest::keyClick(lines, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), QString::fromStdString(entries[1].text));
  lines->moveCursor(QTextCursor::End);
  QTest::keyClick(lines, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(clipboard->text(), all);

  // The next game starts a fresh log.
  window.action("mneNEW")->trigger();
  QVERIFY(PlayUntil(window, [&] { return UserToMove(window); }));
  QVERIFY(lines->document()->firstBlock().text().startsWith("新しいゲーム: "));
  QVERIFY(!lines->toPlainText().contains("第1ラウンドの得点"));
  QVERIFY(lines->toPlainText().contains("── 第1ラウンド"));
}

void GameLogPanelTest::theMenuItemAndTheCloseButtonAgreeAndAreKept() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  {
    MainWindow window(folder);
    window.show();
    window.StartUp();
    QAction* item = window.action("mneLOG");
    zunpa::qt::GameLogPanel& panel = window.logPanel();
    QCOMPARE(panel.objectName(), QString("dockKEIKA"));
    QVERIFY(!panel.isVisible());
    QVERIFY(!item->isChecked());
    const int narrow = window.width();

    item->trigger();
    QVERIFY(panel.isVisible());
    QVERIFY(item->isChecked());
    QCOMPARE(StoredLogPanel().toBool(), true);
    QVERIFY(QFile::exists(QDir(zunpa::testing::EnterTestSandbox()).filePath("ZunpaS/ZunpaS.conf")));
    QVERIFY(window.width() > narrow);
    QVERIFY(window.table().width() > 0);

    item->trigger();
    QVERIFY(!panel.isVisible());
    QVERIFY(!item->isChecked());
    QCOMPARE(StoredLogPanel().toBool(), false);
    QCOMPARE(window.width(), narrow);

    item->trigger();
    auto* close = panel.findChild<QAbstractButton*>("qt_dockwidget_closebutton");
    QVERIFY(close);
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    QVERIFY(!item->isChecked());
    QCOMPARE(StoredLogPanel().toBool(), false);
    QCOMPARE(window.width(), narrow);
    item->trigger();
    window.close();
    QCOMPARE(StoredLogPanel().toBool(), true);  // closing the window is no choice of the user's
  }
  MainWindow next(folder);
  next.show();
  QVERIFY(next.logPanel().isVisible());
  QVERIFY(next.action("mneLOG")->isChecked());
}

QTEST_MAIN(GameLogPanelTest)
#include "game_log_panel_test.moc"
