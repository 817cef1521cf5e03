// frmMAIN's wiring: the menu bar as built, start-up with and without the
// data and sound files, the items greyed while the computer moves, and a
// close in the middle of a chain.

#include "table/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "table/balloon.h"
#include "table/qt_host.h"
#include "table/table_widget.h"
#include "ui_logic/menu_tree.h"
#include "widgets/modal_answerer.h"
#include "widgets/program_folder.h"
#include "widgets/table_player.h"
#include "widgets/test_sandbox.h"

using zunpa::qt::MainWindow;

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), int(text.size()));
}

QString NameOf(const zunpa::ui::MenuItem& item) {
  return item.index >= 0 ? Q(item.name) + QString::number(item.index) : Q(item.name);
}

void CopyTestFile(const QString& name, const QString& folder, const QString& as) {
  QFile::copy(QString(ZUNPA_TEST_DATA) + "/" + name, QDir(folder).filePath(as));
  QFile(QDir(folder).filePath(as)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QVERIFY(!zunpa::testing::EnterTestSandbox().isEmpty()); }
  void everyMenuItemIsBuiltWithItsCaptionShortcutAndMark();
  void aFreshFolderStartsWithDefaultsAndNothingToContinue();
  void aSavedGameAndSettingsAreTakenUpAtStartUp();
  void damagedRecordsAndSettingsAreReportedAndTheGameGoesOn();
  void withoutTheSoundFilesTheVoicesStayOff();
  void theGameItemsAreGreyedWhileTheComputerMoves();
  void aBalloonLiesOnTheSpeakersRowAndClosingUnderItEndsCleanly();
};

void MainWindowTest::everyMenuItemIsBuiltWithItsCaptionShortcutAndMark() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  QCOMPARE(window.windowTitle(), QString("ズンパＳ"));
  const QList<QAction*> top = window.menuBar()->actions();
  QCOMPARE(top.size(), 4);
  QCOMPARE(top[0]->text(), QString("ｹﾞｰﾑ(&G)"));
  const auto bar = zunpa::ui::WindowMenuBar();
  std::function<void(const std::vector<zunpa::ui::MenuItem>&)> check = [&](const auto& items) {
    for (const auto& item : items) {
      if (item.IsSeparator()) continue;
      QAction* action = window.action(NameOf(item));
      QVERIFY2(action, qPrintable(NameOf(item)));
      QCOMPARE(action->text(), Q(item.caption));
      QCOMPARE(action->shortcut(), QKeySequence(Q(item.shortcut)));
      QCOMPARE(action->isCheckable(), item.checkable);
      if (item.checkable) QCOMPARE(action->isChecked(), item.checked);
      QVERIFY(!action->actionGroup());  // check marks, never radio dots
      check(item.items);
    }
  };
  check(bar);
  QCOMPARE(window.action("mneNEW")->shortcut(), QKeySequence(Qt::Key_F2));
  QCOMPARE(window.action("mneSAVE")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  QVERIFY(!window.action("mneCONTINUE")->isEnabled());
  QVERIFY(!window.action("mneSAVE")->isEnabled());
  // The menus follow the order of the bar: the speed group is in 進行速度.
  auto* speed = window.findChild<QMenu*>("mneSOKUDO");
  QVERIFY(speed);
  QCOMPARE(speed->actions().size(), 4);
  QCOMPARE(speed->actions()[2]->objectName(), QString("flgSOKUDO2"));
}

