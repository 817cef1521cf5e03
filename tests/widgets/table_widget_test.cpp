// The table: one transform for pictures, captions and the draw button,
// bitmaps scaled once per size, the x-ray lists and automatic detection.

#include "table/table_widget.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "table/main_window.h"
#include "table/table_transform.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;
using zunpa::qt::TableTransform;

class TableWidgetTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void theTableKeepsItsProportionsAndIsCentred();
  void bitmapsAreScaledOncePerSize();
  void theDrawButtonAndCaptionsFollowTheTransform();
  void xrayShowsTheListsWithItsTwoMessages();
  void automaticDetectionTakesTheMarksAwayAtOnce();

 private:
  // A window with a round dealt and the user to move.
  void DealAndWaitForTheUser(MainWindow& window);
};

void TableWidgetTest::DealAndWaitForTheUser(MainWindow& window) {
  window.show();
  window.StartUp();
  window.action("flgSOKUDO0")->trigger();
  window.action("mneNEW")->trigger();
  QVERIFY(zunpa::testing::PlayUntil(window, [&] { return zunpa::testing::UserToMove(window); }));
}

void TableWidgetTest::theTableKeepsItsProportionsAndIsCentred() {
  const QSize table = zunpa::qt::kTableTwips;
  const TableTransform wide(QSize(2000, 612), table);
  QCOMPARE(wide.scale(), 612.0 / table.height());
  const QRect whole = wide.ToPixels(0, 0, table.width(), table.height());
  QCOMPARE(whole.height(), 612);
  QVERIFY(qAbs(whole.left() - (2000 - whole.right() - 1)) <= 1);  // centred across
  const TableTransform tall(QSize(456, 2000), table);
  QCOMPARE(tall.ToPixels(0, 0, table.width(), 10).width(), 456);
  // A point maps back into the twip it came from.
  const QPoint twips(3123, 4871);
  QCOMPARE(wide.ToTwips(wide.ToPixels(twips.x(), twips.y()) + QPointF(0.01, 0.01)), twips);
  // Neighbouring cards of a row meet without a gap or an overlap of pixels.
  const QRect first = wide.ToPixels(3000, 4860, 250, 960);
  const QRect second = wide.ToPixels(3250, 4860, 250, 960);
  QCOMPARE(first.right() + 1, second.left());
}

void TableWidgetTest::bitmapsAreScaledOncePerSize() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  DealAndWaitForTheUser(window);
  window.table().grab();
  const int scaled = window.table().scalings();
  QVERIFY(scaled > 0);
  window.table().grab();
  window.table().grab();
  QCOMPARE(window.table().scalings(), scaled);
  window.resize(window.size() * 2);
  QApplication::processEvents();
  window.table().grab();
  QVERIFY(window.table().scalings() > scaled);
  window.close();
}

void TableWidgetTest::theDrawButtonAndCaptionsFollowTheTransform() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  DealAndWaitForTheUser(window);
  for (const QSize size : {QSize(700, 640), QSize(1400, 1300)}) {
    window.table().resize(size);
    const TableTransform& t = window.table().transform();
    QCOMPARE(window.table().drawButton()->geometry(), t.ToPixels(4680, 4380, 735, 375));
    QCOMPARE(window.table().findChild<QLabel*>("lblPLNM3")->geometry(), t.ToPixels(120, 4860, 1215, 255));
  }
  QVERIFY(window.table().drawButton()->isVisible());
  QVERIFY(window.table().drawButton()->isEnabled());
  QCOMPARE(window.table().findChild<QLabel*>("lblROUND")->text(), QString("第1ラウンド"));
  window.close();
}

void TableWidgetTest::xrayShowsTheListsWithItsTwoMessages() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  DealAndWaitForTheUser(window);
  auto* caption = window.table().findChild<QLabel*>("lblROUND");
  auto* hand = window.table().findChild<QListWidget*>("List13");
  const int widthBefore = window.table().minimumSizeHint().width();
  QVERIFY(!hand->isVisible());
  const int messagesBefore = int(answerer.messages().size());
  QTest::mouseDClick(caption, Qt::LeftButton);
  QTRY_COMPARE(answerer.messages().size(), messagesBefore + 1);
  QVERIFY(answerer.messages().last().startsWith("レントゲン機能ON: "));
  QVERIFY(hand->isVisible());
  QCOMPARE(hand->count(), window.session().game().round.HandOf(4).size());
  QVERIFY(window.table().minimumSizeHint().width() > widthBefore);
  QTest::mouseDClick(caption, Qt::LeftButton);
  QTRY_COMPARE(answerer.messages().size(), messagesBefore + 2);
  QVERIFY(answerer.messages().last().startsWith("レントゲン機能OFF: "));
  QVERIFY(!hand->isVisible());
  window.close();
}

void TableWidgetTest::automaticDetectionTakesTheMarksAwayAtOnce() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  DealAndWaitForTheUser(window);
  const zunpa::DisplayModel& d = window.session().game().display;
  auto* total = window.table().findChild<QLabel*>("lblGOKEI");
  QVERIFY(total->isVisible());
  const int marks = d.playableMarks;
  window.action("mnuKEN")->trigger();
  QVERIFY(!window.action("mnuKEN")->isChecked());
  QCOMPARE(d.playableMarks, 0);
  QVERIFY(!total->isVisible());
  window.action("mnuKEN")->trigger();
  QCOMPARE(d.playableMarks, marks);
  QVERIFY(total->isVisible());
  window.close();
}

QTEST_MAIN(TableWidgetTest)
#include "table_widget_test.moc"