void MainWindowTest::aFreshFolderStartsWithDefaultsAndNothingToContinue() {
  QTemporaryDir dir;
  MainWindow window(zunpa::testing::MakeProgramFolder(dir));
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  QVERIFY(answerer.messages().isEmpty());
  QVERIFY(!window.action("mneCONTINUE")->isEnabled());
  QVERIFY(window.action("flgSOKUDO2")->isChecked());
  QVERIFY(window.action("mnuKEN")->isChecked());
  QVERIFY(!window.table().drawButton()->isVisible());
  // The empty table says how to begin, where a screen reader reads it too.
  auto* hint = window.table().findChild<QLabel*>("lblSTART");
  QVERIFY(hint->isVisible() && hint->text().contains("F2") && !hint->text().contains("つづき"));
  QCOMPARE(QAccessible::queryAccessibleInterface(hint)->text(QAccessible::Name), hint->text());
  for (const QString& line : hint->text().split('\n'))
    QVERIFY2(hint->fontMetrics().horizontalAdvance(line) <= hint->contentsRect().width(), qPrintable(line));
  QCOMPARE(window.session().game().round.NextStarter, 99);
  QVERIFY(window.session().game().random.ClockDriven());  // no two runs deal alike
  // Speed items tick one at a time, the ticked one included.
  window.action("flgSOKUDO0")->trigger();
  window.action("flgSOKUDO0")->trigger();
  for (int i = 0; i < 4; ++i)
    QCOMPARE(window.action("flgSOKUDO" + QString::number(i))->isChecked(), i == 0);
  // Unticking a kind unticks 全て, and ticking it again leaves 全て off.
  window.action("flgMsgSkip")->trigger();
  QVERIFY(!window.action("flgSUBETE")->isChecked());
  window.action("flgMsgSkip")->trigger();
  QVERIFY(window.action("flgMsgSkip")->isChecked());
  QVERIFY(!window.action("flgSUBETE")->isChecked());
  window.close();
  QVERIFY(QFile::exists(QDir(dir.path()).filePath("zunpas.ini")));
  QVERIFY(QFile::exists(QDir(dir.path()).filePath("Save.txt")));
}

void MainWindowTest::aSavedGameAndSettingsAreTakenUpAtStartUp() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  CopyTestFile("savedata_round5.txt", folder, "SaveData.txt");
  CopyTestFile("zunpas_populated.ini", folder, "zunpas.ini");
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  QVERIFY(answerer.messages().isEmpty());
  QVERIFY(window.action("mneCONTINUE")->isEnabled());
  const zunpa::Options& options = window.session().game().options;
  QCOMPARE(window.action("mnuKEN")->isChecked(), options.AutoDetect);
  QCOMPARE(window.action("flgSOKUDO" + QString::number(options.SpeedIndex))->isChecked(), true);
  QCOMPARE(window.session().game().roles.SuitChangeRank, 1);
  QCOMPARE(window.windowTitle(), QString("ズンパＳ"));
  auto* hint = window.table().findChild<QLabel*>("lblSTART");
  QVERIFY2(hint->isVisible() && hint->text().contains("つづき"), qPrintable(hint->text()));
  window.action("mneCONTINUE")->trigger();
  QTRY_COMPARE_WITH_TIMEOUT(window.session().game().round.RoundNo, 5, 10000);
  QVERIFY(window.table().findChild<QWidget*>("lblZAN")->isVisible());
  QVERIFY(!hint->isVisible());
  // The game on the table has a number, and the title shows it.
  QVERIFY(window.session().GameNumber());
  QCOMPARE(window.windowTitle(), "ズンパＳ　ゲーム番号 " + QString::number(*window.session().GameNumber()));
  window.close();
}

void MainWindowTest::damagedRecordsAndSettingsAreReportedAndTheGameGoesOn() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  WriteFile(QDir(folder).filePath("zunpas.ini"), QByteArray("3,5,x\r\n\xff\xfe garbage"));
  WriteFile(QDir(folder).filePath("Save.txt"), QByteArray("1,2,3\r\n"));
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  // The records come first, then the settings, each named.
  QCOMPARE(answerer.messages().size(), 2);
  QVERIFY(answerer.messages()[0].contains("save.txt"));
  QVERIFY(answerer.messages()[1].contains("zunpas.ini"));
  QVERIFY(window.action("mneNEW")->isEnabled());
  window.close();
}

void MainWindowTest::withoutTheSoundFilesTheVoicesStayOff() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir, {"*.bmp", "*.ICO", "*.hlp"});
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  QVERIFY(!window.action("mneSOUND")->isChecked());
  window.action("mneSOUND")->trigger();
  QVERIFY(!window.action("mneSOUND")->isChecked());
  QCOMPARE(answerer.messages().size(), 1);
  QVERIFY(answerer.messages()[0].startsWith("サウンドファイルがありません: 以下のﾎｰﾑﾍﾟｰｼﾞより"));
  // The card sound is an option of its own.
  QVERIFY(window.action("mneSOUNDC")->isChecked());
  window.action("mneSOUNDC")->trigger();
  QVERIFY(!window.action("mneSOUNDC")->isChecked());
  window.close();
}

void MainWindowTest::theGameItemsAreGreyedWhileTheComputerMoves() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir);
  CopyTestFile("savedata_round5.txt", folder, "SaveData.txt");
  MainWindow window(folder);
  zunpa::testing::ModalAnswerer answerer;
  window.show();
  window.StartUp();
  window.action("flgSOKUDO3")->trigger();  // two seconds between computer moves
  window.action("mneCONTINUE")->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(window.stepPending() || window.session().game().flow.humanInputOpen, 10000);
  if (window.stepPending()) {
    QVERIFY(!window.action("mneNEW")->isEnabled());
    QVERIFY(!window.action("mneNEWNUM")->isEnabled());
    QVERIFY(!window.action("mneSAVE")->isEnabled());
    QVERIFY(!window.action("mneCONTINUE")->isEnabled());
    QVERIFY(!window.table().drawButton()->isEnabled());
    const int steps = window.stepsRun();
    QVERIFY(!window.session().NewGame());
    QCOMPARE(window.stepsRun(), steps);
  }
  QTRY_VERIFY_WITH_TIMEOUT(window.session().game().flow.humanInputOpen, 20000);
  QVERIFY(window.action("mneNEW")->isEnabled());
  QVERIFY(window.action("mneNEWNUM")->isEnabled());
  QVERIFY(window.action("mneSAVE")->isEnabled());
  window.close();
}

void MainWindowTest::aBalloonLiesOnTheSpeakersRowAndClosingUnderItEndsCleanly() {
  QTemporaryDir dir;
  const QString folder = zunpa::testing::MakeProgramFolder(dir, {"*.bmp", "*.ICO"});
  auto window = std::make_unique<MainWindow>(folder);
  zunpa::testing::ModalAnswerer answerer;
  bool closed = false;
  QObject::connect(window.get(), &MainWindow::Closed, [&] { closed = true; });
  window->show();
  window->StartUp();
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  window->action("flgSOKUDO3")->trigger();
  window->action("mneNEW")->trigger();
  // Play up to the first balloon of the game and close under it: the
  // balloon's wait runs the events, so the close comes from a timer.
  bool closedUnderBalloon = false;
  QRect balloon;
  QWidget* balloonParent = nullptr;
  QWidget* keys = nullptr;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (!window->host().balloon()->isVisible()) return;
    watch.stop();
    balloon = window->host().balloon()->geometry();
    balloonParent = window->host().balloon()->parentWidget();
    keys = QApplication::focusWidget();
    closedUnderBalloon = window->session().Busy();
    window->close();
  });
  watch.start(10);
  const bool ok = zunpa::testing::PlayUntil(*window, [&] { return closed; });
  QVERIFY(ok);
  QVERIFY(closedUnderBalloon);
  // The balloon is drawn on the table, just right of the first card of a
  // row, and the keys stay with the table.
  zunpa::qt::TableWidget& table = window->table();
  QCOMPARE(balloonParent, &table);
  QVERIFY(table.rect().contains(balloon));
  const QPoint twips = table.transform().ToTwips(QPointF(balloon.topLeft()) + QPointF(0.5, 0.5));
  QVERIFY2(std::abs(twips.x() - 3120) <= 15, qPrintable(QString::number(twips.x())));
  QVERIFY2(std::any_of(zunpa::kRowTop.begin(), zunpa::kRowTop.end(),
                       [&](int row) { return std::abs(twips.y() - (row + 120)) <= 15; }),
           qPrintable(QString::number(twips.y())));
  QCOMPARE(keys, &table);
  QVERIFY(window->session().Stopped());
  QVERIFY(!window->host().balloon()->isVisible());
  QFile settings(QDir(folder).filePath("zunpas.ini"));
  QVERIFY(settings.open(QIODevice::ReadOnly));
  QVERIFY(settings.readAll().startsWith("11,8,10,3\r\n"));
  window.reset();
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
